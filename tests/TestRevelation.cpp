// After each round, the longest words its draw allowed, and at the end of a
// game its total against the best possible: shown beside the recap when the
// window is wide enough, in the rows' tooltips and descriptions always.

#include "rules/Revelation.h"
#include "tests/FenetreEssai.h"
#include "windows/FenetreDefinitions.h"

#include <QDialog>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// MAISONRUE allows MAISON and NOIRES, six letters each, and RUE.
const QStringList Mots = {"MAISON", "NOIRES", "RUE"};

QString Meilleurs(FenetreEssai &essai, int k) {
  return essai.Texte(QStringLiteral("RecapMeilleurs%1").arg(k));
}
QString Bulle(FenetreEssai &essai, const QString &nom) {
  return essai.Etiquette(nom)->toolTip();
}

// A Champion for opponent, and every word very common: it finds the longest,
// MAISON before NOIRES, whatever its seed.
void Opposer(FenetreEssai &essai) {
  essai.base.Executer("CREATE TABLE COMMUNS (NOM TEXT PRIMARY KEY, INDICE INTEGER) WITHOUT ROWID");
  essai.base.Executer("INSERT INTO COMMUNS SELECT NOM, 100 FROM DICO");
  QFile preferences(essai.Dossier() + QStringLiteral("/Preferences.ini"));
  QVERIFY(preferences.open(QIODevice::WriteOnly));
  preferences.write("temps=45\nadversaire=4\n");
}

} // namespace

class TestRevelation : public QObject {
  Q_OBJECT

  // No dictionary of definitions on the test's machine, whatever is installed.
  QTemporaryDir m_sansLittre;

private Q_SLOTS:
  void initTestCase() {
    qputenv("XDG_DATA_HOME", m_sansLittre.path().toUtf8());
    qputenv("XDG_DATA_DIRS", m_sansLittre.path().toUtf8());
  }

  // A draw whose longest word has one letter (A, O, Y) says so in the singular.
  void laLongueurSAccordeAuNombreDeLettres_data() {
    QTest::addColumn<QStringList>("plusLongs");
    QTest::addColumn<QString>("texte");
    QTest::newRow("une lettre") << QStringList{"A", "Y"}
                                << "Mots les plus longs possibles : 1 lettre.\nA, Y.";
    QTest::newRow("trois lettres")
        << QStringList{"RUE"} << "Mots les plus longs possibles : 3 lettres.\nRUE.";
  }
  void laLongueurSAccordeAuNombreDeLettres() {
    QFETCH(QStringList, plusLongs);
    QFETCH(QString, texte);
    QCOMPARE(Revelation::TexteComplet(plusLongs, QString()), texte);
  }

  void unJeuFiniReveleLesPlusLongs_data() {
    QTest::addColumn<QString>("fin");
    QTest::addColumn<QString>("court");
    QTest::addColumn<bool>("votreMot");
    QTest::newRow("mot vérifié parmi eux") << "trouve"
                                           << "6 : MAISON (votre mot), NOIRES" << true;
    QTest::newRow("mot refusé") << "refuse"
                                << "6 : MAISON, NOIRES" << false;
    QTest::newRow("temps dépassé") << "expire"
                                   << "6 : MAISON, NOIRES" << false;
    QTest::newRow("jeu quitté avant vérification") << "quitte"
                                                   << "6 : MAISON, NOIRES" << false;
  }
  void unJeuFiniReveleLesPlusLongs() {
    QFETCH(QString, fin);
    QFETCH(QString, court);
    QFETCH(bool, votreMot);
    FenetreEssai essai(Mots);
    QVERIFY(essai.ChargerEtMontrer());
    essai.Clic(QStringLiteral("NouvellePartie"));
    essai.Clic(QStringLiteral("NouveauJeu"));
    essai.Tirer(QStringLiteral("MAISONRUE"));
    // Nothing is revealed while the round goes on, nor while its box is open.
    QStringList pendantLesBoites;
    essai.plateforme.pendantBoite = [&](const PlateformeEssai::Boite &) {
      pendantLesBoites << Meilleurs(essai, 0);
    };
    if (fin == QLatin1String("expire")) {
      essai.Tics(46);
    } else {
      essai.Fenetre().Lettre_DblClick(fin == QLatin1String("trouve") ? 5 : 4);
      essai.Clic(QStringLiteral("Stop"));
      QVERIFY(Meilleurs(essai, 0).isEmpty());
      essai.Clic(fin == QLatin1String("quitte") ? QStringLiteral("NouveauJeu")
                                                : QStringLiteral("Verification"));
    }
    QCOMPARE(pendantLesBoites, fin == QLatin1String("quitte") ? QStringList{} : QStringList{""});
    QCOMPARE(Meilleurs(essai, 0), court);
    const QString complet = Bulle(essai, QStringLiteral("RecapTirages0"));
    QVERIFY2(complet.startsWith(QStringLiteral("Mots les plus longs possibles : 6 lettres.\n")),
             qPrintable(complet));
    QCOMPARE(complet.contains(QStringLiteral("Votre mot en fait partie !")), votreMot);
    for (const char *cellule : {"RecapSolutions0", "RecapPoints0", "RecapMeilleurs0"}) {
      QCOMPARE(Bulle(essai, QLatin1String(cellule)), complet);
      QCOMPARE(essai.Etiquette(QLatin1String(cellule))->accessibleDescription(), complet);
    }
    // The rows of the other rounds say nothing yet.
    QVERIFY(Meilleurs(essai, 1).isEmpty());
    QVERIFY(Bulle(essai, QStringLiteral("RecapTirages1")).isEmpty());
  }

