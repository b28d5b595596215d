// The whole game from the keyboard: the commands' shortcuts, the word typed
// on the tiles, and what assistive technology reads of the window.

#include "rules/Manche.h"
#include "tests/FenetreEssai.h"
#include "windows/BarreCommandes.h"
#include "windows/Tuile.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

namespace {

const QStringList Mots = {"MAISON", "RUE"};

// A key pressed in the main window; a shortcut clicks its button, which
// lands a moment later, as a click does.
void Touche(FenetreEssai &essai, Qt::Key touche, Qt::KeyboardModifiers modificateurs = {}) {
  QTest::keyClick(&essai.Fenetre(), touche, modificateurs);
  QTest::qWait(150);
}

// Typed text, accented letters included.
void Taper(FenetreEssai &essai, const QString &texte) {
  for (const QChar c : texte) {
    const int touche =
        c.unicode() < 128 && c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - u'A') : 0;
    QKeyEvent appui(QEvent::KeyPress, touche, Qt::NoModifier, QString(c));
    QApplication::sendEvent(&essai.Fenetre(), &appui);
  }
}

QToolButton *BoutonOutil(FenetreEssai &essai, const QString &cle) {
  return essai.Fenetre().findChild<QToolButton *>(QStringLiteral("bouton_") + cle);
}

} // namespace

