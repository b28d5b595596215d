// Plays the game's sounds through the real sound module, loaded as the game
// loads it, following a script of "sound@milliseconds" steps, e.g.
// `JoueSons 4@0 9@800 fin@3000`, so that a recording of the output can be
// checked against the wave files.
//
// Each line on stdout carries a CLOCK_MONOTONIC time in seconds, the clock
// Python's time.monotonic() reads, so the recording can be lined up:
//   sortie <description of the default output>
//   jeu <sound> <time before Jouer> <time after Jouer> <ok|refus>
//   fin <time>

#include "platform/ChargeurSon.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QList>
#include <QMediaDevices>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

double Monotone() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

struct Etape {
  int son = 0; // 0 ends the run
  int instant = 0;
};

bool LireEtape(const QString &texte, Etape &etape) {
  const QStringList parties = texte.split(u'@');
  if (parties.size() != 2)
    return false;
  bool ok = false;
  etape.instant = parties[1].toInt(&ok);
  if (!ok || etape.instant < 0)
    return false;
  if (parties[0] == QLatin1String("fin")) {
    etape.son = 0;
    return true;
  }
  etape.son = parties[0].toInt(&ok);
  return ok && etape.son > 0;
}

} // namespace

int main(int argc, char *argv[]) {
  QCoreApplication application(argc, argv);

  QList<Etape> etapes;
  bool fin = false;
  for (const QString &argument : application.arguments().mid(1)) {
    Etape etape;
    if (!LireEtape(argument, etape)) {
      std::fprintf(stderr, "étape illisible : %s (attendu : <son>@<ms> ou fin@<ms>)\n",
                   qPrintable(argument));
      return 2;
    }
    fin = fin || etape.son == 0;
    etapes.append(etape);
  }
  if (!fin) {
    std::fprintf(stderr, "le script doit finir par fin@<ms>\n");
    return 2;
  }

  // The images are read before the first step so that no step waits on it.
  QHash<int, QByteArray> images;
  for (const Etape &etape : std::as_const(etapes)) {
    if (etape.son == 0 || images.contains(etape.son))
      continue;
    QFile ressource(QStringLiteral(":/sons/%1.wav").arg(etape.son));
    if (!ressource.open(QIODevice::ReadOnly)) {
      std::fprintf(stderr, "son absent des ressources : %s\n", qPrintable(ressource.fileName()));
      return 2;
    }
    images.insert(etape.son, ressource.readAll());
  }

  // Asking for the output first also opens the sound server connection, so
  // the first step's timing is not spoilt by it.
  const QAudioDevice sortie = QMediaDevices::defaultAudioOutput();
  std::printf("sortie %s\n", sortie.isNull() ? "(aucune)" : qPrintable(sortie.description()));
  std::fflush(stdout);

  // Loading starts now and the first step does not wait for its end, as
  // when a player starts a game at once.
  ChargeurSon lecteur({QStringLiteral(VOCADIX_DOSSIER_PROGRAMME)});
  lecteur.Precharger();
  int refus = 0;
  for (const Etape &etape : std::as_const(etapes)) {
    QTimer::singleShot(etape.instant, Qt::PreciseTimer, &application, [&, etape] {
      if (etape.son == 0) {
        lecteur.Arreter();
        std::printf("fin %.6f\n", Monotone());
        std::fflush(stdout);
        application.exit(refus == 0 ? 0 : 1);
        return;
      }
      const double avant = Monotone();
      const bool joue = lecteur.Jouer(images.value(etape.son));
      const double apres = Monotone();
      refus += joue ? 0 : 1;
      std::printf("jeu %d %.6f %.6f %s\n", etape.son, avant, apres, joue ? "ok" : "refus");
      std::fflush(stdout);
    });
  }
  return application.exec();
}
