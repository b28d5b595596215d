// One round on the main window: the draw, the countdown and its dial, the
// tiles' moves and marks, the stop and the verification, and the places
// where a queued click or tick could otherwise count twice.

#include "tests/FenetreEssai.h"
#include "windows/Surface.h"
#include "windows/Tuile.h"

#include <QTest>

namespace {
const QStringList Mots = {"MAISON", "RUE"};
}

class TestFenetreManche : public QObject {
  Q_OBJECT

  // A round drawn and under way, letters MAISONRUE.
  static void Ouvrir(FenetreEssai &essai) {
    QVERIFY(essai.Charger());
    essai.Clic(QStringLiteral("NouvellePartie"));
    essai.Clic(QStringLiteral("NouveauJeu"));
    essai.Tirer(QStringLiteral("MAISONRUE"));
  }
  static QTimer *Chrono(FenetreEssai &essai) {
    return essai.Fenetre().findChild<QTimer *>(QStringLiteral("ChronoPartie"));
  }
  static Surface *Cadran(FenetreEssai &essai) {
    return essai.Fenetre().findChild<Surface *>(QStringLiteral("Surface"));
  }

private Q_SLOTS:
  void leTirageRemplitLesTuilesUneAUne() {
    FenetreEssai essai(Mots);
    QVERIFY(essai.Charger());
    essai.Clic(QStringLiteral("NouvellePartie"));
    essai.Clic(QStringLiteral("NouveauJeu"));
    const int reamorcages = essai.plateforme.reamorcages;
    essai.Tirer(QStringLiteral("RSAENTLI"));
    for (int i = 0; i < 9; ++i)
      QCOMPARE(essai.Lettre(i)->isHidden(), i == 8);
    QCOMPARE(essai.Lettres(), QStringLiteral("RSAENTLI"));
    QVERIFY(essai.Texte(QStringLiteral("RecapTirages0")).isEmpty());
    QVERIFY(!Chrono(essai)->isActive());
    essai.Tirer(QStringLiteral("O"));
    QCOMPARE(essai.Texte(QStringLiteral("RecapTirages0")), QStringLiteral("RSAENTLIO"));
    // The generator is seeded again before every letter.
    QCOMPARE(essai.plateforme.reamorcages, reamorcages + 9);
    QVERIFY(Chrono(essai)->isActive());
    QCOMPARE(Chrono(essai)->interval(), 1000);
  }

  void leCompteAReboursDessineUnPointParSeconde() {
    FenetreEssai essai(Mots);
    Ouvrir(essai);
    QLabel *decompteur = essai.Etiquette(QStringLiteral("Decompteur"));
    QVERIFY(!decompteur->isHidden());
    QVERIFY(decompteur->text().isEmpty());
    // The panel and its frame are centred on the dial at (3180, 6400) twips.
    QCOMPARE(decompteur->geometry().center(), QPoint(212, 426));
    QCOMPARE(essai.Fenetre().findChild<QWidget *>(QStringLiteral("Haut"))->geometry(),
             QRect(129, 343, 166, 2));
    QCOMPARE(Cadran(essai)->NombrePoints(), 0);

    essai.Tics(1);
    QCOMPARE(decompteur->text(), QStringLiteral("45"));
    QCOMPARE(Cadran(essai)->NombrePoints(), 1);
    essai.Tics(44);
    QCOMPARE(decompteur->text(), QStringLiteral("1"));
    QCOMPARE(Cadran(essai)->NombrePoints(), 45);
    QVERIFY(essai.plateforme.boites.isEmpty());

    // The dots stay on screen across a repaint.
    Cadran(essai)->repaint();
    QCOMPARE(Cadran(essai)->NombrePoints(), 45);

    essai.Tics(1);
    QCOMPARE(decompteur->text(), QStringLiteral("0"));
    QCOMPARE(essai.plateforme.boites.size(), 1);
    QVERIFY(!Chrono(essai)->isActive());
    QVERIFY(!essai.Actif(QStringLiteral("Stop")));

    // The next round starts with an empty dial, hidden until its ninth letter.
    essai.Clic(QStringLiteral("NouveauJeu"));
    QCOMPARE(Cadran(essai)->NombrePoints(), 0);
    QVERIFY(decompteur->isHidden());
    QVERIFY(essai.Fenetre().findChild<QWidget *>(QStringLiteral("Haut"))->isHidden());
  }