class TestClavier : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void chaqueRaccourciAgitCommeUnClicSurSonBouton() {
    FenetreEssai essai(Mots);
    QVERIFY(essai.ChargerEtMontrer());
    // No game yet: a new round cannot be asked for.
    Touche(essai, Qt::Key_J, Qt::ControlModifier);
    QVERIFY(essai.plateforme.sons.isEmpty());
    Touche(essai, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(essai.plateforme.sons, QList<int>{1});
    QVERIFY(essai.Actif(QStringLiteral("NouveauJeu")));
    Touche(essai, Qt::Key_J, Qt::ControlModifier);
    QCOMPARE(essai.Texte(QStringLiteral("ComptePartie")), QStringLiteral("Jeu n° 1"));
    // C and V draw a consonant and a vowel.
    essai.plateforme.aleatoires = {0.0, 0.0};
    Touche(essai, Qt::Key_C);
    Touche(essai, Qt::Key_V);
    QCOMPARE(essai.Lettres(), QStringLiteral("BA"));
    // Return stops nothing while Stop is disabled.
    Touche(essai, Qt::Key_Return);
    QVERIFY(!essai.Actif(QStringLiteral("Verification")));
    // Sound and guidance switch off and on.
    Touche(essai, Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(essai.Barre().Cle(13), QStringLiteral("SansSon"));
    Touche(essai, Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(essai.Barre().Cle(13), QStringLiteral("AvecSon"));
    Touche(essai, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(essai.Barre().Cle(14), QStringLiteral("SansMessage"));
    QVERIFY(essai.Etiquette(QStringLiteral("Message"))->isHidden());
    // The scores and the About dialog open as from the bar.
    Touche(essai, Qt::Key_T, Qt::ControlModifier);
    Touche(essai, Qt::Key_F1, Qt::ControlModifier);
    QCOMPARE(essai.plateforme.dialogues, (QStringList{"Scores", "Apropos"}));
    // Ctrl+Q quits and saves the options.
    Touche(essai, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(essai.Reglages(), QByteArray("O\r\nN\r\n"));
  }

  // A shortcut acts as its key goes down, every press of it: no click that
  // lands later and swallows the presses that come meanwhile.
  void chaqueAppuiCompteAussitot() {
    FenetreEssai essai(Mots);
    QVERIFY(essai.ChargerEtMontrer());
    QTest::keyClick(&essai.Fenetre(), Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(&essai.Fenetre(), Qt::Key_J, Qt::ControlModifier);
    QCOMPARE(essai.Texte(QStringLiteral("ComptePartie")), QStringLiteral("Jeu n° 1"));
    essai.plateforme.aleatoires = {0.0, 0.07, 0.99};
    // The second press comes while the first letter's sound lets events run.
    bool appuye = false;
    essai.plateforme.pendantSon = [&](int son) {
      if (son == 3 && !std::exchange(appuye, true))
        QTest::keyClick(&essai.Fenetre(), Qt::Key_C);
    };
    QTest::keyClick(&essai.Fenetre(), Qt::Key_C);
    QTest::keyClick(&essai.Fenetre(), Qt::Key_V);
    QCOMPARE(essai.Lettres(), QStringLiteral("BCY"));
    essai.plateforme.pendantSon = nullptr;
    essai.plateforme.aleatoires = {0.2, 0.3, 0.4, 0.6, 0.7, 0.8};
    for (int i = 0; i < 6; ++i)
      QTest::keyClick(&essai.Fenetre(), Qt::Key_C);
    QVERIFY(essai.Actif(QStringLiteral("Stop")));
    // Return and the keypad's Enter stop the round at once, as they verify.
    essai.Fenetre().Lettre_DblClick(0);
    QTest::keyClick(&essai.Fenetre(), Qt::Key_Return);
    QVERIFY(essai.Actif(QStringLiteral("Verification")));
    QTest::keyClick(&essai.Fenetre(), Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(!essai.Actif(QStringLiteral("Verification")));
    QCOMPARE(essai.plateforme.boites.size(), 1);
  }

  void lesRaccourcisSontLusCommeRaccourcisDesBoutons_data() {
    QTest::addColumn<QString>("cle");
    QTest::addColumn<QString>("raccourci");
    QTest::newRow("nouvelle partie") << "NouvellePartie"
                                     << "Ctrl+N";
    QTest::newRow("nouveau jeu") << "NouveauJeu"
                                 << "Ctrl+J";
    QTest::newRow("consonnes") << "Consonnes"
                               << "C";
    QTest::newRow("voyelles") << "Voyelles"
                              << "V";
    QTest::newRow("arrêt") << "Stop"
                           << "Return";
    QTest::newRow("vérification") << "Verification"
                                  << "Return";
    QTest::newRow("scores") << "Scores"
                            << "Ctrl+T";
    QTest::newRow("son") << "AvecSon"
                         << "Ctrl+M";
    QTest::newRow("messages") << "AvecMessage"
                              << "Ctrl+G";
    QTest::newRow("à propos") << "Apropos"
                              << "Ctrl+F1";
    QTest::newRow("quitter") << "Quitter"
                             << "Ctrl+Q";
    QTest::newRow("réglages") << "Reglages"
                              << "Ctrl+R";
    QTest::newRow("statistiques") << "Statistiques"
                                  << "Ctrl+H";
  }
  void lesRaccourcisSontLusCommeRaccourcisDesBoutons() {
    QFETCH(QString, cle);
    QFETCH(QString, raccourci);
    FenetreEssai essai;
    QVERIFY(essai.ChargerEtMontrer());
    QToolButton *bouton = BoutonOutil(essai, cle);
    QVERIFY(bouton);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(bouton);
    QVERIFY(accessible && accessible->actionInterface());
    const QStringList liaisons = accessible->actionInterface()->keyBindingsForAction(
        QAccessibleActionInterface::pressAction());
    QCOMPARE(liaisons, QStringList{raccourci});
    // The tooltips stay as they were.
    QVERIFY(!bouton->toolTip().contains(raccourci));
  }

  void F1EtLaCommandeAideOuvrentLAideUneFoisChacun() {
    FenetreEssai essai;
    QVERIFY(essai.ChargerEtMontrer());
    Touche(essai, Qt::Key_F1);
    QTest::qWait(200);
    QCOMPARE(essai.plateforme.aides.size(), 1);
    // The help command's own simulated F1 opens it once more, and only once.
    essai.Clic(QStringLiteral("Aide"));
    QTest::qWait(300);
    QCOMPARE(essai.plateforme.aides.size(), 2);
  }

  void unBoutonRemplaceGardeSonRaccourci() {
    FenetreEssai essai;
    essai.EcrireReglages("N\r\nN\r\n");
    QVERIFY(essai.ChargerEtMontrer());
    QCOMPARE(BoutonOutil(essai, QStringLiteral("SansSon"))->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+M")));
    QCOMPARE(BoutonOutil(essai, QStringLiteral("SansMessage"))->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+G")));
  }

  void unRoundEntierAuClavier() {
    FenetreEssai essai(Mots);
    QVERIFY(essai.ChargerEtMontrer());
    Touche(essai, Qt::Key_N, Qt::ControlModifier);
    Touche(essai, Qt::Key_J, Qt::ControlModifier);
    essai.Tirer(QStringLiteral("RUEMAISON"));
    Taper(essai, QStringLiteral("mai"));
    QCOMPARE(essai.Lettres(), QStringLiteral("MAIRUESON"));
    QCOMPARE(essai.Texte(QStringLiteral("Message")),
             QStringLiteral("Cliquez sur Stop pour terminer"));
    Taper(essai, QStringLiteral("son"));
    QCOMPARE(essai.Lettres(), QStringLiteral("MAISONRUE"));
    for (int i = 0; i < 9; ++i)
      QCOMPARE(essai.Marquee(i), i < 6);
    Touche(essai, Qt::Key_Return);
    QCOMPARE(essai.Fenetre().Modele().Mot(), QStringLiteral("MAISON"));
    QVERIFY(essai.Actif(QStringLiteral("Verification")));
    Touche(essai, Qt::Key_Return);
    QCOMPARE(essai.plateforme.DerniereBoite().icone, Plateforme::Icone::Question);
    QCOMPARE(essai.Texte(QStringLiteral("RecapPoints0")), QStringLiteral("6"));
    // The round over, letters do nothing.
    Taper(essai, QStringLiteral("r"));
    QCOMPARE(essai.Lettres(), QStringLiteral("MAISONRUE"));
  }

  void pendantLArrangementCEtVTapentDesLettres() {
    FenetreEssai essai(Mots);
    QVERIFY(essai.ChargerEtMontrer());
    essai.Clic(QStringLiteral("NouvellePartie"));
    essai.Clic(QStringLiteral("NouveauJeu"));
    essai.Tirer(QStringLiteral("SAVONCUIR"));
    for (const Qt::Key touche : {Qt::Key_C, Qt::Key_A, Qt::Key_V})
      Touche(essai, touche);
    QCOMPARE(essai.Lettres(), QStringLiteral("CAVSONUIR"));
    QCOMPARE(essai.Fenetre().Modele().MotMarque(), QStringLiteral("CAV"));
  }

  void retourArriereEtEchapDefontLeMot() {
    FenetreEssai essai(Mots);
    QVERIFY(essai.ChargerEtMontrer());
    essai.Clic(QStringLiteral("NouvellePartie"));
    essai.Clic(QStringLiteral("NouveauJeu"));
    essai.Tirer(QStringLiteral("RUEMAISON"));
    Taper(essai, QStringLiteral("ruez"));
    QCOMPARE(essai.Fenetre().Modele().MotMarque(), QStringLiteral("RUE"));
    Touche(essai, Qt::Key_Backspace);
    QCOMPARE(essai.Fenetre().Modele().MotMarque(), QStringLiteral("RU"));
    Touche(essai, Qt::Key_Escape);
    QCOMPARE(essai.Fenetre().Modele().NombreMarquees(), 0);
    // With nothing marked, Return is a refused stop.
    Touche(essai, Qt::Key_Enter);
    QCOMPARE(essai.Texte(QStringLiteral("Message")),
             QStringLiteral("Vous devez double-cliquer sur la dernière lettre du mot créé !!!"));
    QVERIFY(essai.Actif(QStringLiteral("Stop")));
  }

  void pendantLeTirageLesLettresNeFontRien() {
    FenetreEssai essai(Mots);
    QVERIFY(essai.ChargerEtMontrer());
    essai.Clic(QStringLiteral("NouvellePartie"));
    essai.Clic(QStringLiteral("NouveauJeu"));
    essai.Tirer(QStringLiteral("MAI"));
    Taper(essai, QStringLiteral("am"));
    QCOMPARE(essai.Lettres(), QStringLiteral("MAI"));
    QCOMPARE(essai.Fenetre().Modele().NombreMarquees(), 0);
  }

  void uneToucheArriveePendantLeSonDeLArretNeChangeRien() {
    FenetreEssai essai(Mots);
    QVERIFY(essai.ChargerEtMontrer());
    essai.Clic(QStringLiteral("NouvellePartie"));
    essai.Clic(QStringLiteral("NouveauJeu"));
    essai.Tirer(QStringLiteral("MAISONRUE"));
    Taper(essai, QStringLiteral("mais"));
    essai.plateforme.pendantSon = [&](int son) {
      if (son == 9) {
        Taper(essai, QStringLiteral("o"));
        QTest::keyClick(&essai.Fenetre(), Qt::Key_Escape);
      }
    };
    essai.Clic(QStringLiteral("Stop"));
    QCOMPARE(essai.Fenetre().Modele().Mot(), QStringLiteral("MAIS"));
    QCOMPARE(essai.Fenetre().Modele().NombreMarquees(), 4);
  }

  void lesRaccourcisNAgissentPasDansUnChampDeDialogue() {
    FenetreEssai essai(Mots);
    QVERIFY(essai.ChargerEtMontrer());
    essai.Clic(QStringLiteral("NouvellePartie"));
    for (int jeu = 1; jeu <= 10; ++jeu)
      essai.Clic(QStringLiteral("NouveauJeu"));
    QString saisi;
    essai.plateforme.pendantDialogue = [&](QDialog &dialogue) {
      // Shown modal, as the program runs it.
      dialogue.setModal(true);
      dialogue.show();
      QApplication::setActiveWindow(&dialogue);
      if (!QTest::qWaitForWindowActive(&dialogue))
        return int(QDialog::Rejected);
      auto *champ = dialogue.findChild<QLineEdit *>(QStringLiteral("SaisieNom"));
      champ->setFocus();
      for (const Qt::Key touche : {Qt::Key_C, Qt::Key_V})
        QTest::keyClick(champ, touche);
      QTest::keyClick(champ, Qt::Key_N, Qt::ControlModifier);
      QTest::keyClick(champ, Qt::Key_Q, Qt::ControlModifier);
      QTest::qWait(150);
      saisi = champ->text();
      return int(QDialog::Rejected);
    };
    const QList<int> sons = essai.plateforme.sons;
    essai.Clic(QStringLiteral("NouveauJeu"));
    QCOMPARE(saisi, QStringLiteral("CV"));
    QCOMPARE(essai.Reglages(), QByteArray("(absent)"));
    // No new game was started meanwhile: its sound is not among those played.
    QVERIFY(!essai.plateforme.sons.mid(sons.size()).contains(1));
  }

  void aucunControleCacheNiDecorNEstLu() {
    FenetreEssai essai(Mots);
    QVERIFY(essai.ChargerEtMontrer());
    QAccessibleInterface *support =
        QAccessible::queryAccessibleInterface(essai.Etiquette(QStringLiteral("Support")));
    QAccessibleInterface *surface = QAccessible::queryAccessibleInterface(
        essai.Fenetre().findChild<QWidget *>(QStringLiteral("Surface")));
    const auto noms = [](QAccessibleInterface *conteneur) {
      QStringList noms;
      for (int i = 0; i < conteneur->childCount(); ++i)
        noms << conteneur->child(i)->object()->objectName();
      return noms;
    };
    QCOMPARE(support->text(QAccessible::Name), QStringLiteral("Lettres du tirage"));
    QCOMPARE(support->childCount(), 0);
    QVERIFY(!noms(surface).contains(QStringLiteral("Decompteur")));
    essai.Clic(QStringLiteral("NouvellePartie"));
    essai.Clic(QStringLiteral("NouveauJeu"));
    essai.Tirer(QStringLiteral("MAI"));
    QCOMPARE(noms(support), (QStringList{"Lettre0", "Lettre1", "Lettre2"}));
    QCOMPARE(support->indexOfChild(QAccessible::queryAccessibleInterface(essai.Lettre(2))), 2);
    essai.Tirer(QStringLiteral("SONRUE"));
    QCOMPARE(support->childCount(), 9);
    // The dial's number is read once shown; the lines of its frame never.
    const QStringList lus = noms(surface);
    QVERIFY(lus.contains(QStringLiteral("Decompteur")));
    for (const char *ligne : {"Haut", "Bas", "Gauche", "Droite"})
      QVERIFY(!lus.contains(QLatin1String(ligne)));
    // The command bar is read in the order of its buttons, even once one was
    // replaced, and without its hidden extension button.
    essai.Clic(QStringLiteral("AvecSon"));
    QTest::qWait(50); // the bar lays its new button out
    QAccessibleInterface *barre = QAccessible::queryAccessibleInterface(&essai.Barre());
    QStringList boutons;
    for (int i = 0; i < barre->childCount(); ++i)
      if (barre->child(i)->object()->inherits("QToolButton"))
        boutons << barre->child(i)->text(QAccessible::Name);
    // The game's twelve, then the two it adds.
    QCOMPARE(boutons.size(), 14);
    QCOMPARE(boutons.at(7), QStringLiteral("Activation du son"));
    QCOMPARE(boutons.at(11), QStringLiteral("Quitter"));
    QCOMPARE(boutons.at(12), QStringLiteral("Réglages de la partie"));
    QCOMPARE(boutons.last(), QStringLiteral("Statistiques de vos parties"));
    // The recap is read row by row.
    const qsizetype rang = lus.indexOf(QStringLiteral("RecapTirages0"));
    QCOMPARE(lus.mid(rang, 4),
             (QStringList{"RecapTirages0", "RecapSolutions0", "RecapPoints0", "RecapMeilleurs0"}));
  }

  void lesTuilesSeLisentAvecLeurPositionEtLeurMarque() {
    FenetreEssai essai(Mots);
    QVERIFY(essai.ChargerEtMontrer());
    essai.Clic(QStringLiteral("NouvellePartie"));
    essai.Clic(QStringLiteral("NouveauJeu"));
    essai.Tirer(QStringLiteral("MAISONRUE"));
    Taper(essai, QStringLiteral("ma"));
    QAccessibleInterface *tuile = QAccessible::queryAccessibleInterface(essai.Lettre(1));
    QCOMPARE(tuile->text(QAccessible::Name), QStringLiteral("A"));
    QCOMPARE(tuile->text(QAccessible::Description), QStringLiteral("position 2 sur 9, marquée"));
    QCOMPARE(QAccessible::queryAccessibleInterface(essai.Lettre(2))->text(QAccessible::Description),
             QStringLiteral("position 3 sur 9, non marquée"));
    QAccessibleInterface *decompte =
        QAccessible::queryAccessibleInterface(essai.Etiquette(QStringLiteral("Decompteur")));
    essai.Tics(1);
    QCOMPARE(decompte->text(QAccessible::Name), QStringLiteral("45"));
    QCOMPARE(decompte->text(QAccessible::Description), QStringLiteral("secondes restantes"));
  }
};

QTEST_MAIN(TestClavier)
#include "TestClavier.moc"
