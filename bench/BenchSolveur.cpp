// Time to find the longest words of a draw with the solver's index against a
// scan of the whole word list, over the same 10,000 draws from the game's
// pools; both must give the same words. Also the index's build time and size.
//
//   bench_solveur [mots.txt]   (VOCADIX_MOTS, if defined, names the default)

#include "bench/Statistiques.h"
#include "rules/Solveur.h"
#include "tests/ParcoursNaif.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <malloc.h>

namespace {

using namespace Statistiques;

// A line of /proc/self/status in kiB ("VmRSS", "VmHWM"), -1 if unreadable.
qint64 Memoire(const char *champ) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly))
    return -1;
  const QByteArray prefixe = QByteArray(champ) + ':';
  for (const QByteArray &ligne : status.readAll().split('\n'))
    if (ligne.startsWith(prefixe))
      return ligne.mid(prefixe.size()).trimmed().split(' ').value(0).toLongLong();
  return -1;
}

} // namespace

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
#ifdef VOCADIX_MOTS
  const QString defaut = QStringLiteral(VOCADIX_MOTS);
#else
  const QString defaut;
#endif
  QFile fichier(argc > 1 ? QString::fromLocal8Bit(argv[1]) : defaut);
  if (fichier.fileName().isEmpty()) {
    std::fprintf(stderr, "usage : bench_solveur mots.txt\n");
    return 2;
  }
  if (!fichier.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "impossible de lire %s\n", qPrintable(fichier.fileName()));
    return 2;
  }
  const QStringList mots = QString::fromLatin1(fichier.readAll()).split(u'\n', Qt::SkipEmptyParts);

  const qint64 rssAvant = Memoire("VmRSS"), picAvant = Memoire("VmHWM");
  auto t0 = Horloge::now();
  const Solveur solveur(mots);
  auto t1 = Horloge::now();
  const qint64 rssApres = Memoire("VmRSS"), picApres = Memoire("VmHWM");
  // The sorting space freed by the build stays in the allocator's heap until trimmed.
  malloc_trim(0);
  const qint64 rssRendu = Memoire("VmRSS");
  const double premiereConstruction = Microsecondes(t0, t1) / 1000;

  std::vector<double> constructions;
  for (int i = 0; i < 10; ++i) {
    t0 = Horloge::now();
    const Solveur autre(mots);
    t1 = Horloge::now();
    constructions.push_back(Microsecondes(t0, t1) / 1000);
  }

  QRandomGenerator alea(20240611);
  std::vector<QString> tirages;
  for (int i = 0; i < 10000; ++i)
    tirages.push_back(ParcoursNaif::TirerNeufLettres(alea));

  // A first pass over a few draws warms the caches.
  for (int i = 0; i < 100; ++i) {
    (void)solveur.PlusLongs(tirages[std::size_t(i)]);
    (void)ParcoursNaif::PlusLongs(mots, tirages[std::size_t(i)]);
  }

  std::vector<double> index, parcours, tous;
  int differences = 0;
  qint64 motsTrouves = 0;
  for (const QString &tirage : tirages) {
    t0 = Horloge::now();
    const QStringList parIndex = solveur.PlusLongs(tirage);
    t1 = Horloge::now();
    index.push_back(Microsecondes(t0, t1));

    t0 = Horloge::now();
    const QStringList parParcours = ParcoursNaif::PlusLongs(mots, tirage);
    t1 = Horloge::now();
    parcours.push_back(Microsecondes(t0, t1));

    // Every word of the draw, by length, as an opponent weighs them.
    t0 = Horloge::now();
    const Solveur::ParLongueur parLongueur = solveur.Tous(tirage);
    t1 = Horloge::now();
    tous.push_back(Microsecondes(t0, t1));
    if (!parIndex.isEmpty() && parLongueur[std::size_t(parIndex.first().size())] != parIndex &&
        ++differences <= 5)
      std::printf("ÉCHEC %s : les plus longs de Tous diffèrent\n", qPrintable(tirage));

    motsTrouves += parIndex.size();
    if (parIndex != parParcours && ++differences <= 5)
      std::printf("ÉCHEC %s : index [%s], parcours [%s]\n", qPrintable(tirage),
                  qPrintable(parIndex.join(u' ')), qPrintable(parParcours.join(u' ')));
  }

  const Mesure mi = Resumer(index), mp = Resumer(parcours), mc = Resumer(constructions),
               mt = Resumer(tous);
  std::printf("%lld mots, %lld dans l'index ; %zu tirages, %lld meilleurs mots en tout\n",
              qlonglong(mots.size()), qlonglong(solveur.NombreMots()), tirages.size(),
              qlonglong(motsTrouves));
  std::printf("construction de l'index : %.1f ms (la première), médiane de 10 : %.1f ms\n",
              premiereConstruction, mc.mediane);
  std::printf("mémoire de l'index : %.2f Mio (tableaux) ; VmRSS %+lld kio, %+lld kio une fois le "
              "tas rendu, VmHWM %+lld kio\n",
              double(solveur.Octets()) / (1024 * 1024), rssApres - rssAvant, rssRendu - rssAvant,
              picApres - picAvant);
  std::printf("index               : médiane %8.2f µs, 99e centile %8.2f µs\n", mi.mediane,
              mi.centile99);
  std::printf("parcours de la liste: médiane %8.2f µs, 99e centile %8.2f µs\n", mp.mediane,
              mp.centile99);
  std::printf("rapport parcours/index : médiane %.0f, 99e centile %.0f\n", mp.mediane / mi.mediane,
              mp.centile99 / mi.centile99);
  std::printf("tous les mots, par longueur : médiane %8.2f µs, 99e centile %8.2f µs (rapport aux "
              "plus longs : %.1f)\n",
              mt.mediane, mt.centile99, mt.mediane / mi.mediane);
  if (differences > 0) {
    std::printf("ÉCHEC : %d tirages sur %zu diffèrent\n", differences, tirages.size());
    return 1;
  }
  std::printf("mêmes mots pour les %zu tirages\n", tirages.size());
  return 0;
}
