// The opponent: its model on the game's own dictionary (the same words under
// a seed, only words the verification takes, each level above the one
// below), and what it plays in a game, round by round, as the game ends them.

#include "data/Dictionnaire.h"
#include "data/MoteurBase.h"
#include "rules/Adversaire.h"
#include "rules/Commentaire.h"
#include "rules/Duel.h"
#include "tests/BancPartie.h"
#include "tests/BaseEssai.h"
#include "tests/ParcoursNaif.h"

#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <array>

using namespace BancPartie;
using Adversaire::Niveau;

namespace {

constexpr std::array<Niveau, 4> Niveaux = {Niveau::Debutant, Niveau::Amateur, Niveau::Confirme,
                                           Niveau::Champion};

// Nine letters as the game draws them: from its pools, three to five vowels.
QString Tirer(QRandomGenerator &alea) {
  const int voyelles = 3 + int(alea.bounded(3));
  return ParcoursNaif::TirerAvecVoyelles(alea, voyelles);
}

bool SEcritAvec(QString mot, QString tirage) {
  for (const QChar lettre : mot) {
    const qsizetype i = tirage.indexOf(lettre);
    if (i < 0)
      return false;
    tirage.remove(i, 1);
  }
  return true;
}

// An index whose words are all as common as `commun`.
std::shared_ptr<const Solveur> Index(const QStringList &mots, quint8 commun) {
  Solveur::Preparation preparation;
  for (const QString &mot : mots)
    preparation.Ajouter(mot, commun);
  return std::make_shared<const Solveur>(std::move(preparation));
}

// The commentary before the opponent, as in the window: a round's own
// points and words are said first.
struct BancDuel : Banc {
  Commentaire commentaire{partie};
  qint64 maintenant = 0; // ms
  Duel duel{partie, resolveur, [this] { return maintenant; }};
  QList<int> changes;
  QStringList dits;

  explicit BancDuel(std::optional<Niveau> niveau = Niveau::Champion) {
    // Every word very common: the Champion finds the longest, whatever the
    // seed (it misses a six-letter one about once in 10^10).
    resolveur.solveur = Index(Mots, Commun::Max);
    duel.DefinirNiveau(niveau);
    duel.DefinirGraine(42);
    QObject::connect(&duel, &Duel::JeuChange, [this](int k) { changes << k; });
    commentaire.SuivreDuel(duel);
    QObject::connect(&commentaire, &Commentaire::Dire, [this](const QString &t) { dits << t; });
  }
};

} // namespace

class TestAdversaire : public QObject {
  Q_OBJECT

  std::unique_ptr<Solveur> m_index;
  std::unique_ptr<MoteurBase> m_base;
  QStringList m_tirages;

private Q_SLOTS:
  void initTestCase() {
    const QString fichier = QStringLiteral(VOCADIX_DOSSIER_PROGRAMME "/Vocadix.dat");
    m_index = std::make_unique<Solveur>(Dictionnaire::Indexer(fichier));
    m_base = MoteurBase::OuvrirBase(fichier, false, true, BaseEssai::Connexion);
    QRandomGenerator alea(31);
    for (int i = 0; i < 2000; ++i)
      m_tirages << Tirer(alea);
  }

  // Each factor moves the chance of finding a word the way it should, and
  // it stays a chance.
  void laChanceSuitLaLongueurLeCommunEtLeTemps_data() {
    QTest::addColumn<int>("longueur");
    QTest::addColumn<int>("commun");
    QTest::addColumn<int>("secondes");
    QTest::addColumn<int>("longueur2");
    QTest::addColumn<int>("commun2");
    QTest::addColumn<int>("secondes2");
    QTest::newRow("plus court") << 8 << 40 << 45 << 5 << 40 << 45;
    QTest::newRow("plus commun") << 7 << 10 << 45 << 7 << 80 << 45;
    QTest::newRow("plus de temps") << 7 << 30 << 45 << 7 << 30 << 90;
    QTest::newRow("inconnu mais court") << 9 << 0 << 45 << 3 << 0 << 45;
  }
  void laChanceSuitLaLongueurLeCommunEtLeTemps() {
    QFETCH(int, longueur);
    QFETCH(int, commun);
    QFETCH(int, secondes);
    QFETCH(int, longueur2);
    QFETCH(int, commun2);
    QFETCH(int, secondes2);
    for (const Niveau niveau : Niveaux) {
      const double avant = Adversaire::Chance(niveau, longueur, commun, secondes);
      const double apres = Adversaire::Chance(niveau, longueur2, commun2, secondes2);
      // A short common word is found for certain at the highest levels.
      QVERIFY2(avant > 0 && apres <= 1 && avant <= apres, qPrintable(Adversaire::Nom(niveau)));
      if (niveau == Niveau::Debutant)
        QVERIFY(avant < apres);
    }
    QVERIFY(Adversaire::Chance(Niveau::Champion, longueur, commun, secondes) >
            Adversaire::Chance(Niveau::Debutant, longueur, commun, secondes));
  }