  void lExpirationNeSeProduitQuUneFois() {
    FenetreEssai essai(Mots);
    Ouvrir(essai);
    int ticsPendantLaBoite = 0;
    essai.plateforme.pendantBoite = [&](const PlateformeEssai::Boite &) {
      // A box left open for minutes: the countdown is already stopped.
      QVERIFY(!Chrono(essai)->isActive());
      for (; ticsPendantLaBoite < 300; ++ticsPendantLaBoite)
        essai.Fenetre().ChronoPartie_Timer();
    };
    essai.Tics(46);
    QCOMPARE(ticsPendantLaBoite, 300);
    essai.Tics(10);
    QCOMPARE(essai.plateforme.boites.size(), 1);
    QCOMPARE(essai.plateforme.sons.count(5), 1);
    QCOMPARE(Cadran(essai)->NombrePoints(), 45);
  }

  void unArretPendantLeSonDeLExpirationNeRendPasLeJeuVerifiable() {
    FenetreEssai essai(Mots);
    Ouvrir(essai);
    essai.Fenetre().Lettre_DblClick(5);
    essai.plateforme.pendantSon = [&](int son) {
      if (son == 5)
        essai.Clic(QStringLiteral("Stop"));
    };
    essai.Tics(46);
    QVERIFY(!essai.Actif(QStringLiteral("Stop")));
    QVERIFY(!essai.Actif(QStringLiteral("Verification")));
    QVERIFY(essai.Texte(QStringLiteral("RecapSolutions0")).isEmpty());
    QVERIFY(!essai.plateforme.sons.contains(9));
  }

  void unTicPendantLeSonDeLArretNArrivePas() {
    FenetreEssai essai(Mots);
    Ouvrir(essai);
    essai.Tics(45);
    essai.Fenetre().Lettre_DblClick(5);
    essai.plateforme.pendantSon = [&](int son) {
      if (son == 9)
        essai.Tics(1); // the expiry's tick, queued behind the click
    };
    essai.Clic(QStringLiteral("Stop"));
    QVERIFY(essai.plateforme.boites.isEmpty());
    QVERIFY(essai.Actif(QStringLiteral("Verification")));
    QCOMPARE(essai.Texte(QStringLiteral("Decompteur")), QStringLiteral("1"));
  }

  void unDoubleClicSurVerificationNeCompteQuUneFois() {
    FenetreEssai essai(Mots);
    Ouvrir(essai);
    essai.Fenetre().Lettre_DblClick(5);
    essai.Clic(QStringLiteral("Stop"));
    essai.plateforme.pendantSon = [&](int son) {
      if (son == 4)
        essai.Clic(QStringLiteral("Verification"));
    };
    essai.plateforme.pendantBoite = [&](const PlateformeEssai::Boite &) {
      essai.Clic(QStringLiteral("Verification"));
    };
    essai.Clic(QStringLiteral("Verification"));
    essai.Clic(QStringLiteral("Verification"));
    QCOMPARE(essai.plateforme.boites.size(), 1);
    QCOMPARE(essai.Fenetre().Deroulement().ScorePartie(), 6);
    QCOMPARE(essai.Texte(QStringLiteral("Score")), QStringLiteral("6 points"));
  }

  void unNouveauJeuEnAttenteDerriereLaFinNeFaitPasDeOnziemeJeu() {
    FenetreEssai essai(Mots);
    QVERIFY(essai.Charger());
    essai.Clic(QStringLiteral("NouvellePartie"));
    for (int jeu = 1; jeu <= 10; ++jeu)
      essai.Clic(QStringLiteral("NouveauJeu"));
    essai.plateforme.pendantSon = [&](int son) {
      if (son == 6)
        essai.Clic(QStringLiteral("NouveauJeu"));
    };
    essai.plateforme.pendantBoite = [&](const PlateformeEssai::Boite &) {
      essai.Clic(QStringLiteral("NouveauJeu"));
    };
    essai.Clic(QStringLiteral("NouveauJeu"));
    essai.Clic(QStringLiteral("NouveauJeu"));
    QCOMPARE(essai.plateforme.boites.size(), 1);
    QCOMPARE(essai.Fenetre().Modele().NumeroJeu(), 10);
    QCOMPARE(essai.Texte(QStringLiteral("ComptePartie")), QStringLiteral("Jeu n° 10"));
  }

