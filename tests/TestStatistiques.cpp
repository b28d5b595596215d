// The figures of the history, worked out on a small history whose answers
// are known: averages over the finished games only, the share of the best
// possible, the runs of days across a month's end, and the same figures as
// the text a screen reader reads.

#include "rules/Statistiques.h"

#include <QTest>

namespace {

ResumePartie Partie(const char *quand, int total, std::optional<int> meilleur, bool finie = true) {
  ResumePartie partie;
  partie.debut = QDateTime::fromString(QString::fromLatin1(quand), Qt::ISODate);
  partie.total = qint16(total);
  partie.meilleur = meilleur;
  partie.finie = finie;
  return partie;
}

// Four finished games across the end of January, one of them with its best
// unknown, and a game left unfinished.
DonneesHistorique Historique() {
  DonneesHistorique donnees;
  donnees.parties = {
      Partie("2026-01-30T21:00:00", 40, 80),           Partie("2026-01-31T08:15:00", 60, 75),
      Partie("2026-01-31T23:59:00", 12, 30, false),    Partie("2026-02-01T00:01:00", 45, 60),
      Partie("2026-02-03T12:00:00", 30, std::nullopt),
  };
  donnees.plusLongMot = QStringLiteral("ANTILOPES");
  return donnees;
}

QList<QDate> Jours(const QStringList &jours) {
  QList<QDate> dates;
  for (const QString &jour : jours)
    dates << QDate::fromString(jour, Qt::ISODate);
  return dates;
}

} // namespace

