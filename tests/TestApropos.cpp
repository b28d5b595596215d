// The About dialog and the help: every label as the player reads it, the
// documents and addresses handed to the desktop, and the help window.

#include "tests/FenetreEssai.h"
#include "windows/Apropos.h"
#include "windows/FenetreAide.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

class TestApropos : public QObject {
  Q_OBJECT

  static QString Texte(QDialog &d, const char *nom) {
    return d.findChild<QLabel *>(QLatin1String(nom))->text();
  }

private Q_SLOTS:
  void lesEtiquettesDisentLeProgrammeEtSaVersion() {
    FenetreEssai essai;
    QVERIFY(essai.Charger());
    Apropos d(essai.plateforme, essai.Fenetre().Etat());
    QCOMPARE(Texte(d, "Titre"), QStringLiteral("Vocadix"));
    QCOMPARE(d.findChild<QLabel *>(QStringLiteral("Titre"))->font().pointSizeF(), 18.0);
    QCOMPARE(Texte(d, "SousTitre"), QStringLiteral("Version 2.1 compilée le 16/04/2000 à 13:46"));
    QCOMPARE(Texte(d, "Description"), QStringLiteral("Vocadix"));
    QCOMPARE(Texte(d, "NomApplication"), QStringLiteral("  Nom de l'éxecutable : vocadix.EXE"));
    QCOMPARE(Texte(d, "Commentaires"), QStringLiteral("  Commentaires :          Jeu de lettres"));
    QCOMPARE(Texte(d, "Copyright"),
             QStringLiteral("  Copyright :                © 1997-2000 Z.A.Ri"));
    QCOMPARE(Texte(d, "Company"),
             QStringLiteral("  Organisation :            Z.A.Ri — Zone des Amateurs de Rimes"));
    QCOMPARE(Texte(d, "TradeMarks"),
             QStringLiteral("  Marques légales :       Vocadix est une marque de Z.A.Ri"));
    QCOMPARE(Texte(d, "Version"),
             QStringLiteral("  Version :                  2.1 du 16/04/2000 à 13:46"));
  }