  void unTirageSansMotLeDit() {
    FenetreEssai essai(Mots);
    QVERIFY(essai.ChargerEtMontrer());
    essai.Clic(QStringLiteral("NouvellePartie"));
    essai.Clic(QStringLiteral("NouveauJeu"));
    essai.Tirer(QStringLiteral("BCDFGHJKL"));
    essai.Clic(QStringLiteral("NouveauJeu"));
    QCOMPARE(Meilleurs(essai, 0), QStringLiteral("aucun mot"));
    QCOMPARE(Bulle(essai, QStringLiteral("RecapTirages0")),
             QStringLiteral("Aucun mot du dictionnaire ne s'écrit avec ce tirage."));
  }

  void unJeuQuittePendantLeTirageNeRevelePasDeMots() {
    FenetreEssai essai(Mots);
    QVERIFY(essai.ChargerEtMontrer());
    essai.Clic(QStringLiteral("NouvellePartie"));
    essai.Clic(QStringLiteral("NouveauJeu"));
    essai.Tirer(QStringLiteral("MAISON"));
    essai.Clic(QStringLiteral("NouveauJeu"));
    QVERIFY(Meilleurs(essai, 0).isEmpty());
    QVERIFY(Bulle(essai, QStringLiteral("RecapTirages0")).isEmpty());
  }

  void laFinDePartieCompareLeTotalAuMeilleurPossible() {
    FenetreEssai essai(Mots);
    QVERIFY(essai.ChargerEtMontrer());
    essai.Clic(QStringLiteral("NouvellePartie"));
    for (int jeu = 1; jeu <= 10; ++jeu) {
      // Three rounds found at six letters, the others stopped at four.
      essai.JouerJusquALArret(QStringLiteral("MAISONRUE"), jeu <= 3 ? 6 : 4);
      essai.Clic(QStringLiteral("Verification"));
    }
    const QString bilan = QStringLiteral("Votre total : 18 points\nMeilleur possible : 60 points");
    QCOMPARE(essai.Texte(QStringLiteral("BilanPartie")), bilan);
    QCOMPARE(Bulle(essai, QStringLiteral("Score")), bilan);
    QCOMPARE(essai.Etiquette(QStringLiteral("Score"))->accessibleDescription(), bilan);
    // A new game clears it with the recap.
    essai.Clic(QStringLiteral("NouvellePartie"));
    QVERIFY(essai.Texte(QStringLiteral("BilanPartie")).isEmpty());
    QVERIFY(Bulle(essai, QStringLiteral("Score")).isEmpty());
    for (int k = 0; k < 10; ++k) {
      QVERIFY(Meilleurs(essai, k).isEmpty());
      QVERIFY(Bulle(essai, QStringLiteral("RecapTirages%1").arg(k)).isEmpty());
    }
  }

  void uneFenetreEtroiteGardeLesMotsDansLesBulles() {
    FenetreEssai essai(Mots);
    essai.plateforme.largeurTwips = 12000;
    QVERIFY(essai.ChargerEtMontrer(800));
    QVERIFY(essai.Etiquette(QStringLiteral("RecapMeilleurs0"))->isHidden());
    QVERIFY(essai.Etiquette(QStringLiteral("TitreMeilleurs"))->isHidden());
    // What the layout shows is unchanged: the points column still ends in view.
    QVERIFY(essai.Etiquette(QStringLiteral("RecapPoints0"))->geometry().right() < 800);
    essai.Clic(QStringLiteral("NouvellePartie"));
    essai.JouerJusquALArret(QStringLiteral("MAISONRUE"), 6);
    essai.Clic(QStringLiteral("Verification"));
    QVERIFY(
        Bulle(essai, QStringLiteral("RecapSolutions0")).contains(QStringLiteral("MAISON, NOIRES")));
    // Widened again, the column shows what it missed.
    essai.Fenetre().resize(1280, 740);
    QVERIFY(!essai.Etiquette(QStringLiteral("RecapMeilleurs0"))->isHidden());
    QCOMPARE(Meilleurs(essai, 0), QStringLiteral("6 : MAISON (votre mot), NOIRES"));
  }