  void unArretSansLettreMarqueeLaisseLeJeuContinuer() {
    FenetreEssai essai(Mots);
    Ouvrir(essai);
    essai.Tics(3);
    const int sons = int(essai.plateforme.sons.size());
    essai.Clic(QStringLiteral("Stop"));
    QCOMPARE(essai.Texte(QStringLiteral("Message")),
             QStringLiteral("Vous devez double-cliquer sur la dernière lettre du mot créé !!!"));
    QCOMPARE(essai.plateforme.sons.size(), sons);
    QVERIFY(Chrono(essai)->isActive());
    QVERIFY(essai.Actif(QStringLiteral("Stop")));
    essai.Tics(1);
    QCOMPARE(essai.Texte(QStringLiteral("Decompteur")), QStringLiteral("42"));
  }

  void lArretFigeLeCadranEtPrendLesLettresMarquees() {
    FenetreEssai essai(Mots);
    Ouvrir(essai);
    essai.Tics(7);
    essai.Fenetre().Lettre_DblClick(4);
    essai.Clic(QStringLiteral("Stop"));
    QCOMPARE(essai.Fenetre().Modele().Mot(), QStringLiteral("MAISO"));
    QCOMPARE(essai.Texte(QStringLiteral("RecapSolutions0")), QStringLiteral("MAISO"));
    QVERIFY(!Chrono(essai)->isActive());
    essai.Tics(5);
    QCOMPARE(essai.Texte(QStringLiteral("Decompteur")), QStringLiteral("39"));
    QCOMPARE(Cadran(essai)->NombrePoints(), 7);
  }

  // A double-click or a drop queued behind the click on Stop runs while its
  // sound lets events run: the word is still the one marked at the click.
  void leMotPrisEstCeluiMarqueAuClicSurStop_data() {
    QTest::addColumn<QString>("geste");
    QTest::newRow("double-clic qui allonge") << "allonge";
    QTest::newRow("double-clic qui coupe") << "coupe";
    QTest::newRow("lettre glissée") << "glisse";
  }
  void leMotPrisEstCeluiMarqueAuClicSurStop() {
    QFETCH(QString, geste);
    FenetreEssai essai(Mots);
    Ouvrir(essai);
    essai.Fenetre().Lettre_DblClick(5);
    essai.plateforme.pendantSon = [&](int son) {
      if (son != 9)
        return;
      if (geste == QLatin1String("allonge"))
        essai.Fenetre().Lettre_DblClick(8);
      else if (geste == QLatin1String("coupe"))
        essai.Fenetre().Lettre_DblClick(2);
      else {
        essai.Fenetre().Lettre_MouseDown(0);
        essai.Fenetre().Lettre_DragDrop(8);
      }
    };
    essai.Clic(QStringLiteral("Stop"));
    QCOMPARE(essai.Fenetre().Modele().Mot(), QStringLiteral("MAISON"));
    QCOMPARE(essai.Texte(QStringLiteral("RecapSolutions0")), QStringLiteral("MAISON"));
    QCOMPARE(essai.Lettres(), QStringLiteral("MAISONRUE"));
    for (int i = 0; i < 9; ++i)
      QCOMPARE(essai.Marquee(i), i <= 5);
  }

  void lesTuilesSeDeplacentEtSeMarquent() {
    FenetreEssai essai(Mots);
    Ouvrir(essai);
    Depart &f = essai.Fenetre();
    f.Lettre_MouseDown(1);
    f.Lettre_DragDrop(4);
    QCOMPARE(essai.Lettres(), QStringLiteral("MISOANRUE"));
    f.Lettre_MouseDown(3);
    f.Lettre_DragDrop(3);
    QCOMPARE(essai.Lettres(), QStringLiteral("MISOANRUE"));

    f.Lettre_DblClick(4);
    QCOMPARE(essai.Texte(QStringLiteral("Message")),
             QStringLiteral("Cliquez sur Stop pour terminer"));
    for (int i = 0; i < 9; ++i)
      QCOMPARE(essai.Marquee(i), i <= 4);
    // Letters move, colours stay with the places.
    f.Lettre_MouseDown(8);
    f.Lettre_DragDrop(0);
    QCOMPARE(essai.Lettres(), QStringLiteral("EMISOANRU"));
    for (int i = 0; i < 9; ++i)
      QCOMPARE(essai.Marquee(i), i <= 4);
    f.Lettre_DblClick(0);
    for (int i = 0; i < 9; ++i)
      QVERIFY(!essai.Marquee(i));
    QCOMPARE(essai.Texte(QStringLiteral("Message")),
             QStringLiteral("Cliquez sur Stop pour terminer"));
  }

