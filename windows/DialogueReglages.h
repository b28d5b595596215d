#pragma once

#include <QDialog>
#include <optional>

class Plateforme;
class QButtonGroup;
struct Globales;

// The settings of what the game adds to itself: for now the time of each
// round, 45 seconds as the game has always been played, 90, or no limit.
class DialogueReglages : public QDialog {
  Q_OBJECT

public:
  // `temps`: the time chosen so far, in seconds, 0 for no limit.
  explicit DialogueReglages(int temps, QWidget *parent = nullptr);

  // The time chosen, once the dialog was accepted.
  int Temps() const;
  void ChoisirTemps(int temps);

  // Runs the dialog on the settings file of the added settings, and keeps
  // what the player chose there at once; `creerDossier` makes the player's
  // settings folder of an installed game. The time chosen, unless the
  // player cancelled.
  static std::optional<int> Regler(Plateforme &plateforme, const Globales &G, bool creerDossier,
                                   QWidget *parent);

private:
  QButtonGroup *m_temps;
};
