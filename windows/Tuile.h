#pragma once

#include <QColor>
#include <QLabel>
#include <QPoint>

// A letter tile: one letter, and the two colours that show whether it belongs
// to the player's word. A press with any button may start a drag, once the
// pointer has moved past the platform's drag distance, so that a double-click
// is still seen as one.
class Tuile : public QLabel {
  Q_OBJECT

public:
  explicit Tuile(int index, QWidget *parent = nullptr);

  int Index() const { return m_index; }
  void DefinirLettre(const QString &lettre) { setText(lettre); }
  void DefinirFond(const QColor &couleur);
  void DefinirTexte(const QColor &couleur);
  QColor Fond() const { return m_fond; }
  QColor Texte() const { return m_texte; }

  // Lets the press under way become a drag of this tile.
  void ArmerGlissement() { m_arme = true; }

  static const char *const TypeGlisse;

Q_SIGNALS:
  void Pressee(int index);
  void Deposee(int index);
  void DoubleCliquee(int index);

protected:
  void paintEvent(QPaintEvent *evenement) override;
  void mousePressEvent(QMouseEvent *evenement) override;
  void mouseMoveEvent(QMouseEvent *evenement) override;
  void mouseReleaseEvent(QMouseEvent *evenement) override;
  void mouseDoubleClickEvent(QMouseEvent *evenement) override;
  void dragEnterEvent(QDragEnterEvent *evenement) override;
  void dragMoveEvent(QDragMoveEvent *evenement) override;
  void dropEvent(QDropEvent *evenement) override;

private:
  void Peindre();

  int m_index;
  QColor m_fond;
  QColor m_texte;
  bool m_arme = false;
  QPoint m_depart;
};
