// After each round, the longest words its draw allowed, and at the end of a
// game its total against the best possible: shown beside the recap when the
// window is wide enough, in the rows' tooltips and descriptions always.

#include "rules/Revelation.h"
#include "tests/FenetreEssai.h"

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

} // namespace

class TestRevelation : public QObject {
  Q_OBJECT

private Q_SLOTS:
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
