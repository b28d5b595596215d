// The best-word solver: the longest words a draw allows, checked against a
// plain scan of the game's own dictionary and on a small word list.

#include "rules/Solveur.h"
#include "tests/ParcoursNaif.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#ifndef VOCADIX_MOTS
#error "VOCADIX_MOTS: path of tools/dictionnaire/mots.txt"
#endif

class TestSolveur : public QObject {
  Q_OBJECT

  // Out of alphabetical order on purpose: the answer must be sorted, not
  // merely kept in list order.
  const QStringList m_petiteListe = {QStringLiteral("SERA"),   QStringLiteral("RASE"),
                                     QStringLiteral("BRAS"),   QStringLiteral("ARES"),
                                     QStringLiteral("ETE"),    QStringLiteral("TE"),
                                     QStringLiteral("BARRES"), QStringLiteral("A"),
                                     QStringLiteral("ARBRES"), QStringLiteral("ARBRE")};

private Q_SLOTS:
  void leSolveurTrouveCeQueTrouveUnParcoursDuDictionnaire() {
    QFile fichier(QStringLiteral(VOCADIX_MOTS));
    QVERIFY2(fichier.open(QIODevice::ReadOnly), qPrintable(fichier.fileName()));
    const QStringList mots =
        QString::fromLatin1(fichier.readAll()).split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(!mots.isEmpty());
    const Solveur solveur(mots);
    // The list is clean and without duplicates: every word is indexed.
    QCOMPARE(solveur.NombreMots(), mots.size());

    QRandomGenerator alea(20240611);
    for (int i = 0; i < 400; ++i) {
      const QString tirage = ParcoursNaif::TirerNeufLettres(alea);
      const QStringList attendus = ParcoursNaif::PlusLongs(mots, tirage);
      QVERIFY2(solveur.PlusLongs(tirage) == attendus,
               qPrintable(tirage + QStringLiteral(" : ") + attendus.join(u' ')));
      // Every word of every length, on a quarter of the draws.
      if (i % 4 == 0) {
        const Solveur::ParLongueur tous = solveur.Tous(tirage);
        const auto attendusParLongueur = ParcoursNaif::Tous(mots, tirage);
        for (std::size_t n = 0; n < tous.size(); ++n)
          QVERIFY2(tous[n] == attendusParLongueur[n],
                   qPrintable(tirage + QStringLiteral(", %1 lettres : ").arg(n) +
                              attendusParLongueur[n].join(u' ')));
      }
    }
  }

  void leSolveurDonneTousLesMotsParLongueur() {
    const Solveur solveur(m_petiteListe);
    const Solveur::ParLongueur tous = solveur.Tous(QStringLiteral("sabrert"));
    QCOMPARE(tous[6], (QStringList{"ARBRES", "BARRES"}));
    QCOMPARE(tous[5], QStringList{"ARBRE"});
    QCOMPARE(tous[4], (QStringList{"ARES", "BRAS", "RASE", "SERA"}));
    QVERIFY(tous[3].isEmpty());
    QCOMPARE(tous[2], QStringList{"TE"});
    QCOMPARE(tous[1], QStringList{"A"});
    QVERIFY(tous[0].isEmpty() && tous[7].isEmpty());
    // Each letter at most as often as drawn: one E, so no ETE.
    QVERIFY(solveur.Tous(QStringLiteral("KWXYZ"))[1].isEmpty());
  }

