// The statistics window over a real history: its figures, each chart's
// numbers as text for a screen reader, the rounds of a chosen game, the
// export, and a history it cannot read said plainly.

#include "data/HistoriqueBase.h"
#include "data/MoteurBase.h"
#include "tests/BaseEssai.h"
#include "tests/FenetreEssai.h"
#include "tests/HistoriqueEssai.h"
#include "tests/PlateformeEssai.h"
#include "windows/FenetreStatistiques.h"

#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Banc {
  BaseEssai essai{{QStringLiteral("MAISON")}};
  std::unique_ptr<MoteurBase> base =
      MoteurBase::OuvrirBase(essai.Fichier(), false, false, BaseEssai::Connexion);
  HistoriqueBase historique;
  PlateformeEssai plateforme;

  // Two finished games a day apart, and one left unfinished.
  Banc() {
    historique.DefinirFichier(essai.Fichier());
    historique.Archiver(
        HistoriqueEssai::Partie(QDateTime(QDate(2026, 11, 30), QTime(20, 0)), 10, true));
    historique.Archiver(
        HistoriqueEssai::Partie(QDateTime(QDate(2026, 12, 1), QTime(9, 0)), 10, true));
    historique.Archiver(
        HistoriqueEssai::Partie(QDateTime(QDate(2026, 12, 1), QTime(9, 30)), 4, false));
  }
};

} // namespace

class TestFenetreStatistiques : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void lesChiffresEtChaqueGraphiqueSeLisentEnTexte() {
    Banc banc;
    FenetreStatistiques fenetre(banc.plateforme, banc.historique, QDate(2026, 12, 1));
    QCOMPARE(fenetre.Avertissement(), QString());
    const QStringList chiffres = fenetre.TexteChiffres();
    QCOMPARE(chiffres.value(0), QStringLiteral("Parties jouées : 2 (et 1 interrompue)"));
    QVERIFY(chiffres.contains(QStringLiteral("Total moyen : 35,0 points")));
    QVERIFY(chiffres.contains(QStringLiteral("Part moyenne du meilleur possible : 39\u00a0%")));
    QVERIFY(chiffres.contains(QStringLiteral("Série de jours en cours : 2 jours")));

