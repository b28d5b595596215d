// The StarDict reader on a small dictionary the test makes, whole and
// damaged: each headword's article read back exactly, across the chunks of
// its compressed text; every damage told in French, never a crash.

#include "data/Stardict.h"
#include "tests/StardictEssai.h"

#include <QBuffer>
#include <QTest>

using namespace Stardict;

namespace {

const StardictEssai::Articles Articles = {
    {"-ACE", "<b>-ace</b>, suffixe."},
    {"ENTENDRE", "<i>v. a.</i> Percevoir par l'ouïe. Entendre un bruit."},
    {"ENTÊTER", "<i>v. a.</i> Porter à la tête."},
    {"MAISON", "<i>s. f.</i> Bâtiment servant de logis. Une maison de campagne."},
    {"Maison", "Autre article, même mot à la casse près."},
    {"NOIR", "<i>adj.</i> Qui est de la couleur la plus obscure."},
    {"NOIR", "<i>s. m.</i> La couleur noire."},
    {"ÉLÈVE", "<i>s. m. et f.</i> Celui, celle qui reçoit les leçons d'un maître."},
};

std::unique_ptr<Dictzip> Ouvrir(const QByteArray &octets, QString *erreur) {
  auto tampon = std::make_unique<QBuffer>();
  tampon->setData(octets);
  tampon->open(QIODevice::ReadOnly);
  return Dictzip::Ouvrir(std::move(tampon), erreur);
}

} // namespace

