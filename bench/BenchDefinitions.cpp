// What the Littré covers of the game's words, and what its lookups cost.
//
//   bench_definitions BASE.dat [TIRAGES] [DOSSIER_LITTRE]
//
// Over the longest words of TIRAGES random draws (10,000 by default), the
// share that has an article of its own or through one of its lemmas; the
// same over every word of DICO; the first lookup, files opened, and the
// median and 99th percentile of those after it; the memory the process
// holds after ten lookups against before the first.

#include "bench/Statistiques.h"
#include "data/Dictionnaire.h"
#include "data/ErreurBase.h"
#include "data/FormesBase.h"
#include "data/Littre.h"
#include "data/MoteurBase.h"
#include "tests/ParcoursNaif.h"

#include "CleBase.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QRandomGenerator>
#include <cstdio>
#include <vector>

namespace {

using namespace Statistiques;

// The resident memory of this process, in kibibytes.
long long MemoireKio(const char *cle) {
  QFile etat(QStringLiteral("/proc/self/status"));
  if (!etat.open(QIODevice::ReadOnly))
    return -1;
  for (const QByteArray &ligne : etat.readAll().split('\n'))
    if (ligne.startsWith(cle))
      return ligne.mid(qsizetype(qstrlen(cle))).trimmed().split(' ').value(0).toLongLong();
  return -1;
}

struct Couverture {
  qsizetype mots = 0, couverts = 0, directs = 0;
  double Part() const { return mots ? 100.0 * couverts / mots : 0; }
};

} // namespace

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage : bench_definitions BASE.dat [TIRAGES] [DOSSIER_LITTRE]\n");
    return 2;
  }
  const QString base = QString::fromLocal8Bit(argv[1]);
  const int tirages = argc > 2 ? std::atoi(argv[2]) : 10000;
  Littre littre(argc > 3 ? QStringList{QString::fromLocal8Bit(argv[3])} : Littre::Dossiers());
  try {
    const auto moteur =
        MoteurBase::OuvrirBase(base, false, true, QString::fromLatin1(CleBase::Connexion),
                               MoteurBase::Partage::Partagee, CleBase::Derivee);
    FormesBase formes;
    formes.DefinirFichier(base);
    const Solveur solveur = Dictionnaire::Indexer(base);

    // The draws first, so that nothing of the Littré is read before the
    // first lookup is timed.
    QRandomGenerator alea(20261211);
    std::vector<QStringList> plusLongs;
    for (int i = 0; i < tirages; ++i) {
      const int d = int(alea.bounded(4));
      plusLongs.push_back(solveur.PlusLongs(ParcoursNaif::TirerAvecVoyelles(alea, d == 0   ? 3
                                                                                  : d == 3 ? 5
                                                                                           : 4)));
    }

    const long long avant = MemoireKio("VmRSS:");
    std::vector<double> durees;
    // Each word once: whether it has an article, and one under its own headword.
    QHash<QString, std::pair<bool, bool>> vus;
    const auto chercher = [&](const QString &mot) {
      const QStringList vedettes = formes.Vedettes(mot);
      const auto debut = Horloge::now();
      const Littre::Reponse reponse = littre.Chercher(vedettes);
      durees.push_back(Microsecondes(debut, Horloge::now()) / 1000);
      if (reponse.etat == Littre::Etat::Absent || reponse.etat == Littre::Etat::Illisible) {
        std::fprintf(stderr, "Littré : %s\n",
                     reponse.etat == Littre::Etat::Absent ? "absent" : qPrintable(reponse.erreur));
        std::exit(1);
      }
      const bool trouve = reponse.etat == Littre::Etat::Trouve;
      return std::pair{trouve, trouve && (reponse.articles.first().vedette == mot ||
                                          reponse.articles.first().vedette == formes.Graphie(mot))};
    };
    const auto compter = [&](Couverture &c, const QString &mot) {
      auto deja = vus.constFind(mot);
      if (deja == vus.cend())
        deja = vus.insert(mot, chercher(mot));
      ++c.mots;
      c.couverts += deja->first;
      c.directs += deja->second;
    };

    Couverture tires;
    long long apresDix = -1;
    for (const QStringList &mots : plusLongs)
      for (const QString &mot : mots) {
        compter(tires, mot);
        if (durees.size() == 10 && apresDix < 0)
          apresDix = MemoireKio("VmRSS:");
      }
    const double premiere = durees.front();
    const Mesure suivantes = Resumer(std::vector<double>(durees.begin() + 1, durees.end()));
    std::printf("Plus longs mots de %d tirages : %lld mots, %lld avec un article (%.1f %%), "
                "dont %lld à leur propre vedette\n",
                tirages, qlonglong(tires.mots), qlonglong(tires.couverts), tires.Part(),
                qlonglong(tires.directs));
    std::printf("Première recherche, fichiers ouverts : %.2f ms\n", premiere);
    std::printf(
        "Recherches suivantes (%zu mots différents) : médiane %.3f ms, 99e centile %.3f ms, "
        "maximum %.3f ms\n",
        durees.size() - 1, suivantes.mediane, suivantes.centile99,
        *std::max_element(durees.begin() + 1, durees.end()));
    std::printf("Mémoire résidente après dix recherches : +%.1f Mio (%lld Kio avant, %lld après)\n",
                (apresDix - avant) / 1024.0, avant, apresDix);

    Couverture dico;
    moteur->ParcourirTextes(QStringLiteral("SELECT NOM FROM DICO ORDER BY NOM"),
                            [&](QStringView mot) { compter(dico, mot.toString()); });
    std::printf("Tout DICO : %lld mots, %lld avec un article (%.1f %%), dont %lld à leur "
                "propre vedette\n",
                qlonglong(dico.mots), qlonglong(dico.couverts), dico.Part(),
                qlonglong(dico.directs));
  } catch (const ErreurBase &erreur) {
    std::fprintf(stderr, "%s\n", qPrintable(erreur.Texte()));
    return 1;
  }
  return 0;
}
