// The engine connection: the password of a connect string, and every way an
// open can fail, each reported in French with the file and the cause, and
// none of them creating or changing the file.

#include "data/ErreurBase.h"
#include "data/MoteurBase.h"
#include "tests/BaseEssai.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <thread>

class TestMoteurBase : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void leMotDePasseEstLuDansLaChaineDeConnexion_data() {
    QTest::addColumn<QString>("connexion");
    QTest::addColumn<QString>("motDePasse");
    QTest::newRow("jeu") << QString::fromLatin1(CleBase::Connexion)
                         << QString::fromLatin1(CleBase::Cle);
    QTest::newRow("majuscules") << ";PWD=abc"
                                << "abc";
    QTest::newRow("parmi d'autres") << "Access;uid=x;pwd=y;"
                                    << "y";
    QTest::newRow("sans") << "Access"
                          << "";
    QTest::newRow("vide") << ""
                          << "";
  }
  void leMotDePasseEstLuDansLaChaineDeConnexion() {
    QFETCH(QString, connexion);
    QFETCH(QString, motDePasse);
    QCOMPARE(MoteurBase::MotDePasse(connexion), motDePasse);
  }

  void uneBaseDuJeuSOuvreEtSeRetrouveParSonFichier() {
    BaseEssai essai({QStringLiteral("MAISON")});
    {
      auto moteur = MoteurBase::OuvrirBase(essai.Fichier(), false, false, BaseEssai::Connexion);
      QCOMPARE(MoteurBase::Ouverte(essai.Fichier()), moteur.get());
      // The same file named another way is the same connection.
      QCOMPARE(MoteurBase::Ouverte(essai.Dossier() + QStringLiteral("/./Vocadix.dat")),
               moteur.get());
      QCOMPARE(moteur->Lire(QStringLiteral("SELECT NOM FROM DICO")).lignes.size(), 1);
    }
    QCOMPARE(MoteurBase::Ouverte(essai.Fichier()), nullptr);
  }

  // The connection opened at start-up is derived on another thread while
  // the window looks connections up: the registry is shared between threads.
  void leRegistreDesConnexionsSupporteDeuxFils() {
    BaseEssai essai({QStringLiteral("MAISON")});
    std::atomic<bool> fini = false;
    std::thread ouvertures([&] {
      for (int i = 0; i < 6; ++i)
        MoteurBase::OuvrirBase(essai.Fichier(), false, true, BaseEssai::Connexion);
      fini = true;
    });
    // A connection found may be closed the next instant: it is not used,
    // and nothing returns before the other thread is joined.
    int lectures = 0;
    while (!fini) {
      (void)MoteurBase::Ouverte(essai.Fichier());
      ++lectures;
    }
    ouvertures.join();
    QVERIFY(lectures > 0);
    QCOMPARE(MoteurBase::Ouverte(essai.Fichier()), nullptr);
  }

  void uneOuvertureRefuseeDitLeFichierEtLaCauseSansToucherAuFichier_data() {
    QTest::addColumn<QString>("cas");
    QTest::addColumn<QString>("cause");
    QTest::newRow("absent") << "absent"
                            << "le fichier est introuvable";
    QTest::newRow("vide") << "vide"
                          << "le fichier est vide";
    QTest::newRow("endommagé") << "octets"
                               << "le mot de passe est refusé ou le fichier est endommagé";
    QTest::newRow("autre mot de passe") << "autre mot de passe"
                                        << "le mot de passe est refusé ou le fichier est endommagé";
    QTest::newRow("sans mot de passe") << "sans mot de passe"
                                       << "le fichier n'est pas protégé par le mot de passe du jeu";
    QTest::newRow("sans les tables") << "sans tables"
                                     << "le fichier ne contient pas les tables du jeu";
    QTest::newRow("un dossier") << "dossier"
                                << "ce n'est pas un fichier";
  }
  void uneOuvertureRefuseeDitLeFichierEtLaCauseSansToucherAuFichier() {
    QFETCH(QString, cas);
    QFETCH(QString, cause);
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("Vocadix.dat"));
    Preparer(cas, fichier);
    const QByteArray avant = Contenu(fichier);

    try {
      MoteurBase::OuvrirBase(fichier, false, false, BaseEssai::Connexion);
      QFAIL("l'ouverture aurait dû échouer");
    } catch (const ErreurBase &e) {
      QCOMPARE(
          e.Texte(),
          QStringLiteral("Impossible d'ouvrir la base de jeu « %1 » : %2.").arg(fichier, cause));
    }
    QCOMPARE(QFileInfo::exists(fichier), cas != QLatin1String("absent"));
    QCOMPARE(Contenu(fichier), avant);
    QCOMPARE(MoteurBase::Ouverte(fichier), nullptr);
  }

  void uneRequeteFautiveEstSignalee() {
    BaseEssai essai;
    auto moteur = MoteurBase::OuvrirBase(essai.Fichier(), false, false, BaseEssai::Connexion);
    try {
      moteur->Lire(QStringLiteral("SELECT * FROM MOTS"));
      QFAIL("la requête aurait dû échouer");
    } catch (const ErreurBase &e) {
      QCOMPARE(e.Texte(), QStringLiteral("Impossible de lire la base de jeu « %1 » : la table "
                                         "MOTS n'existe pas.")
                              .arg(essai.Fichier()));
    }
  }

  void uneBaseOuverteEnLectureSeuleRefuseLesEcritures() {
    BaseEssai essai;
    auto moteur = MoteurBase::OuvrirBase(essai.Fichier(), false, true, BaseEssai::Connexion);
    try {
      moteur->Ecrire(QStringLiteral("INSERT INTO SCORES VALUES ('A', 1, '2026-01-01')"));
      QFAIL("l'écriture aurait dû échouer");
    } catch (const ErreurBase &e) {
      QCOMPARE(e.CauseSeule(), QStringLiteral("le fichier est en lecture seule"));
      QVERIFY(e.Texte().startsWith(QStringLiteral("Impossible d'écrire dans la base de jeu")));
    }
    QVERIFY(essai.Scores().isEmpty());
  }

  void unePageEndommageeEstSignaleeALaLecture() {
    QStringList mots;
    for (int i = 0; i < 4000; ++i)
      mots << QStringLiteral("MOT%1").arg(i, 5, 10, QLatin1Char('0'));
    BaseEssai essai(mots);
    QFile f(essai.Fichier());
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.size() > 16 * 1024);
    f.seek(f.size() / 2);
    f.write(QByteArray(4096, '\x5a'));
    f.close();

    auto moteur = MoteurBase::OuvrirBase(essai.Fichier(), false, false, BaseEssai::Connexion);
    try {
      moteur->Lire(QStringLiteral("SELECT count(*) FROM DICO"));
      QFAIL("la lecture aurait dû échouer");
    } catch (const ErreurBase &e) {
      QVERIFY2(e.CauseSeule().contains(QStringLiteral("endommagé")), qPrintable(e.Texte()));
    }
  }

