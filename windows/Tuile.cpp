#include "windows/Tuile.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

const char *const Tuile::TypeGlisse = "application/x-vocadix-tuile";

Tuile::Tuile(int index, QWidget *parent) : QLabel(parent), m_index(index) {
  setObjectName(QStringLiteral("Lettre%1").arg(index));
  setAlignment(Qt::AlignCenter);
  setAutoFillBackground(true);
  setAcceptDrops(true);
  m_fond = QColor(192, 192, 192);
  m_texte = palette().color(QPalette::ButtonText);
  Peindre();
}

void Tuile::DefinirFond(const QColor &couleur) {
  m_fond = couleur;
  Peindre();
}

void Tuile::DefinirTexte(const QColor &couleur) {
  m_texte = couleur;
  Peindre();
}

void Tuile::Peindre() {
  QPalette p = palette();
  p.setColor(QPalette::Window, m_fond);
  p.setColor(QPalette::WindowText, m_texte);
  setPalette(p);
}

void Tuile::paintEvent(QPaintEvent *evenement) {
  QLabel::paintEvent(evenement);
  // A thin black border, whatever the colour of the letter.
  QPainter peintre(this);
  peintre.setPen(Qt::black);
  peintre.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Tuile::mousePressEvent(QMouseEvent *evenement) {
  m_arme = false;
  m_depart = evenement->position().toPoint();
  Q_EMIT Pressee(m_index);
}

void Tuile::mouseMoveEvent(QMouseEvent *evenement) {
  if (!m_arme || evenement->buttons() == Qt::NoButton ||
      (evenement->position().toPoint() - m_depart).manhattanLength() <
          QApplication::startDragDistance())
    return;
  m_arme = false;
  auto *donnees = new QMimeData;
  donnees->setData(QString::fromLatin1(TypeGlisse), QByteArray::number(m_index));
  auto *glissement = new QDrag(this);
  glissement->setMimeData(donnees);
  glissement->exec(Qt::MoveAction);
}

void Tuile::mouseReleaseEvent(QMouseEvent *) {
  m_arme = false;
}

void Tuile::mouseDoubleClickEvent(QMouseEvent *) {
  m_arme = false;
  Q_EMIT DoubleCliquee(m_index);
}

void Tuile::dragEnterEvent(QDragEnterEvent *evenement) {
  if (evenement->mimeData()->hasFormat(QString::fromLatin1(TypeGlisse)))
    evenement->acceptProposedAction();
}

void Tuile::dragMoveEvent(QDragMoveEvent *evenement) {
  if (evenement->mimeData()->hasFormat(QString::fromLatin1(TypeGlisse)))
    evenement->acceptProposedAction();
}

void Tuile::dropEvent(QDropEvent *evenement) {
  if (!evenement->mimeData()->hasFormat(QString::fromLatin1(TypeGlisse)))
    return;
  evenement->acceptProposedAction();
  Q_EMIT Deposee(m_index);
}