  void unGlisserEnCoursQuandLeJeuFinitNeDeplaceRien_data() {
    QTest::addColumn<bool>("expiration");
    QTest::newRow("arrêt") << false;
    QTest::newRow("temps écoulé") << true;
  }
  void unGlisserEnCoursQuandLeJeuFinitNeDeplaceRien() {
    QFETCH(bool, expiration);
    FenetreEssai essai(Mots);
    Ouvrir(essai);
    essai.Fenetre().Lettre_MouseDown(1);
    if (expiration) {
      essai.Tics(46);
    } else {
      essai.Fenetre().Lettre_DblClick(8);
      essai.Clic(QStringLiteral("Stop"));
    }
    essai.Fenetre().Lettre_DragDrop(4);
    QCOMPARE(essai.Lettres(), QStringLiteral("MAISONRUE"));
    // A press after the end starts no drag, and a double-click marks nothing.
    essai.Fenetre().Lettre_MouseDown(2);
    essai.Fenetre().Lettre_DragDrop(6);
    QCOMPARE(essai.Lettres(), QStringLiteral("MAISONRUE"));
    const bool marquee = essai.Marquee(0);
    essai.Fenetre().Lettre_DblClick(0);
    QCOMPARE(essai.Marquee(0), marquee);
  }

  void pendantLeTirageUnDoubleClicNeMarqueRien() {
    FenetreEssai essai(Mots);
    QVERIFY(essai.Charger());
    essai.Clic(QStringLiteral("NouvellePartie"));
    essai.Clic(QStringLiteral("NouveauJeu"));
    essai.Tirer(QStringLiteral("MAIS"));
    essai.Fenetre().Lettre_DblClick(2);
    QVERIFY(!essai.Marquee(2));
    QCOMPARE(essai.plateforme.sons.last(), 2);
    essai.Fenetre().Lettre_MouseDown(0);
    essai.Fenetre().Lettre_DragDrop(3);
    QCOMPARE(essai.Lettres().left(4), QStringLiteral("MAIS"));
  }

  void uneBaseEnPanneALaVerificationLeDitEtLaisseReessayer() {
    FenetreEssai essai(Mots);
    Ouvrir(essai);
    essai.Fenetre().Lettre_DblClick(5);
    essai.Clic(QStringLiteral("Stop"));
    // Another program damages the file under the running game.
    essai.base.Executer("ALTER TABLE DICO RENAME TO MOTS");
    essai.Clic(QStringLiteral("Verification"));
    QCOMPARE(essai.plateforme.boites.size(), 1);
    const auto boite = essai.plateforme.DerniereBoite();
    QCOMPARE(boite.icone, Plateforme::Icone::Arret);
    QCOMPARE(boite.texte, QStringLiteral("Le mot MAISON n'a pas pu être vérifié.\n\n"
                                         "Impossible de lire la base de jeu « %1/Vocadix.dat » : "
                                         "la table DICO n'existe pas.")
                              .arg(essai.Dossier()));
    QVERIFY(essai.Actif(QStringLiteral("Verification")));
    QCOMPARE(essai.Fenetre().Deroulement().ScorePartie(), 0);

    essai.base.Executer("ALTER TABLE MOTS RENAME TO DICO");
    essai.Clic(QStringLiteral("Verification"));
    QCOMPARE(essai.Fenetre().Deroulement().ScorePartie(), 6);
    QVERIFY(!essai.Actif(QStringLiteral("Verification")));
  }
};

QTEST_MAIN(TestFenetreManche)
#include "TestFenetreManche.moc"
