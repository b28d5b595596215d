// The game flow on the main window: the state of the six game commands and
// of the guidance line at every step, a whole game of ten rounds, and the
// sounds of its events.

#include "tests/FenetreEssai.h"
#include "windows/BarreCommandes.h"
#include "windows/Tuile.h"

#include <QDialog>
#include <QFile>
#include <QRadioButton>
#include <QTest>

using Icone = Plateforme::Icone;

namespace {

const QStringList Commandes = {"NouvellePartie", "NouveauJeu", "Consonnes",
                               "Voyelles",       "Stop",       "Verification"};
const QStringList Mots = {"A", "MAISON", "SALIERE", "OEUVRE", "CHANTER", "ETRANGERE", "RUE"};

// Enabled flags of the six commands, as a string of 0 and 1 in that order.
QString Drapeaux(const FenetreEssai &essai) {
  QString drapeaux;
  for (const QString &cle : Commandes)
    drapeaux += essai.Actif(cle) ? u'1' : u'0';
  return drapeaux;
}

} // namespace

class TestPartie : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void lesCommandesSuiventLEtatDeLaPartie_data() {
    QTest::addColumn<QStringList>("etapes");
    QTest::addColumn<QString>("drapeaux");
    QTest::addColumn<QString>("message");
    QTest::newRow("pas de partie") << QStringList{} << "100000"
                                   << "Cliquez sur Nouvelle partie";
    QTest::newRow("partie ouverte") << QStringList{"NouvellePartie"} << "110000"
                                    << "Cliquez sur Nouveau jeu";
    QTest::newRow("tirage") << QStringList{"NouvellePartie", "NouveauJeu"} << "111100"
                            << "Cliquez sur Consonnes ou Voyelles";
    QTest::newRow("huit lettres") << QStringList{"NouvellePartie", "NouveauJeu", "tirer:MAISONRU"}
                                  << "111100"
                                  << "Cliquez sur Consonnes ou Voyelles";
    QTest::newRow("arrangement") << QStringList{"NouvellePartie", "NouveauJeu", "tirer:MAISONRUE"}
                                 << "110010"
                                 << "Cliquez-glissez pour déplacer les lettres";
    QTest::newRow("mot marqué") << QStringList{"NouvellePartie", "NouveauJeu", "tirer:MAISONRUE",
                                               "marquer:5"}
                                << "110010"
                                << "Cliquez sur Stop pour terminer";
    QTest::newRow("arrêt refusé")
        << QStringList{"NouvellePartie", "NouveauJeu", "tirer:MAISONRUE", "Stop"} << "110010"
        << "Vous devez double-cliquer sur la dernière lettre du mot créé !!!";
    QTest::newRow("arrêté") << QStringList{"NouvellePartie", "NouveauJeu", "tirer:MAISONRUE",
                                           "marquer:5", "Stop"}
                            << "110001"
                            << "Cliquez sur Vérification";
    QTest::newRow("vérifié") << QStringList{"NouvellePartie", "NouveauJeu", "tirer:MAISONRUE",
                                            "marquer:5",      "Stop",       "Verification"}
                             << "110000"
                             << "Cliquez sur Nouveau jeu pour continuer";
    QTest::newRow("temps écoulé") << QStringList{"NouvellePartie", "NouveauJeu", "tirer:MAISONRUE",
                                                 "tics:46"}
                                  << "110000"
                                  << "Cliquez sur Nouveau jeu pour continuer";
    QTest::newRow("jeu suivant") << QStringList{"NouvellePartie", "NouveauJeu", "tirer:MAISONRUE",
                                                "tics:46", "NouveauJeu"}
                                 << "111100"
                                 << "Cliquez sur Consonnes ou Voyelles";
  }
  void lesCommandesSuiventLEtatDeLaPartie() {
    QFETCH(QStringList, etapes);
    QFETCH(QString, drapeaux);
    QFETCH(QString, message);
    FenetreEssai essai(Mots);
    QVERIFY(essai.Charger());
    for (const QString &etape : etapes) {
      const QString valeur = etape.section(u':', 1);
      if (etape.startsWith(QLatin1String("tirer:")))
        essai.Tirer(valeur);
      else if (etape.startsWith(QLatin1String("marquer:")))
        essai.Fenetre().Lettre_DblClick(valeur.toInt());
      else if (etape.startsWith(QLatin1String("tics:")))
        essai.Tics(valeur.toInt());
      else
        essai.Clic(etape);
    }
    QCOMPARE(Drapeaux(essai), drapeaux);
    QCOMPARE(essai.Texte(QStringLiteral("Message")), message);
  }

  void uneNouvellePartieRemetToutAZero() {
    FenetreEssai essai(Mots);
    QVERIFY(essai.Charger());
    essai.Clic(QStringLiteral("NouvellePartie"));
    essai.JouerJusquALArret(QStringLiteral("MAISONRUE"), 6);
    essai.Clic(QStringLiteral("Verification"));
    essai.Clic(QStringLiteral("NouveauJeu"));
    essai.Tirer(QStringLiteral("OEUVRETLS"));
    essai.Tics(10);
    QCOMPARE(essai.Texte(QStringLiteral("Score")), QStringLiteral("6 points"));

    essai.Clic(QStringLiteral("NouvellePartie"));
    QCOMPARE(Drapeaux(essai), QStringLiteral("110000"));
    QCOMPARE(essai.Texte(QStringLiteral("Score")), QString());
    QCOMPARE(essai.Texte(QStringLiteral("ComptePartie")), QString());
    QVERIFY(essai.TableauVierge());
    QVERIFY(essai.Texte(QStringLiteral("Decompteur")).isEmpty());
    QVERIFY(!essai.Fenetre().findChild<QTimer *>(QStringLiteral("ChronoPartie"))->isActive());
    QCOMPARE(essai.Fenetre().Deroulement().ScorePartie(), 0);
    QCOMPARE(essai.Fenetre().Modele().NumeroJeu(), 0);
    QVERIFY(essai.Fenetre().Modele().Mot().isEmpty());
  }

  void uneParieDeDixJeux() {
    FenetreEssai essai(Mots);
    QVERIFY(essai.Charger());
    PlateformeEssai &p = essai.plateforme;
    essai.Clic(QStringLiteral("NouvellePartie"));

    // 1: a six-letter word found.
    essai.JouerJusquALArret(QStringLiteral("MAISONRUE"), 6);
    QCOMPARE(essai.Texte(QStringLiteral("RecapTirages0")), QStringLiteral("MAISONRUE"));
    QCOMPARE(essai.Texte(QStringLiteral("RecapSolutions0")), QStringLiteral("MAISON"));
    essai.Clic(QStringLiteral("Verification"));
    QCOMPARE(p.DerniereBoite().texte,
             QStringLiteral("Le mot MAISON figure bien dans le dictionnaire de correction !!!\n\n"
                            "Félicitations, vous marquez 6 points !"));
    QCOMPARE(p.DerniereBoite().icone, Icone::Question);
    QCOMPARE(p.DerniereBoite().titre, QStringLiteral("Vocadix 2.1"));
    QCOMPARE(essai.Texte(QStringLiteral("Score")), QStringLiteral("6 points"));
    QCOMPARE(essai.Texte(QStringLiteral("RecapPoints0")), QStringLiteral("6"));

    // 2: a word not in the dictionary.
    essai.JouerJusquALArret(QStringLiteral("MAISNOUER"), 5);
    essai.Clic(QStringLiteral("Verification"));
    QCOMPARE(p.DerniereBoite().texte,
             QStringLiteral("Le mot MAISN ne figure pas dans le dictionnaire de correction !!!\n\n"
                            "Désolé, vous ne marquez pas de points !"));
    QCOMPARE(p.DerniereBoite().icone, Icone::Arret);
    QCOMPARE(essai.Texte(QStringLiteral("RecapPoints1")), QStringLiteral("0"));
    QCOMPARE(essai.Texte(QStringLiteral("Score")), QStringLiteral("6 points"));

    // 3: left during its draw.
    essai.Clic(QStringLiteral("NouveauJeu"));
    essai.Tirer(QStringLiteral("ABC"));
    // 4: timed out.
    essai.Clic(QStringLiteral("NouveauJeu"));
    QCOMPARE(essai.Texte(QStringLiteral("RecapPoints2")), QStringLiteral("0"));
    QVERIFY(essai.Texte(QStringLiteral("RecapTirages2")).isEmpty());
    QVERIFY(essai.Texte(QStringLiteral("RecapSolutions2")).isEmpty());
    essai.Tirer(QStringLiteral("OEUVRETLS"));
    essai.Tics(46);
    QCOMPARE(p.DerniereBoite().texte,
             QStringLiteral("Vous avez dépassé le temps imparti !!!\n\nCe jeu est terminé !"));

    // 5: the word is made by a drag: SALIERE from ASLIERETN.
    essai.Clic(QStringLiteral("NouveauJeu"));
    QCOMPARE(essai.Texte(QStringLiteral("RecapPoints3")), QStringLiteral("0"));
    essai.Tirer(QStringLiteral("ASLIERETN"));
    essai.Fenetre().Lettre_MouseDown(0);
    essai.Fenetre().Lettre_DragDrop(1);
    QCOMPARE(essai.Lettres(), QStringLiteral("SALIERETN"));
    essai.Fenetre().Lettre_DblClick(6);
    essai.Clic(QStringLiteral("Stop"));
    essai.Clic(QStringLiteral("Verification"));
    QCOMPARE(essai.Texte(QStringLiteral("RecapPoints4")), QStringLiteral("7"));

    // 6 to 9: found words of one, six, nine letters; one stop without verification.
    for (const auto &[lettres, longueur] :
         {std::pair{QStringLiteral("AMNTRSLPB"), 1}, std::pair{QStringLiteral("OEUVRETLS"), 6},
          std::pair{QStringLiteral("ETRANGERE"), 9}}) {
      essai.JouerJusquALArret(lettres, longueur);
      essai.Clic(QStringLiteral("Verification"));
    }
    QCOMPARE(essai.plateforme.boites.at(essai.plateforme.boites.size() - 3).texte,
             QStringLiteral("Le mot A figure bien dans le dictionnaire de correction !!!\n\n"
                            "Félicitations, vous marquez 1 points !"));
    essai.JouerJusquALArret(QStringLiteral("RUEMAISON"), 3);

    // 10: the last round, found; the game ends.
    essai.JouerJusquALArret(QStringLiteral("CHANTEREU"), 7);
    QCOMPARE(essai.Texte(QStringLiteral("RecapPoints8")), QStringLiteral("0"));
    QCOMPARE(essai.Texte(QStringLiteral("ComptePartie")), QStringLiteral("Jeu n° 10"));
    const QString avant = essai.Texte(QStringLiteral("Message"));
    const qsizetype boitesAvant = p.boites.size();
    essai.Clic(QStringLiteral("Verification"));
    QCOMPARE(p.boites.size(), boitesAvant + 2);
    QCOMPARE(p.boites.at(boitesAvant).texte,
             QStringLiteral("Le mot CHANTER figure bien dans le dictionnaire de correction !!!\n\n"
                            "Félicitations, vous marquez 7 points !"));
    QCOMPARE(p.DerniereBoite().texte,
             QStringLiteral("Cette partie est terminée !!\n\nVotre score est de 36 points !"));
    QCOMPARE(p.DerniereBoite().icone, Icone::Arret);
    QCOMPARE(essai.Texte(QStringLiteral("Message")), avant); // no "continue" on the last round
    QCOMPARE(essai.Texte(QStringLiteral("Score")), QStringLiteral("36 points"));
    QCOMPARE(essai.Fenetre().Deroulement().ScorePartie(), 36);
    QCOMPARE(Drapeaux(essai), QStringLiteral("100000"));
    const QStringList points = {"6", "0", "0", "0", "7", "1", "6", "9", "0", "7"};
    for (int k = 0; k < 10; ++k)
      QCOMPARE(essai.Texte(QStringLiteral("RecapPoints%1").arg(k)), points.at(k));

    // Nothing brings an eleventh round.
    essai.Clic(QStringLiteral("NouveauJeu"));
    QCOMPARE(essai.Fenetre().Modele().NumeroJeu(), 10);
  }

  void unDixiemeJeuSansVerificationFinitLaPartieUneSeuleFois_data() {
    QTest::addColumn<QString>("phase");
    QTest::newRow("temps écoulé") << "tics";
    QTest::newRow("pendant l'arrangement") << "arrangement";
    QTest::newRow("arrêté") << "arret";
    QTest::newRow("pendant le tirage") << "tirage";
  }
  void unDixiemeJeuSansVerificationFinitLaPartieUneSeuleFois() {
    QFETCH(QString, phase);
    FenetreEssai essai(Mots);
    QVERIFY(essai.Charger());
    essai.Clic(QStringLiteral("NouvellePartie"));
    for (int jeu = 1; jeu <= 9; ++jeu)
      essai.Clic(QStringLiteral("NouveauJeu"));
    essai.Clic(QStringLiteral("NouveauJeu"));
    QCOMPARE(essai.Texte(QStringLiteral("ComptePartie")), QStringLiteral("Jeu n° 10"));
    if (phase == QLatin1String("tirage")) {
      essai.Tirer(QStringLiteral("MAI"));
    } else {
      essai.Tirer(QStringLiteral("MAISONRUE"));
      if (phase == QLatin1String("tics"))
        essai.Tics(46);
      else if (phase == QLatin1String("arret"))
        essai.Fenetre().Lettre_DblClick(5), essai.Clic(QStringLiteral("Stop"));
    }
    const qsizetype boites = essai.plateforme.boites.size();
    essai.Clic(QStringLiteral("NouveauJeu"));
    QCOMPARE(essai.plateforme.boites.size(), boites + 1);
    QCOMPARE(essai.plateforme.DerniereBoite().texte,
             QStringLiteral("Cette partie est terminée !!\n\nVotre score est de 0 points !"));
    QCOMPARE(essai.Texte(QStringLiteral("RecapPoints9")), QStringLiteral("0"));
    QCOMPARE(essai.Texte(QStringLiteral("Message")),
             QStringLiteral("Cliquez sur Consonnes ou Voyelles"));
    // The ended round can no longer be stopped, verified or timed out.
    QCOMPARE(Drapeaux(essai), QStringLiteral("100000"));
    QVERIFY(!essai.Fenetre().findChild<QTimer *>(QStringLiteral("ChronoPartie"))->isActive());
    essai.Tics(50);
    essai.Clic(QStringLiteral("Verification"));
    QCOMPARE(essai.plateforme.boites.size(), boites + 1);
  }

  void chaqueEvenementJoueSonSonQuandLeSonEstActif_data() {
    QTest::addColumn<QByteArray>("reglages");
    QTest::addColumn<QList<int>>("sons");
    QTest::newRow("son actif") << QByteArray("O\r\nO\r\n")
                               << QList<int>{1, 6, 3, 3, 3, 3, 3, 3, 3, 3, 3, 2, 9,
                                             4, 6, 3, 3, 3, 3, 3, 3, 3, 3, 3, 2, 9,
                                             7, 6, 3, 3, 3, 3, 3, 3, 3, 3, 3, 5, 2};
    QTest::newRow("son coupé") << QByteArray("N\r\nO\r\n") << QList<int>{};
  }
  void chaqueEvenementJoueSonSonQuandLeSonEstActif() {
    QFETCH(QByteArray, reglages);
    QFETCH(QList<int>, sons);
    FenetreEssai essai(Mots);
    essai.EcrireReglages(reglages);
    QVERIFY(essai.Charger());
    essai.Clic(QStringLiteral("NouvellePartie"));
    essai.JouerJusquALArret(QStringLiteral("MAISONRUE"), 6);
    essai.Clic(QStringLiteral("Verification"));
    essai.JouerJusquALArret(QStringLiteral("MAISNOUER"), 5);
    essai.Clic(QStringLiteral("Verification"));
    essai.Clic(QStringLiteral("NouveauJeu"));
    essai.Tirer(QStringLiteral("OEUVRETLS"));
    essai.Tics(46);
    // A double-click after the round has ended still clicks.
    essai.Fenetre().Lettre_DblClick(2);
    QCOMPARE(essai.plateforme.sons, sons);
  }

  // A game that cannot play its sounds says so once, beside the dial, and
  // goes on silent; with sound off it has nothing to say.
  void unJeuMuetLeDitUneFois_data() {
    QTest::addColumn<QByteArray>("reglages");
    QTest::addColumn<bool>("dit");
    QTest::newRow("son actif") << QByteArray("O\r\nO\r\n") << true;
    QTest::newRow("son coupé") << QByteArray("N\r\nO\r\n") << false;
  }
  void unJeuMuetLeDitUneFois() {
    QFETCH(QByteArray, reglages);
    QFETCH(bool, dit);
    FenetreEssai essai(Mots);
    essai.EcrireReglages(reglages);
    essai.plateforme.panneSon = QStringLiteral("le module de son vocadix_son.so est introuvable");
    QVERIFY(essai.ChargerEtMontrer());
    QLabel *avis = essai.Etiquette(QStringLiteral("AvisSon"));
    QVERIFY(!avis->isVisible());
    essai.Clic(QStringLiteral("NouvellePartie"));
    QCOMPARE(avis->isVisible(), dit);
    if (!dit)
      return;
    const QString texte =
        QStringLiteral("Son indisponible : le module de son vocadix_son.so est introuvable. Le jeu "
                       "continue sans son ; voir l'aide (F1).");
    QCOMPARE(avis->text(), texte);
    essai.plateforme.panneSon = QStringLiteral("autre chose");
    essai.Clic(QStringLiteral("NouveauJeu"));
    QCOMPARE(avis->text(), texte);
    // Nothing the game's own texts say has changed.
    QCOMPARE(essai.Texte(QStringLiteral("Message")),
             QStringLiteral("Cliquez sur Consonnes ou Voyelles"));
    QVERIFY(essai.plateforme.boites.isEmpty());
  }

  // The settings dialog behind the added command: the time chosen is kept
  // in its own file at once, and the next game's rounds take it.
  void lesReglagesChoisissentLeTempsDeLaProchainePartie() {
    FenetreEssai essai(Mots);
    QVERIFY(essai.Charger());
    essai.Clic(QStringLiteral("NouvellePartie"));
    essai.plateforme.pendantDialogue = [](QDialog &d) {
      d.findChild<QRadioButton *>(QStringLiteral("Temps90"))->setChecked(true);
      d.accept();
      return int(QDialog::Accepted);
    };
    essai.Clic(QStringLiteral("Reglages"));
    QCOMPARE(essai.plateforme.dialogues.last(), QStringLiteral("Reglages"));
    QFile fichier(essai.Dossier() + QStringLiteral("/Preferences.ini"));
    QVERIFY(fichier.open(QIODevice::ReadOnly));
    QCOMPARE(fichier.readAll(), QByteArray("temps=90\nadversaire=0\n"));
    QCOMPARE(essai.Reglages(), QByteArray("(absent)")); // Vocadix.ini is not touched
    // The game under way keeps its 45 seconds; the next one has 90.
    essai.Clic(QStringLiteral("NouveauJeu"));
    essai.Tirer(QStringLiteral("MAISONRUE"));
    essai.Tics(1);
    QCOMPARE(essai.Texte(QStringLiteral("Decompteur")), QStringLiteral("45"));
    essai.Clic(QStringLiteral("NouvellePartie"));
    essai.Clic(QStringLiteral("NouveauJeu"));
    essai.Tirer(QStringLiteral("MAISONRUE"));
    essai.Tics(1);
    QCOMPARE(essai.Texte(QStringLiteral("Decompteur")), QStringLiteral("90"));
    // A start reads the file: a round without limit shows no countdown.
    FenetreEssai autre(Mots);
    QFile sansLimite(autre.Dossier() + QStringLiteral("/Preferences.ini"));
    QVERIFY(sansLimite.open(QIODevice::WriteOnly));
    sansLimite.write("temps=0\n");
    sansLimite.close();
    QVERIFY(autre.Charger());
    autre.Clic(QStringLiteral("NouvellePartie"));
    autre.Clic(QStringLiteral("NouveauJeu"));
    autre.Tirer(QStringLiteral("MAISONRUE"));
    autre.Tics(100);
    QVERIFY(autre.Etiquette(QStringLiteral("Decompteur"))->isHidden());
    QVERIFY(autre.Actif(QStringLiteral("Stop")));
    QVERIFY(autre.plateforme.boites.isEmpty());
    // Such a game does not go to the score entry, and says why.
    for (int jeu = 2; jeu <= 11; ++jeu)
      autre.Clic(QStringLiteral("NouveauJeu"));
    QVERIFY(!autre.plateforme.dialogues.contains(QStringLiteral("Enregistre")));
    QCOMPARE(autre.plateforme.DerniereBoite().texte,
             QStringLiteral("Cette partie, jouée sans limite de temps, n'entre pas au tableau des "
                            "scores : seules y entrent les parties en 45 secondes."));
    QCOMPARE(autre.Texte(QStringLiteral("Message")), QStringLiteral("Cliquez sur Nouvelle partie"));
    QVERIFY(!autre.Actif(QStringLiteral("NouveauJeu")));
  }
};

QTEST_MAIN(TestPartie)
#include "TestPartie.moc"
