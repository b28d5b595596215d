// An installed game's database: the player's copy made from the installed
// template, refreshed when a newer dictionary is installed, scores kept, and
// a copy that cannot be read never replaced.

#include "data/CopieJoueur.h"
#include "data/ErreurBase.h"
#include "data/MoteurBase.h"
#include "rules/Emplacements.h"
#include "tests/BaseEssai.h"
#include "tests/HistoriqueEssai.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <thread>

namespace {

QStringList Mots(const QString &fichier) {
  const auto base = MoteurBase::OuvrirBase(fichier, false, true, BaseEssai::Connexion,
                                           MoteurBase::Partage::Privee);
  QStringList mots;
  for (const QVariantList &ligne : base->Lire(QStringLiteral("SELECT NOM FROM DICO")).lignes)
    mots << ligne.value(0).toString();
  return mots;
}

QByteArray Octets(const QString &fichier) {
  QFile f(fichier);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestCopieJoueur : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void lesFichiersVontOuLeJeuSeTrouve_data() {
    QTest::addColumn<bool>("baseDansProgramme");
    QTest::addColumn<QString>("installe");
    QTest::addColumn<QStringList>("attendus"); // data, settings, documents, template
    QTest::newRow("copie portable")
        << true << "/usr/share/vocadix" << QStringList{"/jeu/", "/jeu/", "/jeu/", ""};
    QTest::newRow("rien d'installé") << false << "" << QStringList{"/jeu/", "/jeu/", "/jeu/", ""};
    QTest::newRow("jeu installé") << false << "/usr/share/vocadix"
                                  << QStringList{"/home/j/.local/share/vocadix/",
                                                 "/home/j/.config/vocadix/", "/usr/share/vocadix/",
                                                 "/usr/share/vocadix/Vocadix.dat"};
  }
  void lesFichiersVontOuLeJeuSeTrouve() {
    QFETCH(bool, baseDansProgramme);
    QFETCH(QString, installe);
    QFETCH(QStringList, attendus);
    const Emplacements e = Emplacements::Choisir(
        QStringLiteral("/jeu"), baseDansProgramme, installe,
        QStringLiteral("/home/j/.local/share/vocadix"), QStringLiteral("/home/j/.config/vocadix"));
    QCOMPARE((QStringList{e.Donnees, e.Reglages, e.Documents, e.Modele}), attendus);
  }

  void laPremiereCopieEstCelleDuModele() {
    BaseEssai modele({QStringLiteral("MAISON")});
    QTemporaryDir joueur;
    const QString copie = joueur.filePath(QStringLiteral("vocadix/sous/Vocadix.dat"));
    QFile(modele.Fichier()).setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadOther);
    CopieJoueur::Preparer(modele.Fichier(), copie);
    QCOMPARE(Octets(copie), modele.Octets());
    QVERIFY(QFile(copie).permissions() & QFileDevice::WriteOwner);
    QVERIFY(!QFile::exists(copie + QStringLiteral(".copie")));
  }

  void unNouveauDictionnaireRemplaceLAncienEtGardeScoresEtHistorique() {
    BaseEssai modele({QStringLiteral("MAISON"), QStringLiteral("RUE")});
    modele.Executer("PRAGMA user_version = 2");
    modele.Executer("CREATE TABLE COMMUNS (NOM TEXT PRIMARY KEY, INDICE INTEGER) WITHOUT ROWID");
    modele.Executer("INSERT INTO COMMUNS VALUES ('MAISON', 87)");
    modele.Executer("CREATE TABLE GRAPHIES (NOM TEXT PRIMARY KEY, GRAPHIE TEXT) WITHOUT ROWID");
    modele.Executer("INSERT INTO GRAPHIES VALUES ('RUE', 'RUÉ')");
    BaseEssai copie({QStringLiteral("ANCIEN")},
                    {{QStringLiteral("ALICE"), 42, QStringLiteral("2026-01-02")}});
    copie.Executer("PRAGMA user_version = 1");
    const QDateTime debut(QDate(2026, 1, 2), QTime(20, 30));
    QCOMPARE(HistoriqueEssai::Ecrire(copie.Fichier(), HistoriqueEssai::Partie(debut, 10, true)),
             QString());
    const QByteArray modeleAvant = modele.Octets();
    CopieJoueur::Preparer(modele.Fichier(), copie.Fichier());
    QCOMPARE(Mots(copie.Fichier()), (QStringList{"MAISON", "RUE"}));
    // How common the words are comes with them, for the opponent.
    QCOMPARE(MoteurBase::OuvrirBase(copie.Fichier(), false, true, BaseEssai::Connexion,
                                    MoteurBase::Partage::Privee)
                 ->Lire(QStringLiteral("SELECT NOM, INDICE FROM COMMUNS"))
                 .lignes,
             (QList<QVariantList>{{QStringLiteral("MAISON"), 87}}));
    // So do their spellings; a table the template lacks is made empty.
    const auto lire = [&copie](const char *sql) {
      return MoteurBase::OuvrirBase(copie.Fichier(), false, true, BaseEssai::Connexion,
                                    MoteurBase::Partage::Privee)
          ->Lire(QString::fromLatin1(sql))
          .lignes;
    };
    QCOMPARE(lire("SELECT NOM, GRAPHIE FROM GRAPHIES"),
             (QList<QVariantList>{{QStringLiteral("RUE"), QStringLiteral("RUÉ")}}));
    QCOMPARE(lire("SELECT COUNT(*) FROM LEMMES"), (QList<QVariantList>{{0}}));
    QCOMPARE(copie.Scores().size(), 1);
    QCOMPARE(copie.Scores().first().value(1).toInt(), 42);
    // The history of the player's games, like the scores.
    QString erreur;
    const auto historique = HistoriqueEssai::Lire(copie.Fichier(), erreur);
    QVERIFY2(historique, qPrintable(erreur));
    QCOMPARE(historique->parties.size(), 1);
    QCOMPARE(historique->parties.first().debut, debut);
    QCOMPARE(modele.Octets(), modeleAvant);
    // Up to date now: a second start leaves the file as it is.
    const QByteArray apres = copie.Octets();
    CopieJoueur::Preparer(modele.Fichier(), copie.Fichier());
    QCOMPARE(copie.Octets(), apres);
  }

