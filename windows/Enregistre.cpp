#include "windows/Enregistre.h"

#include "data/ErreurBase.h"
#include "data/TableScores.h"
#include "platform/Plateforme.h"
#include "rules/Globales.h"
#include "windows/BanqueImages.h"
#include "windows/Disposition.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

Enregistre::Enregistre(Plateforme &plateforme, const Globales &globales, qint16 score,
                       QWidget *parent)
    : QDialog(parent), m_plateforme(plateforme), G(globales), m_score(score) {
  setObjectName(QStringLiteral("Enregistre"));
  setWindowTitle(QString());
  setFixedSize(616, 440);

  auto *fond = new QLabel(this);
  fond->setObjectName(QStringLiteral("Fond"));
  fond->setGeometry(0, 0, 617, 441);
  fond->setPixmap(BanqueImages::Dessin(QStringLiteral(":/images/enregistre.svg"), QSize(617, 441),
                                       devicePixelRatio()));
  fond->setAccessibleName(QStringLiteral("Enregistrement des scores. Entrez votre nom, SVP"));

  SaisieNom = new QLineEdit(this);
  SaisieNom->setObjectName(QStringLiteral("SaisieNom"));
  SaisieNom->setGeometry(64, 176, 313, 41);
  SaisieNom->setMaxLength(15);
  SaisieNom->setFont(Disposition::Police(22.5));
  Disposition::Colorer(SaisieNom, QColor(0, 0, 255), QColor(255, 255, 255), QPalette::Text,
                       QPalette::Base);
  SaisieNom->setAccessibleName(QStringLiteral("Entrez votre nom, SVP"));
  SaisieNom->installEventFilter(this);

  Annuler = new QPushButton(QStringLiteral("&Annuler"), this);
  Annuler->setObjectName(QStringLiteral("Annuler"));
  Annuler->setGeometry(544, 408, 65, 25);
  Valider = new QPushButton(QStringLiteral("&Valider"), this);
  Valider->setObjectName(QStringLiteral("Valider"));
  Valider->setGeometry(472, 408, 65, 25);
  // Neither is pressed by Enter or Escape.
  for (QPushButton *bouton : {Annuler, Valider}) {
    bouton->setAutoDefault(false);
    bouton->setDefault(false);
  }
  setTabOrder(SaisieNom, Annuler);
  setTabOrder(Annuler, Valider);
  connect(Valider, &QPushButton::clicked, this, &Enregistre::Valider_Click);
  connect(Annuler, &QPushButton::clicked, this, &Enregistre::Annuler_Click);
  SaisieNom->setFocus();
}

QString Enregistre::SaisieNom_KeyPress(const QString &caractere) {
  if (caractere == QLatin1String("\r"))
    return caractere;
  // One character for one: a capital that would take two letters (ß) is left alone.
  const QString majuscule = QLocale::system().toUpper(caractere);
  return majuscule.size() == caractere.size() ? majuscule : caractere;
}

bool Enregistre::eventFilter(QObject *objet, QEvent *evenement) {
  if (objet == SaisieNom && evenement->type() == QEvent::KeyPress) {
    auto *touche = static_cast<QKeyEvent *>(evenement);
    const QString texte = touche->text();
    if (!texte.isEmpty() && texte.at(0).isPrint()) {
      const QString filtre = SaisieNom_KeyPress(texte);
      if (filtre != texte) {
        QKeyEvent remplacee(QEvent::KeyPress, touche->key(), touche->modifiers(), filtre,
                            touche->isAutoRepeat(), ushort(touche->count()));
        SaisieNom->event(&remplacee);
        return true;
      }
    }
  }
  return QDialog::eventFilter(objet, evenement);
}

void Enregistre::keyPressEvent(QKeyEvent *evenement) {
  // Enter and Escape press nothing here.
  switch (evenement->key()) {
  case Qt::Key_Escape:
  case Qt::Key_Return:
  case Qt::Key_Enter:
    evenement->accept();
    return;
  default:
    QDialog::keyPressEvent(evenement);
  }
}

void Enregistre::reject() {
  // The frame's close box leaves as Annuler does.
  SaisieNom->clear();
  Q_EMIT Guider(QStringLiteral("Cliquez sur Nouvelle partie"));
  QDialog::reject();
}

void Enregistre::Refuser(const QString &raison) {
  m_plateforme.AfficherMessage(this, G.TitreAppli,
                               QStringLiteral("Désolé, %1,\n\nvotre score est %2 au plus petit "
                                              "score enregistré !!!\n\nVous ne pouvez être classé.")
                                   .arg(SaisieNom->text(), raison),
                               Plateforme::Icone::Arret);
  SaisieNom->clear();
  Annuler_Click();
}

void Enregistre::Valider_Click() {
  if (SaisieNom->text().isEmpty()) {
    m_plateforme.AfficherMessage(
        this, G.TitreAppli,
        QStringLiteral("Saisissez au moins une lettre ou cliquez sur Annuler !!!"),
        Plateforme::Icone::Arret);
    SaisieNom->setFocus();
    return;
  }
  try {
    switch (TableScores::Proposer(Data, G.FichierBase(), SaisieNom->text(), m_score,
                                  m_plateforme.Maintenant().date())) {
    case TableScores::Issue::Egale:
      Refuser(QStringLiteral("égal"));
      break;
    case TableScores::Issue::Inferieure:
      Refuser(QStringLiteral("inférieur"));
      break;
    default:
      break;
    }
  } catch (const ErreurBase &erreur) {
    Data.FermerBase();
    m_plateforme.AfficherMessage(
        this, G.TitreAppli,
        QStringLiteral("Votre score n'a pas pu être enregistré.\n\n%1").arg(erreur.Texte()),
        Plateforme::Icone::Arret);
  }
  Terminer();
}

void Enregistre::Annuler_Click() {
  Terminer();
}

void Enregistre::Terminer() {
  SaisieNom->clear();
  Q_EMIT Guider(QStringLiteral("Cliquez sur Nouvelle partie"));
  accept();
}
