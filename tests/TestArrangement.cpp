// The player's moves on the tiles: a drag inserts, a double-click marks the
// word from the first tile, or cuts it.

#include "letters/Arrangement.h"

#include <QTest>

using Marques = Arrangement::Marques;

namespace {
Marques Jusqua(int m) {
  Marques marques{};
  for (int i = 0; i <= m; ++i)
    marques[i] = true;
  return marques;
}
} // namespace

class TestArrangement : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void unGlisserInsereLaLettre_data() {
    QTest::addColumn<int>("origine");
    QTest::addColumn<int>("cible");
    QTest::addColumn<QString>("resultat");
    QTest::newRow("1 sur 4") << 1 << 4 << "ACDEBFGHI";
    QTest::newRow("4 sur 1") << 4 << 1 << "AEBCDFGHI";
    QTest::newRow("0 sur 8") << 0 << 8 << "BCDEFGHIA";
    QTest::newRow("8 sur 0") << 8 << 0 << "IABCDEFGH";
    QTest::newRow("sur elle-même") << 5 << 5 << "ABCDEFGHI";
    QTest::newRow("voisines") << 3 << 4 << "ABCEDFGHI";
  }
  void unGlisserInsereLaLettre() {
    QFETCH(int, origine);
    QFETCH(int, cible);
    QFETCH(QString, resultat);
    QStringList lettres = QStringLiteral("ABCDEFGHI").split(QString(), Qt::SkipEmptyParts);
    Arrangement::Deplacer(lettres, origine, cible);
    QCOMPARE(lettres.join(QString()), resultat);
  }

  void unDoubleClicMarqueOuCoupeLeMot_data() {
    QTest::addColumn<int>("avant"); // last marked tile, -1 for none
    QTest::addColumn<int>("clic");
    QTest::addColumn<int>("apres");
    QTest::newRow("premier mot") << -1 << 4 << 4;
    QTest::newRow("tout") << -1 << 8 << 8;
    QTest::newRow("une lettre") << -1 << 0 << 0;
    QTest::newRow("prolongé") << 2 << 6 << 6;
    QTest::newRow("coupé") << 6 << 3 << 2;
    QTest::newRow("dernière retirée") << 6 << 6 << 5;
    QTest::newRow("plus rien") << 8 << 0 << -1;
  }
  void unDoubleClicMarqueOuCoupeLeMot() {
    QFETCH(int, avant);
    QFETCH(int, clic);
    QFETCH(int, apres);
    Marques marques = Jusqua(avant);
    Arrangement::Basculer(marques, clic);
    QCOMPARE(marques, Jusqua(apres));
  }
};

QTEST_GUILESS_MAIN(TestArrangement)
#include "TestArrangement.moc"