  // Another program holds the copy: the renewal waits for it a moment; if it
  // never lets go, the copy is left whole on its old dictionary, and the
  // next start renews it.
  void unRenouvellementAttendLaBaseOccupeeOuYRenonce_data() {
    QTest::addColumn<int>("occupation"); // ms, -1 for all along
    QTest::addColumn<bool>("renouvele");
    QTest::newRow("un instant") << 300 << true;
    QTest::newRow("tout du long") << -1 << false;
  }
  void unRenouvellementAttendLaBaseOccupeeOuYRenonce() {
    QFETCH(int, occupation);
    QFETCH(bool, renouvele);
    BaseEssai modele({QStringLiteral("MAISON")});
    modele.Executer("PRAGMA user_version = 2");
    BaseEssai copie({QStringLiteral("ANCIEN")},
                    {{QStringLiteral("ALICE"), 42, QStringLiteral("2026-01-02")}});
    copie.Executer("PRAGMA user_version = 1");
    auto autre = MoteurBase::OuvrirBase(copie.Fichier(), false, false, BaseEssai::Connexion,
                                        MoteurBase::Partage::Privee);
    autre->Ecrire(QStringLiteral("BEGIN IMMEDIATE"));
    std::thread liberation;
    if (occupation >= 0)
      liberation = std::thread([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(occupation));
        autre->Ecrire(QStringLiteral("COMMIT"));
      });
    const bool resultat = CopieJoueur::Preparer(modele.Fichier(), copie.Fichier());
    if (liberation.joinable())
      liberation.join();
    else
      autre->Ecrire(QStringLiteral("COMMIT"));
    autre.reset();
    QCOMPARE(resultat, renouvele);
    QCOMPARE(Mots(copie.Fichier()), renouvele ? QStringList{"MAISON"} : QStringList{"ANCIEN"});
    QCOMPARE(copie.Scores().size(), 1);
    if (!renouvele) {
      QVERIFY(CopieJoueur::Preparer(modele.Fichier(), copie.Fichier()));
      QCOMPARE(Mots(copie.Fichier()), QStringList{"MAISON"});
    }
  }

  void uneCopieIlisibleNEstJamaisRemplacee_data() {
    QTest::addColumn<QByteArray>("contenu");
    QTest::newRow("endommagée") << QByteArray(4096, 'x');
    QTest::newRow("vide") << QByteArray();
  }
  void uneCopieIlisibleNEstJamaisRemplacee() {
    QFETCH(QByteArray, contenu);
    BaseEssai modele({QStringLiteral("MAISON")});
    QTemporaryDir joueur;
    const QString copie = joueur.filePath(QStringLiteral("Vocadix.dat"));
    QFile f(copie);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenu);
    f.close();
    QVERIFY_THROWS_EXCEPTION(ErreurBase, CopieJoueur::Preparer(modele.Fichier(), copie));
    QCOMPARE(Octets(copie), contenu);
  }
};

QTEST_GUILESS_MAIN(TestCopieJoueur)
#include "TestCopieJoueur.moc"