    // Each chart has its list of numbers beside it, named for a screen
    // reader after the chart, and its first line as the chart's description.
    const char *const pages[] = {"Progression", "Longueurs", "Voyelles"};
    for (int i = 0; i < 3; ++i) {
      const QString nom = QLatin1String(pages[i]);
      auto *graphique = fenetre.findChild<QChartView *>(QStringLiteral("Graphique") + nom);
      auto *liste = fenetre.findChild<QListWidget *>(QStringLiteral("Texte") + nom);
      QVERIFY2(graphique && liste, pages[i]);
      const QStringList texte = fenetre.TexteGraphique(i);
      QVERIFY(!texte.isEmpty());
      QCOMPARE(liste->count(), texte.size());
      QCOMPARE(graphique->accessibleDescription(), texte.first());
      QVERIFY(liste->accessibleName().endsWith(graphique->accessibleName()));
      QVERIFY(!graphique->chart()->series().isEmpty());
    }
    // Two games: each a dot, on an axis of whole games.
    const QChart *parts =
        fenetre.findChild<QChartView *>(QStringLiteral("GraphiqueProgression"))->chart();
    QVERIFY(static_cast<QLineSeries *>(parts->series().first())->pointsVisible());
    const auto *axe = static_cast<QValueAxis *>(parts->axes(Qt::Horizontal).first());
    QCOMPARE(axe->tickInterval(), 1.0);
    QCOMPARE(axe->min(), 1.0);
    QCOMPARE(fenetre.TexteGraphique(0).value(1),
             QStringLiteral("décembre 2026 : 1 partie, 39\u00a0% du meilleur possible en moyenne"));
    QVERIFY(fenetre.TexteGraphique(1).contains(
        QStringLiteral("9 lettres : 2 de vos mots ; le plus long possible dans 20 tirages")));
    QCOMPARE(fenetre.TexteGraphique(2),
             QStringList{QStringLiteral("4 voyelles : 20 jeux, 3,5 points en moyenne pour 9,0 "
                                        "possibles")});
  }

  void choisirUnePartieMontreSesJeux() {
    Banc banc;
    FenetreStatistiques fenetre(banc.plateforme, banc.historique, QDate(2026, 12, 1));
    auto *parties = fenetre.findChild<QTableView *>(QStringLiteral("TableParties"));
    auto *jeux = fenetre.findChild<QTableWidget *>(QStringLiteral("TableJeux"));
    QVERIFY(parties && jeux);
    // The most recent first, chosen already: the unfinished one.
    QCOMPARE(parties->model()->rowCount(), 3);
    QCOMPARE(parties->model()->index(0, 0).data().toString(), QStringLiteral("01/12/2026 09:30"));
    QCOMPARE(parties->model()->index(0, 5).data().toString(), QStringLiteral("non"));
    QCOMPARE(jeux->rowCount(), 4);
    parties->setCurrentIndex(parties->model()->index(2, 0));
    QCOMPARE(jeux->rowCount(), 10);
    QCOMPARE(jeux->item(6, 2)->text(), QStringLiteral("ANTILOP"));
    QCOMPARE(jeux->item(6, 3)->text(), QStringLiteral("7 points"));
    QCOMPARE(jeux->item(6, 4)->text(), QStringLiteral("9 lettres"));
  }

  void lExportEcritToutLHistoriqueOuDitPourquoiNon() {
    Banc banc;
    QTemporaryDir dossier;
    FenetreStatistiques fenetre(banc.plateforme, banc.historique, QDate(2026, 12, 1));
    QString erreur;
    const QByteArray attendu = *banc.historique.Csv(erreur);
    QCOMPARE(attendu.count("\r\n"), 1 + 10 + 10 + 4);

    // Cancelled: nothing written, nothing said.
    fenetre.ExporterCsv();
    QCOMPARE(banc.plateforme.fichiersProposes.size(), 1);
    QVERIFY(banc.plateforme.fichiersProposes.first().endsWith(QLatin1String(".csv")));
    QVERIFY(banc.plateforme.boites.isEmpty());

    banc.plateforme.fichierChoisi = dossier.filePath(QStringLiteral("parties.csv"));
    fenetre.ExporterCsv();
    QFile fichier(banc.plateforme.fichierChoisi);
    QVERIFY(fichier.open(QIODevice::ReadOnly));
    QCOMPARE(fichier.readAll(), attendu);
    QVERIFY(banc.plateforme.boites.isEmpty());

    banc.plateforme.fichierChoisi = dossier.filePath(QStringLiteral("absent/parties.csv"));
    fenetre.ExporterCsv();
    QCOMPARE(banc.plateforme.boites.size(), 1);
    QVERIFY(banc.plateforme.DerniereBoite().texte.startsWith(
        QStringLiteral("L'historique n'a pas pu être exporté dans « %1 »")
            .arg(banc.plateforme.fichierChoisi)));
  }

  // The main window's game goes to the history, and its command shows it
  // at once, before the write's own turn of the events has come.
  void laPartieDeLaFenetreEstDansSesStatistiques() {
    FenetreEssai essai({QStringLiteral("MAISON")});
    QVERIFY(essai.Charger());
    QStringList chiffres;
    essai.plateforme.pendantDialogue = [&chiffres](QDialog &d) {
      if (auto *fenetre = qobject_cast<FenetreStatistiques *>(&d))
        chiffres = fenetre->TexteChiffres();
      return int(QDialog::Rejected);
    };
    essai.Clic(QStringLiteral("NouvellePartie"));
    for (int jeu = 1; jeu <= 10; ++jeu) {
      essai.JouerJusquALArret(QStringLiteral("MAISONRUE"), 6);
      essai.Clic(QStringLiteral("Verification"));
    }
    QCOMPARE(essai.plateforme.dialogues, QStringList{QStringLiteral("Enregistre")});
    essai.Clic(QStringLiteral("Statistiques"));
    QCOMPARE(chiffres.value(0), QStringLiteral("Parties jouées : 1"));
    QVERIFY(chiffres.contains(QStringLiteral("Total moyen : 60,0 points")));
  }

  // Closed from inside the score entry, the window still keeps the game
  // that has just ended, as finished.
  void fermerDansLaSaisieDuScoreGardeLaPartieFinie() {
    FenetreEssai essai({QStringLiteral("MAISON")});
    QVERIFY(essai.Charger());
    essai.plateforme.pendantDialogue = [&essai](QDialog &d) {
      if (d.objectName() == QLatin1String("Enregistre"))
        essai.Fenetre().close();
      return int(QDialog::Rejected);
    };
    essai.Clic(QStringLiteral("NouvellePartie"));
    for (int jeu = 1; jeu <= 10; ++jeu) {
      essai.Clic(QStringLiteral("NouveauJeu"));
      essai.Tirer(QStringLiteral("MAISONRUE"));
    }
    essai.Clic(QStringLiteral("NouveauJeu"));
    QCOMPARE(essai.plateforme.dialogues, QStringList{QStringLiteral("Enregistre")});
    HistoriqueBase historique;
    historique.DefinirFichier(essai.base.Fichier());
    QString erreur;
    const auto donnees = historique.Lire(erreur);
    QVERIFY2(donnees, qPrintable(erreur));
    QCOMPARE(donnees->parties.size(), 1);
    QVERIFY(donnees->parties.first().finie);
    QCOMPARE(historique.Jeux(donnees->parties.first().id, erreur)->size(), 10);
  }

  void unHistoriqueIllisibleEstDitSansRienToucher() {
    BaseEssai essai;
    essai.Executer("CREATE TABLE PARTIES (ID INTEGER PRIMARY KEY);");
    const auto base = MoteurBase::OuvrirBase(essai.Fichier(), false, false, BaseEssai::Connexion);
    HistoriqueBase historique;
    historique.DefinirFichier(essai.Fichier());
    PlateformeEssai plateforme;
    const QByteArray avant = essai.Octets();
    FenetreStatistiques fenetre(plateforme, historique, QDate(2026, 12, 1));
    const QString avertissement = fenetre.Avertissement();
    QVERIFY2(avertissement.startsWith(QStringLiteral("L'historique de vos parties ne peut pas "
                                                     "être lu : les tables de l'historique sont "
                                                     "incomplètes.")),
             qPrintable(avertissement));
    // Read first by a screen reader, where the figures would be.
    QCOMPARE(fenetre.TexteChiffres(), QStringList{avertissement});
    QCOMPARE(fenetre.findChild<QTabWidget *>()->count(), 1);
    QVERIFY(!fenetre.findChild<QPushButton *>(QStringLiteral("Exporter"))->isEnabled());
    QCOMPARE(essai.Octets(), avant);
  }
};

QTEST_MAIN(TestFenetreStatistiques)
#include "TestFenetreStatistiques.moc"
