// The record view as the game uses it: the dictionary lookup, the top-ten
// table read in both orders, a row appended or rewritten in place, the table
// emptied, and the failures it reports.

#include "data/ErreurBase.h"
#include "data/MoteurBase.h"
#include "data/VueDonnees.h"
#include "tests/BaseEssai.h"

#include <QTest>
#include <memory>

using Score = BaseEssai::Score;

class TestVueDonnees : public QObject {
  Q_OBJECT

  std::unique_ptr<BaseEssai> m_essai;
  std::unique_ptr<MoteurBase> m_moteur;

  void Ouvrir(const QList<Score> &scores, bool lectureSeule = false) {
    m_moteur.reset();
    m_essai = std::make_unique<BaseEssai>(
        QStringList{QStringLiteral("A"), QStringLiteral("MAISON"), QStringLiteral("SALIERE")},
        scores);
    m_moteur =
        MoteurBase::OuvrirBase(m_essai->Fichier(), false, lectureSeule, BaseEssai::Connexion);
  }
  VueDonnees Vue(const QString &source, const QVariantList &parametres = {}) {
    VueDonnees vue;
    vue.DefinirFichier(m_essai->Fichier());
    vue.DefinirSource(source, parametres);
    vue.Rafraichir();
    return vue;
  }
  static QList<Score> Quatre() {
    return {{QStringLiteral("PAUL"), 40, QStringLiteral("2026-03-01")},
            {QStringLiteral("ANNE"), 12, QStringLiteral("2026-03-02")},
            {QStringLiteral("LÉA"), 63, QStringLiteral("2026-03-03")},
            {QStringLiteral("JO"), 12, QStringLiteral("2026-03-04")}};
  }

private Q_SLOTS:
  void leMotEstTrouveSeulementSIlFigureAuDictionnaire_data() {
    QTest::addColumn<QString>("mot");
    QTest::addColumn<bool>("trouve");
    QTest::newRow("présent") << "MAISON" << true;
    QTest::newRow("une lettre") << "A" << true;
    QTest::newRow("absent") << "MAISONS" << false;
    QTest::newRow("casse") << "maison" << false;
    QTest::newRow("apostrophe") << "L'EAU" << false;
    QTest::newRow("injection") << "X' OR '1'='1" << false;
    QTest::newRow("vide") << "" << false;
  }
  void leMotEstTrouveSeulementSIlFigureAuDictionnaire() {
    QFETCH(QString, mot);
    QFETCH(bool, trouve);
    Ouvrir({});
    VueDonnees vue = Vue(QStringLiteral("Select * from DICO where NOM = ?"), {mot});
    QCOMPARE(vue.FinFichier(), !trouve);
    QCOMPARE(vue.DebutFichier(), !trouve);
    if (trouve)
      QCOMPARE(vue.Champ(QStringLiteral("NOM")).toString(), mot);
    vue.FermerBase();
    QCOMPARE(m_moteur->Lire(QStringLiteral("SELECT * FROM DICO")).lignes.size(), 3);
  }

  void uneTableVideLeveLesDeuxIndicateurs() {
    Ouvrir({});
    VueDonnees vue = Vue(QStringLiteral("Select * from SCORES order by SCORE"));
    QVERIFY(vue.FinFichier());
    QVERIFY(vue.DebutFichier());
    QCOMPARE(vue.NombreEnregistrements(), 0);
  }

  void lOrdreCroissantMeneAuPlusPetitScoreEtCompteLesLignes() {
    Ouvrir(Quatre());
    VueDonnees vue = Vue(QStringLiteral("Select * from SCORES order by SCORE"));
    QVERIFY(!vue.FinFichier() && !vue.DebutFichier());
    vue.DernierEnregistrement();
    QCOMPARE(vue.Champ(QStringLiteral("SCORE")).toInt(), 63);
    QCOMPARE(vue.NombreEnregistrements(), 4);
    vue.PremierEnregistrement();
    QCOMPARE(vue.Champ(QStringLiteral("SCORE")).toInt(), 12);
  }

  void lOrdreDecroissantSeParcourtJusquALaFin() {
    Ouvrir(Quatre());
    VueDonnees vue = Vue(QStringLiteral("Select * from SCORES order by SCORE desc"));
    QStringList noms;
    QList<int> scores;
    while (!vue.FinFichier()) {
      noms << vue.Champ(QStringLiteral("NOM")).toString();
      scores << vue.Champ(QStringLiteral("SCORE")).toInt();
      vue.EnregistrementSuivant();
    }
    QCOMPARE(scores, (QList<int>{63, 40, 12, 12}));
    QCOMPARE(noms.first(), QStringLiteral("LÉA"));
    vue.EnregistrementSuivant();
    QVERIFY(vue.FinFichier());
    QVERIFY_THROWS_EXCEPTION(ErreurBase, vue.Champ(QStringLiteral("NOM")));
  }

