#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <optional>

class Solveur;

// A player of the same draws who plays like a person: every word the draw
// allows is found or missed on its own, the more likely the shorter and the
// more common it is and the longer the time; of those found, the longest is
// played. Each level is tuned to a share of the best possible total.
namespace Adversaire {

enum class Niveau { Debutant = 1, Amateur, Confirme, Champion };
constexpr int NombreNiveaux = 4;

// The level of its number, 1 to 4; nothing for any other.
std::optional<Niveau> NiveauDe(int numero);
// "Débutant", "Amateur", "Confirmé", "Champion".
QString Nom(Niveau niveau);
// The share of the best possible total the level aims at, from 0 to 1.
double Cible(Niveau niveau);

// What the model makes of a word: the chance of finding it, from 0 to 1,
// for a word of `longueur` letters, as common as `commun` (0 to Commun::Max),
// in `secondes` of search.
double Chance(Niveau niveau, int longueur, int commun, int secondes);

// The word played on `tirage` in round `numero` of the game seeded with
// `graine`, after `secondes` of search; empty when it found none, or when
// the draw allows none. The same arguments give the same word on every
// machine: a word is found or missed by a number drawn from the seed, the
// round and the word alone, whatever else the draw allows.
QString Jouer(const Solveur &solveur, QStringView tirage, Niveau niveau, int secondes,
              quint64 graine, int numero);

// The parts of the model, for tuning the levels. A word of n letters, as
// common as c (0 to 1), is found at the rate exp(terme + commun * c -
// longueur * (n - 6)) per normal round; `Tirer` is the number it is drawn
// against, uniform in [0, 1).
struct Modele {
  double terme, commun, longueur;
};
Modele ModeleDe(Niveau niveau);
double Chance(const Modele &modele, int longueur, int commun, int secondes);
double Tirer(quint64 graine, int numero, QStringView mot);

} // namespace Adversaire
