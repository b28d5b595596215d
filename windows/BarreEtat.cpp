#include "windows/BarreEtat.h"

#include "platform/EtatClavier.h"
#include "rules/Twips.h"
#include "windows/Disposition.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>

namespace {

struct Panneau {
  int largeur, minimum;
};
// Widths in twips, from left to right.
constexpr Panneau Panneaux[] = {{5230, 4000}, {600, 600}, {600, 600}, {600, 600},
                                {600, 600},   {960, 900}, {600, 600}};

} // namespace

BarreEtat::BarreEtat(QWidget *parent) : QStatusBar(parent) {
  setObjectName(QStringLiteral("Barre"));
  setSizeGripEnabled(false);
  // The panels are in the regular weight, not the window's bold.
  setFont(Disposition::Police(8.25, false));
  const QString textes[] = {QString(), QStringLiteral("DEFIL"), QStringLiteral("INS"),
                            QStringLiteral("MAJ"), QStringLiteral("NUM")};
  for (int i = 0; i < 7; ++i) {
    auto *panneau = new QLabel(i < 5 ? textes[i] : QString(), this);
    panneau->setObjectName(QStringLiteral("Panneau%1").arg(i + 1));
    panneau->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panneau->setAlignment(i == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    addPermanentWidget(panneau, i == 0 ? 1 : 0);
    m_panneaux << panneau;
  }
  Disposer(96);

  // The lock keys change outside the program too: a light poll is enough.
  m_touches.setInterval(400);
  connect(&m_touches, &QTimer::timeout, this, &BarreEtat::ActualiserTouches);
  m_touches.start();
  m_minute.setSingleShot(true);
  m_minute.setTimerType(Qt::PreciseTimer);
  connect(&m_minute, &QTimer::timeout, this, &BarreEtat::ActualiserHeure);
  if (qApp)
    qApp->installEventFilter(this);
  ActualiserTouches();
  ActualiserHeure();
}

void BarreEtat::Disposer(double dpi) {
  for (int i = 0; i < 7; ++i) {
    m_panneaux[i]->setMinimumWidth(Twips::EnPixels(Panneaux[i].minimum, dpi));
    if (i > 0)
      m_panneaux[i]->setFixedWidth(Twips::EnPixels(Panneaux[i].largeur, dpi));
  }
  setFixedHeight(Twips::EnPixels(345, dpi));
}

void BarreEtat::DefinirTextePanneau(int panneau, const QString &texte) {
  m_panneaux[panneau - 1]->setText(texte);
  m_panneaux[panneau - 1]->setAccessibleName(texte);
}

void BarreEtat::MontrerEtat(int panneau, bool actif) {
  QLabel *etiquette = m_panneaux[panneau - 1];
  if (etiquette->isEnabled() != actif) {
    etiquette->setEnabled(actif);
    etiquette->setAccessibleDescription(actif ? QStringLiteral("activé")
                                              : QStringLiteral("désactivé"));
  }
}

void BarreEtat::ActualiserTouches() {
  const EtatClavier clavier = EtatClavier::Lire();
  MontrerEtat(2, clavier.Defilement);
  MontrerEtat(3, m_insertion);
  MontrerEtat(4, clavier.Majuscules);
  MontrerEtat(5, clavier.Numerique);
}

void BarreEtat::ActualiserHeure() {
  const QDateTime maintenant = QDateTime::currentDateTime();
  m_panneaux[5]->setText(maintenant.toString(QStringLiteral("dd/MM/yyyy")));
  m_panneaux[6]->setText(maintenant.toString(QStringLiteral("HH:mm")));
  // Wake again just after the next minute starts.
  m_minute.start(60000 - maintenant.time().second() * 1000 - maintenant.time().msec() + 50);
}

bool BarreEtat::eventFilter(QObject *objet, QEvent *evenement) {
  // Insert has no light: its state is the number of presses, as a toggle.
  // A press reaches the window once, then climbs through the widgets.
  if (evenement->type() == QEvent::KeyPress && objet->isWindowType()) {
    const auto *touche = static_cast<QKeyEvent *>(evenement);
    if (touche->key() == Qt::Key_Insert && !touche->isAutoRepeat()) {
      m_insertion = !m_insertion;
      MontrerEtat(3, m_insertion);
    }
  }
  return QStatusBar::eventFilter(objet, evenement);
}
