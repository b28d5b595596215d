// The countdown's dial: 45 dots clockwise from just right of 12 o'clock, the
// count shown from 45 down to 1, then the expiry.

#include "rules/Cadran.h"

#include <QTest>
#include <cmath>

class TestCadran : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void lesPointsFontLeTourDuCadran() {
    Cadran cadran;
    cadran.Demarrer(6360);
    QCOMPARE(cadran.CentreX, 3180.0);
    QCOMPARE(cadran.CentreY, 6400.0);
    QCOMPARE(cadran.DemiCote(), 1250.0);
    for (int tic = 1; tic <= 45; ++tic) {
      QVERIFY(!cadran.Expire());
      QCOMPARE(cadran.Decompte, 46 - tic);
      const Cadran::Point point = cadran.PointSuivant();
      const double angle = 8.0 * tic * M_PI / 180;
      // The dial's pi is 3.1416: the dots stray from the true circle by
      // less than a hundredth of a twip.
      QVERIFY(std::abs(point.x - (3180 + 1000 * std::sin(angle))) < 0.05);
      QVERIFY(std::abs(point.y - (6400 - 1000 * std::cos(angle))) < 0.05);
      QCOMPARE(point.rayon, 50.0f);
      cadran.Avancer();
    }
    QVERIFY(cadran.Expire());
    QCOMPARE(cadran.AngleChrono, 368);
  }

  void lePremierPointEstJusteADroiteDeMidiEtLeDernierEnHaut() {
    Cadran cadran;
    cadran.Demarrer(6360);
    const Cadran::Point premier = cadran.PointSuivant();
    QVERIFY(premier.x > 3180 + 130 && premier.x < 3180 + 145); // sin 8° ≈ 0.139
    QVERIFY(premier.y < 6400 - 985);
    for (int tic = 1; tic < 45; ++tic)
      cadran.Avancer();
    const Cadran::Point dernier = cadran.PointSuivant();
    QCOMPARE(cadran.Decompte, 1);
    // 360° with the dial's pi lands a hundredth of a twip past the top.
    QVERIFY(std::abs(dernier.x - 3180) < 0.05);
    QVERIFY(std::abs(dernier.y - 5400) < 0.01);
  }

  void unNouveauDepartRepartDeQuaranteCinq() {
    Cadran cadran;
    cadran.Demarrer(6360);
    for (int tic = 0; tic < 20; ++tic)
      cadran.Avancer();
    cadran.Demarrer(6360);
    QCOMPARE(cadran.Decompte, 45);
    QCOMPARE(cadran.AngleChrono, 8);
  }
};

QTEST_GUILESS_MAIN(TestCadran)
#include "TestCadran.moc"
