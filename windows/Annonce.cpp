#include "windows/Annonce.h"

Annonce::Annonce(QWidget *parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Annonce"));
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  resize(1, 1);
  hide();
  m_moment.setSingleShot(true);
  m_moment.setInterval(0);
  connect(&m_moment, &QTimer::timeout, this, &Annonce::Montrer);
}

void Annonce::Dire(const QString &texte) {
  m_aDire << texte;
  m_moment.start();
}

void Annonce::Montrer() {
  // A notification is spoken when it becomes shown: shown afresh each time.
  hide();
  setAccessibleName(m_aDire.join(u' '));
  m_aDire.clear();
  show();
}