  // The number a word is drawn against is its seed's, round's and word's
  // alone: swapping seed and round, or changing either, or the word by a
  // letter, draws another; the same three always draw the same.
  void chaqueMotEstTireDeSaGraineSonJeuEtLuiSeul_data() {
    QTest::addColumn<quint64>("graine");
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("mot");
    QTest::addColumn<quint64>("graine2");
    QTest::addColumn<int>("numero2");
    QTest::addColumn<QString>("mot2");
    QTest::newRow("graine et jeu échangés")
        << quint64(1) << 2 << "MAISON" << quint64(2) << 1 << "MAISON";
    QTest::newRow("graine voisine") << quint64(7) << 3 << "MAISON" << quint64(8) << 3 << "MAISON";
    QTest::newRow("jeu voisin") << quint64(7) << 3 << "MAISON" << quint64(7) << 4 << "MAISON";
    QTest::newRow("anagramme") << quint64(7) << 3 << "NOIRES" << quint64(7) << 3 << "SENIOR";
    QTest::newRow("une lettre de plus")
        << quint64(7) << 3 << "MAISON" << quint64(7) << 3 << "MAISONS";
  }
  void chaqueMotEstTireDeSaGraineSonJeuEtLuiSeul() {
    QFETCH(quint64, graine);
    QFETCH(int, numero);
    QFETCH(QString, mot);
    QFETCH(quint64, graine2);
    QFETCH(int, numero2);
    QFETCH(QString, mot2);
    const double tire = Adversaire::Tirer(graine, numero, mot);
    QVERIFY(tire >= 0 && tire < 1);
    QCOMPARE(Adversaire::Tirer(graine, numero, mot), tire);
    QVERIFY(Adversaire::Tirer(graine2, numero2, mot2) != tire);
  }

  // What it plays follows from those numbers alone: of the words whose
  // number falls under their chance, the longest, the most common of that
  // length, the first of those; nothing when none does. Played again under
  // the same seed, on the same draws, it plays the same words.
  void lAdversaireJoueLePlusLongDesMotsQuIlATrouves() {
    int differents = 0;
    for (int i = 0; i < 300; ++i) {
      const QString &tirage = m_tirages.at(i);
      const Niveau niveau = Niveaux.at(std::size_t(i % 4));
      const int numero = i % 10 + 1;
      const QString joue = Adversaire::Jouer(*m_index, tirage, niveau, 45, 1234, numero);
      QCOMPARE(Adversaire::Jouer(*m_index, tirage, niveau, 45, 1234, numero), joue);
      differents += Adversaire::Jouer(*m_index, tirage, niveau, 45, 99, numero) != joue;

      QString attendu;
      int commun = -1;
      const Solveur::ParLongueur tous = m_index->Tous(tirage);
      for (int n = 9; n > 0 && attendu.isEmpty(); --n)
        for (const QString &mot : tous[std::size_t(n)]) {
          const int c = m_index->Commun(mot);
          if (Adversaire::Tirer(1234, numero, mot) < Adversaire::Chance(niveau, n, c, 45) &&
              c > commun) {
            attendu = mot;
            commun = c;
          }
        }
      QVERIFY2(joue == attendu, qPrintable(tirage + u' ' + joue + u' ' + attendu));
    }
    QVERIFY(differents > 30);
  }

