// The rounds of a game as data: the draw onto the tiles, the moves and marks
// and when they are allowed, the word of the stop, the results of the recap.

#include "rules/Manche.h"

#include <QTest>

using Sorte = Tirage::Sorte;

namespace {

// Draws `lettres` onto the tiles of a new round, each from its own pool, by
// picking the pool position of its next occurrence.
void Tirer(Manche &manche, const QString &lettres) {
  QHash<QChar, int> dejaTirees;
  for (const QChar lettre : lettres) {
    const QByteArray consonnes = Tirage::ListeConsonnes;
    const bool consonne = consonnes.contains(char(lettre.unicode()));
    const QByteArray sac = consonne ? consonnes : QByteArray(Tirage::ListeVoyelles);
    const int position = int(sac.indexOf(char(lettre.unicode()))) + dejaTirees[lettre]++;
    const double alea = (position + 0.5) / sac.size();
    QCOMPARE(manche.Tirer(consonne ? Sorte::Consonne : Sorte::Voyelle, [alea] { return alea; }),
             lettre);
    if (manche.SuiteTirage())
      manche.OuvrirArrangement();
  }
}

// A round drawn and open to the player's moves.
Manche Ouverte(const QString &lettres = QStringLiteral("ABCDEFGHI")) {
  Manche manche;
  manche.NouvellePartie();
  manche.NouveauJeu();
  Tirer(manche, lettres);
  return manche;
}

QString Marques(const Manche &manche) {
  QString marques;
  for (int i = 0; i < Manche::NombreTuiles; ++i)
    marques += manche.Marquee(i) ? u'x' : u'.';
  return marques;
}

} // namespace

