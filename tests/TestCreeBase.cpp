// The program that builds the game database: it creates the file when absent,
// renews only the dictionary afterwards, and never loses the players' scores.

#include "data/ErreurBase.h"
#include "data/MoteurBase.h"
#include "data/VueDonnees.h"
#include "tests/BaseEssai.h"
#include "tests/HistoriqueEssai.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class TestCreeBase : public QObject {
  Q_OBJECT

  QTemporaryDir m_dossier;

  QString Liste() const { return m_dossier.filePath(QStringLiteral("mots.txt")); }
  QString Base() const { return m_dossier.filePath(QStringLiteral("Vocadix.dat")); }

  void EcrireListe(const QByteArray &contenu) {
    QFile f(Liste());
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(contenu);
  }
  // With the lists that go beside the words: how common they are, then
  // their spellings and lemmas.
  int Lancer(const QString &connexion = BaseEssai::Connexion, const QStringList &listes = {}) {
    const QStringList arguments = QStringList{Liste(), Base(), connexion} + listes;
    QProcess p;
    p.start(QStringLiteral(VOCADIX_CREEBASE), arguments);
    if (!p.waitForFinished(60000))
      return -1;
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  }
  QByteArray Octets() const {
    QFile f(Base());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  QStringList Dictionnaire() {
    auto moteur = MoteurBase::OuvrirBase(Base(), false, false, BaseEssai::Connexion);
    QStringList mots;
    for (const QVariantList &ligne : moteur->Lire(QStringLiteral("SELECT NOM FROM DICO")).lignes)
      mots << ligne.at(0).toString();
    return mots;
  }
  void AjouterScore(const QString &nom, int score) {
    auto moteur = MoteurBase::OuvrirBase(Base(), false, false, BaseEssai::Connexion);
    VueDonnees vue;
    vue.DefinirFichier(Base());
    vue.DefinirSource(QStringLiteral("Select * from SCORES order by SCORE"));
    vue.Rafraichir();
    vue.Ajouter();
    vue.DefinirChamp(QStringLiteral("NOM"), nom);
    vue.DefinirChamp(QStringLiteral("SCORE"), score);
    vue.DefinirChamp(QStringLiteral("DATE"), QDate(2026, 12, 9));
    vue.MettreAJour();
  }
  QStringList Scores() {
    auto moteur = MoteurBase::OuvrirBase(Base(), false, false, BaseEssai::Connexion);
    QStringList scores;
    for (const QVariantList &l :
         moteur->Lire(QStringLiteral("SELECT NOM, SCORE, DATE FROM SCORES ORDER BY rowid")).lignes)
      scores << QStringLiteral("%1|%2|%3")
                    .arg(l.at(0).toString(), l.at(1).toString(), l.at(2).toString());
    return scores;
  }

private Q_SLOTS:
  void init() { QFile::remove(Base()); }

  void lesScoresSurviventAuRenouvellementDuDictionnaire() {
    EcrireListe("A\nMAISON\nZEBRE\n");
    QCOMPARE(Lancer(), 0);
    QCOMPARE(Dictionnaire(), (QStringList{"A", "MAISON", "ZEBRE"}));
    AjouterScore(QStringLiteral("ÉLODIE"), 42);
    AjouterScore(QStringLiteral("O'NEIL"), 7);

    EcrireListe("A\nMAISONS\nOEUVRE\n");
    QCOMPARE(Lancer(), 0);
    QCOMPARE(Dictionnaire(), (QStringList{"A", "MAISONS", "OEUVRE"}));
    QCOMPARE(Scores(), (QStringList{"ÉLODIE|42|2026-12-09", "O'NEIL|7|2026-12-09"}));
  }

  // A new file has the history's tables, empty; a rebuild keeps the games
  // in them as it keeps the scores.
  void lHistoriqueSurvitAuRenouvellementDuDictionnaire() {
    EcrireListe("A\nMAISON\n");
    QCOMPARE(Lancer(), 0);
    QString erreur;
    QVERIFY2(HistoriqueEssai::Lire(Base(), erreur), qPrintable(erreur));
    QVERIFY(HistoriqueEssai::Lire(Base(), erreur)->parties.isEmpty());
    const QDateTime debut(QDate(2026, 12, 9), QTime(18, 0));
    QCOMPARE(HistoriqueEssai::Ecrire(Base(), HistoriqueEssai::Partie(debut, 10, true)), QString());
    QCOMPARE(HistoriqueEssai::Ecrire(Base(), HistoriqueEssai::Partie(debut.addSecs(60), 2, false)),
             QString());

    EcrireListe("A\nMAISONS\n");
    QCOMPARE(Lancer(), 0);
    QCOMPARE(Dictionnaire(), (QStringList{"A", "MAISONS"}));
    const auto donnees = HistoriqueEssai::Lire(Base(), erreur);
    QVERIFY2(donnees, qPrintable(erreur));
    QCOMPARE(donnees->parties.size(), 2);
    QCOMPARE(donnees->parties.at(0).debut, debut);
    QVERIFY(donnees->parties.at(0).finie);
    QCOMPARE(donnees->parVoyelles[4].jeux, 10);
  }

  // The list of how common the words are fills COMMUNS beside DICO; a
  // change in it alone renews the file; a bad line stops the build.
  void lesMotsCommunsVontAvecLeDictionnaire() {
    EcrireListe("CHAT\nCHIEN\nZEBU\n");
    const QString communs = m_dossier.filePath(QStringLiteral("communs.txt"));
    const auto ecrire = [&communs](const QByteArray &contenu) {
      QFile f(communs);
      QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
      f.write(contenu);
    };
    const auto indices = [this] {
      auto moteur = MoteurBase::OuvrirBase(Base(), false, true, BaseEssai::Connexion);
      QStringList lignes;
      for (const QVariantList &l :
           moteur->Lire(QStringLiteral("SELECT NOM, INDICE FROM COMMUNS ORDER BY NOM")).lignes)
        lignes << l.at(0).toString() + u' ' + l.at(1).toString();
      return lignes;
    };
    ecrire("CHAT 90\nCHIEN 88\n");
    QCOMPARE(Lancer(BaseEssai::Connexion, {communs}), 0);
    QCOMPARE(indices(), (QStringList{"CHAT 90", "CHIEN 88"}));
    ecrire("CHAT 90\nZEBU 3\n");
    QCOMPARE(Lancer(BaseEssai::Connexion, {communs}), 0);
    QCOMPARE(indices(), (QStringList{"CHAT 90", "ZEBU 3"}));
    QCOMPARE(Dictionnaire(), (QStringList{"CHAT", "CHIEN", "ZEBU"}));

    const QByteArray avant = Octets();
    for (const QByteArray &faute :
         {QByteArray("CHAT 0\n"), QByteArray("CHAT 101\n"), QByteArray("chat 9\n"),
          QByteArray("CHAT\n"), QByteArray("CHAT 9 x\n"), QByteArray("CHAT 9\n\nCHIEN 2\n"),
          QByteArray("CHIEN 9\nCHAT 2\n"), QByteArray("CHAT 9\nCHAT 2\n")}) {
      ecrire(faute);
      QVERIFY2(Lancer(BaseEssai::Connexion, {communs}) != 0, faute.constData());
      QCOMPARE(Octets(), avant);
    }
  }

  // The accented spellings and the lemmas fill their tables; a line whose
  // spelling is not the word's own, or out of order, stops the build and
  // leaves the file as it was.
  void lesGraphiesEtLesLemmesVontAvecLeDictionnaire_data() {
    QTest::addColumn<QByteArray>("graphies");
    QTest::addColumn<QByteArray>("lemmes");
    QTest::addColumn<bool>("acceptees");
    const QByteArray graphies("COEUR CŒUR\nECOLE ÉCOLE\n"),
        lemmes("ECOLES ECOLE\nPRISES PRENDRE PRISE\n");
    QTest::newRow("justes") << graphies << lemmes << true;
    QTest::newRow("graphie d'un autre mot") << QByteArray("ECOLE ÉCOLES\n") << lemmes << false;
    QTest::newRow("graphie en minuscules") << QByteArray("ECOLE école\n") << lemmes << false;
    QTest::newRow("graphie sans accent") << QByteArray("ECOLE ECOLE\n") << lemmes << false;
    QTest::newRow("graphie hors UTF-8") << QByteArray("ECOLE \xc9" "COLE\n") << lemmes << false;
    QTest::newRow("graphie absente") << QByteArray("ECOLE\n") << lemmes << false;
    QTest::newRow("graphies hors d'ordre")
        << QByteArray("ECOLE ÉCOLE\nCOEUR CŒUR\n") << lemmes << false;
    QTest::newRow("lemme accentué") << graphies << QByteArray("ECOLES ÉCOLE\n") << false;
    QTest::newRow("deux espaces") << graphies << QByteArray("PRISES PRENDRE  PRISE\n") << false;
    QTest::newRow("mot hors de la liste") << graphies << QByteArray("ecoles ECOLE\n") << false;
  }
  void lesGraphiesEtLesLemmesVontAvecLeDictionnaire() {
    QFETCH(QByteArray, graphies);
    QFETCH(QByteArray, lemmes);
    QFETCH(bool, acceptees);
    EcrireListe("COEUR\nECOLE\nECOLES\nPRISES\n");
    const QString communs = m_dossier.filePath(QStringLiteral("communs.txt"));
    const QString fichierGraphies = m_dossier.filePath(QStringLiteral("accents.txt"));
    const QString fichierLemmes = m_dossier.filePath(QStringLiteral("lemmes.txt"));
    for (const auto &[chemin, contenu] :
         {std::pair{communs, QByteArray("ECOLE 80\n")}, std::pair{fichierGraphies, graphies},
          std::pair{fichierLemmes, lemmes}}) {
      QFile f(chemin);
      QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
      f.write(contenu);
    }
    QCOMPARE(Lancer(), 0);
    const QByteArray avant = Octets();
    QCOMPARE(Lancer(BaseEssai::Connexion, {communs, fichierGraphies, fichierLemmes}),
             acceptees ? 0 : 1);
    if (!acceptees) {
      QCOMPARE(Octets(), avant);
      return;
    }
    auto moteur = MoteurBase::OuvrirBase(Base(), false, true, BaseEssai::Connexion,
                                         MoteurBase::Partage::Privee);
    QCOMPARE(moteur->Lire(QStringLiteral("SELECT NOM, GRAPHIE FROM GRAPHIES ORDER BY NOM")).lignes,
             (QList<QVariantList>{{QStringLiteral("COEUR"), QStringLiteral("CŒUR")},
                                  {QStringLiteral("ECOLE"), QStringLiteral("ÉCOLE")}}));
    QCOMPARE(moteur->Lire(QStringLiteral("SELECT NOM, LEMMES FROM LEMMES ORDER BY NOM")).lignes,
             (QList<QVariantList>{{QStringLiteral("ECOLES"), QStringLiteral("ECOLE")},
                                  {QStringLiteral("PRISES"), QStringLiteral("PRENDRE PRISE")}}));
  }

  void uneBaseAJourNEstPasReecrite() {
    EcrireListe("CHAT\nCHIEN\n");
    QCOMPARE(Lancer(), 0);
    AjouterScore(QStringLiteral("PAUL"), 12);
    const QByteArray avant = Octets();
    QCOMPARE(Lancer(), 0);
    QCOMPARE(Octets(), avant);
  }

  void uneBaseSupprimeeEstRecreee() {
    EcrireListe("CHAT\n");
    QCOMPARE(Lancer(), 0);
    QVERIFY(QFile::remove(Base()));
    QCOMPARE(Lancer(), 0);
    QCOMPARE(Dictionnaire(), QStringList{"CHAT"});
    QVERIFY(!QFile::exists(Base() + QStringLiteral(".nouveau")));
  }

  // The game's file is made with the game's salt, so that the key derived
  // for it ahead opens it; a file made with another salt, or another
  // password, is still told apart by the password itself.
  void laCleDeriveeOuvreLaBaseDuJeuEtSeulementElle_data() {
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<bool>("ouverte");
    QTest::newRow("faite par creebase") << "creebase" << true;
    QTest::newRow("autre sel") << "autre sel" << true;
    QTest::newRow("autre mot de passe") << "autre mot de passe" << false;
  }
  void laCleDeriveeOuvreLaBaseDuJeuEtSeulementElle() {
    QFETCH(QString, fichier);
    QFETCH(bool, ouverte);
    QVERIFY2(CleBase::Derivee[0] != '\0', "la construction n'a pas dérivé la clé");
    const QByteArray derivee(CleBase::Derivee);
    const QByteArray sel = QByteArray::fromHex(derivee.mid(2 + 64, 32));
    std::unique_ptr<BaseEssai> autre;
    QString chemin = Base();
    if (fichier == QLatin1String("creebase")) {
      EcrireListe("CHAT\nCHIEN\n");
      QCOMPARE(Lancer(), 0);
      QCOMPARE(Octets().left(16), sel);
    } else {
      autre = std::make_unique<BaseEssai>(
          QStringList{QStringLiteral("CHAT")}, QList<BaseEssai::Score>{},
          fichier == QLatin1String("autre sel") ? QByteArray(CleBase::Cle) : QByteArray("autre"));
      chemin = autre->Fichier();
      QVERIFY(autre->Octets().left(16) != sel);
    }
    try {
      auto moteur = MoteurBase::OuvrirBase(chemin, false, false, BaseEssai::Connexion,
                                           MoteurBase::Partage::Privee, derivee);
      QVERIFY(ouverte);
      QVERIFY(!moteur->Lire(QStringLiteral("SELECT NOM FROM DICO")).lignes.isEmpty());
    } catch (const ErreurBase &e) {
      QVERIFY2(!ouverte, qPrintable(e.Texte()));
    }
  }

  void uneListeFautiveOuUnAutreMotDePasseLaissentLaBaseIntacte_data() {
    QTest::addColumn<QByteArray>("liste");
    QTest::addColumn<QString>("connexion");
    QTest::newRow("minuscules") << QByteArray("CHAT\nchien\n") << BaseEssai::Connexion;
    QTest::newRow("accent") << QByteArray("CHAT\nÉTÉ\n") << BaseEssai::Connexion;
    QTest::newRow("trop long") << QByteArray("ABCDEFGHIJ\n") << BaseEssai::Connexion;
    QTest::newRow("non triée") << QByteArray("CHIEN\nCHAT\n") << BaseEssai::Connexion;
    QTest::newRow("doublon") << QByteArray("CHAT\nCHAT\n") << BaseEssai::Connexion;
    QTest::newRow("ligne vide") << QByteArray("CHAT\n\nCHIEN\n") << BaseEssai::Connexion;
    QTest::newRow("liste vide") << QByteArray() << BaseEssai::Connexion;
    QTest::newRow("fins CR LF") << QByteArray("CHAT\r\nCHIEN\r\n") << BaseEssai::Connexion;
    QTest::newRow("autre mot de passe") << QByteArray("LOUP\n") << QStringLiteral(";pwd=autre");
  }
  void uneListeFautiveOuUnAutreMotDePasseLaissentLaBaseIntacte() {
    QFETCH(QByteArray, liste);
    QFETCH(QString, connexion);
    EcrireListe("CHAT\n");
    QCOMPARE(Lancer(), 0);
    AjouterScore(QStringLiteral("PAUL"), 12);
    const QByteArray avant = Octets();

    EcrireListe(liste);
    QCOMPARE(Lancer(connexion), 1);
    QCOMPARE(Octets(), avant);
  }
};

QTEST_GUILESS_MAIN(TestCreeBase)
#include "TestCreeBase.moc"
