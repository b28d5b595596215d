// Start-up and shutdown of the main window: the refusals, the layout, the
// options read and written, and the two option buttons of the command bar.

#include "rules/Twips.h"
#include "tests/FenetreEssai.h"
#include "windows/BarreCommandes.h"
#include "windows/BarreEtat.h"
#include "windows/Tuile.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>

using Icone = Plateforme::Icone;
using Style = BarreCommandes::Style;

class TestDemarrage : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void laFenetreSOuvreSurUnJeuVierge() {
    FenetreEssai essai;
    QVERIFY(essai.Charger());
    Depart &f = essai.Fenetre();
    QCOMPARE(f.windowTitle(), QStringLiteral("Vocadix 2.1"));
    QCOMPARE(f.Etat().TitreAppli, QStringLiteral("Vocadix 2.1"));
    QCOMPARE(f.Etat().VersionAppli, QStringLiteral("2.1"));
    QCOMPARE(f.Etat().DateAppli, QStringLiteral("16/04/2000 à 13:46"));
    QCOMPARE(f.Etat().CheminAppli, essai.Dossier() + u'/');
    QCOMPARE(essai.Texte(QStringLiteral("Message")), QStringLiteral("Cliquez sur Nouvelle partie"));
    QCOMPARE(essai.Texte(QStringLiteral("Panneau1")), QStringLiteral("Vocadix  -  Version 2.1"));
    // The status bar's panels are in the regular weight, not the window's bold.
    for (int panneau = 1; panneau <= 7; ++panneau)
      QVERIFY(!essai.Etiquette(QStringLiteral("Panneau%1").arg(panneau))->font().bold());
    for (const QString &nom : {QStringLiteral("ComptePartie"), QStringLiteral("Score")})
      QVERIFY(essai.Texte(nom).isEmpty());
    QVERIFY(essai.TableauVierge());
    for (const char *ligne : {"Haut", "Bas", "Gauche", "Droite"})
      QVERIFY(f.findChild<QWidget *>(QLatin1String(ligne))->isHidden());
    QVERIFY(essai.plateforme.boites.isEmpty());
    QVERIFY(essai.plateforme.sons.isEmpty());
  }

  void laBarreDeCommandesAsesDixNeufPositions() {
    FenetreEssai essai;
    QVERIFY(essai.Charger());
    const BarreCommandes &barre = essai.Barre();
    const QStringList cles = {
        "",     "NouvellePartie", "NouveauJeu", "",       "Consonnes", "Voyelles", "",
        "Stop", "Verification",   "",           "Scores", "",          "AvecSon",  "AvecMessage",
        "",     "Apropos",        "",           "Aide",   "Quitter"};
    const QList<int> images = {0, 1, 2, 0, 3, 4, 0, 5, 6, 0, 7, 0, 8, 14, 0, 13, 0, 11, 10};
    // The game's own nineteen, then what it adds behind a separator of its own.
    QCOMPARE(barre.Nombre(), 23);
    for (int p = 1; p <= 19; ++p) {
      QCOMPARE(barre.Cle(p), cles.at(p - 1));
      QCOMPARE(barre.Bouton(p)->isSeparator(), cles.at(p - 1).isEmpty());
      QCOMPARE(barre.Image(p), images.at(p - 1));
      QVERIFY(!barre.Enfonce(p));
    }
    QCOMPARE(barre.Bouton(QStringLiteral("Stop"))->toolTip(), QStringLiteral("Arrêt"));
    QCOMPARE(barre.Bouton(QStringLiteral("Aide"))->toolTip(), QStringLiteral("Un peu d'aide ?"));
    QCOMPARE(barre.StyleBouton(13), Style::Bascule);
    QCOMPARE(barre.StyleBouton(14), Style::Bascule);
    QVERIFY(barre.Bouton(20)->isSeparator());
    QCOMPARE(barre.Cle(21), QStringLiteral("Reglages"));
    QCOMPARE(barre.Image(21), 16);
    QCOMPARE(barre.Bouton(21)->toolTip(), QStringLiteral("Réglages de la partie"));
    QVERIFY(barre.Bouton(22)->isSeparator());
    QCOMPARE(barre.Cle(23), QStringLiteral("Statistiques"));
    QCOMPARE(barre.Image(23), 17);
    QCOMPARE(barre.Bouton(23)->toolTip(), QStringLiteral("Statistiques de vos parties"));
    // Only the first game command is live before a game.
    for (const char *cle : {"NouveauJeu", "Consonnes", "Voyelles", "Stop", "Verification"})
      QVERIFY2(!essai.Actif(QLatin1String(cle)), cle);
    for (const char *cle : {"NouvellePartie", "Scores", "AvecSon", "AvecMessage", "Apropos", "Aide",
                            "Quitter", "Reglages", "Statistiques"})
      QVERIFY2(essai.Actif(QLatin1String(cle)), cle);
  }

  void lesControlesSontPlacesDepuisLesTwips() {
    FenetreEssai essai;
    essai.plateforme.largeurTwips = int(Twips::DepuisPixels(1024, 96));
    QVERIFY(essai.Charger());
    QCOMPARE(essai.Fenetre().logicalDpiX(), 96);
    // The tile panel is centred on the screen; everything else keeps its place.
    QCOMPARE(essai.Etiquette(QStringLiteral("Support"))->geometry(), QRect(136, 112, 753, 137));
    QCOMPARE(essai.Etiquette(QStringLiteral("Message"))->geometry(), QRect(8, 64, 785, 33));
    QCOMPARE(essai.Lettre(3)->geometry(), QRect(16 + 3 * 80, 16, 81, 97));
    QCOMPARE(essai.Etiquette(QStringLiteral("ComptePartie"))->geometry(), QRect(48, 272, 161, 47));
    for (int k = 0; k < 10; ++k) {
      QCOMPARE(essai.Etiquette(QStringLiteral("RecapTirages%1").arg(k))->geometry(),
               QRect(424, 304 + 20 * k, 129, 20));
      QCOMPARE(essai.Etiquette(QStringLiteral("RecapPoints%1").arg(k))->geometry(),
               QRect(712, 304 + 20 * k, 65, 20));
    }
  }

  void unSecondExemplaireEstRefuse() {
    FenetreEssai essai;
    essai.plateforme.autreExemplaire = true;
    QVERIFY(!essai.Charger());
    QCOMPARE(essai.Fenetre().CodeSortie(), 1);
    QCOMPARE(essai.plateforme.boites.size(), 1);
    const auto boite = essai.plateforme.DerniereBoite();
    QCOMPARE(boite.titre, QString());
    QCOMPARE(
        boite.texte,
        QStringLiteral("L'application est déjà en mémoire !!\n\nUtiliser la barre des taches"));
    QCOMPARE(boite.icone, Icone::Arret);
    QCOMPARE(essai.Reglages(), QByteArray("(absent)"));
  }

  void unEcranTropEtroitEstRefuse_data() {
    QTest::addColumn<int>("pixels");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<bool>("accepte");
    QTest::newRow("800 px à 96 ppp") << 800 << 96 << true;
    QTest::newRow("799 px à 96 ppp") << 799 << 96 << false;
    QTest::newRow("800 px à 120 ppp") << 800 << 120 << false;
    QTest::newRow("1024 px à 120 ppp") << 1024 << 120 << true;
  }
  void unEcranTropEtroitEstRefuse() {
    QFETCH(int, pixels);
    QFETCH(int, dpi);
    QFETCH(bool, accepte);
    FenetreEssai essai;
    essai.plateforme.largeurTwips = qRound(Twips::DepuisPixels(pixels, dpi));
    QCOMPARE(essai.Charger(), accepte);
    if (accepte) {
      QVERIFY(essai.plateforme.boites.isEmpty());
      return;
    }
    QCOMPARE(essai.Fenetre().CodeSortie(), 1);
    QCOMPARE(essai.plateforme.DerniereBoite().texte,
             QStringLiteral("Ce logiciel nécessite un moniteur réglé en 800*600 minimum !!"));
    QCOMPARE(essai.plateforme.DerniereBoite().titre, QStringLiteral("Vocadix 2.1"));
    QCOMPARE(essai.Reglages(), QByteArray("(absent)"));
  }

  void uneBaseDeJeuInutilisableArreteLeProgramme_data() {
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QString>("cause");
    QTest::newRow("absente") << QByteArray() << "le fichier est introuvable";
    QTest::newRow("endommagée") << QByteArray(4096, '\x42')
                                << "le mot de passe est refusé ou le fichier est endommagé";
  }
  void uneBaseDeJeuInutilisableArreteLeProgramme() {
    QFETCH(QByteArray, contenu);
    QFETCH(QString, cause);
    FenetreEssai essai;
    const QString fichier = essai.Dossier() + QStringLiteral("/Vocadix.dat");
    QFile::remove(fichier);
    if (!contenu.isEmpty()) {
      QFile f(fichier);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(contenu);
    }
    QVERIFY(!essai.Charger());
    QCOMPARE(essai.Fenetre().CodeSortie(), 1);
    const auto boite = essai.plateforme.DerniereBoite();
    QCOMPARE(boite.icone, Icone::Arret);
    QCOMPARE(boite.titre, QStringLiteral("Vocadix 2.1"));
    QCOMPARE(boite.texte,
             QStringLiteral("Impossible d'ouvrir la base de jeu « %1 » : %2.").arg(fichier, cause));
    QCOMPARE(QFile::exists(fichier), !contenu.isEmpty());
    if (!contenu.isEmpty()) {
      QFile f(fichier);
      QVERIFY(f.open(QIODevice::ReadOnly));
      QCOMPARE(f.readAll(), contenu);
    }
  }

  void lesOptionsLuesAuDemarrageDonnentLaFormeDesBoutons_data() {
    QTest::addColumn<QByteArray>("reglages");
    QTest::addColumn<QString>("cleSon");
    QTest::addColumn<QString>("cleMessage");
    QTest::addColumn<bool>("messageVisible");
    QTest::newRow("absents") << QByteArray() << "AvecSon"
                             << "AvecMessage" << true;
    QTest::newRow("N et N") << QByteArray("N\r\nN\r\n") << "SansSon"
                            << "SansMessage" << false;
    QTest::newRow("N et O, fins LF") << QByteArray("N\nO\n") << "SansSon"
                                     << "AvecMessage" << true;
    QTest::newRow("minuscules") << QByteArray("n\r\nn\r\n") << "AvecSon"
                                << "AvecMessage" << true;
    QTest::newRow("une ligne") << QByteArray("N\r\n") << "SansSon"
                               << "AvecMessage" << true;
  }
  void lesOptionsLuesAuDemarrageDonnentLaFormeDesBoutons() {
    QFETCH(QByteArray, reglages);
    QFETCH(QString, cleSon);
    QFETCH(QString, cleMessage);
    QFETCH(bool, messageVisible);
    FenetreEssai essai;
    if (!reglages.isEmpty())
      essai.EcrireReglages(reglages);
    QVERIFY(essai.Charger());
    BarreCommandes &barre = essai.Barre();
    QCOMPARE(barre.Cle(13), cleSon);
    QCOMPARE(barre.Cle(14), cleMessage);
    QCOMPARE(barre.Enfonce(13), cleSon == QLatin1String("SansSon"));
    QCOMPARE(barre.Enfonce(14), cleMessage == QLatin1String("SansMessage"));
    QCOMPARE(barre.Image(13), cleSon == QLatin1String("SansSon") ? 9 : 8);
    QCOMPARE(barre.Image(14), cleMessage == QLatin1String("SansMessage") ? 15 : 14);
    QCOMPARE(!essai.Etiquette(QStringLiteral("Message"))->isHidden(), messageVisible);
    QCOMPARE(barre.Nombre(), 23);
  }

  void lesBoutonsDOptionChangentDeFormeEtReviennent() {
    FenetreEssai essai;
    QVERIFY(essai.Charger());
    BarreCommandes &barre = essai.Barre();

    essai.Clic(QStringLiteral("AvecSon"));
    QCOMPARE(barre.Cle(13), QStringLiteral("SansSon"));
    QCOMPARE(barre.Image(13), 9);
    QVERIFY(barre.Enfonce(13));
    QCOMPARE(barre.Bouton(13)->toolTip(), QStringLiteral("Activation du son"));
    QCOMPARE(essai.Fenetre().Etat().OptionSon, QStringLiteral("N"));

    essai.Clic(QStringLiteral("SansSon"));
    QCOMPARE(barre.Cle(13), QStringLiteral("AvecSon"));
    QCOMPARE(barre.Image(13), 8);
    QVERIFY(!barre.Enfonce(13));
    QCOMPARE(barre.StyleBouton(13), Style::Simple);
    QCOMPARE(barre.Bouton(13)->toolTip(), QStringLiteral("Retrait du son"));
    QCOMPARE(essai.Fenetre().Etat().OptionSon, QStringLiteral("O"));

    essai.Clic(QStringLiteral("AvecMessage"));
    QCOMPARE(barre.Cle(14), QStringLiteral("SansMessage"));
    QCOMPARE(barre.Bouton(14)->toolTip(),
             QStringLiteral("Activer l'aide au déroulement de la partie"));
    QVERIFY(essai.Etiquette(QStringLiteral("Message"))->isHidden());
    // Hidden guidance goes on being written, and shows when switched back on.
    essai.Clic(QStringLiteral("NouvellePartie"));
    essai.Clic(QStringLiteral("SansMessage"));
    QVERIFY(!essai.Etiquette(QStringLiteral("Message"))->isHidden());
    QCOMPARE(essai.Texte(QStringLiteral("Message")), QStringLiteral("Cliquez sur Nouveau jeu"));
    QCOMPARE(barre.Bouton(14)->toolTip(),
             QStringLiteral("Désactiver l'aide au déroulement de la partie"));
    // The other buttons kept their places.
    QCOMPARE(barre.Nombre(), 23);
    QCOMPARE(barre.Cle(12), QString());
    QCOMPARE(barre.Cle(16), QStringLiteral("Apropos"));
    QVERIFY(essai.plateforme.sons.size() == 1); // the new game's only
  }

  void quitterEnregistreLesOptions_data() {
    QTest::addColumn<QByteArray>("avant");
    QTest::addColumn<QStringList>("clics");
    QTest::addColumn<QByteArray>("apres");
    QTest::newRow("sans fichier") << QByteArray() << QStringList() << QByteArray("O\r\nO\r\n");
    QTest::newRow("son coupé") << QByteArray() << QStringList{"AvecSon"}
                               << QByteArray("N\r\nO\r\n");
    QTest::newRow("tout rétabli") << QByteArray("N\r\nN\r\n")
                                  << QStringList{"SansSon", "SansMessage"}
                                  << QByteArray("O\r\nO\r\n");
    QTest::newRow("valeur étrange gardée")
        << QByteArray("oui\nN") << QStringList() << QByteArray("oui\r\nN\r\n");
    QTest::newRow("valeur étrange basculée")
        << QByteArray("x\r\nO\r\n") << QStringList{"AvecSon"} << QByteArray("N\r\nO\r\n");
  }
  void quitterEnregistreLesOptions() {
    QFETCH(QByteArray, avant);
    QFETCH(QStringList, clics);
    QFETCH(QByteArray, apres);
    FenetreEssai essai;
    if (!avant.isEmpty())
      essai.EcrireReglages(avant);
    QVERIFY(essai.Charger());
    for (const QString &cle : clics)
      essai.Clic(cle);
    // In the middle of a countdown, too.
    essai.Clic(QStringLiteral("NouvellePartie"));
    essai.Clic(QStringLiteral("NouveauJeu"));
    essai.Tirer(QStringLiteral("ABCDEFGHI"));
    essai.Clic(QStringLiteral("Quitter"));
    QCOMPARE(essai.Reglages(), apres);
    QVERIFY(!essai.Fenetre().findChild<QTimer *>(QStringLiteral("ChronoPartie"))->isActive());
    QVERIFY(essai.Fenetre().isHidden());
  }

  void laCaseDeFermetureEnregistreAussiLesOptions() {
    FenetreEssai essai;
    QVERIFY(essai.Charger());
    essai.Clic(QStringLiteral("AvecMessage"));
    essai.Fenetre().show();
    QVERIFY(essai.Fenetre().close());
    QCOMPARE(essai.Reglages(), QByteArray("O\r\nN\r\n"));
    QVERIFY(essai.plateforme.boites.isEmpty());
  }

  void desOptionsImpossiblesAEnregistrerSontSignalees() {
    FenetreEssai essai;
    QVERIFY(essai.Charger());
    QVERIFY(QDir().mkdir(essai.Dossier() + QStringLiteral("/Vocadix.ini")));
    essai.Clic(QStringLiteral("Quitter"));
    QCOMPARE(essai.plateforme.boites.size(), 1);
    const auto boite = essai.plateforme.DerniereBoite();
    QCOMPARE(boite.icone, Icone::Arret);
    QVERIFY2(
        boite.texte.startsWith(
            QStringLiteral(
                "Les options n'ont pas pu être enregistrées dans le fichier « %1/Vocadix.ini » : ")
                .arg(essai.Dossier())),
        qPrintable(boite.texte));
  }

  void laBarreDEtatSuitLHeureEtLaToucheInsertion() {
    // Taken before the window sets its clock: under the sanitizers loading
    // takes seconds, and a minute may turn meanwhile.
    const QDateTime avant = QDateTime::currentDateTime();
    FenetreEssai essai;
    QVERIFY(essai.Charger());
    essai.Fenetre().show();
    const QString date = essai.Texte(QStringLiteral("Panneau6"));
    const QString heure = essai.Texte(QStringLiteral("Panneau7"));
    const QDateTime apres = QDateTime::currentDateTime();
    QVERIFY(date == avant.toString(QStringLiteral("dd/MM/yyyy")) ||
            date == apres.toString(QStringLiteral("dd/MM/yyyy")));
    QVERIFY(heure == avant.toString(QStringLiteral("HH:mm")) ||
            heure == apres.toString(QStringLiteral("HH:mm")));
    const QStringList verrous = {"DEFIL", "INS", "MAJ", "NUM"};
    for (int panneau = 2; panneau <= 5; ++panneau)
      QCOMPARE(essai.Texte(QStringLiteral("Panneau%1").arg(panneau)), verrous.at(panneau - 2));
    // Off the X server no light is on; Insert is counted as a toggle.
    QLabel *insertion = essai.Etiquette(QStringLiteral("Panneau3"));
    QVERIFY(!insertion->isEnabled());
    QVERIFY(QTest::qWaitForWindowExposed(&essai.Fenetre()));
    QTest::keyClick(essai.Fenetre().windowHandle(), Qt::Key_Insert);
    QVERIFY(insertion->isEnabled());
    QTest::keyClick(essai.Fenetre().windowHandle(), Qt::Key_Insert);
    QVERIFY(!insertion->isEnabled());
    QVERIFY(!essai.Etiquette(QStringLiteral("Panneau4"))->isEnabled());
  }

  void F1EtLaCommandeAideOuvrentLaMemeAide() {
    FenetreEssai essai;
    QVERIFY(essai.Charger());
    essai.Fenetre().show();
    QTest::keyClick(&essai.Fenetre(), Qt::Key_F1);
    essai.Clic(QStringLiteral("Aide"));
    QCoreApplication::processEvents();
    const QString aide = essai.Dossier() + QStringLiteral("/Vocadix.hlp");
    QCOMPARE(essai.plateforme.aides, (QStringList{aide, aide}));
  }
};

QTEST_MAIN(TestDemarrage)
#include "TestDemarrage.moc"
