#pragma once

#include "rules/Tirage.h"

#include <QRandomGenerator>
#include <QStringList>
#include <array>

// The solver's yardstick, shared by its test and its benchmark: draws made
// as the game makes them, and the obvious answer, every word of the list
// tried against the draw's letters.
namespace ParcoursNaif {

// Nine letters drawn as the game draws them: consonant or vowel at random,
// each pool position at most once.
inline QString TirerNeufLettres(QRandomGenerator &alea) {
  Tirage tirage;
  QString lettres;
  for (int i = 0; i < 9; ++i)
    lettres += tirage.Tirer(alea.bounded(2) == 0 ? Tirage::Sorte::Consonne : Tirage::Sorte::Voyelle,
                            [&alea] { return alea.generateDouble(); });
  return lettres;
}

// Every word of `mots` of the greatest length the draw's letters allow,
// alphabetical.
inline QStringList PlusLongs(const QStringList &mots, const QString &tirage) {
  std::array<int, 26> compte{};
  for (const QChar c : tirage)
    ++compte[c.unicode() - u'A'];
  QStringList meilleurs;
  qsizetype longueur = 1;
  for (const QString &mot : mots) {
    if (mot.size() < longueur)
      continue;
    std::array<int, 26> reste = compte;
    bool tient = true;
    for (qsizetype i = 0; tient && i < mot.size(); ++i) {
      const int lettre = mot[i].unicode() - u'A';
      tient = lettre >= 0 && lettre < 26 && --reste[lettre] >= 0;
    }
    if (!tient)
      continue;
    if (mot.size() > longueur) {
      meilleurs.clear();
      longueur = mot.size();
    }
    meilleurs << mot;
  }
  meilleurs.sort();
  return meilleurs;
}

} // namespace ParcoursNaif