  void leSolveurTrouveLesPlusLongs_data() {
    QTest::addColumn<QString>("tirage");
    QTest::addColumn<QStringList>("attendus");
    QTest::newRow("aucun mot possible") << QStringLiteral("KWXYZ") << QStringList{};
    QTest::newRow("tirage vide") << QString() << QStringList{};
    QTest::newRow("un E ne suffit pas à ETE") << QStringLiteral("ETZ") << QStringList{u"TE"_qs};
    QTest::newRow("deux E donnent ETE") << QStringLiteral("ETEZ") << QStringList{u"ETE"_qs};
    QTest::newRow("une seule lettre") << QStringLiteral("ZAK") << QStringList{u"A"_qs};
    QTest::newRow("ex aequo des mêmes lettres")
        << QStringLiteral("SEAR") << QStringList{u"ARES"_qs, u"RASE"_qs, u"SERA"_qs};
    QTest::newRow("ex aequo de lettres différentes")
        << QStringLiteral("BASER") << QStringList{u"ARES"_qs, u"BRAS"_qs, u"RASE"_qs, u"SERA"_qs};
    QTest::newRow("neuf lettres") << QStringLiteral("ZRBXRSAEY")
                                  << QStringList{u"ARBRES"_qs, u"BARRES"_qs};
    QTest::newRow("minuscules") << QStringLiteral("ezEt") << QStringList{u"ETE"_qs};
    QTest::newRow("autres signes sautés") << QStringLiteral("E-t é1E\n") << QStringList{u"ETE"_qs};
    QTest::newRow("lettres après la neuvième ignorées")
        << QStringLiteral("ZZZZZZ-ZTEE") << QStringList{u"TE"_qs};
  }
  void leSolveurTrouveLesPlusLongs() {
    QFETCH(QString, tirage);
    QFETCH(QStringList, attendus);
    QCOMPARE(Solveur(m_petiteListe).PlusLongs(tirage), attendus);
  }

  void leSolveurNeGardeQueLesMotsBienFormesUneFoisChacun() {
    const Solveur solveur({QStringLiteral("TE"), QStringLiteral("ete"), QStringLiteral("ETE "),
                           QStringLiteral("ÉTÉ"), QStringLiteral("E-TE"), QString(),
                           QStringLiteral("TETETETETE"), QStringLiteral("TE"),
                           QStringLiteral("ETETETETE")});
    QCOMPARE(solveur.NombreMots(), 2);
    QCOMPARE(solveur.PlusLongs(u"EETE"), QStringList{u"TE"_qs});
    QCOMPARE(solveur.PlusLongs(u"ETETETETET"), QStringList{u"ETETETETE"_qs});
  }

  // How common each word is travels with it: anagrams share a letter set but
  // not their values, a duplicate keeps the greatest, and words outside the
  // index or out of range read safely.
  void leSolveurGardeCeQueChaqueMotADeCommun() {
    Solveur::Preparation preparation;
    preparation.Ajouter(u"RASE", 12);
    preparation.Ajouter(u"SERA", 90);
    preparation.Ajouter(u"ARES");
    preparation.Ajouter(u"SERA", 40);
    preparation.Ajouter(u"ARBRE", 250);
    // Noted afterwards, alongside a list in the same order: a word not added
    // (ABRI) and one out of order (ARBRE again) are passed over.
    Solveur::Preparation notee;
    for (const char16_t *mot : {u"ARBRE", u"ARES", u"RASE", u"SERA"})
      notee.Ajouter(mot);
    notee.Noter(u"ABRI", 50);
    notee.Noter(u"ARES", 7);
    notee.Noter(u"SERA", 61);
    notee.Noter(u"ARBRE", 33);
    const Solveur apresCoup(std::move(notee));
    QCOMPARE(apresCoup.Commun(u"ARES"), quint8(7));
    QCOMPARE(apresCoup.Commun(u"SERA"), quint8(61));
    QCOMPARE(apresCoup.Commun(u"RASE"), quint8(0));
    QCOMPARE(apresCoup.Commun(u"ARBRE"), quint8(0));
    QCOMPARE(apresCoup.Commun(u"ABRI"), quint8(0));

    const Solveur solveur(std::move(preparation));
    QCOMPARE(solveur.NombreMots(), 4);
    QCOMPARE(solveur.Commun(u"RASE"), quint8(12));
    QCOMPARE(solveur.Commun(u"SERA"), quint8(90));
    QCOMPARE(solveur.Commun(u"ARES"), quint8(0));
    QCOMPARE(solveur.Commun(u"ARBRE"), quint8(Commun::Max));
    QCOMPARE(solveur.Commun(u"EARS"), quint8(0));
    QCOMPARE(solveur.Commun(u"ZZZ"), quint8(0));
    QCOMPARE(solveur.Commun(u"sera"), quint8(0));
    QCOMPARE(solveur.Commun(u""), quint8(0));
  }

  void unSolveurSansMotsNeTrouveRien() {
    const Solveur solveur(QStringList{});
    QCOMPARE(solveur.NombreMots(), 0);
    QCOMPARE(solveur.PlusLongs(u"ABCDEFGHI"), QStringList{});
  }
};

QTEST_GUILESS_MAIN(TestSolveur)
#include "TestSolveur.moc"
