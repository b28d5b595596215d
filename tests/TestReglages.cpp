// The settings file: read as the player or an older run left it, written back
// in its exact form, and never left broken by a failed write.

#include "rules/Preferences.h"
#include "rules/Reglages.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestReglages : public QObject {
  Q_OBJECT

  QTemporaryDir m_dossier;
  QString Fichier() const { return m_dossier.filePath(QStringLiteral("Vocadix.ini")); }
  void Ecrire(const QByteArray &octets) {
    QFile f(Fichier());
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(octets);
  }
  QByteArray Lire() const {
    QFile f(Fichier());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(absent)");
  }

private Q_SLOTS:
  void init() {
    QFile::remove(Fichier());
    QDir(Fichier()).removeRecursively();
  }

  void lesOptionsSontLuesTellesQuelles_data() {
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QString>("son");
    QTest::addColumn<QString>("message");
    QTest::newRow("habituel") << QByteArray("O\r\nN\r\n") << "O"
                              << "N";
    QTest::newRow("deux N") << QByteArray("N\r\nN\r\n") << "N"
                            << "N";
    QTest::newRow("LF seuls") << QByteArray("N\nN\n") << "N"
                              << "N";
    QTest::newRow("CR seuls") << QByteArray("N\rN\r") << "N"
                              << "N";
    QTest::newRow("sans fin de ligne") << QByteArray("N\r\nN") << "N"
                                       << "N";
    QTest::newRow("une ligne") << QByteArray("N\r\n") << "N"
                               << "O";
    QTest::newRow("vide") << QByteArray() << "O"
                          << "O";
    QTest::newRow("minuscule et mot") << QByteArray("n\r\nNon\r\n") << "n"
                                      << "Non";
    QTest::newRow("espaces gardés") << QByteArray(" N \r\n\r\n") << " N "
                                    << "";
    QTest::newRow("octets hors ASCII") << QByteArray("\xe9t\xe9\r\n\x01\r\n")
                                       << QString::fromUtf8("été") << QStringLiteral("\x01");
    QTest::newRow("lignes en trop") << QByteArray("N\r\nO\r\nX\r\nY\r\n") << "N"
                                    << "O";
  }
  void lesOptionsSontLuesTellesQuelles() {
    QFETCH(QByteArray, contenu);
    QFETCH(QString, son);
    QFETCH(QString, message);
    Ecrire(contenu);
    const Reglages reglages = Reglages::Lire(Fichier());
    QCOMPARE(reglages.OptionSon, son);
    QCOMPARE(reglages.OptionMessage, message);
  }

  void sansFichierOrdinaireLesDeuxOptionsSontActives() {
    QCOMPARE(Reglages::Lire(Fichier()).OptionSon, QStringLiteral("O"));
    QVERIFY(QDir().mkdir(Fichier()));
    const Reglages reglages = Reglages::Lire(Fichier());
    QCOMPARE(reglages.OptionSon, QStringLiteral("O"));
    QCOMPARE(reglages.OptionMessage, QStringLiteral("O"));
    QVERIFY(!QFileInfo(Fichier()).isFile());
  }

  void unFichierEnormeNEstLuQueSurDeuxLignes() {
    // 40 MiB without a single line end, then a plain second line.
    Ecrire(QByteArray(40 * 1024 * 1024, 'N') + "\r\nO\r\n");
    QElapsedTimer chrono;
    chrono.start();
    const Reglages reglages = Reglages::Lire(Fichier());
    QVERIFY2(chrono.elapsed() < 2000, "la lecture doit s'arrêter tôt");
    QCOMPARE(reglages.OptionSon.size(), Reglages::LongueurMaximale);
    QCOMPARE(reglages.OptionMessage, QStringLiteral("O"));
  }

  void lesValeursSontReecritesSansChangement_data() {
    QTest::addColumn<QString>("son");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("octets");
    QTest::newRow("son coupé") << "N"
                               << "O" << QByteArray("N\r\nO\r\n");
    QTest::newRow("tout actif") << "O"
                                << "O" << QByteArray("O\r\nO\r\n");
    QTest::newRow("valeurs étranges")
        << QString::fromUtf8("été") << "oui" << QByteArray("\xe9t\xe9\r\noui\r\n");
  }
  void lesValeursSontReecritesSansChangement() {
    QFETCH(QString, son);
    QFETCH(QString, message);
    QFETCH(QByteArray, octets);
    Ecrire("ancien contenu plus long que le nouveau\r\n\r\n\r\n");
    QString cause;
    QVERIFY((Reglages{son, message}.Ecrire(Fichier(), &cause)));
    QCOMPARE(Lire(), octets);
    // What is written reads back the same.
    const Reglages relu = Reglages::Lire(Fichier());
    QCOMPARE(relu.OptionSon, son);
    QCOMPARE(relu.OptionMessage, message);
  }

  void uneEcritureImpossibleLeDitEtNeCasseRien_data() {
    QTest::addColumn<QString>("cas");
    QTest::newRow("dossier à la place du fichier") << "dossier";
    QTest::newRow("dossier du programme disparu") << "disparu";
  }
  void uneEcritureImpossibleLeDitEtNeCasseRien() {
    QFETCH(QString, cas);
    QString fichier = Fichier();
    if (cas == QLatin1String("dossier"))
      QVERIFY(QDir().mkdir(fichier));
    else
      fichier = m_dossier.filePath(QStringLiteral("disparu/Vocadix.ini"));
    QString cause;
    QVERIFY(!(Reglages{QStringLiteral("N"), QStringLiteral("N")}.Ecrire(fichier, &cause)));
    QVERIFY(!cause.isEmpty());
    QVERIFY(!QFileInfo(fichier).isFile());
    QCOMPARE(QDir(m_dossier.path()).entryList(QDir::Files), QStringList());
  }

  // The added settings' own file: the time of a round, one of those the game
  // offers, else the normal one; the opponent's level, else none; written
  // back as read.
  void lesPreferences_data() {
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<int>("temps");
    QTest::addColumn<int>("adversaire");
    QTest::newRow("absent") << QByteArray() << 45 << 0;
    QTest::newRow("90") << QByteArray("temps=90\n") << 90 << 0;
    QTest::newRow("sans limite, CR LF") << QByteArray("temps=0\r\nadversaire=4\r\n") << 0 << 4;
    QTest::newRow("non proposés") << QByteArray("temps=30\nadversaire=5\n") << 45 << 0;
    QTest::newRow("illisibles") << QByteArray("temps=quatre-vingt-dix\nadversaire=-1\n") << 45 << 0;
    QTest::newRow("parmi d'autres lignes")
        << QByteArray("[Jeu]\nadversaire=1\n=3\ntemps=90\nson=O\n") << 90 << 1;
    QTest::newRow("sans le temps") << QByteArray("adversaire=3") << 45 << 3;
  }
  void lesPreferences() {
    QFETCH(QByteArray, contenu);
    QFETCH(int, temps);
    QFETCH(int, adversaire);
    const Preferences lues = Preferences::Lire(QByteArrayView(contenu));
    QCOMPARE(lues.Temps, temps);
    QCOMPARE(lues.Adversaire, adversaire);
    QCOMPARE(Preferences::Lire(QByteArrayView(lues.Octets())).Temps, temps);
    QCOMPARE(Preferences::Lire(QByteArrayView(lues.Octets())).Adversaire, adversaire);
    const QString fichier = m_dossier.filePath(QStringLiteral("Preferences.ini"));
    QString cause;
    QVERIFY(lues.Ecrire(fichier, &cause));
    QCOMPARE(Preferences::Lire(fichier).Temps, temps);
    QCOMPARE(Preferences::Lire(fichier).Adversaire, adversaire);
    QVERIFY(QFile::remove(fichier));
    QCOMPARE(Preferences::Lire(fichier).Temps, 45);
    QCOMPARE(Preferences::Lire(fichier).Adversaire, 0);
  }
};

QTEST_GUILESS_MAIN(TestReglages)
#include "TestReglages.moc"
