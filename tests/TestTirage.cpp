// The letter draw: weighted pools that behave as bags refilled every round.

#include "rules/Tirage.h"

#include <QRandomGenerator>
#include <QTest>

using Sorte = Tirage::Sorte;

namespace {
// A scripted generator: the numbers given, in order.
std::function<double()> Suite(QList<double> nombres) {
  return [nombres]() mutable { return nombres.takeFirst(); };
}
} // namespace

class TestTirage : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void laPositionTireeDonneSaLettre_data() {
    QTest::addColumn<bool>("consonne");
    QTest::addColumn<double>("aleatoire");
    QTest::addColumn<int>("position");
    QTest::addColumn<QChar>("lettre");
    QTest::newRow("première consonne") << true << 0.0 << 1 << QChar(u'B');
    QTest::newRow("dernière consonne") << true << 0.99999 << 72 << QChar(u'Z');
    QTest::newRow("J seul") << true << 24.5 / 72 << 25 << QChar(u'J');
    QTest::newRow("Q seul") << true << 46.2 / 72 << 47 << QChar(u'Q');
    QTest::newRow("première voyelle") << false << 0.0 << 1 << QChar(u'A');
    QTest::newRow("dernière voyelle") << false << 0.99999 << 40 << QChar(u'Y');
    QTest::newRow("dernier E") << false << 20.9 / 40 << 21 << QChar(u'E');
    QTest::newRow("premier I") << false << 21.0 / 40 << 22 << QChar(u'I');
  }
  void laPositionTireeDonneSaLettre() {
    QFETCH(bool, consonne);
    QFETCH(double, aleatoire);
    QFETCH(int, position);
    QFETCH(QChar, lettre);
    Tirage tirage;
    QCOMPARE(tirage.Tirer(consonne ? Sorte::Consonne : Sorte::Voyelle, Suite({aleatoire})), lettre);
    const auto &positions = consonne ? tirage.PositionsConsonnes() : tirage.PositionsVoyelles();
    QCOMPARE(positions[0], position);
    QCOMPARE(positions[1], 0);
  }

  void unePositionDejaTireeEstTireeDeNouveau() {
    Tirage tirage;
    const double y = 39.5 / 40, a = 0.1 / 40;
    QCOMPARE(tirage.Tirer(Sorte::Voyelle, Suite({y})), QChar(u'Y'));
    // Y again, Y again, then the first A.
    QCOMPARE(tirage.Tirer(Sorte::Voyelle, Suite({y, y, a})), QChar(u'A'));
    QCOMPARE(tirage.Tirer(Sorte::Voyelle, Suite({a, y, 1.5 / 40})), QChar(u'A'));
    QCOMPARE(tirage.PositionsVoyelles()[0], 40);
    QCOMPARE(tirage.PositionsVoyelles()[1], 1);
    QCOMPARE(tirage.PositionsVoyelles()[2], 2);
  }

  void lesDeuxSacsSontIndependants() {
    Tirage tirage;
    const double neuf = 8.5 / 72, neufVoyelle = 8.5 / 40;
    QCOMPARE(tirage.Tirer(Sorte::Voyelle, Suite({neufVoyelle})), QChar(u'E'));
    QCOMPARE(tirage.Tirer(Sorte::Consonne, Suite({neuf})), QChar(u'D'));
    QCOMPARE(tirage.PositionsConsonnes()[0], 9);
    QCOMPARE(tirage.PositionsVoyelles()[0], 9);
  }

  void chaqueJeuRepartDeSacsPleins() {
    Tirage tirage;
    const double j = 24.5 / 72;
    QCOMPARE(tirage.Tirer(Sorte::Consonne, Suite({j})), QChar(u'J'));
    tirage.NouveauJeu();
    QCOMPARE(tirage.PositionsConsonnes(), Tirage::Positions{});
    QCOMPARE(tirage.Tirer(Sorte::Consonne, Suite({j})), QChar(u'J'));
  }

  void uneLettreNeSortPasPlusSouventQuElleNeFigureDansSonSac_data() {
    QTest::addColumn<bool>("consonne");
    QTest::newRow("neuf consonnes") << true;
    QTest::newRow("neuf voyelles") << false;
  }
  void uneLettreNeSortPasPlusSouventQuElleNeFigureDansSonSac() {
    QFETCH(bool, consonne);
    const QByteArray sac = consonne ? Tirage::ListeConsonnes : Tirage::ListeVoyelles;
    QCOMPARE(sac.size(), consonne ? Tirage::LongueurConsonnes : Tirage::LongueurVoyelles);
    QRandomGenerator hasard(2026);
    const auto aleatoire = [&hasard] { return hasard.generateDouble(); };
    QHash<QChar, int> maximum;
    for (int jeu = 0; jeu < 3000; ++jeu) {
      Tirage tirage;
      QHash<QChar, int> compte;
      for (int i = 0; i < 9; ++i)
        ++compte[tirage.Tirer(consonne ? Sorte::Consonne : Sorte::Voyelle, aleatoire)];
      for (auto it = compte.cbegin(); it != compte.cend(); ++it) {
        QVERIFY2(it.value() <= sac.count(it.key().toLatin1()), qPrintable(QString(it.key())));
        maximum[it.key()] = qMax(maximum.value(it.key()), it.value());
      }
    }
    // Over that many rounds the bag is seen to its bottom for some letters.
    if (consonne) {
      QCOMPARE(maximum.value(u'J'), 1);
      QVERIFY(maximum.value(u'B') >= 3);
    } else {
      QCOMPARE(maximum.value(u'Y'), 1);
      QVERIFY(maximum.value(u'E') >= 6);
    }
  }
};

QTEST_GUILESS_MAIN(TestTirage)
#include "TestTirage.moc"