  // With an opponent, its word of each round goes beside the longest ones
  // once the round is over, however it ended, and into the row's tooltip and
  // description; its column is there only when the window has room for it.
  void lAdversaireJoueAChaqueJeuFini_data() {
    QTest::addColumn<QString>("fin");
    QTest::addColumn<int>("largeur");
    QTest::newRow("mot vérifié") << "trouve" << 1280;
    QTest::newRow("mot refusé") << "refuse" << 1280;
    QTest::newRow("temps dépassé") << "expire" << 1280;
    QTest::newRow("jeu quitté avant vérification") << "quitte" << 1280;
    QTest::newRow("fenêtre sans place pour sa colonne") << "trouve" << 1024;
  }
  void lAdversaireJoueAChaqueJeuFini() {
    QFETCH(QString, fin);
    QFETCH(int, largeur);
    FenetreEssai essai(Mots);
    Opposer(essai);
    QVERIFY(essai.ChargerEtMontrer(largeur));
    essai.Clic(QStringLiteral("NouvellePartie"));
    const bool colonne = largeur >= 1280;
    QCOMPARE(!essai.Etiquette(QStringLiteral("TitreAdversaire"))->isHidden(), colonne);
    QCOMPARE(!essai.Etiquette(QStringLiteral("RecapAdversaire0"))->isHidden(), colonne);
    QVERIFY(!essai.Etiquette(QStringLiteral("RecapMeilleurs0"))->isHidden());
    // Side by side, within the window.
    QLabel *meilleurs = essai.Etiquette(QStringLiteral("RecapMeilleurs0"));
    QLabel *adversaire = essai.Etiquette(QStringLiteral("RecapAdversaire0"));
    if (colonne) {
      QVERIFY(adversaire->geometry().left() > meilleurs->geometry().right());
      QVERIFY(adversaire->geometry().right() < largeur);
    }

    essai.Clic(QStringLiteral("NouveauJeu"));
    essai.Tirer(QStringLiteral("MAISONRUE"));
    QStringList pendantLesBoites;
    essai.plateforme.pendantBoite = [&](const PlateformeEssai::Boite &) {
      pendantLesBoites << essai.Texte(QStringLiteral("RecapAdversaire0"));
    };
    if (fin == QLatin1String("expire")) {
      essai.Tics(46);
    } else {
      essai.Fenetre().Lettre_DblClick(fin == QLatin1String("trouve") ? 5 : 4);
      essai.Clic(QStringLiteral("Stop"));
      QVERIFY(essai.Texte(QStringLiteral("RecapAdversaire0")).isEmpty());
      essai.Clic(fin == QLatin1String("quitte") ? QStringLiteral("NouveauJeu")
                                                : QStringLiteral("Verification"));
    }
    // Not before the verdict's box has gone, as the longest words.
    QVERIFY(!pendantLesBoites.contains(QStringLiteral("MAISON (6)")));
    QCOMPARE(essai.Texte(QStringLiteral("RecapAdversaire0")), QStringLiteral("MAISON (6)"));
    const QString complet = Bulle(essai, QStringLiteral("RecapTirages0"));
    QVERIFY2(complet.startsWith(QStringLiteral("Mots les plus longs possibles : 6 lettres.\n")),
             qPrintable(complet));
    QVERIFY2(
        complet.endsWith(QStringLiteral("\nL'adversaire (Champion) a joué MAISON : 6 points.")),
        qPrintable(complet));
    for (const char *cellule : {"RecapSolutions0", "RecapPoints0", "RecapAdversaire0"})
      QCOMPARE(essai.Etiquette(QLatin1String(cellule))->accessibleDescription(), complet);
    QVERIFY(essai.Texte(QStringLiteral("RecapAdversaire1")).isEmpty());
  }

