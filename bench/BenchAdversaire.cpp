// The opponent's levels against their targets: over simulated games drawn
// from the game's pools, each level's mean share of the best possible total;
// the time of its choice on a draw; and its words on a few draws, to be read.
//
//   bench_adversaire niveaux BASE.dat [PARTIES]   share of each level (10,000 games)
//   bench_adversaire calibrer BASE.dat [PARTIES [COMMUN LONGUEUR]]
//                                      each level's term meeting its target, under
//                                      the model's weights or those given
//   bench_adversaire mots BASE.dat [TIRAGES]      the words played on 50 draws

#include "bench/Statistiques.h"
#include "data/Dictionnaire.h"
#include "data/ErreurBase.h"
#include "rules/Adversaire.h"
#include "rules/Solveur.h"
#include "rules/Tirage.h"
#include "tests/ParcoursNaif.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

namespace {

using namespace Statistiques;
using Adversaire::Niveau;

constexpr int Secondes = 45;

// The player's choice of vowels: mostly four, as often three as five.
int Voyelles(QRandomGenerator &alea) {
  const int d = int(alea.bounded(4));
  return d == 0 ? 3 : d == 3 ? 5 : 4;
}

QString Tirer(QRandomGenerator &alea) {
  const int voyelles = Voyelles(alea);
  return ParcoursNaif::TirerAvecVoyelles(alea, voyelles);
}

// A round as the model sees it: each word's length, how common it is and
// the number it is drawn against, which none of the levels changes.
struct Mot {
  int longueur, commun;
  double tire;
};
struct Jeu {
  int meilleur = 0;
  std::vector<Mot> mots;
};
using PartieSimulee = std::array<Jeu, 10>;

// Games `premiere` to `premiere + parties - 1`, each drawn from its own seed.
std::vector<PartieSimulee> Simuler(const Solveur &solveur, int parties, int premiere) {
  std::vector<PartieSimulee> simulees;
  simulees.resize(std::size_t(parties));
  for (int p = 0; p < parties; ++p) {
    QRandomGenerator alea(quint32(premiere + p));
    for (int k = 0; k < 10; ++k) {
      const QString tirage = Tirer(alea);
      Jeu &jeu = simulees[std::size_t(p)][std::size_t(k)];
      const Solveur::ParLongueur tous = solveur.Tous(tirage);
      for (int n = 9; n > 0; --n)
        for (const QString &mot : tous[std::size_t(n)]) {
          jeu.meilleur = std::max(jeu.meilleur, n);
          jeu.mots.push_back(
              {n, solveur.Commun(mot), Adversaire::Tirer(quint64(premiere + p), k + 1, mot)});
        }
    }
  }
  return simulees;
}

// The mean share of the best possible total, over the games, under `terme`.
double Part(const std::vector<PartieSimulee> &parties, const Adversaire::Modele &modele,
            double *points = nullptr, int secondes = Secondes) {
  double somme = 0, total = 0;
  int comptees = 0;
  for (const PartieSimulee &partie : parties) {
    int joue = 0, meilleur = 0;
    for (const Jeu &jeu : partie) {
      meilleur += jeu.meilleur;
      int trouve = 0;
      for (const Mot &mot : jeu.mots)
        if (mot.longueur > trouve &&
            mot.tire < Adversaire::Chance(modele, mot.longueur, mot.commun, secondes))
          trouve = mot.longueur;
      joue += trouve;
    }
    if (meilleur > 0) {
      somme += double(joue) / meilleur;
      ++comptees;
    }
    total += joue;
  }
  if (points)
    *points = total / double(parties.size());
  return comptees ? somme / comptees : 0;
}

constexpr std::array<Niveau, 4> Niveaux = {Niveau::Debutant, Niveau::Amateur, Niveau::Confirme,
                                           Niveau::Champion};

int Niveaux_(const Solveur &solveur, int parties) {
  // Other games than those the levels were tuned on.
  const auto simulees = Simuler(solveur, parties, 500000);
  double meilleur = 0;
  for (const PartieSimulee &partie : simulees)
    for (const Jeu &jeu : partie)
      meilleur += jeu.meilleur;
  std::printf("%d parties simulées de 10 tirages (3 à 5 voyelles), %d s par jeu ; meilleur "
              "possible moyen : %.1f points\n\n",
              parties, Secondes, meilleur / parties);
  std::printf("| niveau | cible | part moyenne | écart | points moyens | part en 90 s |\n"
              "|---|---|---|---|---|---|\n");
  bool tenu = true;
  for (const Niveau niveau : Niveaux) {
    double points = 0;
    const double part = Part(simulees, Adversaire::ModeleDe(niveau), &points);
    const double ecart = 100 * (part - Adversaire::Cible(niveau));
    tenu = tenu && std::abs(ecart) <= 3;
    // The same level with twice the time, for comparison.
    const double part90 = Part(simulees, Adversaire::ModeleDe(niveau), nullptr, 90);
    std::printf("| %s | %.0f %% | %.1f %% | %+.1f | %.1f | %.1f %% |\n",
                qPrintable(Adversaire::Nom(niveau)), 100 * Adversaire::Cible(niveau), 100 * part,
                ecart, points, 100 * part90);
  }

  // The choice itself, index lookups included, on draws of their own.
  QRandomGenerator alea(77);
  std::vector<double> durees;
  for (int i = 0; i < 5000; ++i) {
    const QString tirage = Tirer(alea);
    const auto t0 = Horloge::now();
    const QString mot = Adversaire::Jouer(solveur, tirage, Niveau::Champion, Secondes, 9, i);
    durees.push_back(Microsecondes(t0, Horloge::now()));
    if (mot.size() > 9)
      return 1;
  }
  const Mesure mesure = Resumer(durees);
  std::printf("\nChoix d'un mot (Champion, 5 000 tirages) : médiane %.0f µs, 99e centile %.0f µs\n",
              mesure.mediane, mesure.centile99);
  std::printf("%s\n", tenu ? "Chaque niveau est à 3 points de sa cible."
                           : "UN NIVEAU EST À PLUS DE 3 POINTS DE SA CIBLE.");
  return tenu ? 0 : 1;
}

// Each level's term that meets its target, under the model's weights or
// those given.
int Calibrer(const Solveur &solveur, int parties, std::optional<double> commun,
             std::optional<double> longueur) {
  const auto simulees = Simuler(solveur, parties, 1000);
  for (const Niveau niveau : Niveaux) {
    Adversaire::Modele modele = Adversaire::ModeleDe(niveau);
    const double actuel = modele.terme;
    modele.commun = commun.value_or(modele.commun);
    modele.longueur = longueur.value_or(modele.longueur);
    double bas = -30, haut = 30;
    for (int i = 0; i < 40; ++i) {
      modele.terme = (bas + haut) / 2;
      (Part(simulees, modele) < Adversaire::Cible(niveau) ? bas : haut) = modele.terme;
    }
    std::printf("%s : terme %.2f (actuel %.2f), poids du commun %.2f, de la longueur %.2f\n",
                qPrintable(Adversaire::Nom(niveau)), (bas + haut) / 2, actuel, modele.commun,
                modele.longueur);
  }
  return 0;
}

int Mots(const Solveur &solveur, int tirages) {
  QRandomGenerator alea(2026);
  for (int i = 0; i < tirages; ++i) {
    const QString tirage = Tirer(alea);
    const QStringList plusLongs = solveur.PlusLongs(tirage);
    std::printf("%s  meilleurs %s", qPrintable(tirage),
                plusLongs.isEmpty() ? "-" : qPrintable(plusLongs.mid(0, 4).join(u',')));
    for (const Niveau niveau : Niveaux) {
      const QString mot = Adversaire::Jouer(solveur, tirage, niveau, Secondes, quint64(i), 1);
      std::printf("  %s %s(%d)", qPrintable(Adversaire::Nom(niveau).left(3)),
                  mot.isEmpty() ? "-" : qPrintable(mot), int(solveur.Commun(mot)));
    }
    std::printf("\n");
  }
  return 0;
}

} // namespace

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage : bench_adversaire niveaux|calibrer|mots BASE.dat [NOMBRE]\n");
    return 2;
  }
  const QString base = QString::fromLocal8Bit(argv[2]);
  try {
    const auto t0 = Horloge::now();
    const Solveur solveur = Dictionnaire::Indexer(base);
    std::printf("Index de %lld mots et de ce qu'ils ont de courant construit en %.0f ms\n\n",
                qlonglong(solveur.NombreMots()), Microsecondes(t0, Horloge::now()) / 1000);
    if (!std::strcmp(argv[1], "niveaux"))
      return Niveaux_(solveur, argc > 3 ? std::atoi(argv[3]) : 10000);
    if (!std::strcmp(argv[1], "calibrer"))
      return Calibrer(solveur, argc > 3 ? std::atoi(argv[3]) : 4000,
                      argc > 4 ? std::optional(std::atof(argv[4])) : std::nullopt,
                      argc > 5 ? std::optional(std::atof(argv[5])) : std::nullopt);
    if (!std::strcmp(argv[1], "mots"))
      return Mots(solveur, argc > 3 ? std::atoi(argv[3]) : 50);
  } catch (const ErreurBase &erreur) {
    std::fprintf(stderr, "%s\n", qPrintable(erreur.Texte()));
    return 1;
  }
  std::fprintf(stderr, "usage : bench_adversaire niveaux|calibrer|mots BASE.dat [NOMBRE]\n");
  return 2;
}