  // Whatever it plays is a word of DICO, written with the letters drawn,
  // each used at most as often: the verification would take it.
  void lAdversaireNeJouePasUnMotQueLaVerificationRefuserait() {
    const QString requete = QStringLiteral("SELECT count(*) FROM DICO WHERE NOM = ?");
    int joues = 0;
    for (int i = 0; i < 400; ++i) {
      const QString &tirage = m_tirages.at(i);
      const Niveau niveau = Niveaux.at(std::size_t(i % 4));
      const QString mot = Adversaire::Jouer(*m_index, tirage, niveau, 45, quint64(i), 1);
      if (mot.isEmpty())
        continue;
      ++joues;
      QVERIFY2(SEcritAvec(mot, tirage), qPrintable(tirage + u' ' + mot));
      QVERIFY2(m_base->Lire(requete, {mot}).lignes.at(0).at(0).toInt() == 1, qPrintable(mot));
      QVERIFY(mot.size() <= m_index->PlusLongs(tirage).value(0).size());
    }
    QVERIFY(joues > 380);
  }

  void unTirageSansMotNeDonneRien() {
    const QString tirage = QStringLiteral("BCDFGHJKL");
    QVERIFY(m_index->PlusLongs(tirage).isEmpty());
    for (const Niveau niveau : Niveaux)
      QCOMPARE(Adversaire::Jouer(*m_index, tirage, niveau, 45, 5, 1), QString());
  }

  // On the same games, each level scores more than the one below, and stays
  // near the share of the best it is meant for (the benchmark measures it
  // over ten thousand games; a few hundred tell a broken level already).
  void chaqueNiveauFaitMieuxQueLeNiveauDessous() {
    std::array<double, 4> parts{};
    for (std::size_t n = 0; n < Niveaux.size(); ++n) {
      double somme = 0;
      for (int partie = 0; partie < 200; ++partie) {
        int joue = 0, meilleur = 0;
        for (int k = 0; k < 10; ++k) {
          const QString &tirage = m_tirages.at(partie * 10 + k);
          meilleur += int(m_index->PlusLongs(tirage).value(0).size());
          joue += int(
              Adversaire::Jouer(*m_index, tirage, Niveaux[n], 45, quint64(partie), k + 1).size());
        }
        somme += meilleur ? double(joue) / meilleur : 0;
      }
      parts[n] = somme / 200;
      QVERIFY2(
          std::abs(parts[n] - Adversaire::Cible(Niveaux[n])) < 0.06,
          qPrintable(QStringLiteral("%1 : %2").arg(Adversaire::Nom(Niveaux[n])).arg(parts[n])));
      if (n > 0)
        QVERIFY(parts[n] > parts[n - 1] + 0.05);
    }
  }

  // Once a round is over, however it ended, the opponent has played it: the
  // longest word of the draw here, every word being very common.
  void lAdversaireJoueChaqueJeuQuandIlSeTermine_data() {
    QTest::addColumn<QString>("fin");
    QTest::addColumn<QString>("mot");
    QTest::addColumn<int>("points"); // -1: none shown
    QTest::newRow("vérifié") << "vérifié"
                             << "MAISON" << 6;
    QTest::newRow("refusé") << "refusé"
                            << "AMISO" << 0;
    QTest::newRow("temps écoulé") << "temps écoulé"
                                  << "" << -1;
    QTest::newRow("quitté après Arrêt") << "quitté"
                                        << "MAISO" << 0;
  }
  void lAdversaireJoueChaqueJeuQuandIlSeTermine() {
    QFETCH(QString, fin);
    QFETCH(QString, mot);
    QFETCH(int, points);
    BancDuel banc;
    banc.partie.ProcNouvellePartie();
    banc.partie.ProcNouveauJeu();
    banc.Tirer(fin == u"refusé" ? QStringLiteral("AMISONRUE") : QStringLiteral("MAISONRUE"));
    QVERIFY(!banc.duel.Mot(0));
    if (fin == u"temps écoulé") {
      banc.Tics(47);
    } else {
      banc.partie.Lettre_DblClick(int(mot.size()) - 1);
      banc.partie.ProcStop();
      QVERIFY2(!banc.duel.Mot(0), "pas avant la fin du jeu");
      if (fin == u"quitté")
        banc.partie.ProcNouveauJeu();
      else
        banc.partie.ProcVerification();
    }
    QCOMPARE(banc.jeuxTermines, QList<int>{0});
    QCOMPARE(banc.partie.Modele().ResultatJeu(0).mot, mot);
    QCOMPARE(banc.partie.Modele().ResultatJeu(0).points.value_or(-1), points);
    QCOMPARE(banc.duel.Mot(0), std::optional<QString>(u"MAISON"_qs));
    QCOMPARE(banc.duel.Secondes(0), 45);
    QCOMPARE(banc.duel.TexteCourt(0), u"MAISON (6)"_qs);
    QCOMPARE(banc.duel.TexteComplet(0), u"L'adversaire (Champion) a joué MAISON : 6 points."_qs);
    // A screen reader hears it after the round's own points and words.
    QVERIFY(banc.dits.size() >= 2);
    QVERIFY(banc.dits.at(banc.dits.size() - 2).startsWith(u"Jeu n° 1 : "_qs));
    QCOMPARE(banc.dits.last(), u"L'adversaire (Champion) a joué MAISON : 6 points."_qs);
    QCOMPARE(banc.duel.Total(), 6);
    QCOMPARE(banc.changes.last(), 0);
    QVERIFY(!banc.duel.Mot(1));
    QCOMPARE(banc.duel.TexteCourt(1), QString());
  }