  void unAjoutEnregistreLeNomTelQuelEtLaDateSansHeure() {
    Ouvrir(Quatre());
    const QString nom = QStringLiteral("O'HARA \"L'AS\"; DROP");
    VueDonnees vue = Vue(QStringLiteral("Select * from SCORES order by SCORE"));
    vue.Ajouter();
    vue.DefinirChamp(QStringLiteral("NOM"), nom);
    vue.DefinirChamp(QStringLiteral("SCORE"), 27);
    vue.DefinirChamp(QStringLiteral("DATE"), QDate(2026, 12, 9));
    vue.MettreAJour();
    vue.FermerBase();

    const auto lignes = m_essai->Scores();
    QCOMPARE(lignes.size(), 5);
    QCOMPARE(lignes.last(), (QVariantList{nom, 27, QStringLiteral("2026-12-09")}));

    VueDonnees relue = Vue(QStringLiteral("Select * from SCORES order by SCORE desc"));
    relue.EnregistrementSuivant();
    relue.EnregistrementSuivant();
    QCOMPARE(relue.Champ(QStringLiteral("NOM")).toString(), nom);
    QCOMPARE(relue.ChampDate(QStringLiteral("DATE")), QDate(2026, 12, 9));
  }

  void uneModificationReecritLaLigneCouranteEnPlace() {
    Ouvrir(Quatre());
    VueDonnees vue = Vue(QStringLiteral("Select * from SCORES order by SCORE"));
    vue.DernierEnregistrement();
    QCOMPARE(vue.NombreEnregistrements(), 4);
    vue.PremierEnregistrement();
    vue.Modifier();
    vue.DefinirChamp(QStringLiteral("NOM"), QStringLiteral("ZOÉ"));
    vue.DefinirChamp(QStringLiteral("SCORE"), 50);
    vue.DefinirChamp(QStringLiteral("DATE"), QDate(2026, 12, 9));
    vue.MettreAJour();
    QCOMPARE(vue.Champ(QStringLiteral("NOM")).toString(), QStringLiteral("ZOÉ"));
    vue.FermerBase();

    // ANNE and JO share the lowest score: the first the ascending order gave
    // is the one rewritten, at its own place in the table.
    const auto lignes = m_essai->Scores();
    QCOMPARE(lignes.size(), 4);
    const int reecrite = lignes.at(1).at(0) == QStringLiteral("ZOÉ") ? 1 : 3;
    QCOMPARE(lignes.at(reecrite),
             (QVariantList{QStringLiteral("ZOÉ"), 50, QStringLiteral("2026-12-09")}));
    QCOMPARE(lignes.at(0).at(0).toString(), QStringLiteral("PAUL"));
    QCOMPARE(lignes.at(2).at(0).toString(), QStringLiteral("LÉA"));
    QCOMPARE(lignes.at(4 - reecrite).at(1).toInt(), 12);
  }

  void laTableSeVideParSonNom() {
    Ouvrir(Quatre());
    VueDonnees vue = Vue(QStringLiteral("SCORES"));
    QCOMPARE(vue.NombreEnregistrements(), 4);
    vue.Executer(QStringLiteral("DELETE * from SCORES"));
    vue.DefinirSource(QStringLiteral("Select * from SCORES order by SCORE desc"));
    vue.Rafraichir();
    QVERIFY(vue.FinFichier() && vue.DebutFichier());
    vue.FermerBase();
    QVERIFY(m_essai->Scores().isEmpty());
    QCOMPARE(m_moteur->Lire(QStringLiteral("SELECT * FROM DICO")).lignes.size(), 3);
  }

  void unChampVideResteVide() {
    Ouvrir({{QStringLiteral("SANS SCORE"), QVariant(), QStringLiteral("2026-01-02")}});
    VueDonnees vue = Vue(QStringLiteral("Select * from SCORES order by SCORE desc"));
    QVERIFY(vue.Champ(QStringLiteral("SCORE")).isNull());
    QCOMPARE(vue.ChampDate(QStringLiteral("date")), QDate(2026, 1, 2));
  }

