#include "windows/DialogueReglages.h"

#include "platform/Plateforme.h"
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

DialogueReglages::DialogueReglages(int temps, QWidget *parent) : QDialog(parent) {
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
  auto *note = new QLabel(QStringLiteral("Le temps choisi vaut à partir de la prochaine partie. "
                                         "Seules les parties en 45 secondes entrent au tableau "
                                         "des scores."),
                          groupe);
  note->setObjectName(QStringLiteral("NoteTemps"));
  note->setWordWrap(true);
  note->setFont(Disposition::Police(8.25, false));
  choix->addWidget(note);
  groupe->setAccessibleDescription(note->text());

  auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto *mise = new QVBoxLayout(this);
  mise->addWidget(groupe);
  mise->addWidget(boutons);
  mise->setSizeConstraint(QLayout::SetFixedSize);
  groupe->setMinimumWidth(360);
  ChoisirTemps(temps);
  m_temps->checkedButton()->setFocus();
}

int DialogueReglages::Temps() const {
  return m_temps->checkedId();
}

void DialogueReglages::ChoisirTemps(int temps) {
  if (QAbstractButton *bouton = m_temps->button(temps))
    bouton->setChecked(true);
  else
    m_temps->button(45)->setChecked(true);
}

std::optional<int> DialogueReglages::Regler(Plateforme &plateforme, const Globales &G,
                                            bool creerDossier, QWidget *parent) {
  Preferences preferences = Preferences::Lire(G.FichierPreferences());
  DialogueReglages dialogue(preferences.Temps, parent);
  if (plateforme.ExecuterDialogue(dialogue) != QDialog::Accepted)
    return std::nullopt;
  preferences.Temps = dialogue.Temps();
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
  return preferences.Temps;
}
