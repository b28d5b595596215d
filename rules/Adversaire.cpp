#include "rules/Adversaire.h"

#include "rules/Solveur.h"

#include <array>
#include <cmath>

namespace {

// The rate at which a word is found, per normal round of 45 seconds, is
// exp(terme + commun * c - longueur * (n - 6)) for a word of n letters as
// common as c (0 to 1): a common word is seen at a glance, a rare one only
// by a player who knows it, and each letter more makes it harder to see.
// The levels' terms are those that meet their targets over simulated games
// (bench_adversaire calibrer prints them).
constexpr double PoidsCommun = 5.0;
constexpr double PoidsLongueur = 1.2;
constexpr std::array<double, Adversaire::NombreNiveaux> Termes = {-9.32, -7.41, -4.76, -1.79};
constexpr std::array<double, Adversaire::NombreNiveaux> Cibles = {0.50, 0.65, 0.80, 0.92};
constexpr int SecondesNormales = 45;

std::size_t Rang(Adversaire::Niveau niveau) {
  return std::size_t(int(niveau) - 1);
}

// SplitMix64: a fixed mixing of 64 bits, the same on every machine.
quint64 Melanger(quint64 x) {
  x += 0x9E3779B97F4A7C15ULL;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
  return x ^ (x >> 31);
}

} // namespace

// A number uniform in [0, 1) of the seed, the round and the word.
double Adversaire::Tirer(quint64 graine, int numero, QStringView mot) {
  // The seed mixed alone first: seed 1's round 2 is not seed 2's round 1.
  quint64 h = Melanger(Melanger(graine) ^ quint64(numero));
  for (const QChar lettre : mot)
    h = Melanger(h ^ lettre.unicode());
  return double(h >> 11) * 0x1.0p-53;
}

std::optional<Adversaire::Niveau> Adversaire::NiveauDe(int numero) {
  if (numero < 1 || numero > NombreNiveaux)
    return std::nullopt;
  return Niveau(numero);
}

QString Adversaire::Nom(Niveau niveau) {
  switch (niveau) {
  case Niveau::Debutant:
    return QStringLiteral("Débutant");
  case Niveau::Amateur:
    return QStringLiteral("Amateur");
  case Niveau::Confirme:
    return QStringLiteral("Confirmé");
  case Niveau::Champion:
    break;
  }
  return QStringLiteral("Champion");
}

double Adversaire::Cible(Niveau niveau) {
  return Cibles[Rang(niveau)];
}

Adversaire::Modele Adversaire::ModeleDe(Niveau niveau) {
  return {Termes[Rang(niveau)], PoidsCommun, PoidsLongueur};
}

double Adversaire::Chance(const Modele &modele, int longueur, int commun, int secondes) {
  const double c = double(commun) / Commun::Max;
  const double taux = std::exp(modele.terme + modele.commun * c - modele.longueur * (longueur - 6));
  return 1.0 - std::exp(-taux * double(secondes) / SecondesNormales);
}

double Adversaire::Chance(Niveau niveau, int longueur, int commun, int secondes) {
  return Chance(ModeleDe(niveau), longueur, commun, secondes);
}

QString Adversaire::Jouer(const Solveur &solveur, QStringView tirage, Niveau niveau, int secondes,
                          quint64 graine, int numero) {
  const Modele modele = ModeleDe(niveau);
  const Solveur::ParLongueur tous = solveur.Tous(tirage);
  for (int longueur = int(tous.size()) - 1; longueur > 0; --longueur) {
    // Of the words found at this length, the most common, then the first.
    QString choisi;
    int communChoisi = -1;
    for (const QString &mot : tous[std::size_t(longueur)]) {
      const int commun = solveur.Commun(mot);
      if (commun > communChoisi &&
          Tirer(graine, numero, mot) < Chance(modele, longueur, commun, secondes)) {
        choisi = mot;
        communChoisi = commun;
      }
    }
    if (!choisi.isEmpty())
      return choisi;
  }
  return {};
}
