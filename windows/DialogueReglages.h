#pragma once

#include <QDialog>

class QButtonGroup;

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

private:
  QButtonGroup *m_temps;
};