class TestStardict : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void lOrdreEstCeluiDeStardict_data() {
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QByteArray>("b");
    QTest::newRow("lettres") << QByteArray("ABACA") << QByteArray("ABAQUE");
    QTest::newRow("casse d'abord ignorée") << QByteArray("abc") << QByteArray("ABD");
    QTest::newRow("puis les octets") << QByteArray("MAISON") << QByteArray("Maison");
    QTest::newRow("préfixe") << QByteArray("NOIR") << QByteArray("NOIRE");
    QTest::newRow("accents après l'ASCII") << QByteArray("ENTETER") << QByteArray("ENTÊTER");
  }
  void lOrdreEstCeluiDeStardict() {
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    QVERIFY(Comparer(a, b) < 0);
    QVERIFY(Comparer(b, a) > 0);
    QCOMPARE(Comparer(a, a), 0);
  }

  // Every headword finds its articles, and each article reads back exactly
  // from chunks of 16 bytes, whatever was read before it.
  void chaqueArticleSeRelitExactement() {
    const StardictEssai::Dictionnaire d = StardictEssai::Fabriquer(Articles);
    QString erreur;
    const std::optional<Description> description = LireDescription(d.ifo, &erreur);
    QVERIFY2(description, qPrintable(erreur));
    QCOMPARE(description->nom, u"Essai"_qs);
    QCOMPARE(description->mots, Articles.size());
    const std::optional<Index> index =
        Index::Lire(d.idx, description->bitsPosition, description->mots, &erreur);
    QVERIFY2(index, qPrintable(erreur));
    QCOMPARE(index->Nombre(), Articles.size());
    const auto texte = Ouvrir(d.dz, &erreur);
    QVERIFY2(texte, qPrintable(erreur));

    for (int tour = 0; tour < 2; ++tour)
      for (qsizetype i = Articles.size() - 1; i >= 0; --i) {
        const auto &[mot, article] = Articles.at(i);
        const std::vector<Index::Article> places = index->Chercher(mot);
        QVERIFY2(!places.empty(), mot.constData());
        QByteArrayList lus;
        for (const Index::Article &place : places) {
          const std::optional<QByteArray> lu = texte->Lire(place.debut, place.taille, &erreur);
          QVERIFY2(lu, qPrintable(erreur));
          lus << *lu;
        }
        QVERIFY2(lus.contains(article), mot.constData());
      }
    QCOMPARE(index->Chercher("NOIR").size(), std::size_t(2));
    QCOMPARE(index->Chercher("MAISON").size(), std::size_t(1));
    QVERIFY(index->Chercher("ENTETER").empty());
    QVERIFY(index->Chercher("NOI").empty());
    QVERIFY(index->Chercher("ZZZ").empty());
    QVERIFY(index->Chercher("").empty());
  }

  // A headword's search takes its numbered homonyms and the headwords that
  // add its other forms after a comma, and nothing else that begins like it,
  // whatever the case of the headwords between them.
  void uneVedetteTrouveSesHomonymesEtSesFormes_data() {
    QTest::addColumn<QByteArray>("mot");
    QTest::addColumn<QByteArrayList>("articles");
    QTest::newRow("vedette, formes, homonymes")
        << QByteArray("TORON") << QByteArrayList{"toron", "toron, onne", "toron 1", "toron 2"};
    QTest::newRow("mot plus long") << QByteArray("TORONS") << QByteArrayList{"torons"};
    QTest::newRow("seulement sous une forme") << QByteArray("RENAL") << QByteArrayList{"rénal"};
    QTest::newRow("début d'une vedette") << QByteArray("TORO") << QByteArrayList{};
    QTest::newRow("vide") << QByteArray() << QByteArrayList{};
  }
  void uneVedetteTrouveSesHomonymesEtSesFormes() {
    QFETCH(QByteArray, mot);
    QFETCH(QByteArrayList, articles);
    const StardictEssai::Articles dictionnaire = {
        {"RENAL, ALE", "rénal"}, {"TORON", "toron"},       {"TORON, ONNE", "toron, onne"},
        {"TORON-X", "toron-x"},  {"TORON.1", "toron 1"},   {"toron.1b", "minuscules"},
        {"TORON.2", "toron 2"},  {"TORON.A", "toron a"},   {"TORONNER", "toronner"},
        {"TORONS", "torons"},    {"TORONS.", "point seul"}};
    const StardictEssai::Dictionnaire d = StardictEssai::Fabriquer(dictionnaire);
    QString erreur;
    const std::optional<Index> index = Index::Lire(d.idx, 32, qint64(dictionnaire.size()), &erreur);
    QVERIFY2(index, qPrintable(erreur));
    const auto texte = Ouvrir(d.dz, &erreur);
    QVERIFY2(texte, qPrintable(erreur));
    QByteArrayList lus;
    for (const Index::Article &place : index->ChercherVedette(mot)) {
      const std::optional<QByteArray> lu = texte->Lire(place.debut, place.taille, &erreur);
      QVERIFY2(lu, qPrintable(erreur));
      lus << *lu;
    }
    QCOMPARE(lus, articles);
  }

  // Each damage is refused with its reason, and a read beyond the text is
  // refused too.
  void unDictionnaireAbimeEstRefuseAvecSaRaison_data() {
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QString>("raison");
    const StardictEssai::Dictionnaire d = StardictEssai::Fabriquer(Articles);
    QTest::newRow("description vide") << "ifo" << QByteArray() << "StarDict";
    QTest::newRow("description sans nombre")
        << "ifo" << QByteArray("StarDict's dict ifo file\nbookname=X\n") << "incomplète";
    QTest::newRow("index tronqué") << "idx" << d.idx.left(d.idx.size() - 3) << "tronqué";
    QTest::newRow("index sans fin de mot") << "idx" << QByteArray("MAISON") << "tronqué";
    QByteArray desordre = d.idx;
    desordre.replace("-ACE", "ZACE");
    QTest::newRow("index dans le désordre") << "idx" << desordre << "ordre";
    QTest::newRow("index trop court") << "idx" << d.idx.left(d.idx.indexOf("NOIR")) << "entrées";
    QTest::newRow("pas du gzip") << "dz" << QByteArray("StarDict") << "gzip";
    QByteArray sansTable = d.dz;
    sansTable[3] = 0;
    QTest::newRow("gzip sans table") << "dz" << sansTable << "morceaux";
    QTest::newRow("texte tronqué") << "dz" << d.dz.left(d.dz.size() - 20) << "tronqué";
    QByteArray table = d.dz;
    table[16] = 7; // the table's version
    QTest::newRow("table incohérente") << "dz" << table << "incohérente";
  }
  void unDictionnaireAbimeEstRefuseAvecSaRaison() {
    QFETCH(QString, fichier);
    QFETCH(QByteArray, octets);
    QFETCH(QString, raison);
    QString erreur;
    bool refuse = false;
    if (fichier == u"ifo")
      refuse = !LireDescription(octets, &erreur);
    else if (fichier == u"idx")
      refuse = !Index::Lire(octets, 32, Articles.size(), &erreur);
    else
      refuse = Ouvrir(octets, &erreur) == nullptr;
    QVERIFY(refuse);
    QVERIFY2(erreur.contains(raison), qPrintable(erreur));
  }

  void unArticleAbimeOuHorsDuTexteEstRefuse() {
    const StardictEssai::Dictionnaire d = StardictEssai::Fabriquer(Articles);
    QString erreur;
    // Bytes changed in the middle of the compressed chunks.
    QByteArray abime = d.dz;
    for (qsizetype i = abime.size() - 40; i < abime.size() - 10; ++i)
      abime[i] = char(0xff);
    const auto texte = Ouvrir(abime, &erreur);
    QVERIFY2(texte, qPrintable(erreur));
    bool refuse = false;
    for (quint64 debut = 0; debut < quint64(d.texte.size()); debut += 8) {
      const std::optional<QByteArray> lu = texte->Lire(debut, 8, &erreur);
      if (!lu) {
        refuse = true;
        QVERIFY(erreur.contains(u"abîmé"_qs) || erreur.contains(u"fin"_qs));
      } else {
        QCOMPARE(lu->size(), 8);
      }
    }
    QVERIFY(refuse);

    const auto sain = Ouvrir(d.dz, &erreur);
    // The text's length rounded up to its chunks, and not a chunk more (the
    // articles end inside their last chunk).
    QVERIFY(d.texte.size() % 16 != 0);
    QCOMPARE(sain->Longueur(), quint64((d.texte.size() + 15) / 16 * 16));
    QVERIFY(!sain->Lire(sain->Longueur() - 1, 1, &erreur));
    QVERIFY(!sain->Lire(sain->Longueur(), 1, &erreur));
    QVERIFY(!sain->Lire(quint64(d.texte.size()) + 100, 4, &erreur));
    QVERIFY(erreur.contains(u"hors du texte"_qs));
    QVERIFY(!sain->Lire(0, 0, &erreur));
    QVERIFY(!sain->Lire(4, quint32(-1), &erreur));
  }
};

QTEST_GUILESS_MAIN(TestStardict)
#include "TestStardict.moc"
