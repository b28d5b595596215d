#pragma once

#include <QtGlobal>

// The game's sounds, by the number of their wave image (":/sons/<n>.wav").
// There is no sound 10.
enum class Son : qint16 {
  NouvellePartie = 1,
  DoubleClic = 2,
  Lettre = 3,
  MotTrouve = 4,
  TempsEcoule = 5,
  NouveauJeu = 6,
  MotAbsent = 7,
  Scores = 8,
  Arret = 9,
  FinScores = 11,
};
