// The dictionary the game ships, looked up as the game looks a word up: it
// holds the words players of this game accept, and only those.

#include "data/Dictionnaire.h"
#include "data/MoteurBase.h"
#include "data/ResolveurBase.h"
#include "data/VueDonnees.h"
#include "tests/BaseEssai.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

class TestDictionnaire : public QObject {
  Q_OBJECT

  const QString m_fichier = QStringLiteral(VOCADIX_DOSSIER_PROGRAMME "/Vocadix.dat");
  std::unique_ptr<MoteurBase> m_moteur;

private Q_SLOTS:
  void initTestCase() {
    m_moteur = MoteurBase::OuvrirBase(m_fichier, false, true, BaseEssai::Connexion);
  }

  void unMotEstAccepteSelonSaNature_data() {
    QTest::addColumn<QString>("mot");
    QTest::addColumn<bool>("accepte");
    const char *acceptes[] = {
        "MAISON",  "MAISONS",   "CHANTER", "CHANTANT", "CHANTE",   "CHANTEE", "CHANTES", "CHANTEES",
        "SALIERE", "ETRANGERE", "OEUVRE",  "A",        "Y",        "ET",      "OU",      "LES",
        "TRES",    "BIEN",      "FINIR",   "FINIS",    "FINIES",   "PRENDRE", "PRISES",  "ALLANT",
        "CHEVAUX", "BELLES",    "HIBOUX",  "COEUR",    "NOEUDS",   "GARCON",  "AIGUE",   "OUI",
        "HELAS",   "PARMI",     "APRES",   "ETE",      "EXTASIER", "SYNTAXE", "QUOI",    "VOUS"};
    const char *refuses[] = {"CHANTERAI", "MANGIONS",  "CHANTONS",  "MANGEAIT", "FINISSONS",
                             "PRENNENT",  "VIENDRA",   "MARSEILLE", "LYON",     "KM",
                             "KG",        "XQZWRTPLM", "AUJOURD",   "CHANTEZ",  "DISONS"};
    for (const char *mot : acceptes)
      QTest::newRow(mot) << QString::fromLatin1(mot) << true;
    for (const char *mot : refuses)
      QTest::newRow(mot) << QString::fromLatin1(mot) << false;
  }
  void unMotEstAccepteSelonSaNature() {
    QFETCH(QString, mot);
    QFETCH(bool, accepte);
    VueDonnees vue;
    vue.DefinirFichier(m_fichier);
    vue.DefinirSource(QStringLiteral("Select * from DICO where NOM = ?"), {mot});
    vue.Rafraichir();
    QCOMPARE(!vue.FinFichier() && !vue.DebutFichier(), accepte);
    vue.FermerBase();
  }

  void chaqueMotEstEcritEnCapitalesSansAccentsDeUnANeufLettres() {
    const auto lignes =
        m_moteur
            ->Lire(QStringLiteral("SELECT count(*), min(length(NOM)), max(length(NOM)) FROM DICO"))
            .lignes;
    QVERIFY(lignes.at(0).at(0).toInt() > 50000);
    QCOMPARE(lignes.at(0).at(1).toInt(), 1);
    QCOMPARE(lignes.at(0).at(2).toInt(), 9);
    const auto horsAlphabet =
        m_moteur->Lire(QStringLiteral("SELECT NOM FROM DICO WHERE NOM GLOB '*[^A-Z]*' LIMIT 5"))
            .lignes;
    QCOMPARE(horsAlphabet.size(), 0);
  }

  // How common the words are, as the index reads it from the game's file:
  // everyday words above rare ones, an inflected form near its lemma, and
  // every word of the table one of DICO's.
  void lesMotsCourantsPassentAvantLesMotsRares_data() {
    QTest::addColumn<QString>("courant");
    QTest::addColumn<QString>("rare");
    QTest::newRow("MAISON, TOLUOL") << "MAISON"
                                    << "TOLUOL";
    QTest::newRow("CHIEN, ZYGOMA") << "CHIEN"
                                   << "ZYGOMA";
    QTest::newRow("TABLE, ABACULE") << "TABLE"
                                    << "ABACULE";
    QTest::newRow("ARMOIRES, NOULET") << "ARMOIRES"
                                      << "NOULET";
    QTest::newRow("MANGER, CADMIES") << "MANGER"
                                     << "CADMIES";
  }
  void lesMotsCourantsPassentAvantLesMotsRares() {
    QFETCH(QString, courant);
    QFETCH(QString, rare);
    static const Solveur index = Dictionnaire::Indexer(m_fichier);
    QVERIFY2(index.Commun(courant) >= 50, qPrintable(QString::number(index.Commun(courant))));
    QVERIFY2(index.Commun(rare) < 30, qPrintable(QString::number(index.Commun(rare))));
    const auto horsDico = m_moteur->Lire(
        QStringLiteral("SELECT count(*) FROM COMMUNS WHERE NOM NOT IN (SELECT NOM FROM DICO)"));
    QCOMPARE(horsDico.lignes.at(0).at(0).toInt(), 0);
  }

  // An index that could not be built is tried once more when asked, and that
  // second build is never waited for: until it is ready, nothing is revealed.
  void unIndexIntrouvableEstReessayeSansEtreAttendu() {
    QTemporaryDir vide;
    ResolveurBase resolveur;
    resolveur.DefinirFichier(vide.filePath(QStringLiteral("Vocadix.dat")));
    QVERIFY(!resolveur.PlusLongs(QStringLiteral("MAISONRUE")));
    // The file is there now. Its key is the password, derived afresh: tens
    // of milliseconds on the other core, while the first answer is at once.
    BaseEssai base({QStringLiteral("MAISON"), QStringLiteral("RUE")});
    resolveur.DefinirFichier(base.Fichier());
    resolveur.Preparer();
    QVERIFY(!resolveur.PlusLongs(QStringLiteral("MAISONRUE")));
    QTRY_VERIFY(resolveur.PlusLongs(QStringLiteral("MAISONRUE")).has_value());
    QCOMPARE(*resolveur.PlusLongs(QStringLiteral("MAISONRUE")), QStringList{"MAISON"});
  }
};

QTEST_GUILESS_MAIN(TestDictionnaire)
#include "TestDictionnaire.moc"