  // Any source reads what the engine makes of it; only the rows of a single
  // table, one each, can be written back, and to the row they came from.
  void uneSourceSeLitTelleQuelleEtSeModifieSurUneSeuleTable_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("noms");
    QTest::addColumn<bool>("modifiable");
    const QStringList alphabetique{"ANNE", "JO", "LÉA", "PAUL"};
    QTest::newRow("ordre par position")
        << "SELECT * FROM SCORES ORDER BY 1" << alphabetique << true;
    QTest::newRow("virgule dans une chaîne")
        << "select * from SCORES where NOM <> 'A, B' -- , DICO\norder by NOM" << alphabetique
        << true;
    QTest::newRow("sous-requête")
        << "SELECT * FROM SCORES WHERE SCORE IN (SELECT SCORE FROM SCORES WHERE SCORE < 41) "
           "ORDER BY NOM"
        << QStringList{"ANNE", "JO", "PAUL"} << true;
    QTest::newRow("deux tables") << "SELECT * FROM SCORES, DICO WHERE DICO.NOM = 'A' ORDER BY 1"
                                 << alphabetique << false;
    QTest::newRow("jointure") << "SELECT * FROM SCORES JOIN DICO ON DICO.NOM = 'MAISON' ORDER BY 1"
                              << alphabetique << false;
    QTest::newRow("union") << "SELECT * FROM SCORES WHERE SCORE > 50 UNION "
                              "SELECT * FROM SCORES WHERE SCORE < 13 ORDER BY 2, 1"
                           << QStringList{"ANNE", "JO", "LÉA"} << false;
  }
  void uneSourceSeLitTelleQuelleEtSeModifieSurUneSeuleTable() {
    QFETCH(QString, source);
    QFETCH(QStringList, noms);
    QFETCH(bool, modifiable);
    Ouvrir(Quatre());
    VueDonnees vue = Vue(source);
    QStringList lus;
    for (vue.PremierEnregistrement(); !vue.FinFichier(); vue.EnregistrementSuivant())
      lus << vue.Champ(QStringLiteral("NOM")).toString();
    QCOMPARE(lus, noms);

    vue.PremierEnregistrement();
    try {
      vue.Modifier();
      QVERIFY(modifiable);
    } catch (const ErreurBase &e) {
      QVERIFY2(!modifiable, qPrintable(e.Texte()));
      QCOMPARE(e.CauseSeule(), QStringLiteral("cette source ne peut pas être modifiée"));
      return;
    }
    vue.DefinirChamp(QStringLiteral("SCORE"), 99);
    vue.MettreAJour();
    vue.FermerBase();
    for (const QVariantList &ligne : m_essai->Scores())
      QCOMPARE(ligne.at(1).toInt() == 99, ligne.at(0).toString() == noms.first());
  }

  void lesEchecsSontSignales_data() {
    QTest::addColumn<QString>("cas");
    QTest::addColumn<QString>("debut");
    QTest::addColumn<QString>("cause");
    QTest::newRow("base non ouverte") << "non ouverte"
                                      << "Impossible de lire"
                                      << "la base n'a pas été ouverte au démarrage";
    QTest::newRow("table inconnue") << "table"
                                    << "Impossible de lire"
                                    << "la table RECORDS n'existe pas";
    QTest::newRow("champ inconnu") << "champ"
                                   << "Impossible de lire"
                                   << "le champ POINTS n'existe pas";
    QTest::newRow("écriture refusée") << "lecture seule"
                                      << "Impossible d'écrire"
                                      << "le fichier est en lecture seule";
    QTest::newRow("dictionnaire") << "dictionnaire"
                                  << "Impossible de lire"
                                  << "cette source ne peut pas recevoir d'enregistrement";
  }
  void lesEchecsSontSignales() {
    QFETCH(QString, cas);
    QFETCH(QString, debut);
    QFETCH(QString, cause);
    Ouvrir(Quatre(), cas == QLatin1String("lecture seule"));
    try {
      if (cas == QLatin1String("non ouverte")) {
        m_moteur.reset();
        Vue(QStringLiteral("SCORES"));
      } else if (cas == QLatin1String("table")) {
        Vue(QStringLiteral("Select * from RECORDS order by SCORE"));
      } else if (cas == QLatin1String("champ")) {
        Vue(QStringLiteral("SCORES")).Champ(QStringLiteral("POINTS"));
      } else if (cas == QLatin1String("lecture seule")) {
        VueDonnees vue = Vue(QStringLiteral("Select * from SCORES order by SCORE"));
        vue.Ajouter();
        vue.DefinirChamp(QStringLiteral("NOM"), QStringLiteral("X"));
        vue.MettreAJour();
      } else {
        Vue(QStringLiteral("Select * from DICO where NOM = ?"), {QStringLiteral("A")}).Ajouter();
      }
      QFAIL("l'opération aurait dû échouer");
    } catch (const ErreurBase &e) {
      QVERIFY2(e.Texte().startsWith(debut), qPrintable(e.Texte()));
      QVERIFY2(e.Texte().contains(m_essai->Fichier()), qPrintable(e.Texte()));
      QCOMPARE(e.CauseSeule(), cause);
    }
    QCOMPARE(m_essai->Scores().size(), 4);
  }
};

QTEST_GUILESS_MAIN(TestVueDonnees)
#include "TestVueDonnees.moc"
