// The end of a game in the score-entry dialog, and the high-score dialog:
// the name field, the refusals, the grid, the reset, and the failures of the
// database along the way.

#include "platform/Bruitage.h"
#include "rules/Globales.h"
#include "tests/FenetreEssai.h"
#include "windows/Enregistre.h"
#include "windows/Scores.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using Icone = Plateforme::Icone;

namespace {

QList<BaseEssai::Score> Dix(int plusBas = 12) {
  QList<BaseEssai::Score> table;
  const QList<int> scores = {40, plusBas, 63, 25, 70, 33, 51, 18, 29, 44};
  for (int i = 0; i < scores.size(); ++i)
    table.append({QStringLiteral("JOUEUR %1").arg(i), scores.at(i),
                  QStringLiteral("2026-03-%1").arg(i + 1, 2, 10, QLatin1Char('0'))});
  return table;
}

struct Jeu {
  FenetreEssai essai;
  Globales G;
  qint16 total;
  QLabel message; // the main window's guidance line, as the dialog sets it
  Bruitage bruitage{essai.plateforme, G};

  explicit Jeu(const QList<BaseEssai::Score> &scores, int total = 30)
      : essai({}, scores), total(qint16(total)) {
    essai.Charger();
    G = essai.Fenetre().Etat();
    message.setText(QStringLiteral("ancien texte"));
  }
  void Guider(Enregistre &d) {
    QObject::connect(&d, &Enregistre::Guider, &message, &QLabel::setText);
  }
};

// Types as a keyboard would, accented letters included.
void Taper(QWidget *champ, const QString &texte) {
  for (const QChar c : texte) {
    const int touche = c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - u'A') : c.unicode();
    QKeyEvent appui(QEvent::KeyPress, c.unicode() < 128 ? touche : Qt::Key_unknown, Qt::NoModifier,
                    QString(c));
    QKeyEvent relache(QEvent::KeyRelease, appui.key(), Qt::NoModifier, QString(c));
    QApplication::sendEvent(champ, &appui);
    QApplication::sendEvent(champ, &relache);
  }
}

QLineEdit *Champ(QDialog &d) {
  return d.findChild<QLineEdit *>(QStringLiteral("SaisieNom"));
}
QPushButton *Bouton(QDialog &d, const char *nom) {
  return d.findChild<QPushButton *>(QLatin1String(nom));
}
QString Cellule(QDialog &d, int ligne, int colonne) {
  return d.findChild<QTableWidget *>(QStringLiteral("Grille"))->item(ligne, colonne)->text();
}

} // namespace

