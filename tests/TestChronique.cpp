// What the history is handed of each game: a finished game whole, once the
// game has let events run; a game left with the rounds it played.

#include "rules/Archive.h"
#include "rules/Chronique.h"
#include "tests/BancPartie.h"

#include <QTest>

using namespace BancPartie;

namespace {

// An archive that refuses the first games it is given, as a file another
// program holds a moment would.
class ArchiveEssai : public Archive {
public:
  bool Archiver(const PartieJouee &partie) override {
    if (refus > 0) {
      --refus;
      return false;
    }
    parties << partie;
    return true;
  }
  QList<PartieJouee> parties;
  int refus = 0;
};

const QDateTime Debut(QDate(2026, 11, 30), QTime(23, 58, 12));

struct BancChronique : Banc {
  ArchiveEssai archive;
  QDateTime maintenant = Debut;
  Chronique chronique{partie, archive, [this] { return maintenant; }};

  // A round whose word is verified: MAISON found, or AMISO refused, from
  // draws that allow MAISON at best.
  void JouerJeu(bool trouve) {
    JouerJusquALArret(trouve ? QStringLiteral("MAISONRUE") : QStringLiteral("AMISONRUE"),
                      trouve ? 6 : 5);
    partie.ProcVerification();
  }
};

} // namespace

class TestChronique : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void unePartieFinieEstConfieeEntiereApresLaSaisieDuScore() {
    BancChronique banc;
    int ecritesALaFin = -1;
    connect(&banc.partie, &Partie::PartieTerminee,
            [&] { ecritesALaFin = int(banc.archive.parties.size()); });
    banc.partie.ProcNouvellePartie();
    for (int jeu = 1; jeu <= 9; ++jeu)
      banc.JouerJeu(jeu % 3 != 0);
    // The tenth round runs out of time.
    banc.partie.ProcNouveauJeu();
    banc.Tirer(QStringLiteral("CHANTERUE"));
    banc.Tics(47);
    banc.partie.ProcNouveauJeu();
    QCOMPARE(banc.partie.PhaseCourante(), Partie::Phase::AucunePartie);

    // Nothing is written within the procedure that ends the game, where its
    // boxes and the score entry run: at the next turn of the events.
    QCOMPARE(ecritesALaFin, 0);
    QCOMPARE(banc.archive.parties.size(), 0);
    QTRY_COMPARE(banc.archive.parties.size(), 1);

