// The flow of a game without a window: the phases and their commands, a
// whole game of ten rounds, the countdown's expiry, and the commands that
// arrive while a procedure lets events run.

#include "rules/Commentaire.h"
#include "rules/Partie.h"
#include "tests/BancPartie.h"

#include <QTest>
#include <functional>

using Phase = Partie::Phase;
using Commande = Partie::Commande;

using namespace BancPartie;

class TestDeroulementPartie : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void chaquePhaseActiveSesCommandesEtGuideLeJoueur_data() {
    QTest::addColumn<QStringList>("etapes");
    QTest::addColumn<Phase>("phase");
    QTest::addColumn<QString>("drapeaux");
    QTest::addColumn<QString>("guidage");
    QTest::newRow("pas de partie") << QStringList{} << Phase::AucunePartie << "100000"
                                   << "Cliquez sur Nouvelle partie";
    QTest::newRow("partie ouverte") << QStringList{"partie"} << Phase::PartieOuverte << "110000"
                                    << "Cliquez sur Nouveau jeu";
    QTest::newRow("tirage") << QStringList{"partie", "jeu", "tirer:MAISONRU"} << Phase::Tirage
                            << "111100"
                            << "Cliquez sur Consonnes ou Voyelles";
    QTest::newRow("arrangement") << QStringList{"partie", "jeu", "tirer:MAISONRUE"}
                                 << Phase::Arrangement << "110010"
                                 << "Cliquez-glissez pour déplacer les lettres";
    QTest::newRow("mot marqué") << QStringList{"partie", "jeu", "tirer:MAISONRUE", "marquer:5"}
                                << Phase::Arrangement << "110010"
                                << "Cliquez sur Stop pour terminer";
    QTest::newRow("arrêt refusé") << QStringList{"partie", "jeu", "tirer:MAISONRUE", "stop"}
                                  << Phase::Arrangement << "110010"
                                  << "Vous devez double-cliquer sur la dernière lettre du mot "
                                     "créé !!!";
    QTest::newRow("arrêté") << QStringList{"partie", "jeu", "tirer:MAISONRUE", "marquer:5", "stop"}
                            << Phase::Arrete << "110001"
                            << "Cliquez sur Vérification";
    QTest::newRow("vérifié") << QStringList{"partie",    "jeu",  "tirer:MAISONRUE",
                                            "marquer:5", "stop", "verifier"}
                             << Phase::JeuClos << "110000"
                             << "Cliquez sur Nouveau jeu pour continuer";
    QTest::newRow("temps écoulé") << QStringList{"partie", "jeu", "tirer:MAISONRUE", "tics:46"}
                                  << Phase::JeuClos << "110000"
                                  << "Cliquez sur Nouveau jeu pour continuer";
  }
  void chaquePhaseActiveSesCommandesEtGuideLeJoueur() {
    QFETCH(QStringList, etapes);
    QFETCH(Phase, phase);
    QFETCH(QString, drapeaux);
    QFETCH(QString, guidage);
    Banc banc;
    QList<Phase> phases;
    connect(&banc.partie, &Partie::PhaseChangee, [&phases](Phase p) { phases << p; });
    for (const QString &etape : etapes) {
      const QString valeur = etape.section(u':', 1);
      if (etape == QLatin1String("partie"))
        banc.partie.ProcNouvellePartie();
      else if (etape == QLatin1String("jeu"))
        banc.partie.ProcNouveauJeu();
      else if (etape.startsWith(QLatin1String("tirer:")))
        banc.Tirer(valeur);
      else if (etape.startsWith(QLatin1String("marquer:")))
        banc.partie.Lettre_DblClick(valeur.toInt());
      else if (etape == QLatin1String("stop"))
        banc.partie.ProcStop();
      else if (etape == QLatin1String("verifier"))
        banc.partie.ProcVerification();
      else
        banc.Tics(valeur.toInt());
    }
    QCOMPARE(banc.partie.PhaseCourante(), phase);
    QCOMPARE(banc.Drapeaux(), drapeaux);
    QCOMPARE(banc.partie.TexteGuidage(), guidage);
    // Each change of phase is said once, and the last one said is the phase.
    for (int i = 1; i < phases.size(); ++i)
      QVERIFY(phases.at(i) != phases.at(i - 1));
    if (!etapes.isEmpty())
      QCOMPARE(phases.last(), phase);
  }

  void uneCommandeHorsDeSaPhaseNeFaitRien() {
    Banc banc;
    banc.partie.ProcNouveauJeu();
    banc.partie.ProcTirageConsonnes();
    banc.partie.ProcStop();
    banc.partie.ProcVerification();
    QCOMPARE(banc.partie.PhaseCourante(), Phase::AucunePartie);
    QVERIFY(banc.sons.isEmpty());
    QCOMPARE(banc.correcteur.recherches, 0);
    QCOMPARE(banc.partie.Modele().NumeroJeu(), 0);
  }

  void unePartieDeDixJeux() {
    Banc banc;
    banc.partie.ProcNouvellePartie();
    // Round 1: MAISON found (6); round 2: MAISO refused; round 3 times out;
    // rounds 4 to 10: A found (1) each.
    banc.JouerJusquALArret(QStringLiteral("MAISONRUE"), 6);
    banc.partie.ProcVerification();
    banc.JouerJusquALArret(QStringLiteral("MAISONRUE"), 5);
    banc.partie.ProcVerification();
    banc.partie.ProcNouveauJeu();
    banc.Tirer(QStringLiteral("SALIERETN"));
    banc.Tics(46);
    for (int jeu = 4; jeu <= 10; ++jeu) {
      banc.JouerJusquALArret(QStringLiteral("ABCDEFGHI"), 1);
      banc.partie.ProcVerification();
    }

    QCOMPARE(banc.partie.ScorePartie(), 13);
    QCOMPARE(banc.score, QStringLiteral("13 points"));
    QCOMPARE(banc.jeuxTermines, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    // The best of the draws: MAISON, MAISON, SALIERE, then A seven times.
    QCOMPARE(banc.fins, (QList<std::pair<qint16, std::optional<int>>>{{13, 6 + 6 + 7 + 7}}));
    QCOMPARE(banc.avis.last(), QStringLiteral("Cette partie est terminée !!\n\nVotre score est de "
                                              "13 points !"));
    QCOMPARE(banc.partie.PhaseCourante(), Phase::AucunePartie);
    QVERIFY(!banc.partie.ChronoPartie().isActive());

    const Manche &manche = banc.partie.Modele();
    QCOMPARE(*manche.ResultatJeu(0).points, 6);
    QCOMPARE(*manche.ResultatJeu(1).points, 0);
    QCOMPARE(*manche.ResultatJeu(2).points, 0);
    QCOMPARE(manche.ResultatJeu(2).mot, QString());
    QCOMPARE(*manche.ResultatJeu(2).plusLongs, QStringList{"SALIERE"});
    QCOMPARE(*manche.ResultatJeu(9).points, 1);

    // A round's sounds, from its start to its verdict, in order.
    QList<Son> tour = {Son::NouveauJeu};
    for (int i = 0; i < 9; ++i)
      tour << Son::Lettre;
    tour << Son::DoubleClic << Son::Arret << Son::MotTrouve;
    QCOMPARE(banc.sons.mid(1, tour.size()), tour);
    QCOMPARE(banc.sons.first(), Son::NouvellePartie);
  }

  void laFinDuTempsArriveUneSeuleFois() {
    Banc banc;
    QList<qint16> decomptes;
    int points = 0;
    connect(&banc.partie, &Partie::DecompteChange, [&](qint16 d) { decomptes << d; });
    connect(&banc.partie, &Partie::PointAjoute, [&](const Cadran::Point &) { ++points; });
    banc.partie.ProcNouvellePartie();
    banc.partie.ProcNouveauJeu();
    banc.Tirer(QStringLiteral("MAISONRUE"));
    // A box left open for minutes: no tick reaches the round any more.
    int ticsPendantLaBoite = 0;
    banc.pendantAvis = [&] {
      QVERIFY(!banc.partie.ChronoPartie().isActive());
      for (; ticsPendantLaBoite < 100; ++ticsPendantLaBoite)
        banc.partie.ChronoPartie_Timer();
    };
    banc.Tics(60);
    QCOMPARE(points, 45);
    QCOMPARE(decomptes.size(), 46);
    QCOMPARE(decomptes.first(), 45);
    QCOMPARE(decomptes.at(44), 1);
    QCOMPARE(decomptes.last(), 0);
    QCOMPARE(banc.avis,
             QStringList{"Vous avez dépassé le temps imparti !!!\n\nCe jeu est terminé !"});
    QCOMPARE(banc.sons.count(Son::TempsEcoule), 1);
    QCOMPARE(banc.jeuxTermines, QList<int>{0});
    QVERIFY(!banc.partie.Modele().DeplacementAutorise());
  }

  // What the player does while a procedure lets events run (after a sound,
  // inside a box) never counts twice and never lands in an ended round.
  void lesCommandesEnAttentePendantUneProcedure_data() {
    QTest::addColumn<QString>("cas");
    QTest::newRow("double vérification") << "verification";
    QTest::newRow("arrêt dans la seconde de l'expiration") << "arret";
    QTest::newRow("tic pendant le son de l'arrêt") << "tic";
    QTest::newRow("nouveau jeu derrière la fin de la partie") << "fin";
    QTest::newRow("tirages pendant le son d'un tirage") << "tirages";
  }
  void lesCommandesEnAttentePendantUneProcedure() {
    QFETCH(QString, cas);
    Banc banc;
    banc.partie.ProcNouvellePartie();
    if (cas == QLatin1String("verification")) {
      banc.JouerJusquALArret(QStringLiteral("MAISONRUE"), 6);
      banc.pendantSon = [&](Son) { banc.partie.ProcVerification(); };
      banc.pendantAvis = [&] { banc.partie.ProcVerification(); };
      banc.partie.ProcVerification();
      banc.partie.ProcVerification();
      QCOMPARE(banc.correcteur.recherches, 1);
      QCOMPARE(banc.avis.size(), 1);
      QCOMPARE(banc.partie.ScorePartie(), 6);
    } else if (cas == QLatin1String("arret")) {
      banc.partie.ProcNouveauJeu();
      banc.Tirer(QStringLiteral("MAISONRUE"));
      banc.partie.Lettre_DblClick(5);
      banc.pendantSon = [&](Son son) {
        if (son == Son::TempsEcoule)
          banc.partie.ProcStop();
      };
      banc.Tics(46);
      QCOMPARE(banc.partie.PhaseCourante(), Phase::JeuClos);
      QVERIFY(!banc.partie.Permise(Commande::Verification));
      QVERIFY(banc.partie.Modele().Mot().isEmpty());
      QVERIFY(!banc.sons.contains(Son::Arret));
    } else if (cas == QLatin1String("tic")) {
      banc.partie.ProcNouveauJeu();
      banc.Tirer(QStringLiteral("MAISONRUE"));
      banc.Tics(45);
      banc.partie.Lettre_DblClick(5);
      banc.pendantSon = [&](Son son) {
        if (son == Son::Arret)
          banc.Tics(1); // the expiry's tick, queued behind the click
      };
      banc.partie.ProcStop();
      QVERIFY(banc.avis.isEmpty());
      QCOMPARE(banc.partie.PhaseCourante(), Phase::Arrete);
      QCOMPARE(banc.partie.Modele().Mot(), QStringLiteral("MAISON"));
    } else if (cas == QLatin1String("tirages")) {
      // Keys pressed faster than a letter's sound: each one draws, in turn.
      banc.partie.ProcNouveauJeu();
      banc.hasard.suite = {0.0, 0.99, 0.07};
      banc.pendantSon = [&](Son son) {
        if (son == Son::Lettre && banc.partie.Modele().NumeroLettre() == 0) {
          banc.partie.ProcTirageVoyelles();
          banc.partie.ProcTirageConsonnes();
        }
      };
      banc.partie.ProcTirageConsonnes();
      QCOMPARE(banc.partie.Modele().Lettres(), QStringLiteral("BYC"));
      QCOMPARE(banc.sons.count(Son::Lettre), 3);
    } else {
      for (int jeu = 1; jeu <= 10; ++jeu)
        banc.partie.ProcNouveauJeu();
      banc.pendantSon = [&](Son son) {
        if (son == Son::NouveauJeu)
          banc.partie.ProcNouveauJeu();
      };
      banc.pendantAvis = [&] { banc.partie.ProcNouveauJeu(); };
      banc.partie.ProcNouveauJeu();
      banc.partie.ProcNouveauJeu();
      QCOMPARE(banc.avis.size(), 1);
      QCOMPARE(banc.fins.size(), 1);
      QCOMPARE(banc.partie.Modele().NumeroJeu(), 10);
      QCOMPARE(banc.partie.PhaseCourante(), Phase::AucunePartie);
    }
  }

  void uneVerificationImpossibleLaisseLeMotAVerifier() {
    Banc banc;
    banc.partie.ProcNouvellePartie();
    banc.JouerJusquALArret(QStringLiteral("MAISONRUE"), 6);
    banc.correcteur.enPanne = true;
    banc.partie.ProcVerification();
    QCOMPARE(banc.avis, QStringList{"Le mot MAISON n'a pas pu être vérifié.\n\n"
                                    "le fichier est introuvable"});
    QCOMPARE(banc.partie.PhaseCourante(), Phase::Arrete);
    QVERIFY(banc.jeuxTermines.isEmpty());
    banc.correcteur.enPanne = false;
    banc.partie.ProcVerification();
    QCOMPARE(banc.partie.ScorePartie(), 6);
  }

  // Without the index, nothing is revealed and the best possible is not
  // known; every new game asks for the index again.
  void sansIndexRienNEstReveleNiLeMeilleurConnu() {
    Banc banc;
    banc.resolveur.disponible = false;
    banc.partie.ProcNouvellePartie();
    QCOMPARE(banc.resolveur.preparations, 1);
    for (int jeu = 1; jeu <= 10; ++jeu) {
      banc.JouerJusquALArret(QStringLiteral("MAISONRUE"), 6);
      banc.partie.ProcVerification();
      QVERIFY(!banc.partie.Modele().ResultatJeu(jeu - 1).plusLongs);
    }
    QCOMPARE(banc.fins, (QList<std::pair<qint16, std::optional<int>>>{{60, std::nullopt}}));
    banc.partie.ProcNouvellePartie();
    QCOMPARE(banc.resolveur.preparations, 2);
  }

  // What a screen reader is told of a round, from its draw to its end.
  void leCommentaireDitLeJeuAMesureQuIlAvance() {
    Banc banc;
    Commentaire commentaire(banc.partie);
    QStringList dit;
    connect(&commentaire, &Commentaire::Dire, [&dit](const QString &t) { dit << t; });
    banc.partie.ProcNouvellePartie();
    banc.partie.ProcNouveauJeu();
    banc.Tirer(QStringLiteral("MAISONRUE"));
    QCOMPARE(dit.mid(0, 3),
             (QStringList{"M, consonne, 1 sur 9", "A, voyelle, 2 sur 9", "I, voyelle, 3 sur 9"}));
    QCOMPARE(dit.mid(8), (QStringList{"E, voyelle, 9 sur 9",
                                      "Tirage complet : M A I S O N R U E. 45 secondes."}));
    dit.clear();
    banc.Tics(41); // 45 down to 5
    QCOMPARE(dit, (QStringList{"30 secondes", "20 secondes", "10 secondes", "5"}));
    dit.clear();
    banc.partie.Taper(u'm');
    banc.partie.Taper(u'a');
    banc.partie.Effacer();
    commentaire.LireTirage();
    QCOMPARE(dit, (QStringList{"Mot : M", "Mot : M A", "Mot : M",
                               "Lettres : M A I S O N R U E. "
                               "Mot : M."}));
    dit.clear();
    banc.partie.Lettre_DblClick(5);
    banc.partie.ProcStop();
    banc.partie.ProcVerification();
    QCOMPARE(dit.last(), QStringLiteral("Jeu n° 1 : 6 points. Mots les plus longs possibles : 6 "
                                        "lettres. MAISON. Votre mot en fait partie !"));
    for (int jeu = 2; jeu <= 10; ++jeu)
      banc.partie.ProcNouveauJeu();
    banc.partie.ProcNouveauJeu();
    QCOMPARE(dit.last(),
             QStringLiteral("Partie terminée : 6 points. Meilleur possible : 6 points."));
  }

  // The time of a round: 45 seconds as the game always had, 90, or none; only a game
  // at 45 seconds goes to the score entry.
  void leTempsDUnJeu_data() {
    QTest::addColumn<int>("temps");
    QTest::addColumn<int>("ticsAvantExpiration"); // -1: never
    QTest::addColumn<bool>("classable");
    QTest::newRow("45 secondes") << 45 << 46 << true;
    QTest::newRow("90 secondes") << 90 << 91 << false;
    QTest::newRow("sans limite") << 0 << -1 << false;
  }
  void leTempsDUnJeu() {
    QFETCH(int, temps);
    QFETCH(int, ticsAvantExpiration);
    QFETCH(bool, classable);
    Banc banc;
    banc.partie.DefinirTemps(temps);
    banc.partie.ProcNouvellePartie();
    // A change takes effect at the next game only.
    banc.partie.DefinirTemps(45);
    banc.partie.ProcNouveauJeu();
    banc.Tirer(QStringLiteral("MAISONRUE"));
    QCOMPARE(banc.partie.ChronoPartie().isActive(), temps != 0);
    if (ticsAvantExpiration > 0) {
      banc.Tics(ticsAvantExpiration - 1);
      QVERIFY(banc.avis.isEmpty());
      QCOMPARE(banc.partie.Chrono().Decompte, 0);
      banc.Tics(1);
      QCOMPARE(banc.avis.size(), 1);
    } else {
      banc.Tics(500);
      QVERIFY(banc.avis.isEmpty());
      QCOMPARE(banc.partie.PhaseCourante(), Phase::Arrangement);
    }
    for (int jeu = 2; jeu <= 11; ++jeu)
      banc.partie.ProcNouveauJeu();
    QCOMPARE(banc.partie.Classable(), classable);
    QCOMPARE(banc.fins.size(), 1);
    const QString refus = QStringLiteral("n'entre pas au tableau des scores");
    QCOMPARE(banc.avis.last().contains(refus), !classable);
    QCOMPARE(banc.partie.TexteGuidage(), classable
                                             ? QStringLiteral("Cliquez sur Consonnes ou Voyelles")
                                             : QStringLiteral("Cliquez sur Nouvelle partie"));
  }
};

QTEST_GUILESS_MAIN(TestDeroulementPartie)
#include "TestDeroulementPartie.moc"