class TestDialoguesScores : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void leDialogueEstDisposeCommeSonImage() {
    Jeu jeu({});
    Enregistre d(jeu.essai.plateforme, jeu.G, jeu.total);
    jeu.Guider(d);
    QCOMPARE(d.size(), QSize(616, 440));
    QCOMPARE(d.windowTitle(), QString());
    QCOMPARE(Champ(d)->geometry(), QRect(64, 176, 313, 41));
    QCOMPARE(Champ(d)->maxLength(), 15);
    QCOMPARE(Bouton(d, "Valider")->geometry(), QRect(472, 408, 65, 25));
    QCOMPARE(Bouton(d, "Annuler")->geometry(), QRect(544, 408, 65, 25));
    QCOMPARE(Bouton(d, "Valider")->text(), QStringLiteral("&Valider"));
    QCOMPARE(Bouton(d, "Annuler")->text(), QStringLiteral("&Annuler"));
    QCOMPARE(Champ(d)->nextInFocusChain(), Bouton(d, "Annuler"));
    QCOMPARE(Bouton(d, "Annuler")->nextInFocusChain(), Bouton(d, "Valider"));
    QVERIFY(!Bouton(d, "Valider")->isDefault() && !Bouton(d, "Valider")->autoDefault());
    QVERIFY(!Bouton(d, "Annuler")->isDefault() && !Bouton(d, "Annuler")->autoDefault());
  }

  void lesTouchesTapeesSontMisesEnCapitales_data() {
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("lu");
    QTest::newRow("minuscules") << "paul"
                                << "PAUL";
    QTest::newRow("accents") << "élodie ça"
                             << "ÉLODIE ÇA";
    QTest::newRow("chiffres et signes") << "a-1 b'2"
                                        << "A-1 B'2";
    QTest::newRow("seize caractères") << "abcdefghijklmnop"
                                      << "ABCDEFGHIJKLMNO";
  }
  void lesTouchesTapeesSontMisesEnCapitales() {
    QFETCH(QString, tape);
    QFETCH(QString, lu);
    Jeu jeu({});
    Enregistre d(jeu.essai.plateforme, jeu.G, jeu.total);
    jeu.Guider(d);
    d.show();
    Taper(Champ(d), tape);
    QCOMPARE(Champ(d)->text(), lu);
    QTest::keyClick(Champ(d), Qt::Key_Backspace);
    QCOMPARE(Champ(d)->text(), lu.chopped(1));
  }

  void entreeEtEchapNeFontRien() {
    Jeu jeu({});
    Enregistre d(jeu.essai.plateforme, jeu.G, jeu.total);
    jeu.Guider(d);
    d.show();
    QTest::keyClicks(Champ(d), QStringLiteral("lea"));
    QTest::keyClick(Champ(d), Qt::Key_Return);
    QTest::keyClick(Champ(d), Qt::Key_Escape);
    QVERIFY(d.isVisible());
    QCOMPARE(Champ(d)->text(), QStringLiteral("LEA"));
    QVERIFY(jeu.essai.base.Scores().isEmpty());
  }

  void unNomCollEGardeSaCasseMaisPasPlusDeQuinzeCaracteres() {
    Jeu jeu({});
    Enregistre d(jeu.essai.plateforme, jeu.G, jeu.total);
    jeu.Guider(d);
    d.show();
    QApplication::clipboard()->setText(QStringLiteral("Jean-Édouard de la Fontaine"));
    Champ(d)->paste();
    QCOMPARE(Champ(d)->text(), QStringLiteral("Jean-Édouard de"));
  }

  void unNomVideEstRefuseEtLeDialogueResteOuvert() {
    Jeu jeu({});
    Enregistre d(jeu.essai.plateforme, jeu.G, jeu.total);
    jeu.Guider(d);
    d.show();
    Bouton(d, "Valider")->click();
    QVERIFY(d.isVisible());
    const auto boite = jeu.essai.plateforme.DerniereBoite();
    QCOMPARE(boite.texte,
             QStringLiteral("Saisissez au moins une lettre ou cliquez sur Annuler !!!"));
    QCOMPARE(boite.icone, Icone::Arret);
    QCOMPARE(boite.titre, QStringLiteral("Vocadix 2.1"));
    QCOMPARE(jeu.message.text(), QStringLiteral("ancien texte"));
    QVERIFY(jeu.essai.base.Scores().isEmpty());
  }

  void unNomEstEnregistreTelQuelAvecLaDateDuJour() {
    Jeu jeu(Dix().mid(0, 3), 27);
    Enregistre d(jeu.essai.plateforme, jeu.G, jeu.total);
    jeu.Guider(d);
    d.show();
    QApplication::clipboard()->setText(QStringLiteral("  O'Brien \"X\" "));
    Champ(d)->paste();
    Bouton(d, "Valider")->click();
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(jeu.message.text(), QStringLiteral("Cliquez sur Nouvelle partie"));
    const auto lignes = jeu.essai.base.Scores();
    QCOMPARE(lignes.size(), 4);
    QCOMPARE(lignes.last(),
             (QVariantList{QStringLiteral("  O'Brien \"X\" "), 27, QStringLiteral("2026-12-09")}));
    QVERIFY(jeu.essai.plateforme.boites.isEmpty());
  }

  void unScoreQuiNeBatPasLeDixiemeEstRefuse_data() {
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("mot");
    QTest::newRow("égal") << 12 << "égal";
    QTest::newRow("inférieur") << 3 << "inférieur";
  }
  void unScoreQuiNeBatPasLeDixiemeEstRefuse() {
    QFETCH(int, total);
    QFETCH(QString, mot);
    Jeu jeu(Dix(), total);
    const auto avant = jeu.essai.base.Scores();
    Enregistre d(jeu.essai.plateforme, jeu.G, jeu.total);
    jeu.Guider(d);
    d.show();
    Taper(Champ(d), QStringLiteral("léa"));
    Bouton(d, "Valider")->click();
    QCOMPARE(jeu.essai.plateforme.boites.size(), 1);
    QCOMPARE(jeu.essai.plateforme.DerniereBoite().texte,
             QStringLiteral("Désolé, LÉA,\n\nvotre score est %1 au plus petit score enregistré "
                            "!!!\n\nVous ne pouvez être classé.")
                 .arg(mot));
    QVERIFY(!d.isVisible());
    QCOMPARE(jeu.message.text(), QStringLiteral("Cliquez sur Nouvelle partie"));
    QCOMPARE(jeu.essai.base.Scores(), avant);
  }

  void annulerNEnregistreRienMemeMessagesCoupes() {
    Jeu jeu({});
    jeu.message.hide();
    Enregistre d(jeu.essai.plateforme, jeu.G, jeu.total);
    jeu.Guider(d);
    d.show();
    QTest::keyClicks(Champ(d), QStringLiteral("paul"));
    Bouton(d, "Annuler")->click();
    QVERIFY(!d.isVisible());
    QCOMPARE(jeu.message.text(), QStringLiteral("Cliquez sur Nouvelle partie"));
    QVERIFY(jeu.message.isHidden());
    QVERIFY(jeu.essai.base.Scores().isEmpty());
  }

  void uneBaseEnPanneALEnregistrementLeDitEtFermeLeDialogue() {
    Jeu jeu({});
    jeu.essai.base.Executer("DROP TABLE SCORES");
    Enregistre d(jeu.essai.plateforme, jeu.G, jeu.total);
    jeu.Guider(d);
    d.show();
    QTest::keyClicks(Champ(d), QStringLiteral("paul"));
    Bouton(d, "Valider")->click();
    QVERIFY(!d.isVisible());
    QCOMPARE(jeu.message.text(), QStringLiteral("Cliquez sur Nouvelle partie"));
    QCOMPARE(jeu.essai.plateforme.DerniereBoite().texte,
             QStringLiteral("Votre score n'a pas pu être enregistré.\n\nImpossible de lire la base "
                            "de jeu « %1/Vocadix.dat » : la table SCORES n'existe pas.")
                 .arg(jeu.essai.Dossier()));
  }

  void laGrilleMontreLesMeilleursDAbord() {
    auto table = Dix();
    table[3].score = QVariant(); // a game without a total
    Jeu jeu(table);
    Scores d(jeu.essai.plateforme, jeu.G, jeu.bruitage);
    QCOMPARE(d.windowTitle(), QStringLiteral("Liste des 10 meilleurs scores"));
    QCOMPARE(d.size(), QSize(285, 263));
    for (int c = 0; c < 3; ++c)
      QVERIFY(Cellule(d, 0, c).isEmpty());
    QCOMPARE(Cellule(d, 1, 0), QStringLiteral("JOUEUR 4"));
    QCOMPARE(Cellule(d, 1, 1), QStringLiteral("70"));
    QCOMPARE(Cellule(d, 1, 2), QStringLiteral("05/03/2026"));
    QCOMPARE(Cellule(d, 2, 1), QStringLiteral("63"));
    QCOMPARE(Cellule(d, 9, 1), QStringLiteral("12"));
    // The game without a total sorts last and leaves its score cell blank.
    QCOMPARE(Cellule(d, 10, 0), QStringLiteral("JOUEUR 3"));
    QCOMPARE(Cellule(d, 10, 1), QString());
    QCOMPARE(Cellule(d, 10, 2), QStringLiteral("04/03/2026"));
    for (int c = 0; c < 3; ++c)
      QVERIFY(Cellule(d, 11, c).isEmpty());
    auto *grille = d.findChild<QTableWidget *>(QStringLiteral("Grille"));
    QCOMPARE(grille->columnWidth(0), 153);
    QCOMPARE(grille->columnWidth(1), 27);
    QCOMPARE(grille->columnWidth(2), 87);
    QCOMPARE(grille->item(1, 0)->textAlignment() & Qt::AlignHorizontal_Mask, int(Qt::AlignLeft));
    QCOMPARE(grille->item(1, 1)->textAlignment() & Qt::AlignHorizontal_Mask, int(Qt::AlignHCenter));
    QCOMPARE(grille->x(), 9);
  }

  void uneTableDePlusDeOnzeJeuxMontreLesOnzePremiers() {
    auto table = Dix();
    table += {{QStringLiteral("ONZE"), 5, QStringLiteral("2026-04-01")},
              {QStringLiteral("DOUZE"), 4, QStringLiteral("2026-04-02")},
              {QStringLiteral("TREIZE"), 3, QStringLiteral("2026-04-03")}};
    Jeu jeu(table);
    Scores d(jeu.essai.plateforme, jeu.G, jeu.bruitage);
    QCOMPARE(Cellule(d, 11, 0), QStringLiteral("ONZE"));
    QVERIFY(jeu.essai.plateforme.boites.isEmpty());
  }

  void laRemiseAZeroVideTableEtGrille() {
    Jeu jeu(Dix());
    {
      Scores d(jeu.essai.plateforme, jeu.G, jeu.bruitage);
      d.findChild<QPushButton *>(QStringLiteral("RAZ"))->click();
      for (int l = 0; l < Scores::Lignes; ++l)
        for (int c = 0; c < 3; ++c)
          QVERIFY(Cellule(d, l, c).isEmpty());
      QVERIFY(jeu.essai.base.Scores().isEmpty());
    }
    Scores rouvert(jeu.essai.plateforme, jeu.G, jeu.bruitage);
    QVERIFY(Cellule(rouvert, 1, 0).isEmpty());
  }

  void okCoupeLaMusiqueQuandLeSonEstActif_data() {
    QTest::addColumn<QString>("son");
    QTest::addColumn<QList<int>>("joues");
    QTest::newRow("son actif") << "O" << QList<int>{11};
    QTest::newRow("son coupé") << "N" << QList<int>{};
  }
  void okCoupeLaMusiqueQuandLeSonEstActif() {
    QFETCH(QString, son);
    QFETCH(QList<int>, joues);
    Jeu jeu({});
    jeu.G.OptionSon = son;
    const QList<int> &sons = jeu.essai.plateforme.sons;
    Scores d(jeu.essai.plateforme, jeu.G, jeu.bruitage);
    d.show();
    d.findChild<QPushButton *>(QStringLiteral("Valider"))->click();
    QVERIFY(!d.isVisible());
    QCOMPARE(sons, joues);
  }

  // Enter as the dialog opens, Escape and the frame's close box all close it
  // as Ok does: the music stops and the table is left as it was.
  void chaqueFermetureAgitCommeOk_data() {
    QTest::addColumn<QString>("maniere");
    QTest::newRow("Ok") << "ok";
    QTest::newRow("Entrée dès l'ouverture") << "entree";
    QTest::newRow("Échap") << "echap";
    QTest::newRow("case de fermeture") << "fermeture";
  }
  void chaqueFermetureAgitCommeOk() {
    QFETCH(QString, maniere);
    Jeu jeu(Dix());
    const QList<int> &sons = jeu.essai.plateforme.sons;
    Scores d(jeu.essai.plateforme, jeu.G, jeu.bruitage);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    auto *ok = d.findChild<QPushButton *>(QStringLiteral("Valider"));
    auto *raz = d.findChild<QPushButton *>(QStringLiteral("RAZ"));
    QCOMPARE(QApplication::focusWidget(), ok);
    QVERIFY(ok->isDefault());
    QVERIFY(!raz->isDefault() && !raz->autoDefault());
    if (maniere == QLatin1String("ok"))
      ok->click();
    else if (maniere == QLatin1String("entree"))
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    else if (maniere == QLatin1String("echap"))
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    else
      d.close();
    QVERIFY(!d.isVisible());
    QCOMPARE(sons, QList<int>{11});
    QCOMPARE(jeu.essai.base.Scores().size(), 10);
  }

  void laRemiseAZeroAgitAuClavierQuandElleALeFocus() {
    Jeu jeu(Dix());
    Scores d(jeu.essai.plateforme, jeu.G, jeu.bruitage);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    auto *raz = d.findChild<QPushButton *>(QStringLiteral("RAZ"));
    raz->setFocus();
    QTest::keyClick(raz, Qt::Key_Space);
    QVERIFY(jeu.essai.base.Scores().isEmpty());
    QVERIFY(d.isVisible());
  }

  void laGrilleEtOkSontCentresDansLaZoneCliente() {
    Jeu jeu(Dix());
    Scores d(jeu.essai.plateforme, jeu.G, jeu.bruitage);
    // Whatever room the platform leaves inside the frame.
    d.setFixedSize(d.width() - 40, d.height());
    d.Form_Load();
    for (const char *nom : {"Grille", "Valider"}) {
      const QWidget *controle = d.findChild<QWidget *>(QLatin1String(nom));
      const int gauche = controle->x(), droite = d.width() - controle->geometry().right() - 1;
      QVERIFY2(qAbs(gauche - droite) <= 1, nom);
    }
  }

  void uneTableIlisibleLeDitEtLaisseLeDialogueUtilisable() {
    Jeu jeu({});
    jeu.essai.base.Executer("DROP TABLE SCORES");
    Scores d(jeu.essai.plateforme, jeu.G, jeu.bruitage);
    QCOMPARE(jeu.essai.plateforme.DerniereBoite().texte,
             QStringLiteral("Le tableau des scores n'a pas pu être lu.\n\nImpossible de lire la "
                            "base de jeu « %1/Vocadix.dat » : la table SCORES n'existe pas.")
                 .arg(jeu.essai.Dossier()));
    d.show();
    d.findChild<QPushButton *>(QStringLiteral("Valider"))->click();
    QVERIFY(!d.isVisible());
  }

  void laFinDeLaPartieOuvreLEnregistrementEtLeScoreSurvitAuRedemarrage() {
    QString dossier;
    {
      FenetreEssai essai({QStringLiteral("RUE")});
      dossier = essai.Dossier();
      QVERIFY(essai.Charger());
      essai.plateforme.pendantDialogue = [](QDialog &d) {
        QTest::keyClicks(Champ(d), QStringLiteral("max"));
        Bouton(d, "Valider")->click();
        return d.result();
      };
      essai.Clic(QStringLiteral("NouvellePartie"));
      for (int jeu = 1; jeu <= 9; ++jeu)
        essai.Clic(QStringLiteral("NouveauJeu"));
      essai.JouerJusquALArret(QStringLiteral("RUEMAISON"), 3);
      essai.Clic(QStringLiteral("Verification"));
      QCOMPARE(essai.plateforme.dialogues, QStringList{QStringLiteral("Enregistre")});
      QCOMPARE(essai.Texte(QStringLiteral("Message")),
               QStringLiteral("Cliquez sur Nouvelle partie"));
      QCOMPARE(essai.base.Scores(),
               (QList<QVariantList>{{QStringLiteral("MAX"), 3, QStringLiteral("2026-12-09")}}));
      essai.Clic(QStringLiteral("Quitter"));

      // The program starts again on the same folder and shows the table.
      Depart autre(essai.plateforme);
      essai.depart.reset();
      QVERIFY(autre.Form_Load());
      QStringList premiereLigne;
      essai.plateforme.pendantDialogue = [&premiereLigne](QDialog &d) {
        premiereLigne = {Cellule(d, 1, 0), Cellule(d, 1, 1), Cellule(d, 1, 2)};
        return 1;
      };
      autre.BarreBoutons_ButtonClick(QStringLiteral("Scores"));
      QCOMPARE(premiereLigne, (QStringList{"MAX", "3", "09/12/2026"}));
      QCOMPARE(essai.plateforme.dialogues.last(), QStringLiteral("Scores"));
      QCOMPARE(essai.plateforme.sons.last(), 8);
    }
  }
};

QTEST_MAIN(TestDialoguesScores)
#include "TestDialoguesScores.moc"
