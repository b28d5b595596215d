#pragma once

#include <QList>
#include <QPointF>
#include <QWidget>

// The client area of the main window. The countdown draws its dots straight
// onto it; they are kept, so that a repaint after a box covered them shows
// them again, until the dial is wiped for a new round.
class Surface : public QWidget {
  Q_OBJECT

public:
  explicit Surface(QWidget *parent = nullptr);

  // Centre and radius in pixels of this widget.
  void AjouterPoint(QPointF centre, float rayon);
  void EffacerPoints();
  int NombrePoints() const { return int(m_points.size()); }

protected:
  void paintEvent(QPaintEvent *evenement) override;

private:
  struct Point {
    QPointF centre;
    float rayon;
  };
  QList<Point> m_points;
};
