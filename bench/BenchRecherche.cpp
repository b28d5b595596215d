// Time of one dictionary lookup through a record view (file, query, refresh,
// flags, close) against a raw prepared statement on the same file, over the
// same 10,000 random words, half of them in the dictionary.
//
//   bench_recherche [Vocadix.dat]

#include "bench/Statistiques.h"
#include "data/MoteurBase.h"
#include "data/VueDonnees.h"

#include "CleBase.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <sqlite3.h>

using namespace Statistiques;

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  const QString fichier =
      argc > 1 ? QString::fromLocal8Bit(argv[1])
               : QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/Vocadix.dat");
  auto moteur =
      MoteurBase::OuvrirBase(fichier, false, true, QString::fromLatin1(CleBase::Connexion));

  QRandomGenerator alea(20261209);
  const auto dico = moteur->Lire(QStringLiteral("SELECT NOM FROM DICO")).lignes;
  QStringList mots;
  for (int i = 0; i < 10000; ++i) {
    if (i % 2 == 0) {
      mots << dico.at(alea.bounded(int(dico.size()))).at(0).toString();
    } else {
      QString mot;
      for (int n = 1 + alea.bounded(9); n > 0; --n)
        mot += QChar(u'A' + alea.bounded(26));
      mots << mot;
    }
  }

  sqlite3 *brute = nullptr;
  sqlite3_open_v2(QFile::encodeName(fichier).constData(), &brute, SQLITE_OPEN_READONLY, nullptr);
  sqlite3_key(brute, CleBase::Cle, int(std::strlen(CleBase::Cle)));
  sqlite3_stmt *instruction = nullptr;
  sqlite3_prepare_v2(brute, "SELECT * FROM DICO WHERE NOM = ?", -1, &instruction, nullptr);

  // One view for every lookup, as the main window keeps its own.
  VueDonnees v;
  std::vector<double> vue, directe;
  int trouvesVue = 0, trouvesDirecte = 0;
  for (int tour = 0; tour < 2; ++tour) { // the first round warms the caches
    vue.clear();
    directe.clear();
    trouvesVue = trouvesDirecte = 0;
    for (const QString &mot : std::as_const(mots)) {
      auto t0 = Horloge::now();
      v.DefinirFichier(fichier);
      v.DefinirSource(QStringLiteral("Select * from DICO where NOM = ?"), {mot});
      v.Rafraichir();
      trouvesVue += !(v.FinFichier() && v.DebutFichier());
      v.FermerBase();
      auto t1 = Horloge::now();
      vue.push_back(Microsecondes(t0, t1));

      t0 = Horloge::now();
      const QByteArray octets = mot.toUtf8();
      sqlite3_bind_text(instruction, 1, octets.constData(), int(octets.size()), SQLITE_STATIC);
      trouvesDirecte += sqlite3_step(instruction) == SQLITE_ROW;
      sqlite3_reset(instruction);
      t1 = Horloge::now();
      directe.push_back(Microsecondes(t0, t1));
    }
  }
  sqlite3_finalize(instruction);
  sqlite3_close(brute);

  const Mesure mv = Resumer(vue), md = Resumer(directe);
  std::printf("%lld mots recherchés (%d trouvés par la vue, %d par l'instruction directe)\n",
              qlonglong(mots.size()), trouvesVue, trouvesDirecte);
  std::printf("vue de données       : médiane %7.2f µs, 99e centile %7.2f µs\n", mv.mediane,
              mv.centile99);
  std::printf("instruction directe  : médiane %7.2f µs, 99e centile %7.2f µs\n", md.mediane,
              md.centile99);
  std::printf("rapport vue/directe  : médiane %.2f, 99e centile %.2f\n", mv.mediane / md.mediane,
              mv.centile99 / md.centile99);
  return trouvesVue == trouvesDirecte ? 0 : 1;
}
