#include "windows/Surface.h"

#include <QPainter>

Surface::Surface(QWidget *parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Surface"));
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(192, 192, 192));
  setPalette(p);
}

void Surface::AjouterPoint(QPointF centre, float rayon) {
  m_points.append({centre, rayon});
  const int marge = int(rayon) + 2;
  update(QRect(centre.toPoint(), QSize()).adjusted(-marge, -marge, marge, marge));
}

void Surface::EffacerPoints() {
  m_points.clear();
  update();
}

void Surface::paintEvent(QPaintEvent *) {
  if (m_points.isEmpty())
    return;
  QPainter peintre(this);
  peintre.setRenderHint(QPainter::Antialiasing);
  peintre.setPen(QPen(QColor(0, 0, 255), 1));
  peintre.setBrush(QColor(255, 0, 0));
  for (const Point &point : std::as_const(m_points))
    peintre.drawEllipse(point.centre, point.rayon, point.rayon);
}