    const PartieJouee &partie = banc.archive.parties.first();
    QVERIFY(partie.finie);
    QCOMPARE(partie.debut, Debut);
    QCOMPARE(partie.temps, 45);
    QCOMPARE(partie.total, banc.partie.ScorePartie());
    QCOMPARE(partie.total, qint16(6 * 6));
    QCOMPARE(partie.meilleur, std::optional<int>(9 * 6 + 7));
    QCOMPARE(partie.jeux.size(), 10);
    for (int k = 0; k < 10; ++k)
      QCOMPARE(partie.jeux.at(k).numero, qint16(k + 1));
    const JeuJoue &premier = partie.jeux.at(0);
    QCOMPARE(premier.tirage, QStringLiteral("MAISONRUE"));
    QCOMPARE(premier.mot, QStringLiteral("MAISON"));
    QCOMPARE(premier.points, qint16(6));
    QCOMPARE(premier.meilleur, std::optional<qint16>(6));
    QCOMPARE(premier.voyelles, qint16(5));
    const JeuJoue &refuse = partie.jeux.at(2);
    QCOMPARE(refuse.mot, QStringLiteral("AMISO"));
    QCOMPARE(refuse.points, qint16(0));
    const JeuJoue &expire = partie.jeux.at(9);
    QCOMPARE(expire.tirage, QStringLiteral("CHANTERUE"));
    QCOMPARE(expire.mot, QString());
    QCOMPARE(expire.points, qint16(0));
    QCOMPARE(expire.meilleur, std::optional<qint16>(7));
    QCOMPARE(expire.voyelles, qint16(4));
  }

  void unePartieQuitteeGardeLesJeuxJoues_data() {
    QTest::addColumn<int>("jeuxVerifies");
    QTest::addColumn<QString>("dernierTirage"); // drawn in the round under way, if any
    QTest::addColumn<bool>("finDuProgramme");   // left by the end of the program, else a new game
    QTest::addColumn<int>("jeuxGardes");
    QTest::addColumn<int>("total");
    QTest::newRow("nouvelle partie entre deux jeux") << 3 << "" << false << 3 << 18;
    QTest::newRow("nouvelle partie pendant l'arrangement") << 2 << "CHANTERUE" << false << 3 << 12;
    QTest::newRow("nouvelle partie pendant le tirage") << 2 << "CHAN" << false << 2 << 12;
    QTest::newRow("fin du programme pendant l'arrangement") << 1 << "CHANTERUE" << true << 2 << 6;
    QTest::newRow("fin du programme après un jeu") << 1 << "" << true << 1 << 6;
    QTest::newRow("aucun jeu tiré") << 0 << "" << false << 0 << 0;
    QTest::newRow("quittée au premier tirage") << 0 << "MAI" << true << 0 << 0;
  }
  void unePartieQuitteeGardeLesJeuxJoues() {
    QFETCH(int, jeuxVerifies);
    QFETCH(QString, dernierTirage);
    QFETCH(bool, finDuProgramme);
    QFETCH(int, jeuxGardes);
    QFETCH(int, total);
    BancChronique banc;
    banc.partie.ProcNouvellePartie();
    for (int jeu = 0; jeu < jeuxVerifies; ++jeu)
      banc.JouerJeu(true);
    if (!dernierTirage.isEmpty()) {
      banc.partie.ProcNouveauJeu();
      banc.Tirer(dernierTirage);
    }
    if (finDuProgramme) {
      banc.partie.Interrompre();
      banc.chronique.Clore();
    } else {
      banc.partie.ProcNouvellePartie();
      QCoreApplication::processEvents();
    }
    // Nothing played, nothing kept: an empty game is no game.
    QCOMPARE(banc.archive.parties.size(), jeuxGardes ? 1 : 0);
    if (!jeuxGardes)
      return;
    const PartieJouee &partie = banc.archive.parties.first();
    QVERIFY(!partie.finie);
    QCOMPARE(partie.jeux.size(), jeuxGardes);
    QCOMPARE(partie.total, qint16(total));
    for (int k = 0; k < jeuxGardes; ++k)
      QCOMPARE(partie.jeux.at(k).numero, qint16(k + 1));
    if (jeuxGardes > jeuxVerifies) {
      // The round left during its search counts for nothing, its best unknown.
      QCOMPARE(partie.jeux.last().tirage, dernierTirage);
      QCOMPARE(partie.jeux.last().points, qint16(0));
      QVERIFY(!partie.jeux.last().meilleur);
      QVERIFY(!partie.meilleur);
    } else {
      QCOMPARE(partie.meilleur, std::optional<int>(6 * jeuxGardes));
    }
    // The new game is followed from its start, with nothing of the old one.
    if (!finDuProgramme) {
      QVERIFY(banc.chronique.EnCours());
      QVERIFY(banc.chronique.EnCours()->jeux.isEmpty());
    }
  }

  void leTempsDeLaPartieEstCeluiDeSonDebut() {
    BancChronique banc;
    banc.partie.DefinirTemps(90);
    banc.partie.ProcNouvellePartie();
    banc.partie.DefinirTemps(0);
    banc.JouerJeu(true);
    banc.chronique.Clore();
    QCOMPARE(banc.archive.parties.size(), 1);
    QCOMPARE(banc.archive.parties.first().temps, 90);
  }

  // The end of the program let in by the last verification's sound: the
  // game is taken once the verification has settled the round and ended
  // the game, whole and finished.
  void laFinDuProgrammePendantLaDerniereVerificationGardeLaPartieFinie() {
    BancChronique banc;
    banc.partie.ProcNouvellePartie();
    for (int jeu = 1; jeu <= 9; ++jeu)
      banc.JouerJeu(true);
    banc.JouerJusquALArret(QStringLiteral("MAISONRUE"), 6);
    banc.pendantSon = [&](Son son) {
      if (son == Son::MotTrouve) {
        banc.partie.Interrompre();
        banc.chronique.Clore();
      }
    };
    banc.partie.ProcVerification();
    QCOMPARE(banc.archive.parties.size(), 1);
    const PartieJouee &partie = banc.archive.parties.first();
    QVERIFY(partie.finie);
    QCOMPARE(partie.total, qint16(60));
    QCOMPARE(partie.jeux.size(), 10);
    QCOMPARE(partie.jeux.last().points, qint16(6));
  }

  void uneSecondeNouvellePartieAvantSonPremierJeuEnPrendLeTempsEtLHeure() {
    BancChronique banc;
    banc.partie.ProcNouvellePartie();
    banc.partie.DefinirTemps(0);
    banc.maintenant = Debut.addSecs(3600);
    banc.partie.ProcNouvellePartie();
    banc.JouerJeu(true);
    banc.chronique.Clore();
    QCOMPARE(banc.archive.parties.size(), 1);
    const PartieJouee &partie = banc.archive.parties.first();
    QCOMPARE(partie.temps, 0);
    QCOMPARE(partie.debut, Debut.addSecs(3600));
  }

  // The file held a moment by another program: the game waits, and goes
  // with the next one, in the order they were played.
  void unePartieRefuseeUnMomentPartAvecLaSuivante() {
    BancChronique banc;
    banc.archive.refus = 1;
    banc.partie.ProcNouvellePartie();
    banc.JouerJeu(true);
    banc.partie.ProcNouvellePartie();
    QCoreApplication::processEvents();
    QVERIFY(banc.archive.parties.isEmpty());
    banc.JouerJeu(false);
    banc.JouerJeu(true);
    banc.chronique.Clore();
    QCOMPARE(banc.archive.parties.size(), 2);
    QCOMPARE(banc.archive.parties.at(0).jeux.size(), 1);
    QCOMPARE(banc.archive.parties.at(1).jeux.size(), 2);
  }

  // A round timed out while the index was missing learns its longest words
  // when it is left: the history has them too.
  void lesPlusLongsRevelesApresCoupSontGardes() {
    BancChronique banc;
    banc.partie.ProcNouvellePartie();
    banc.resolveur.disponible = false;
    banc.partie.ProcNouveauJeu();
    banc.Tirer(QStringLiteral("MAISONRUE"));
    banc.Tics(47);
    banc.resolveur.disponible = true;
    banc.JouerJeu(true);
    banc.chronique.Clore();
    QCOMPARE(banc.archive.parties.size(), 1);
    const PartieJouee &partie = banc.archive.parties.first();
    QCOMPARE(partie.jeux.first().meilleur, std::optional<qint16>(6));
    QCOMPARE(partie.meilleur, std::optional<int>(12));
  }

  // For the statistics asked for while the game's last procedure ran.
  void laPartieEnAttenteSEcritDesQuOnLeDemande() {
    BancChronique banc;
    banc.partie.ProcNouvellePartie();
    for (int jeu = 1; jeu <= 10; ++jeu)
      banc.JouerJeu(true);
    QVERIFY(banc.archive.parties.isEmpty());
    banc.chronique.EcrireEnAttente();
    QCOMPARE(banc.archive.parties.size(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(banc.archive.parties.size(), 1);
  }
};

QTEST_GUILESS_MAIN(TestChronique)
#include "TestChronique.moc"
