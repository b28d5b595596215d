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

// Nine letters from the game's pools as a player draws them, `voyelles` of
// them vowels, in any place.
inline QString TirerAvecVoyelles(QRandomGenerator &alea, int voyelles) {
  Tirage tirage;
  const auto aleatoire = [&alea] { return alea.generateDouble(); };
  QString lettres;
  for (int i = 0; i < 9; ++i) {
    const bool voyelle = int(alea.bounded(9 - i)) < voyelles;
    voyelles -= voyelle;
    lettres += tirage.Tirer(voyelle ? Tirage::Sorte::Voyelle : Tirage::Sorte::Consonne, aleatoire);
  }
  return lettres;
}

// Whether `mot` can be spelt with the letters counted in `compte`.
inline bool Tient(const QString &mot, std::array<int, 26> compte) {
  for (const QChar c : mot) {
    const int lettre = c.unicode() - u'A';
    if (lettre < 0 || lettre >= 26 || --compte[lettre] < 0)
      return false;
  }
  return true;
}

inline std::array<int, 26> Compter(const QString &tirage) {
  std::array<int, 26> compte{};
  for (const QChar c : tirage)
    ++compte[c.unicode() - u'A'];
  return compte;
}

// Every word of `mots` the draw's letters allow, by length, alphabetical.
inline std::array<QStringList, 10> Tous(const QStringList &mots, const QString &tirage) {
  const std::array<int, 26> compte = Compter(tirage);
  std::array<QStringList, 10> parLongueur;
  for (const QString &mot : mots)
    if (mot.size() <= 9 && Tient(mot, compte))
      parLongueur[std::size_t(mot.size())] << mot;
  for (QStringList &liste : parLongueur)
    liste.sort();
  return parLongueur;
}

// Every word of `mots` of the greatest length the draw's letters allow,
// alphabetical.
inline QStringList PlusLongs(const QStringList &mots, const QString &tirage) {
  const std::array<QStringList, 10> parLongueur = Tous(mots, tirage);
  for (auto liste = parLongueur.crbegin(); liste != parLongueur.crend(); ++liste)
    if (!liste->isEmpty())
      return *liste;
  return {};
}

} // namespace ParcoursNaif
