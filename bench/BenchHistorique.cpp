// The history's costs, each against a baseline measured in the same run:
//
//   bench_historique ecriture BASE.dat [N]    writing N finished games, one
//       transaction each, against recording a score (the game's own write);
//       and the growth of the file a game
//   bench_historique fabriquer BASE.dat N     adds N games to BASE.dat, for the
//       window's benchmark and for start-up with a long history
//   bench_historique fenetre BASE.dat [N]     the statistics window, from the
//       command to its first paint, over the history of BASE.dat against an
//       empty one (needs a display: Xvfb, or QT_QPA_PLATFORM=offscreen)
//
// BASE.dat is a copy of a game database (build/bin/Vocadix.dat): it is written.

#include "bench/Statistiques.h"
#include "data/ErreurBase.h"
#include "data/HistoriqueBase.h"
#include "data/MoteurBase.h"
#include "data/TableScores.h"
#include "data/VueDonnees.h"
#include "platform/PlateformeQt.h"
#include "windows/FenetreStatistiques.h"

#include "CleBase.h"

#include <QApplication>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

namespace {

using Statistiques::Horloge;
using Statistiques::Microsecondes;

const QString Connexion = QString::fromLatin1(CleBase::Connexion);

// A game as a player makes them: ten rounds, three to nine letters found,
// some refused, over draws of three to five vowels.
PartieJouee PartieAuHasard(QRandomGenerator &hasard, const QDateTime &debut) {
  static const char *const Mots[] = {"RUE",       "AMIS",   "MAISON", "SALIERE", "CHANTERA",
                                     "ETRANGERE", "OEUVRE", "TOILE",  "NAVIRES"};
  PartieJouee partie;
  partie.debut = debut;
  partie.finie = hasard.bounded(10) > 0;
  const int jeux = partie.finie ? 10 : 1 + hasard.bounded(9);
  int meilleur = 0;
  for (int n = 1; n <= jeux; ++n) {
    JeuJoue jeu;
    jeu.numero = qint16(n);
    jeu.tirage = QStringLiteral("MAISONRUE");
    jeu.mot = QString::fromLatin1(Mots[hasard.bounded(9)]);
    jeu.points = hasard.bounded(5) ? qint16(jeu.mot.size()) : qint16(0);
    jeu.meilleur = qint16(std::max<int>(jeu.mot.size(), 6 + hasard.bounded(4)));
    jeu.voyelles = qint16(3 + hasard.bounded(3));
    partie.total = qint16(partie.total + jeu.points);
    meilleur += *jeu.meilleur;
    partie.jeux << jeu;
  }
  partie.meilleur = meilleur;
  return partie;
}

int Ecriture(const QString &fichier, int nombre) {
  const auto base = MoteurBase::OuvrirBase(fichier, false, false, Connexion);
  HistoriqueBase historique;
  historique.DefinirFichier(fichier);
  QRandomGenerator hasard(1);
  const qint64 tailleAvant = QFileInfo(fichier).size();
  std::vector<double> parties, scores;
  QDateTime debut(QDate(2026, 1, 1), QTime(20, 0));
  for (int i = 0; i < nombre; ++i) {
    PartieJouee partie = PartieAuHasard(hasard, debut = debut.addSecs(3600));
    partie.finie = true;
    while (partie.jeux.size() < 10) {
      partie.jeux << partie.jeux.last();
      ++partie.jeux.last().numero;
    }
    auto avant = Horloge::now();
    historique.Archiver(partie);
    parties.push_back(Microsecondes(avant, Horloge::now()) / 1000);
    if (!historique.ErreurEcriture().isEmpty()) {
      std::fprintf(stderr, "écriture refusée : %s\n", qPrintable(historique.ErreurEcriture()));
      return 1;
    }
    // The score always appended to an empty table: a row written and
    // committed, as a game's history is.
    base->Ecrire(QStringLiteral("DELETE FROM SCORES"));
    VueDonnees Data;
    avant = Horloge::now();
    TableScores::Proposer(Data, fichier, QStringLiteral("BANC"), partie.total, debut.date());
    scores.push_back(Microsecondes(avant, Horloge::now()) / 1000);
  }
  const auto p = Statistiques::Resumer(parties), s = Statistiques::Resumer(scores);
  std::printf("partie écrite (10 jeux, sa transaction comprise) : médiane %.2f ms, 99e centile "
              "%.2f ms\n",
              p.mediane, p.centile99);
  std::printf("score ajouté au tableau (référence)               : médiane %.2f ms, 99e centile "
              "%.2f ms\n",
              s.mediane, s.centile99);
  std::printf("rapport des médianes : %.2f (objectif : médiane ≤ 5 ms)\n", p.mediane / s.mediane);
  const double parPartie = double(QFileInfo(fichier).size() - tailleAvant) / nombre;
  std::printf("croissance du fichier : %.0f octets par partie, sur %d parties (objectif ≤ 2048)\n",
              parPartie, nombre);
  return p.mediane <= 5 && parPartie <= 2048 ? 0 : 2;
}

int Fabriquer(const QString &fichier, int nombre) {
  const auto base = MoteurBase::OuvrirBase(fichier, false, false, Connexion);
  HistoriqueBase historique;
  historique.DefinirFichier(fichier);
  QRandomGenerator hasard(2);
  // About three games a day, most days, over the years.
  QDateTime debut(QDate(2020, 1, 1), QTime(9, 0));
  for (int i = 0; i < nombre; ++i) {
    debut = debut.addSecs(3600 * (1 + hasard.bounded(16)));
    historique.Archiver(PartieAuHasard(hasard, debut));
    if (!historique.ErreurEcriture().isEmpty()) {
      std::fprintf(stderr, "écriture refusée : %s\n", qPrintable(historique.ErreurEcriture()));
      return 1;
    }
  }
  std::printf("%d parties ajoutées à %s (%lld octets)\n", nombre, qPrintable(fichier),
              QFileInfo(fichier).size());
  return 0;
}

// From the command to the window's first paint, as the game runs it.
double PremierAffichage(Plateforme &plateforme, const QString &fichier) {
  HistoriqueBase historique;
  historique.DefinirFichier(fichier);
  const auto avant = Horloge::now();
  FenetreStatistiques fenetre(plateforme, historique, QDate(2026, 12, 11));
  struct Peinture : QObject {
    bool peinte = false;
    bool eventFilter(QObject *, QEvent *evenement) override {
      peinte = peinte || evenement->type() == QEvent::Paint;
      return false;
    }
  } peinture;
  fenetre.installEventFilter(&peinture);
  fenetre.show();
  while (!peinture.peinte)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  const double duree = Microsecondes(avant, Horloge::now()) / 1000;
  fenetre.hide();
  return duree;
}

int Fenetre(int argc, char **argv, const QString &fichier, int fois) {
  QApplication application(argc, argv);
  PlateformeQt plateforme([](QWidget *, const QString &) {});
  // The baseline: the same window over a file whose history is empty.
  QTemporaryDir dossier;
  const QString vide = dossier.filePath(QStringLiteral("Vocadix.dat"));
  QFile::copy(fichier, vide);
  {
    const auto base = MoteurBase::OuvrirBase(vide, false, false, Connexion);
    base->Ecrire(QStringLiteral("DELETE FROM JEUX"));
    base->Ecrire(QStringLiteral("DELETE FROM PARTIES"));
  }
  std::vector<double> longue, courte;
  for (int i = 0; i < fois; ++i) {
    {
      const auto base = MoteurBase::OuvrirBase(fichier, false, false, Connexion);
      longue.push_back(PremierAffichage(plateforme, fichier));
    }
    {
      const auto base = MoteurBase::OuvrirBase(vide, false, false, Connexion);
      courte.push_back(PremierAffichage(plateforme, vide));
    }
  }
  const auto l = Statistiques::Resumer(longue), c = Statistiques::Resumer(courte);
  std::printf("fenêtre Statistiques, jusqu'au premier affichage, sur %d essais :\n", fois);
  std::printf("  historique de %s : médiane %.1f ms, pire %.1f ms\n", qPrintable(fichier),
              l.mediane, *std::max_element(longue.begin(), longue.end()));
  std::printf("  historique vide (référence) : médiane %.1f ms\n", c.mediane);
  std::printf("  rapport des médianes : %.2f (objectif : ≤ 200 ms)\n", l.mediane / c.mediane);
  return l.mediane <= 200 ? 0 : 2;
}

} // namespace

int main(int argc, char **argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage : bench_historique ecriture|fabriquer|fenetre BASE.dat [N]\n");
    return 1;
  }
  const QString mode = QString::fromLocal8Bit(argv[1]);
  const QString fichier = QFile::decodeName(argv[2]);
  const int nombre = argc > 3 ? std::atoi(argv[3]) : 0;
  try {
    if (mode == QLatin1String("ecriture"))
      return Ecriture(fichier, nombre > 0 ? nombre : 500);
    if (mode == QLatin1String("fabriquer"))
      return Fabriquer(fichier, nombre > 0 ? nombre : 10000);
    if (mode == QLatin1String("fenetre"))
      return Fenetre(argc, argv, fichier, nombre > 0 ? nombre : 15);
  } catch (const ErreurBase &erreur) {
    std::fprintf(stderr, "%s\n", qPrintable(erreur.Texte()));
    return 1;
  }
  std::fprintf(stderr, "mode inconnu : %s\n", argv[1]);
  return 1;
}
