// The history in the player's game database: its tables made at the first
// game written into a file that lacks them, a finished and an unfinished
// game read back, the rounds counted for the charts, the export, and
// tables damaged or of a later version left untouched while the scores
// are still recorded.

#include "data/HistoriqueBase.h"
#include "data/MoteurBase.h"
#include "data/TableScores.h"
#include "data/VueDonnees.h"
#include "tests/BaseEssai.h"
#include "tests/HistoriqueEssai.h"

#include <QTest>

namespace {

const QDateTime Lundi(QDate(2026, 11, 30), QTime(21, 5, 0));
const QDateTime Mardi(QDate(2026, 12, 1), QTime(8, 30, 15));

QStringList Tables(MoteurBase &base) {
  QStringList tables;
  for (const QVariantList &ligne :
       base.Lire(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                "ORDER BY name"))
           .lignes)
    tables << ligne.value(0).toString();
  return tables;
}

struct Historique {
  BaseEssai essai{{QStringLiteral("MAISON")},
                  {{QStringLiteral("ALICE"), 42, QStringLiteral("2026-01-02")}}};
  std::unique_ptr<MoteurBase> base =
      MoteurBase::OuvrirBase(essai.Fichier(), false, false, BaseEssai::Connexion);
  HistoriqueBase historique;
  Historique() { historique.DefinirFichier(essai.Fichier()); }
};

} // namespace

class TestHistorique : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void lesTablesNaissentAvecLaPremierePartieEcrite() {
    Historique h;
    // Reading a file of an older version changes nothing in it.
    const QByteArray avant = h.essai.Octets();
    QString erreur;
    const auto vide = h.historique.Lire(erreur);
    QVERIFY2(vide, qPrintable(erreur));
    QVERIFY(vide->parties.isEmpty());
    QCOMPARE(h.essai.Octets(), avant);

