#pragma once

#include "rules/Preferences.h"

#include <QDialog>
#include <optional>

class Plateforme;
class QButtonGroup;
struct Globales;

// The settings of what the game adds to itself: the time of each round, 45
// seconds as the game has always been played, 90, or no limit; and the
// opponent playing the same draws, none or one of its four levels.
class DialogueReglages : public QDialog {
  Q_OBJECT

public:
  // The settings chosen so far.
  explicit DialogueReglages(const Preferences &preferences, QWidget *parent = nullptr);

  // What is chosen, once the dialog was accepted: the time in seconds, 0
  // for no limit; the opponent's level, 0 for none.
  int Temps() const;
  int NiveauAdversaire() const;
  void ChoisirTemps(int temps);
  void ChoisirAdversaire(int niveau);

  // Runs the dialog on the settings file of the added settings, and keeps
  // what the player chose there at once; `creerDossier` makes the player's
  // settings folder of an installed game. The settings chosen, unless the
  // player cancelled.
  static std::optional<Preferences> Regler(Plateforme &plateforme, const Globales &G,
                                           bool creerDossier, QWidget *parent);

private:
  QButtonGroup *m_temps;
  QButtonGroup *m_adversaire;
};