  // A draw the opponent's words do not fit, and a dictionary whose index
  // could not be built: nothing found is said; nothing played says nothing.
  void rienDeTrouveEtRienDeJoueSeDisentAutrement() {
    BancDuel banc;
    banc.resolveur.solveur = Index({QStringLiteral("ZOO")}, Commun::Max);
    banc.partie.ProcNouvellePartie();
    banc.JouerJusquALArret(QStringLiteral("MAISONRUE"), 6);
    banc.partie.ProcVerification();
    QCOMPARE(banc.duel.Mot(0), std::optional<QString>(QString()));
    QCOMPARE(banc.duel.TexteCourt(0), u"aucun mot"_qs);
    QCOMPARE(banc.duel.TexteComplet(0), u"L'adversaire (Champion) n'a trouvé aucun mot."_qs);

    banc.resolveur.disponible = false;
    banc.JouerJusquALArret(QStringLiteral("MAISONRUE"), 6);
    banc.partie.ProcVerification();
    QVERIFY(!banc.duel.Mot(1));
    QCOMPARE(banc.duel.TexteComplet(1), QString());
    // A round it could not play leaves no winner to name.
    QCOMPARE(banc.duel.Bilan(12), QString());
  }

  // The level chosen takes effect at the next new game, which empties what
  // the opponent played, whenever it comes: after a round, in the middle of
  // one, or asked for twice before the first. Without an opponent nothing is
  // played at all.
  void leNiveauVautDesLaPartieSuivante_data() {
    QTest::addColumn<QString>("quand");
    QTest::newRow("après un jeu") << "après un jeu";
    QTest::newRow("au milieu d'un jeu") << "au milieu d'un jeu";
    QTest::newRow("avant le premier jeu") << "avant le premier jeu";
  }
  void leNiveauVautDesLaPartieSuivante() {
    QFETCH(QString, quand);
    BancDuel banc(std::nullopt);
    banc.partie.ProcNouvellePartie();
    banc.duel.DefinirNiveau(Niveau::Champion);
    banc.JouerJusquALArret(QStringLiteral("MAISONRUE"), 6);
    banc.partie.ProcVerification();
    QVERIFY(!banc.duel.Niveau());
    QVERIFY(!banc.duel.Mot(0));
    QCOMPARE(banc.duel.Bilan(6), QString());

    banc.partie.ProcNouvellePartie();
    QCOMPARE(banc.duel.Niveau(), std::optional<Niveau>(Niveau::Champion));
    QCOMPARE(banc.changes.last(), -1);
    banc.JouerJusquALArret(QStringLiteral("MAISONRUE"), 6);
    banc.partie.ProcVerification();
    QCOMPARE(banc.duel.Mot(0), std::optional<QString>(u"MAISON"_qs));

    banc.duel.DefinirNiveau(Niveau::Amateur);
    banc.duel.DefinirGraine(7);
    if (quand == u"au milieu d'un jeu") {
      banc.partie.ProcNouveauJeu();
      banc.Tirer(QStringLiteral("MAISONRUE"));
    } else if (quand == u"avant le premier jeu") {
      banc.partie.ProcNouvellePartie();
      banc.duel.DefinirNiveau(Niveau::Debutant);
      banc.duel.DefinirGraine(8);
    }
    const int changes = int(banc.changes.size());
    banc.partie.ProcNouvellePartie();
    QVERIFY(banc.changes.size() > changes && banc.changes.last() == -1);
    QVERIFY(!banc.duel.Mot(0) && !banc.duel.Mot(1));
    QCOMPARE(banc.duel.Total(), 0);
    const bool deuxFois = quand == u"avant le premier jeu";
    QCOMPARE(banc.duel.Niveau(), std::optional(deuxFois ? Niveau::Debutant : Niveau::Amateur));
    QCOMPARE(banc.duel.Graine(), quint64(deuxFois ? 8 : 7));
  }

