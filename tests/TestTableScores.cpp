// The top-ten decision, on a real table: appended below ten, the lowest
// replaced in place by a better total, equal and lower totals refused.

#include "data/MoteurBase.h"
#include "data/TableScores.h"
#include "data/VueDonnees.h"
#include "tests/BaseEssai.h"

#include <QTest>

using Issue = TableScores::Issue;
Q_DECLARE_METATYPE(Issue)

namespace {
QList<BaseEssai::Score> Table(const QList<int> &scores) {
  QList<BaseEssai::Score> table;
  for (int i = 0; i < scores.size(); ++i)
    table.append({QStringLiteral("J%1").arg(i), scores.at(i),
                  QStringLiteral("2026-01-%1").arg(i + 1, 2, 10, QLatin1Char('0'))});
  return table;
}
} // namespace

class TestTableScores : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void unTotalEntreOuNonDansLaTable_data() {
    QTest::addColumn<QList<int>>("avant");
    QTest::addColumn<int>("total");
    QTest::addColumn<Issue>("issue");
    QTest::addColumn<int>("ligneEcrite"); // rowid order; -1 for none
    const QList<int> dix = {40, 12, 63, 25, 12, 70, 33, 51, 18, 29};
    QTest::newRow("table vide, zéro") << QList<int>{} << 0 << Issue::Ajoutee << 0;
    QTest::newRow("neuf, plus bas que tout") << dix.mid(0, 9) << 1 << Issue::Ajoutee << 9;
    QTest::newRow("dix, meilleur") << dix << 13 << Issue::Remplacee << 1;
    QTest::newRow("dix, égal au plus bas") << dix << 12 << Issue::Egale << -1;
    QTest::newRow("dix, plus bas") << dix << 5 << Issue::Inferieure << -1;
    QTest::newRow("onze") << (dix + QList<int>{2}) << 90 << Issue::Ignoree << -1;
  }
  void unTotalEntreOuNonDansLaTable() {
    QFETCH(QList<int>, avant);
    QFETCH(int, total);
    QFETCH(Issue, issue);
    QFETCH(int, ligneEcrite);
    BaseEssai essai({}, Table(avant));
    auto moteur = MoteurBase::OuvrirBase(essai.Fichier(), false, false, BaseEssai::Connexion);
    VueDonnees Data;
    const QString nom = QStringLiteral("ZOÉ L'AS");
    QCOMPARE(TableScores::Proposer(Data, essai.Fichier(), nom, total, QDate(2026, 12, 9)), issue);

    auto attendu = Table(avant);
    QList<QVariantList> lignes;
    for (const auto &s : attendu)
      lignes.append({s.nom, qlonglong(s.score.toInt()), s.date});
    const QVariantList nouvelle = {nom, qlonglong(total), QStringLiteral("2026-12-09")};
    if (ligneEcrite == lignes.size())
      lignes.append(nouvelle);
    else if (ligneEcrite >= 0)
      lignes[ligneEcrite] = nouvelle;
    const auto apres = essai.Scores();
    if (issue == Issue::Remplacee) {
      // Two games share the lowest score: either may be the first the
      // ascending order gives, and only that one is overwritten.
      QCOMPARE(apres.size(), 10);
      QCOMPARE(apres.count(nouvelle), 1);
      const int remplacee = int(apres.indexOf(nouvelle));
      QVERIFY(remplacee == 1 || remplacee == 4);
      lignes[1] = apres.at(1);
      lignes[4] = apres.at(4);
      QCOMPARE(apres.at(remplacee == 1 ? 4 : 1).at(1).toInt(), 12);
    }
    QCOMPARE(apres, lignes);
  }

  void laTableNeDepassePasDixJeuxApresBeaucoupDeParties() {
    BaseEssai essai;
    auto moteur = MoteurBase::OuvrirBase(essai.Fichier(), false, false, BaseEssai::Connexion);
    VueDonnees Data;
    for (int partie = 0; partie < 40; ++partie)
      TableScores::Proposer(Data, essai.Fichier(), QStringLiteral("P%1").arg(partie),
                            (partie * 37) % 91, QDate(2026, 12, 9));
    const auto lignes = essai.Scores();
    QCOMPARE(lignes.size(), 10);
    // The ten kept are the ten best totals offered.
    QList<int> gardes, offerts;
    for (const auto &l : lignes)
      gardes << l.at(1).toInt();
    for (int partie = 0; partie < 40; ++partie)
      offerts << (partie * 37) % 91;
    std::sort(gardes.begin(), gardes.end());
    std::sort(offerts.begin(), offerts.end());
    QCOMPARE(gardes, offerts.mid(30));
  }
};

QTEST_GUILESS_MAIN(TestTableScores)
#include "TestTableScores.moc"
