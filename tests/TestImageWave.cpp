// The wave-image reader: the game's ten sounds as it needs them, and damaged
// images refused without reading past their end.

#include "rules/ImageWave.h"

#include <QFile>
#include <QTest>
#include <QtEndian>

namespace {

QByteArray Mot32(quint32 v) {
  QByteArray b(4, '\0');
  qToLittleEndian(v, b.data());
  return b;
}
QByteArray Mot16(quint16 v) {
  QByteArray b(2, '\0');
  qToLittleEndian(v, b.data());
  return b;
}
QByteArray Bloc(const QByteArray &nom, const QByteArray &contenu) {
  QByteArray bloc = nom + Mot32(quint32(contenu.size())) + contenu;
  if (contenu.size() % 2)
    bloc += '\0';
  return bloc;
}
QByteArray Fmt(quint32 frequence = 11025) {
  return Bloc("fmt ",
              Mot16(1) + Mot16(1) + Mot32(frequence) + Mot32(frequence) + Mot16(1) + Mot16(8));
}
QByteArray Riff(const QByteArray &blocs) {
  return "RIFF" + Mot32(quint32(blocs.size() + 4)) + "WAVE" + blocs;
}

} // namespace

class TestImageWave : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void lesSonsDuJeuSontLus_data() {
    QTest::addColumn<int>("numero");
    QTest::addColumn<int>("frequence");
    QTest::addColumn<int>("echantillons");
    QTest::newRow("1") << 1 << 11025 << 16973;
    QTest::newRow("2") << 2 << 11025 << 10896;
    QTest::newRow("3") << 3 << 11025 << 4129;
    QTest::newRow("4") << 4 << 11025 << 30720;
    QTest::newRow("5") << 5 << 11025 << 8632;
    QTest::newRow("6") << 6 << 11025 << 20212;
    QTest::newRow("7") << 7 << 8403 << 9876;
    QTest::newRow("8") << 8 << 8000 << 248461;
    QTest::newRow("9") << 9 << 11025 << 27231;
    QTest::newRow("11") << 11 << 11025 << 1;
  }
  void lesSonsDuJeuSontLus() {
    QFETCH(int, numero);
    QFETCH(int, frequence);
    QFETCH(int, echantillons);
    QFile f(QStringLiteral(":/sons/%1.wav").arg(numero));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const ImageWave image = ImageWave::Lire(f.readAll());
    QVERIFY2(image.Valide(), qPrintable(image.Erreur));
    QCOMPARE(image.Format, 1);
    QCOMPARE(image.Canaux, 1);
    QCOMPARE(image.BitsParEchantillon, 8);
    QCOMPARE(int(image.Frequence), frequence);
    QCOMPARE(image.NombreEchantillons(), echantillons);
    if (numero == 11)
      QCOMPARE(image.Echantillons, QByteArray(1, char(129)));
  }

  void lesBlocsInconnusSontSautes() {
    // An odd-sized chunk before the data, with its pad byte.
    const QByteArray image =
        Riff(Fmt(8000) + Bloc("LIST", "INFOINAM\x03\0\0\0abc") + Bloc("data", "\x80\x81\x82"));
    const ImageWave lue = ImageWave::Lire(image);
    QVERIFY2(lue.Valide(), qPrintable(lue.Erreur));
    QCOMPARE(lue.Frequence, 8000u);
    QCOMPARE(lue.Echantillons, QByteArray("\x80\x81\x82"));
  }

  void uneImageAbimeeEstRefusee_data() {
    QTest::addColumn<QByteArray>("image");
    const QByteArray bonne = Riff(Fmt() + Bloc("data", QByteArray(100, '\x80')));
    QTest::newRow("vide") << QByteArray();
    QTest::newRow("onze octets") << bonne.left(11);
    QTest::newRow("pas RIFF") << QByteArray("RIFX") + bonne.mid(4);
    QTest::newRow("pas WAVE") << bonne.left(8) + "AVI " + bonne.mid(12);
    QTest::newRow("tronquée") << bonne.left(bonne.size() - 10);
    QTest::newRow("bloc trop long") << Riff(Fmt() + "data" + Mot32(1000) + QByteArray(100, '\x80'));
    QTest::newRow("taille géante")
        << Riff(Fmt() + "data" + Mot32(0xFFFFFFF0u) + QByteArray(8, '\x80'));
    QTest::newRow("sans fmt") << Riff(Bloc("data", QByteArray(10, '\x80')));
    QTest::newRow("sans data") << Riff(Fmt());
    QTest::newRow("fmt court") << Riff(Bloc("fmt ", Mot16(1) + Mot16(1)) +
                                       Bloc("data", "\x80\x80"));
  }
  void uneImageAbimeeEstRefusee() {
    QFETCH(QByteArray, image);
    // A copy of exactly that size, so that any read past its end is caught by
    // the sanitizers and valgrind.
    const QByteArray exacte(image.constData(), image.size());
    const ImageWave lue = ImageWave::Lire(exacte);
    QVERIFY(!lue.Valide());
    QVERIFY(lue.Echantillons.isEmpty());
  }
};

QTEST_GUILESS_MAIN(TestImageWave)
#include "TestImageWave.moc"