  // At the end, both totals and who won, under the player's total against
  // the best possible; a game without an opponent says nothing of one.
  void laFinDePartieDitQuiAGagneContreLAdversaire() {
    FenetreEssai essai(Mots);
    Opposer(essai);
    QVERIFY(essai.ChargerEtMontrer(1280));
    essai.Clic(QStringLiteral("NouvellePartie"));
    essai.JouerJusquALArret(QStringLiteral("BCDFGHJKL"), 1);
    essai.Clic(QStringLiteral("Verification"));
    QCOMPARE(essai.Texte(QStringLiteral("RecapAdversaire0")), QStringLiteral("aucun mot"));
    for (int jeu = 2; jeu <= 10; ++jeu) {
      essai.JouerJusquALArret(QStringLiteral("MAISONRUE"), jeu <= 4 ? 6 : 4);
      essai.Clic(QStringLiteral("Verification"));
    }
    const QString bilan =
        QStringLiteral("Votre total : 18 points\nMeilleur possible : 54 points\n"
                       "Vous avez 18 points, l'adversaire (Champion) 54 points : il gagne.");
    QCOMPARE(essai.Texte(QStringLiteral("BilanPartie")), bilan);
    QCOMPARE(essai.Etiquette(QStringLiteral("Score"))->accessibleDescription(), bilan);
    // The score entry is the player's alone, for his own total.
    QVERIFY(essai.plateforme.dialogues.contains(QStringLiteral("Enregistre")));

    // Switched off, the next game has no opponent, and no column.
    QFile preferences(essai.Dossier() + QStringLiteral("/Preferences.ini"));
    essai.plateforme.pendantDialogue = [](QDialog &d) {
      d.findChild<QRadioButton *>(QStringLiteral("Adversaire0"))->setChecked(true);
      d.accept();
      return int(QDialog::Accepted);
    };
    essai.Clic(QStringLiteral("Reglages"));
    essai.plateforme.pendantDialogue = nullptr;
    QVERIFY(preferences.open(QIODevice::ReadOnly));
    QCOMPARE(preferences.readAll(), QByteArray("temps=45\nadversaire=0\n"));
    essai.Clic(QStringLiteral("NouvellePartie"));
    QVERIFY(essai.Etiquette(QStringLiteral("TitreAdversaire"))->isHidden());
    for (int jeu = 1; jeu <= 10; ++jeu) {
      essai.JouerJusquALArret(QStringLiteral("MAISONRUE"), 6);
      essai.Clic(QStringLiteral("Verification"));
    }
    QCOMPARE(essai.Texte(QStringLiteral("BilanPartie")),
             QStringLiteral("Votre total : 60 points\nMeilleur possible : 60 points"));
    QVERIFY(essai.Texte(QStringLiteral("RecapAdversaire0")).isEmpty());
  }