private:
  static QByteArray Contenu(const QString &fichier) {
    QFile f(fichier);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  static void Ecrire(const QString &fichier, const QByteArray &octets) {
    QFile f(fichier);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(octets);
  }

  static void Preparer(const QString &cas, const QString &fichier) {
    static BaseEssai autreCle({QStringLiteral("MAISON")}, {}, "autre");
    static BaseEssai sansCle({QStringLiteral("MAISON")}, {}, "");
    if (cas == QLatin1String("vide"))
      Ecrire(fichier, {});
    else if (cas == QLatin1String("octets"))
      Ecrire(fichier, QByteArray(8192, '\x17'));
    else if (cas == QLatin1String("autre mot de passe"))
      Ecrire(fichier, autreCle.Octets());
    else if (cas == QLatin1String("sans mot de passe"))
      Ecrire(fichier, sansCle.Octets());
    else if (cas == QLatin1String("dossier"))
      QDir().mkpath(fichier);
    else if (cas == QLatin1String("sans tables")) {
      BaseEssai essai;
      MoteurBase::OuvrirBase(essai.Fichier(), false, false, BaseEssai::Connexion)
          ->Ecrire(QStringLiteral("DROP TABLE DICO"));
      Ecrire(fichier, essai.Octets());
    }
  }
};

QTEST_GUILESS_MAIN(TestMoteurBase)
#include "TestMoteurBase.moc"
