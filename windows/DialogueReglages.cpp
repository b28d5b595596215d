#include "windows/DialogueReglages.h"

#include "platform/Plateforme.h"
#include "rules/Adversaire.h"
#include "rules/Globales.h"
#include "rules/Preferences.h"
#include "windows/Disposition.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QLabel *Note(const QString &texte, QGroupBox *groupe, const QString &nom) {
  auto *note = new QLabel(texte, groupe);
  note->setObjectName(nom);
  note->setWordWrap(true);
  note->setFont(Disposition::Police(8.25, false));
  groupe->setAccessibleDescription(texte);
  return note;
}

} // namespace

DialogueReglages::DialogueReglages(const Preferences &preferences, QWidget *parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("Reglages"));
  setWindowTitle(QStringLiteral("Réglages de la partie"));
  setFont(Disposition::Police(9.75));

  auto *groupe = new QGroupBox(QStringLiteral("Temps de chaque jeu"), this);
  groupe->setObjectName(QStringLiteral("GroupeTemps"));
  auto *choix = new QVBoxLayout(groupe);
  m_temps = new QButtonGroup(this);
  const std::pair<int, const char *> temps_[] = {
      {45, "&45 secondes, le jeu classique"},
      {90, "&90 secondes"},
      {0, "&Sans limite : le jeu finit sur Arrêt"},
  };
  for (const auto &[secondes, texte] : temps_) {
    auto *bouton = new QRadioButton(QString::fromUtf8(texte), groupe);
    bouton->setObjectName(QStringLiteral("Temps%1").arg(secondes));
    bouton->setFont(Disposition::Police(9.75, false));
    m_temps->addButton(bouton, secondes);
    choix->addWidget(bouton);
  }
  choix->addWidget(Note(QStringLiteral("Le temps choisi vaut à partir de la prochaine partie. "
                                       "Seules les parties en 45 secondes entrent au tableau "
                                       "des scores."),
                        groupe, QStringLiteral("NoteTemps")));

  auto *rival = new QGroupBox(QStringLiteral("Adversaire sur les mêmes tirages"), this);
  rival->setObjectName(QStringLiteral("GroupeAdversaire"));
  auto *niveaux = new QVBoxLayout(rival);
  m_adversaire = new QButtonGroup(this);
  // Each level with its mnemonic and the share of the best it aims at.
  const std::pair<int, QString> adversaires[] = {
      {0, QStringLiteral("&Pas d'adversaire")}, {1, QStringLiteral("&Débutant")},
      {2, QStringLiteral("A&mateur")},          {3, QStringLiteral("&Confirmé")},
      {4, QStringLiteral("C&hampion")},
  };
  for (const auto &[niveau, nom] : adversaires) {
    QString texte = nom;
    if (const std::optional<Adversaire::Niveau> n = Adversaire::NiveauDe(niveau))
      texte += QStringLiteral(" : environ %1\u00a0% du meilleur possible")
                   .arg(qRound(100 * Adversaire::Cible(*n)));
    auto *bouton = new QRadioButton(texte, rival);
    bouton->setObjectName(QStringLiteral("Adversaire%1").arg(niveau));
    bouton->setFont(Disposition::Police(9.75, false));
    m_adversaire->addButton(bouton, niveau);
    niveaux->addWidget(bouton);
  }
  niveaux->addWidget(Note(QStringLiteral("L'adversaire joue à partir de la prochaine partie. "
                                         "Il cherche dans le même temps que vous ; son mot "
                                         "paraît à la fin de chaque jeu, à côté des plus longs. "
                                         "Le tableau des scores reste le vôtre."),
                          rival, QStringLiteral("NoteAdversaire")));

  auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto *mise = new QVBoxLayout(this);
  mise->addWidget(groupe);
  mise->addWidget(rival);
  mise->addWidget(boutons);
  mise->setSizeConstraint(QLayout::SetFixedSize);
  groupe->setMinimumWidth(360);
  ChoisirTemps(preferences.Temps);
  ChoisirAdversaire(preferences.Adversaire);
  m_temps->checkedButton()->setFocus();
}

int DialogueReglages::Temps() const {
  return m_temps->checkedId();
}

int DialogueReglages::NiveauAdversaire() const {
  return m_adversaire->checkedId();
}

void DialogueReglages::ChoisirAdversaire(int niveau) {
  if (QAbstractButton *bouton = m_adversaire->button(niveau))
    bouton->setChecked(true);
  else
    m_adversaire->button(0)->setChecked(true);
}

void DialogueReglages::ChoisirTemps(int temps) {
  if (QAbstractButton *bouton = m_temps->button(temps))
    bouton->setChecked(true);
  else
    m_temps->button(45)->setChecked(true);
}

std::optional<Preferences> DialogueReglages::Regler(Plateforme &plateforme, const Globales &G,
                                                    bool creerDossier, QWidget *parent) {
  Preferences preferences = Preferences::Lire(G.FichierPreferences());
  DialogueReglages dialogue(preferences, parent);
  if (plateforme.ExecuterDialogue(dialogue) != QDialog::Accepted)
    return std::nullopt;
  preferences.Temps = dialogue.Temps();
  preferences.Adversaire = dialogue.NiveauAdversaire();
  if (creerDossier)
    QDir().mkpath(G.CheminReglages);
  QString cause;
  if (!preferences.Ecrire(G.FichierPreferences(), &cause))
    plateforme.AfficherMessage(parent, G.TitreAppli,
                               QStringLiteral("Les réglages n'ont pas pu être enregistrés dans le "
                                              "fichier « %1 » : %2.\n\nIls valent pour cette "
                                              "séance seulement.")
                                   .arg(G.FichierPreferences(), cause),
                               Icone::Arret);
  return preferences;
}
