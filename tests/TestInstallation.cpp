// An installed game: read-only data in the installed folder, the player's
// database and settings in his own folders, his scores kept there across a
// restart, and the installed files left as they were.

#include "data/MoteurBase.h"
#include "tests/BaseEssai.h"
#include "tests/PlateformeEssai.h"
#include "windows/Depart.h"

#include "Installation.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// bin/vocadix and the installed data folder beside it, as an install lays
// them out, and a player's home.
struct JeuInstalle {
  QTemporaryDir racine;
  BaseEssai modele{{QStringLiteral("RUE")}};
  PlateformeEssai plateforme;
  QString installe;

  JeuInstalle() {
    const QString bin = racine.filePath(QStringLiteral("bin"));
    installe = QDir::cleanPath(bin + u'/' + QString::fromUtf8(Installation::DonneesRelatives));
    QDir().mkpath(bin);
    QDir().mkpath(installe);
    QFile::copy(modele.Fichier(), installe + QStringLiteral("/Vocadix.dat"));
    QFile aide(installe + QStringLiteral("/Vocadix.hlp"));
    aide.open(QIODevice::WriteOnly);
    aide.write("<html><body>Aide</body></html>");
    aide.close();
    plateforme.fichierProgramme = bin + QStringLiteral("/vocadix");
    QFile programme(plateforme.fichierProgramme);
    programme.open(QIODevice::WriteOnly);
    programme.close();
    plateforme.donneesJoueur = racine.filePath(QStringLiteral("home/.local/share/vocadix"));
    plateforme.reglagesJoueur = racine.filePath(QStringLiteral("home/.config/vocadix"));
  }

  QByteArray Installe(const QString &nom) const {
    QFile f(installe + u'/' + nom);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(absent)");
  }
};

} // namespace

class TestInstallation : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void leJoueurGardeSesScoresEtSesOptionsChezLui() {
    JeuInstalle jeu;
    const QByteArray modele = jeu.Installe(QStringLiteral("Vocadix.dat"));
    {
      Depart depart(jeu.plateforme);
      QVERIFY(depart.Form_Load());
      QCOMPARE(depart.Etat().CheminDonnees, jeu.plateforme.donneesJoueur + u'/');
      QCOMPARE(depart.Etat().CheminReglages, jeu.plateforme.reglagesJoueur + u'/');
      QCOMPARE(depart.Etat().CheminDocuments, jeu.installe + u'/');
      QVERIFY(QFile::exists(jeu.plateforme.donneesJoueur + QStringLiteral("/Vocadix.dat")));
      jeu.plateforme.pendantDialogue = [](QDialog &d) {
        QTest::keyClicks(d.findChild<QLineEdit *>(QStringLiteral("SaisieNom")),
                         QStringLiteral("max"));
        d.findChild<QPushButton *>(QStringLiteral("Valider"))->click();
        return d.result();
      };
      depart.BarreBoutons_ButtonClick(QStringLiteral("NouvellePartie"));
      for (int i = 0; i < 11; ++i)
        depart.BarreBoutons_ButtonClick(QStringLiteral("NouveauJeu"));
      QCOMPARE(jeu.plateforme.dialogues, QStringList{QStringLiteral("Enregistre")});
      depart.BarreBoutons_ButtonClick(QStringLiteral("AvecSon"));
      depart.BarreBoutons_ButtonClick(QStringLiteral("Aide"));
      QCoreApplication::processEvents();
      QCOMPARE(jeu.plateforme.aides, QStringList{jeu.installe + QStringLiteral("/Vocadix.hlp")});
      depart.BarreBoutons_ButtonClick(QStringLiteral("Quitter"));
    }
    QFile reglages(jeu.plateforme.reglagesJoueur + QStringLiteral("/Vocadix.ini"));
    QVERIFY(reglages.open(QIODevice::ReadOnly));
    QCOMPARE(reglages.readAll(), QByteArray("N\r\nO\r\n"));

    // A restart finds the score in the player's copy; the installed files
    // are as they were.
    Depart autre(jeu.plateforme);
    QVERIFY(autre.Form_Load());
    const auto copie =
        MoteurBase::OuvrirBase(jeu.plateforme.donneesJoueur + QStringLiteral("/Vocadix.dat"), false,
                               true, BaseEssai::Connexion, MoteurBase::Partage::Privee);
    const QList<QVariantList> scores =
        copie->Lire(QStringLiteral("SELECT NOM, SCORE FROM SCORES")).lignes;
    QCOMPARE(scores, (QList<QVariantList>{{QStringLiteral("MAX"), 0}}));
    QCOMPARE(jeu.Installe(QStringLiteral("Vocadix.dat")), modele);
    QVERIFY(!QFile::exists(jeu.racine.filePath(QStringLiteral("bin/Vocadix.ini"))));
    QVERIFY(!QFile::exists(jeu.racine.filePath(QStringLiteral("bin/Vocadix.dat"))));
  }
};

QTEST_MAIN(TestInstallation)
#include "TestInstallation.moc"