  // The revealed words with their accents, the player's own as he played
  // it; a click on one of them, Ctrl+D, Enter on the revealed cell or a
  // link of the band that stands for the hidden column opens the window of
  // definitions on the word meant.
  void lesMotsRevelesMenentALeurDefinition_data() {
    QTest::addColumn<QString>("geste");
    QTest::addColumn<QString>("montre");
    QTest::newRow("clic sur un mot révélé") << "clic NOIRES"
                                            << "NOIRES";
    QTest::newRow("clic sur le premier") << "clic MAISON"
                                         << "MAISON";
    QTest::newRow("clic sur votre mot") << "clic solution"
                                        << "MAISON";
    QTest::newRow("Ctrl+D") << "Ctrl+D"
                            << "MAISON";
    QTest::newRow("Entrée sur la cellule") << "Entrée"
                                           << "MAISON";
    QTest::newRow("lien du bandeau") << "bandeau"
                                     << "ANIMES";
  }
  void lesMotsRevelesMenentALeurDefinition() {
    QFETCH(QString, geste);
    QFETCH(QString, montre);
    FenetreEssai essai({"ANIMES", "MAISON", "NOIRES", "RUE"});
    essai.base.Executer("CREATE TABLE GRAPHIES (NOM TEXT PRIMARY KEY, GRAPHIE TEXT) WITHOUT ROWID");
    essai.base.Executer("INSERT INTO GRAPHIES VALUES ('ANIMES', 'ANIMÉS'), ('MAISON', 'MAÎSON')");
    const bool etroite = geste == QLatin1String("bandeau");
    if (etroite)
      essai.plateforme.largeurTwips = 12000;
    QVERIFY(essai.ChargerEtMontrer(etroite ? 800 : 1280));
    QStringList vus;
    essai.plateforme.pendantDialogue = [&vus](QDialog &dialogue) {
      if (auto *definitions = qobject_cast<FenetreDefinitions *>(&dialogue))
        vus << definitions->MotMontre();
      return int(QDialog::Rejected);
    };
    essai.Clic(QStringLiteral("NouvellePartie"));
    essai.JouerJusquALArret(QStringLiteral("MAISONRUE"), 6);
    essai.Clic(QStringLiteral("Verification"));
    QLabel *cellule = essai.Etiquette(QStringLiteral("RecapMeilleurs0"));
    QLabel *bandeau = essai.Etiquette(QStringLiteral("DerniersMots"));
    QCOMPARE(bandeau->isHidden(), !etroite);
    QVERIFY(Bulle(essai, QStringLiteral("RecapSolutions0"))
                .startsWith(QStringLiteral("Mots les plus longs possibles : 6 lettres.\nMAÎSON, "
                                           "ANIMÉS, NOIRES.")));
    QCOMPARE(essai.Texte(QStringLiteral("RecapSolutions0")), QStringLiteral("MAISON"));

    const auto cliquer = [](QLabel *label, const QString &mot) {
      const QString texte = label->text();
      const int x = label->contentsRect().left() +
                    label->fontMetrics().horizontalAdvance(texte.left(texte.indexOf(mot) + 1));
      QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(x, label->height() / 2));
    };
    if (geste == QLatin1String("clic NOIRES") || geste == QLatin1String("clic MAISON")) {
      QCOMPARE(cellule->text(), QStringLiteral("6 : MAÎSON (votre mot), ANIMÉS, NOIRES"));
      cliquer(cellule, geste == QLatin1String("clic NOIRES") ? QStringLiteral("NOIRES")
                                                             : QStringLiteral("MAÎSON"));
    } else if (geste == QLatin1String("clic solution")) {
      cliquer(essai.Etiquette(QStringLiteral("RecapSolutions0")), QStringLiteral("MAISON"));
    } else if (geste == QLatin1String("Ctrl+D")) {
      QTest::keyClick(&essai.Fenetre(), Qt::Key_D, Qt::ControlModifier);
    } else if (geste == QStringLiteral("Entrée")) {
      QCOMPARE(cellule->focusPolicy(), Qt::TabFocus);
      // Not yet revealed, the next row's cell takes no focus.
      QCOMPARE(essai.Etiquette(QStringLiteral("RecapMeilleurs1"))->focusPolicy(), Qt::NoFocus);
      cellule->setFocus();
      QTest::keyClick(cellule, Qt::Key_Return);
    } else {
      QVERIFY(bandeau->text().contains(QStringLiteral(">ANIMÉS</a>")));
      QVERIFY(bandeau->accessibleDescription().contains(QStringLiteral("ANIMÉS")));
      Q_EMIT bandeau->linkActivated(QStringLiteral("ANIMES"));
    }
    QCOMPARE(vus, QStringList{montre});
    QCOMPARE(essai.plateforme.dialogues.count(QStringLiteral("Definitions")), 1);
  }

  // During a round, Enter still stops it, whichever revealed cell has the
  // focus; nothing else opens.
  void entreePendantUnJeuArreteToujours() {
    FenetreEssai essai(Mots);
    QVERIFY(essai.ChargerEtMontrer(1280));
    essai.Clic(QStringLiteral("NouvellePartie"));
    essai.JouerJusquALArret(QStringLiteral("MAISONRUE"), 6);
    essai.Clic(QStringLiteral("Verification"));
    essai.Clic(QStringLiteral("NouveauJeu"));
    essai.Tirer(QStringLiteral("NOIRESMAU"));
    essai.Fenetre().Lettre_DblClick(5);
    QLabel *cellule = essai.Etiquette(QStringLiteral("RecapMeilleurs0"));
    cellule->setFocus();
    QVERIFY(essai.Actif(QStringLiteral("Stop")));
    QTest::keyClick(cellule, Qt::Key_Return);
    QVERIFY(!essai.Actif(QStringLiteral("Stop")));
    QVERIFY(essai.Actif(QStringLiteral("Verification")));
    QVERIFY(!essai.plateforme.dialogues.contains(QStringLiteral("Definitions")));
  }

  void lesMotsRevelesSontAcceptesParLaVerification() {
    FenetreEssai essai(Mots);
    QVERIFY(essai.ChargerEtMontrer());
    essai.Clic(QStringLiteral("NouvellePartie"));
    essai.JouerJusquALArret(QStringLiteral("NOIRESMAU"), 6);
    essai.Clic(QStringLiteral("Verification"));
    QCOMPARE(essai.plateforme.DerniereBoite().icone, Plateforme::Icone::Question);
    QCOMPARE(Meilleurs(essai, 0), QStringLiteral("6 : NOIRES (votre mot), MAISON"));
  }
};

QTEST_MAIN(TestRevelation)
#include "TestRevelation.moc"