class TestStatistiques : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void lesMoyennesNeComptentQueLesPartiesFinies() {
    const Chiffres chiffres = Statistiques::Calculer(Historique(), QDate(2026, 2, 4));
    QCOMPARE(chiffres.jouees, 4);
    QCOMPARE(chiffres.interrompues, 1);
    QCOMPARE(*chiffres.totalMoyen, (40 + 60 + 45 + 30) / 4.0);
    // The share is averaged over the games whose best is known.
    QCOMPARE(*chiffres.partMoyenne, (50.0 + 80.0 + 75.0) / 3);
    QCOMPARE(chiffres.meilleure->total, qint16(60));
    QCOMPARE(chiffres.meilleure->debut.date(), QDate(2026, 1, 31));
    QCOMPARE(chiffres.parts, (QList<QPointF>{{1, 50}, {2, 80}, {3, 75}}));
    QCOMPARE(chiffres.moyenneMobile, (QList<QPointF>{{1, 50}, {2, 65}, {3, 205.0 / 3}}));
    // Three days in a row over the month's end, the unfinished game's day
    // among them; then a day missed.
    QCOMPARE(chiffres.meilleureSerie, 3);
    QCOMPARE(chiffres.serieActuelle, 1);
  }

  void laMoyenneMobilePorteSurLesDixDernieres() {
    DonneesHistorique donnees;
    for (int i = 0; i < 12; ++i)
      donnees.parties << Partie("2026-03-01T10:00:00", 10 * i % 90, 90);
    const Chiffres chiffres = Statistiques::Calculer(donnees, QDate(2026, 3, 1));
    QCOMPARE(chiffres.moyenneMobile.size(), 12);
    double somme = 0;
    for (int i = 2; i < 12; ++i)
      somme += 100.0 * (10 * i % 90) / 90;
    QCOMPARE(chiffres.moyenneMobile.last().y(), somme / 10);
  }

  void unHistoriqueVideNaRienAMoyenner() {
    const Chiffres chiffres = Statistiques::Calculer({}, QDate(2026, 3, 1));
    QCOMPARE(chiffres.jouees, 0);
    QVERIFY(!chiffres.totalMoyen && !chiffres.partMoyenne && !chiffres.meilleure);
    QCOMPARE(
        Statistiques::TexteChiffres(chiffres),
        (QStringList{"Parties jouées : 0",
                     "Aucune partie terminée pour l'instant : les moyennes viendront avec la "
                     "première.",
                     "Série de jours en cours : 0 jour", "Meilleure série de jours : 0 jour"}));
  }

  void lesSeriesDeJoursSuiventLeCalendrier_data() {
    QTest::addColumn<QStringList>("jours");
    QTest::addColumn<QString>("aujourdhui");
    QTest::addColumn<int>("actuelle");
    QTest::addColumn<int>("meilleure");
    QTest::newRow("aucun jour") << QStringList{} << "2026-03-01" << 0 << 0;
    QTest::newRow("fin de février")
        << QStringList{"2026-02-27", "2026-02-28", "2026-03-01"} << "2026-03-01" << 3 << 3;
    QTest::newRow("29 février") << QStringList{"2028-02-28", "2028-02-29", "2028-03-01"}
                                << "2028-03-02" << 3 << 3;
    QTest::newRow("fin d'année") << QStringList{"2026-12-30", "2026-12-31", "2027-01-01"}
                                 << "2027-01-01" << 3 << 3;
    QTest::newRow("30 avril, pas de 31")
        << QStringList{"2026-04-29", "2026-04-30", "2026-05-02"} << "2026-05-02" << 1 << 2;
    QTest::newRow("pas encore joué aujourd'hui")
        << QStringList{"2026-05-01", "2026-05-02"} << "2026-05-03" << 2 << 2;
    QTest::newRow("un jour manqué")
        << QStringList{"2026-05-01", "2026-05-02"} << "2026-05-04" << 0 << 2;
    QTest::newRow("plusieurs parties le même jour, dans le désordre")
        << QStringList{"2026-06-02", "2026-06-01", "2026-06-02", "2026-06-01"} << "2026-06-02" << 2
        << 2;
    QTest::newRow("la plus longue est ancienne")
        << QStringList{"2026-01-01", "2026-01-02", "2026-01-03", "2026-01-04", "2026-02-10"}
        << "2026-02-10" << 1 << 4;
  }
  void lesSeriesDeJoursSuiventLeCalendrier() {
    QFETCH(QStringList, jours);
    QFETCH(QString, aujourdhui);
    QFETCH(int, actuelle);
    QFETCH(int, meilleure);
    const Statistiques::Series series =
        Statistiques::CompterSeries(Jours(jours), QDate::fromString(aujourdhui, Qt::ISODate));
    QCOMPARE(series.actuelle, actuelle);
    QCOMPARE(series.meilleure, meilleure);
  }

  void lesChiffresSeLisentEnFrancais() {
    const Chiffres chiffres = Statistiques::Calculer(Historique(), QDate(2026, 2, 3));
    QCOMPARE(
        Statistiques::TexteChiffres(chiffres),
        (QStringList{"Parties jouées : 4 (et 1 interrompue)", "Total moyen : 43,8 points",
                     "Part moyenne du meilleur possible : 68\u00a0%",
                     "Meilleure partie : 60 points, le 31/01/2026",
                     "Plus long mot trouvé : ANTILOPES (9 lettres)",
                     "Série de jours en cours : 1 jour", "Meilleure série de jours : 3 jours"}));
  }

  void chaqueGraphiqueDonneSesChiffresEnTexte() {
    DonneesHistorique donnees = Historique();
    const Chiffres chiffres = Statistiques::Calculer(donnees, QDate(2026, 2, 3));
    // Month by month, the latest first; the game of unknown best is not in it.
    QCOMPARE(Statistiques::TexteProgression(donnees, chiffres),
             (QStringList{"Moyenne des 3 dernières parties : 68\u00a0%",
                          "février 2026 : 1 partie, 75\u00a0% du meilleur possible en moyenne",
                          "janvier 2026 : 2 parties, 65\u00a0% du meilleur possible en moyenne"}));

    donnees.longueursJoueur[0] = 4;
    donnees.longueursJoueur[6] = 10;
    donnees.longueursPossibles[6] = 3;
    donnees.longueursPossibles[8] = 11250;
    QCOMPARE(Statistiques::TexteLongueurs(donnees),
             (QStringList{"8 lettres : 0 de vos mots ; le plus long possible dans 11\u202f250 "
                          "tirages",
                          "6 lettres : 10 de vos mots ; le plus long possible dans 3 tirages",
                          "Aucun mot : 4 jeux sans point ; 0 tirage sans aucun mot possible"}));

    donnees.parVoyelles[1] = {1, 5, 0, 0};
    donnees.parVoyelles[4] = {8, 50, 6, 45};
    QCOMPARE(Statistiques::TexteVoyelles(donnees),
             (QStringList{"1 voyelle : 1 jeu, 5,0 points en moyenne",
                          "4 voyelles : 8 jeux, 6,3 points en moyenne pour 7,5 possibles"}));
  }

  void unGraphiqueSansDonneesLeDit() {
    const DonneesHistorique vide;
    const Chiffres chiffres = Statistiques::Calculer(vide, QDate(2026, 2, 3));
    for (const QStringList &texte :
         {Statistiques::TexteProgression(vide, chiffres), Statistiques::TexteLongueurs(vide),
          Statistiques::TexteVoyelles(vide)}) {
      QCOMPARE(texte.size(), 1);
      QVERIFY2(texte.first().startsWith(QLatin1String("Aucun")), qPrintable(texte.first()));
    }
  }
};

QTEST_GUILESS_MAIN(TestStatistiques)
#include "TestStatistiques.moc"
