#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// A game as the history keeps it: when it began, the time of its rounds,
// its total against the best its draws allowed, whether it reached its
// tenth round, and each round played.
struct JeuJoue {
  qint16 numero = 0; // 1 to 10
  QString tirage;    // the nine letters in the order drawn
  QString mot;       // the word of the stop; empty when there was none
  qint16 points = 0;
  // The greatest length the draw allowed, 0 when no word fits; unknown
  // when there was no index to tell it.
  std::optional<qint16> meilleur;
  // How many of the nine letters came from the vowels.
  qint16 voyelles = 0;
};

struct PartieJouee {
  QDateTime debut; // local time, to the second
  int temps = 45;  // seconds a round, 0 for no limit
  qint16 total = 0;
  std::optional<int> meilleur; // the sum of the rounds' greatest lengths, when all are known
  bool finie = false;
  QList<JeuJoue> jeux;
};