  // The time it has: the round's, or without a limit the player's own, as
  // long as he took up to his stop or up to leaving the round, and never
  // less than a normal round.
  void lAdversaireChercheAussiLongtempsQueLeJoueur_data() {
    QTest::addColumn<QByteArray>("temps");
    QTest::addColumn<int>("duree"); // ms the player takes
    QTest::addColumn<bool>("arret");
    QTest::addColumn<int>("secondes");
    QTest::newRow("90 secondes") << QByteArray("90") << 3000 << true << 90;
    QTest::newRow("sans limite, arrêt à 200 s") << QByteArray("0") << 200000 << true << 200;
    QTest::newRow("sans limite, jeu quitté à 120 s") << QByteArray("0") << 120000 << false << 120;
    QTest::newRow("sans limite, arrêt à 10 s") << QByteArray("0") << 10000 << true << 45;
  }
  void lAdversaireChercheAussiLongtempsQueLeJoueur() {
    QFETCH(QByteArray, temps);
    QFETCH(int, duree);
    QFETCH(bool, arret);
    QFETCH(int, secondes);
    BancDuel banc;
    banc.partie.DefinirTemps(temps.toInt());
    banc.partie.ProcNouvellePartie();
    banc.partie.ProcNouveauJeu();
    banc.Tirer(QStringLiteral("MAISONRUE"));
    banc.maintenant += duree;
    if (arret) {
      banc.partie.Lettre_DblClick(5);
      banc.partie.ProcStop();
      // Verified later: the search ended at the stop.
      banc.maintenant += 30000;
      banc.partie.ProcVerification();
    } else {
      banc.partie.ProcNouveauJeu();
    }
    QCOMPARE(banc.duel.Secondes(0), secondes);
    QCOMPARE(banc.duel.Mot(0), std::optional<QString>(u"MAISON"_qs));
  }

  // A whole game: both totals and who won, in one line, the player's words
  // against the opponent's.
  void leBilanDitLesDeuxTotauxEtQuiGagne_data() {
    QTest::addColumn<QStringList>("motsAdversaire");
    QTest::addColumn<int>("longueur"); // the player's word, 6 found or 5 refused
    QTest::addColumn<QString>("bilan");
    QTest::newRow("égalité") << QStringList(Mots) << 6
                             << "Vous avez 60 points, l'adversaire (Champion) 60 points : égalité.";
    QTest::newRow("l'adversaire gagne")
        << QStringList(Mots) << 5
        << "Vous avez 0 points, l'adversaire (Champion) 60 points : il gagne.";
    QTest::newRow("le joueur gagne")
        << QStringList{u"RUE"_qs} << 6
        << "Vous avez 60 points, l'adversaire (Champion) 30 points : vous gagnez !";
  }
  void leBilanDitLesDeuxTotauxEtQuiGagne() {
    QFETCH(QStringList, motsAdversaire);
    QFETCH(int, longueur);
    QFETCH(QString, bilan);
    BancDuel banc;
    banc.resolveur.solveur = Index(motsAdversaire, Commun::Max);
    QString bilanALaFin;
    connect(&banc.partie, &Partie::PartieTerminee,
            [&](qint16 total) { bilanALaFin = banc.duel.Bilan(total); });
    banc.partie.ProcNouvellePartie();
    for (int jeu = 0; jeu < 10; ++jeu) {
      banc.JouerJusquALArret(QStringLiteral("MAISONRUE"), longueur);
      banc.partie.ProcVerification();
    }
    banc.partie.ProcNouveauJeu();
    QCOMPARE(banc.fins.size(), 1);
    QCOMPARE(bilanALaFin, bilan);
    // Said after the player's own total: the opponent's, and who won.
    const QString issue = bilan.mid(bilan.lastIndexOf(u" : ") + 3);
    QVERIFY2(
        banc.dits.last().startsWith(u"Partie terminée : "_qs) &&
            banc.dits.last().endsWith(QStringLiteral(" L'adversaire (Champion) a %1 points : %2")
                                          .arg(banc.duel.Total())
                                          .arg(issue)),
        qPrintable(banc.dits.last()));
  }
};

QTEST_GUILESS_MAIN(TestAdversaire)
#include "TestAdversaire.moc"