    h.historique.Archiver(HistoriqueEssai::Partie(Lundi, 10, true));
    QVERIFY2(h.historique.ErreurEcriture().isEmpty(), qPrintable(h.historique.ErreurEcriture()));
    QCOMPARE(Tables(*h.base),
             (QStringList{"DICO", "FORMAT_HISTORIQUE", "JEUX", "PARTIES", "SCORES"}));
    QCOMPARE(h.essai.Scores().size(), 1);
    QCOMPARE(h.historique.Lire(erreur)->parties.size(), 1);
  }

  void unePartieFinieEtUneInterrompueSeRelisent() {
    Historique h;
    h.historique.Archiver(HistoriqueEssai::Partie(Mardi, 3, false));
    PartieJouee finie = HistoriqueEssai::Partie(Lundi, 10, true);
    finie.temps = 90;
    finie.jeux[9].meilleur.reset();
    finie.meilleur.reset();
    h.historique.Archiver(finie);

    QString erreur;
    const auto donnees = h.historique.Lire(erreur);
    QVERIFY2(donnees, qPrintable(erreur));
    // Oldest first, whatever the order they were written in.
    QCOMPARE(donnees->parties.size(), 2);
    const ResumePartie &lundi = donnees->parties.at(0);
    const ResumePartie &mardi = donnees->parties.at(1);
    QCOMPARE(lundi.debut, Lundi);
    QVERIFY(lundi.finie);
    QCOMPARE(lundi.temps, 90);
    QCOMPARE(lundi.total, finie.total);
    QVERIFY(!lundi.meilleur);
    QCOMPARE(mardi.debut, Mardi);
    QVERIFY(!mardi.finie);
    QCOMPARE(mardi.meilleur, std::optional<int>(27));

    const auto jeux = h.historique.Jeux(lundi.id, erreur);
    QVERIFY2(jeux, qPrintable(erreur));
    QCOMPARE(jeux->size(), 10);
    for (int k = 0; k < 10; ++k) {
      const JeuJoue &lu = jeux->at(k), &ecrit = finie.jeux.at(k);
      QCOMPARE(lu.numero, ecrit.numero);
      QCOMPARE(lu.tirage, ecrit.tirage);
      QCOMPARE(lu.mot, ecrit.mot);
      QCOMPARE(lu.points, ecrit.points);
      QCOMPARE(lu.meilleur, ecrit.meilleur);
      QCOMPARE(lu.voyelles, ecrit.voyelles);
    }
    QCOMPARE(h.historique.Jeux(mardi.id, erreur)->size(), 3);

    // The charts count the finished game's rounds only: words of 5 to 9
    // letters scored, the shorter ones nothing; nine draws allowed 9.
    QCOMPARE(donnees->longueursJoueur, (std::array<int, 10>{5, 0, 0, 0, 0, 1, 1, 1, 1, 1}));
    QCOMPARE(donnees->longueursPossibles, (std::array<int, 10>{0, 0, 0, 0, 0, 0, 0, 0, 0, 9}));
    QCOMPARE(donnees->parVoyelles[4].jeux, 10);
    QCOMPARE(donnees->parVoyelles[4].points, finie.total);
    QCOMPARE(donnees->parVoyelles[4].jeuxConnus, 9);
    QCOMPARE(donnees->parVoyelles[4].meilleur, 81);
    QCOMPARE(donnees->plusLongMot, QStringLiteral("ANTILOPES"));
  }

  void leCsvDonneUneLigneParJeu() {
    Historique h;
    h.historique.Archiver(HistoriqueEssai::Partie(Lundi, 2, false));
    QString erreur;
    const auto csv = h.historique.Csv(erreur);
    QVERIFY2(csv, qPrintable(erreur));
    QCOMPARE(*csv, QByteArray("partie;date;temps;total;meilleur_possible;finie;jeu;tirage;mot;"
                              "points;plus_long_possible\r\n"
                              "1;2026-11-30T21:05:00;45;0;18;non;1;ANTILOPES;A;0;9\r\n"
                              "1;2026-11-30T21:05:00;45;0;18;non;2;ANTILOPES;AN;0;9\r\n"));
  }

  // Tables that are not this version's are neither read nor written, and
  // the scores are recorded as ever.
  void unHistoriqueAbimeOuPlusRecentResteIntact_data() {
    QTest::addColumn<QByteArray>("sql");
    QTest::addColumn<QString>("cause");
    const QByteArray tables =
        "CREATE TABLE FORMAT_HISTORIQUE (VERSION INTEGER);"
        "CREATE TABLE PARTIES (ID INTEGER PRIMARY KEY, DATE TEXT, TEMPS INTEGER, TOTAL INTEGER, "
        "MEILLEUR INTEGER, FINIE INTEGER);"
        "CREATE TABLE JEUX (PARTIE INTEGER, NUMERO INTEGER, TIRAGE TEXT, MOT TEXT, POINTS "
        "INTEGER, MEILLEUR INTEGER, VOYELLES INTEGER);"
        "INSERT INTO PARTIES VALUES (1, '2026-11-01T10:00:00', 45, 50, 70, 1);";
    QTest::newRow("version plus récente")
        << tables + "INSERT INTO FORMAT_HISTORIQUE VALUES (2);"
        << "l'historique a été écrit par une version plus récente du jeu (format 2, celui-ci lit "
           "le format 1)";
    QTest::newRow("sans version") << tables << "le format de l'historique est illisible";
    QTest::newRow("table manquante") << QByteArray("CREATE TABLE PARTIES (ID INTEGER PRIMARY KEY);")
                                     << "les tables de l'historique sont incomplètes";
    QTest::newRow("colonne manquante")
        << QByteArray("CREATE TABLE FORMAT_HISTORIQUE (VERSION INTEGER);"
                      "INSERT INTO FORMAT_HISTORIQUE VALUES (1);"
                      "CREATE TABLE PARTIES (ID INTEGER PRIMARY KEY, DATE TEXT);"
                      "CREATE TABLE JEUX (PARTIE INTEGER, NUMERO INTEGER);")
        << "les tables de l'historique sont endommagées (le champ TEMPS n'existe pas)";
  }
  void unHistoriqueAbimeOuPlusRecentResteIntact() {
    QFETCH(QByteArray, sql);
    QFETCH(QString, cause);
    Historique h;
    h.essai.Executer(sql.constData());
    const QByteArray avant = h.essai.Octets();

    QString erreur;
    QVERIFY(!h.historique.Lire(erreur));
    QCOMPARE(erreur, cause);
    QVERIFY(!h.historique.Csv(erreur));
    // Never to be tried again: waiting will not mend it.
    QVERIFY(h.historique.Archiver(HistoriqueEssai::Partie(Lundi, 10, true)));
    QCOMPARE(h.historique.ErreurEcriture(), cause);
    QCOMPARE(h.essai.Octets(), avant);

    VueDonnees Data;
    QCOMPARE(TableScores::Proposer(Data, h.essai.Fichier(), QStringLiteral("BOB"), 30,
                                   QDate(2026, 12, 1)),
             TableScores::Issue::Ajoutee);
    QCOMPARE(h.essai.Scores().size(), 2);
  }

  // Another program holds the file: the game is refused this time, to be
  // tried again, and the cause stays until a game is written.
  void unFichierTenuParUnAutreProgrammeFaitReessayer() {
    Historique h;
    const auto autre = MoteurBase::OuvrirBase(h.essai.Fichier(), false, false, BaseEssai::Connexion,
                                              MoteurBase::Partage::Privee);
    autre->Ecrire(QStringLiteral("BEGIN IMMEDIATE"));
    QVERIFY(!h.historique.Archiver(HistoriqueEssai::Partie(Lundi, 10, true)));
    QCOMPARE(h.historique.ErreurEcriture(), QStringLiteral("le fichier est utilisé par un autre "
                                                           "programme"));
    autre->Ecrire(QStringLiteral("ROLLBACK"));
    QVERIFY(h.historique.Archiver(HistoriqueEssai::Partie(Lundi, 10, true)));
    QCOMPARE(h.historique.ErreurEcriture(), QString());
    QString erreur;
    QCOMPARE(h.historique.Lire(erreur)->parties.size(), 1);
  }

  // Rows written by hand with values the game never makes are read without
  // harm: counts out of range are left out.
  void desValeursHorsDesBornesSontIgnorees() {
    Historique h;
    h.historique.Archiver(HistoriqueEssai::Partie(Lundi, 1, true));
    h.essai.Executer("INSERT INTO JEUX VALUES (1, 2, 'X', 'Y', 99, -3, 12);"
                     "INSERT INTO JEUX VALUES (1, 3, 'X', 'Y', 'abc', NULL, 4);");
    QString erreur;
    const auto donnees = h.historique.Lire(erreur);
    QVERIFY2(donnees, qPrintable(erreur));
    int jeux = 0;
    for (const auto &v : donnees->parVoyelles)
      jeux += v.jeux;
    QCOMPARE(jeux, 1);
  }
};

QTEST_GUILESS_MAIN(TestHistorique)
#include "TestHistorique.moc"