  void leDialogueALaTailleDeSesOngletsEtSOuvreSurLePremier() {
    FenetreEssai essai;
    QVERIFY(essai.Charger());
    Apropos d(essai.plateforme, essai.Fenetre().Etat());
    auto *onglet = d.findChild<QTabWidget *>(QStringLiteral("Onglet"));
    QCOMPARE(onglet->pos(), QPoint(0, 0));
    QCOMPARE(d.size(), onglet->size());
    QCOMPARE(onglet->size(), QSize(499, 273));
    QVERIFY(d.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(onglet->currentIndex(), 0);
    QStringList titres;
    for (int i = 0; i < onglet->count(); ++i)
      titres << onglet->tabText(i);
    QCOMPARE(titres, (QStringList{"Vocadix", "Infos techniques", "Historique",
                                  "Assistance technique", "Z.A.Ri"}));
    // The only way out is on the first tab.
    auto *quitter = d.findChild<QToolButton *>(QStringLiteral("Quitter"));
    QCOMPARE(quitter->toolTip(), QStringLiteral("Quitter cet écran"));
    QCOMPARE(quitter->parentWidget(), onglet->widget(0));
    d.show();
    quitter->click();
    QVERIFY(!d.isVisible());
  }

  void lesTextesLongsSontEnLignesCRLF() {
    const QStringList historique = Apropos::Historique().split(QStringLiteral("\r\n"));
    QCOMPARE(historique.value(0), QStringLiteral("Evolution des versions de : Vocadix"));
    QCOMPARE(historique.value(1), QString());
    QCOMPARE(historique.value(3),
             QStringLiteral(
                 "03/2000 - V2.0\tModification de l'interface, liste des tirages et solutions."));
    QCOMPARE(historique.size(), 6);
    QVERIFY(!Apropos::Historique().contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
    const QStringList assistance = Apropos::Assistance().split(QStringLiteral("\r\n"));
    QCOMPARE(assistance.value(0), QStringLiteral("ASSISTANCE TECHNIQUE :"));
    QCOMPARE(assistance.value(1), QString());
    QVERIFY(assistance.contains(QStringLiteral("E-Mail : support@zari.example.org")));
    QVERIFY(std::any_of(assistance.cbegin(), assistance.cend(),
                        [](const QString &l) { return l.startsWith(QStringLiteral("Tél : ")); }));
    FenetreEssai essai;
    QVERIFY(essai.Charger());
    Apropos d(essai.plateforme, essai.Fenetre().Etat());
    auto *afficheur = d.findChild<QPlainTextEdit *>(QStringLiteral("Afficheur"));
    QVERIFY(afficheur->isReadOnly());
    QVERIFY(
        afficheur->toPlainText().startsWith(QStringLiteral("Evolution des versions de : Vocadix")));
  }

  void chaqueBoutonOuvreSonDocumentDansLeDossierDuProgramme_data() {
    QTest::addColumn<QString>("bouton");
    QTest::addColumn<QString>("legende");
    QTest::addColumn<QString>("ouvert"); // relative to the program folder, or an address
    QTest::newRow("1") << "SSCommand1"
                       << "Lire Le_ZARi_.txt"
                       << "{dossier}/Le_zari_.txt";
    QTest::newRow("2") << "SSCommand2"
                       << "Lire Adhésion.txt"
                       << "{dossier}/Adhesion.txt";
    QTest::newRow("3") << "SSCommand3"
                       << "Lire Le_ZARi_.hlp"
                       << "{dossier}/Le_Zari_.hlp";
    QTest::newRow("4") << "SSCommand4"
                       << "Lire Le_ZARi_.htm"
                       << "{dossier}/Le_Zari_.htm";
    QTest::newRow("5") << "SSCommand5"
                       << "Visiter le site de ZARi : https://www.zari.example.org/"
                       << "https://www.zari.example.org/";
    QTest::newRow("site") << "Internet"
                          << "Visiter mon site : https://www.zari.example.org/vocadix/"
                          << "https://www.zari.example.org/vocadix/";
    QTest::newRow("courriel") << "EMail"
                              << "M'envoyer un E-Mail : support@zari.example.org"
                              << "mailto:support@zari.example.org";
  }
  void chaqueBoutonOuvreSonDocumentDansLeDossierDuProgramme() {
    QFETCH(QString, bouton);
    QFETCH(QString, legende);
    QFETCH(QString, ouvert);
    FenetreEssai essai;
    QVERIFY(essai.Charger());
    Apropos d(essai.plateforme, essai.Fenetre().Etat());
    auto *b = d.findChild<QPushButton *>(bouton);
    QCOMPARE(b->text(), legende);
    b->click();
    QCOMPARE(essai.plateforme.documents,
             QStringList{QString(ouvert).replace(QStringLiteral("{dossier}"), essai.Dossier())});
    QVERIFY(essai.plateforme.boites.isEmpty());
  }

  void laCommandeAProposOuvreLeDialogue() {
    FenetreEssai essai;
    QVERIFY(essai.Charger());
    essai.Clic(QStringLiteral("Apropos"));
    QCOMPARE(essai.plateforme.dialogues, QStringList{QStringLiteral("Apropos")});
    QVERIFY(essai.plateforme.sons.isEmpty());
  }

  void laFenetreDAideMontreLAideOuDitQuElleManque() {
    FenetreAide aide;
    aide.Ouvrir(QStringLiteral(VOCADIX_DOSSIER_PROGRAMME "/Vocadix.hlp"));
    QVERIFY(aide.isVisible());
    QVERIFY(aide.Texte().contains(QStringLiteral("Le dictionnaire")));
    aide.Ouvrir(QStringLiteral("/nulle/part/Vocadix.hlp"));
    QVERIFY(aide.Texte().contains(QStringLiteral("Aide indisponible")));
    QVERIFY(aide.Texte().contains(QStringLiteral("/nulle/part/Vocadix.hlp")));
  }
};

QTEST_MAIN(TestApropos)
#include "TestApropos.moc"