class TestManche : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void leTirageRemplitLesTuilesDansLOrdre() {
    Manche manche;
    manche.NouvellePartie();
    manche.NouveauJeu();
    QCOMPARE(manche.NumeroJeu(), 1);
    Tirer(manche, QStringLiteral("RSAENTLI"));
    QCOMPARE(manche.NumeroLettre(), 8);
    QCOMPARE(manche.Lettres(), QStringLiteral("RSAENTLI"));
    QVERIFY(manche.Lettre(8).isNull());
    QVERIFY(!manche.DeplacementAutorise());
    QVERIFY(!manche.MarquageAutorise());
    QVERIFY(manche.ResultatJeu(0).tirage.isEmpty());
    // The ninth letter closes the draw: the recap gets it as drawn.
    Tirer(manche, QStringLiteral("O"));
    QCOMPARE(manche.NumeroLettre(), 8);
    QVERIFY(manche.DeplacementAutorise());
    QVERIFY(manche.MarquageAutorise());
    QCOMPARE(manche.ResultatJeu(0).tirage, QStringLiteral("RSAENTLIO"));
    QVERIFY(manche.Deplacer(0, 8));
    QCOMPARE(manche.ResultatJeu(0).tirage, QStringLiteral("RSAENTLIO"));
  }

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
    QTest::newRow("hors des tuiles") << 9 << 0 << "ABCDEFGHI";
    QTest::newRow("négative") << -1 << 3 << "ABCDEFGHI";
  }
  void unGlisserInsereLaLettre() {
    QFETCH(int, origine);
    QFETCH(int, cible);
    QFETCH(QString, resultat);
    Manche manche = Ouverte();
    manche.Basculer(2);
    QCOMPARE(manche.Deplacer(origine, cible), resultat != QLatin1String("ABCDEFGHI"));
    QCOMPARE(manche.Lettres(), resultat);
    // Colours stay with the positions: the marks do not move with a letter.
    QCOMPARE(Marques(manche), QStringLiteral("xxx......"));
  }

  void unDoubleClicMarqueOuCoupeLeMot_data() {
    QTest::addColumn<int>("avant"); // last marked tile, -1 for none
    QTest::addColumn<int>("clic");
    QTest::addColumn<QString>("apres");
    QTest::newRow("premier mot") << -1 << 4 << "xxxxx....";
    QTest::newRow("tout") << -1 << 8 << "xxxxxxxxx";
    QTest::newRow("une lettre") << -1 << 0 << "x........";
    QTest::newRow("prolongé") << 2 << 6 << "xxxxxxx..";
    QTest::newRow("coupé") << 6 << 3 << "xxx......";
    QTest::newRow("dernière retirée") << 6 << 6 << "xxxxxx...";
    QTest::newRow("plus rien") << 8 << 0 << ".........";
  }
  void unDoubleClicMarqueOuCoupeLeMot() {
    QFETCH(int, avant);
    QFETCH(int, clic);
    QFETCH(QString, apres);
    Manche manche = Ouverte();
    if (avant >= 0)
      manche.Basculer(avant);
    QVERIFY(manche.Basculer(clic));
    QCOMPARE(Marques(manche), apres);
  }

  void leMotEstCeluiDesTuilesMarquees() {
    Manche manche = Ouverte(QStringLiteral("RUEMAISON"));
    manche.Deplacer(0, 8); // UEMAISONR
    manche.Deplacer(0, 8); // EMAISONRU
    manche.Deplacer(0, 8); // MAISONRUE
    QCOMPARE(manche.Lettres(), QStringLiteral("MAISONRUE"));
    QCOMPARE(manche.NombreMarquees(), 0);
    manche.Basculer(5);
    QCOMPARE(manche.MotMarque(), QStringLiteral("MAISON"));
    manche.InterdireMarquage();
    manche.InterdireDeplacement();
    manche.Arreter();
    QCOMPARE(manche.Mot(), QStringLiteral("MAISON"));
    QCOMPARE(manche.ResultatJeu(0).mot, QStringLiteral("MAISON"));
    QVERIFY(!manche.ResultatJeu(0).points);
  }

  void rienNeBougeNiNeSeMarqueHorsDeLArrangement_data() {
    QTest::addColumn<bool>("deplacement");
    QTest::addColumn<bool>("marquage");
    QTest::newRow("arrêt en cours : plus rien") << false << false;
    QTest::newRow("marques figées seules") << true << false;
    QTest::newRow("lettres figées seules") << false << true;
  }
  void rienNeBougeNiNeSeMarqueHorsDeLArrangement() {
    QFETCH(bool, deplacement);
    QFETCH(bool, marquage);
    Manche manche = Ouverte();
    manche.Basculer(3);
    if (!deplacement)
      manche.InterdireDeplacement();
    if (!marquage)
      manche.InterdireMarquage();
    QCOMPARE(manche.Deplacer(0, 8), deplacement);
    QCOMPARE(manche.Basculer(7), marquage);
    QCOMPARE(manche.Lettres(),
             deplacement ? QStringLiteral("BCDEFGHIA") : QStringLiteral("ABCDEFGHI"));
    QCOMPARE(Marques(manche), marquage ? QStringLiteral("xxxxxxxx.") : QStringLiteral("xxxx....."));
  }

  // Typing the word: each letter fetches the first free tile bearing it and
  // marks the word through it; Backspace and Escape take letters off.
  void leMotSeTapeAuClavier_data() {
    QTest::addColumn<QString>("tirage");
    QTest::addColumn<QString>("touches"); // < is Backspace, # is Escape
    QTest::addColumn<QString>("lettres");
    QTest::addColumn<QString>("mot");
    QTest::newRow("un mot") << "RUEMAISON"
                            << "MAISON"
                            << "MAISONRUE"
                            << "MAISON";
    QTest::newRow("lettres répétées") << "ESSENTIEL"
                                      << "SEL"
                                      << "SELSENTIE"
                                      << "SEL";
    QTest::newRow("la seconde occurrence") << "ESSENTIEL"
                                           << "EES"
                                           << "EESSNTIEL"
                                           << "EES";
    QTest::newRow("lettre absente") << "MAISONRUE"
                                    << "MAX"
                                    << "MAISONRUE"
                                    << "MA";
    QTest::newRow("lettre déjà prise") << "MAISONRUE"
                                       << "MAM"
                                       << "MAISONRUE"
                                       << "MA";
    QTest::newRow("accents et minuscules") << "ECRIERENT"
                                           << "écrié"
                                           << "ECRIERENT"
                                           << "ECRIE";
    QTest::newRow("cédille") << "LACERAIST"
                             << "ça"
                             << "CALERAIST"
                             << "CA";
    QTest::newRow("retour arrière") << "MAISONRUE"
                                    << "MAIS<<"
                                    << "MAISONRUE"
                                    << "MA";
    QTest::newRow("retour arrière puis autre lettre") << "MAISONRUE"
                                                      << "MAIS<O"
                                                      << "MAIOSNRUE"
                                                      << "MAIO";
    QTest::newRow("échap vide le mot") << "MAISONRUE"
                                       << "MAIS#"
                                       << "MAISONRUE"
                                       << "";
    QTest::newRow("retour arrière sur un mot vide") << "MAISONRUE"
                                                    << "<<M"
                                                    << "MAISONRUE"
                                                    << "M";
    QTest::newRow("ni chiffre ni ponctuation") << "MAISONRUE"
                                               << "M1-A"
                                               << "MAISONRUE"
                                               << "MA";
  }
  void leMotSeTapeAuClavier() {
    QFETCH(QString, tirage);
    QFETCH(QString, touches);
    QFETCH(QString, lettres);
    QFETCH(QString, mot);
    Manche manche = Ouverte(tirage);
    for (const QChar touche : touches)
      if (touche == u'<')
        manche.Effacer();
      else if (touche == u'#')
        manche.Vider();
      else
        manche.Taper(touche);
    QCOMPARE(manche.Lettres(), lettres);
    QCOMPARE(manche.MotMarque(), mot);
    QCOMPARE(Marques(manche), QString(mot.size(), u'x') + QString(9 - mot.size(), u'.'));
  }

  void leMotTapeSAjouteAuMotMarqueALaSouris() {
    Manche manche = Ouverte(QStringLiteral("RUEMAISON"));
    manche.Basculer(1); // R U marked
    QVERIFY(manche.Taper(u'E'));
    QCOMPARE(manche.MotMarque(), QStringLiteral("RUE"));
    QVERIFY(!manche.Taper(u'R')); // the only R is in the word already
  }

  void horsDeLArrangementLeClavierNeFaitRien_data() {
    QTest::addColumn<bool>("deplacement");
    QTest::addColumn<bool>("marquage");
    QTest::newRow("arrêt en cours") << false << false;
    QTest::newRow("marques figées") << true << false;
    QTest::newRow("lettres figées") << false << true;
  }
  void horsDeLArrangementLeClavierNeFaitRien() {
    QFETCH(bool, deplacement);
    QFETCH(bool, marquage);
    Manche manche = Ouverte(QStringLiteral("RUEMAISON"));
    manche.Taper(u'M');
    if (!deplacement)
      manche.InterdireDeplacement();
    if (!marquage)
      manche.InterdireMarquage();
    QVERIFY(!manche.Taper(u'A'));
    QVERIFY(!manche.Effacer());
    QVERIFY(!manche.Vider());
    QCOMPARE(manche.Lettres(), QStringLiteral("MRUEAISON"));
    QCOMPARE(manche.MotMarque(), QStringLiteral("M"));
  }

  void pendantLeTirageRienNeBouge() {
    Manche manche;
    manche.NouvellePartie();
    manche.NouveauJeu();
    Tirer(manche, QStringLiteral("ABCD"));
    QVERIFY(!manche.Deplacer(0, 3));
    QVERIFY(!manche.Basculer(2));
    QVERIFY(!manche.Taper(u'A'));
    QCOMPARE(manche.Lettres(), QStringLiteral("ABCD"));
    QCOMPARE(manche.NombreMarquees(), 0);
  }

  void unNouveauJeuVideLesTuilesEtGardeLesResultats() {
    Manche manche = Ouverte(QStringLiteral("MAISONRUE"));
    manche.Basculer(5);
    manche.Arreter();
    manche.DefinirPoints(6);
    manche.NouveauJeu();
    QCOMPARE(manche.NumeroJeu(), 2);
    QVERIFY(manche.Lettres().isEmpty());
    QCOMPARE(manche.NombreMarquees(), 0);
    QCOMPARE(manche.NumeroLettre(), 0);
    QVERIFY(manche.Mot().isEmpty());
    QVERIFY(!manche.DeplacementAutorise() && !manche.MarquageAutorise());
    QCOMPARE(manche.ResultatJeu(0).mot, QStringLiteral("MAISON"));
    QCOMPARE(manche.ResultatJeu(0).points, std::optional<qint16>(6));
    // The pools are full again: the single Y can come up in this round too.
    Tirer(manche, QStringLiteral("Y"));
    manche.NouveauJeu();
    Tirer(manche, QStringLiteral("Y"));
  }

  void leDernierJeuEstLeDixieme() {
    Manche manche;
    manche.NouvellePartie();
    for (int jeu = 1; jeu <= Manche::NombreJeux; ++jeu) {
      QVERIFY(!manche.DernierJeu());
      manche.NouveauJeu();
      manche.DefinirPoints(qint16(jeu == 3 ? 0 : jeu));
    }
    QVERIFY(manche.DernierJeu());
    // Zero points differ from a round not verified.
    QCOMPARE(manche.ResultatJeu(2).points, std::optional<qint16>(0));
    manche.NouvellePartie();
    QCOMPARE(manche.NumeroJeu(), 0);
    QVERIFY(!manche.DernierJeu());
    for (int k = 0; k < Manche::NombreJeux; ++k)
      QVERIFY(!manche.ResultatJeu(k).points);
  }
};

QTEST_GUILESS_MAIN(TestManche)
#include "TestManche.moc"
