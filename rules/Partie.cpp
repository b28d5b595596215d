#include "rules/Partie.h"

#include "rules/Correcteur.h"
#include "rules/Hasard.h"
#include "rules/Mesures.h"
#include "rules/Resolveur.h"

#include <QCoreApplication>

namespace {

using Phase = Partie::Phase;
using Commande = Partie::Commande;

constexpr unsigned Bits(std::initializer_list<Commande> commandes) {
  unsigned bits = 0;
  for (const Commande commande : commandes)
    bits |= 1u << int(commande);
  return bits;
}

// The table of states, by phase: the commands enabled and the guidance text.
// New game is always enabled.
constexpr Commande NP = Commande::NouvellePartie, NJ = Commande::NouveauJeu;
const Partie::Etat Etats[] = {
    {Bits({NP}), "Cliquez sur Nouvelle partie"},
    {Bits({NP, NJ}), "Cliquez sur Nouveau jeu"},
    {Bits({NP, NJ, Commande::Consonnes, Commande::Voyelles}), "Cliquez sur Consonnes ou Voyelles"},
    {Bits({NP, NJ, Commande::Stop}), "Cliquez-glissez pour déplacer les lettres"},
    {Bits({NP, NJ, Commande::Verification}), "Cliquez sur Vérification"},
    {Bits({NP, NJ}), "Cliquez sur Nouveau jeu pour continuer"},
    // The score-entry dialog sets its own.
    {Bits({NP}), ""},
};
static_assert(std::size(Etats) == int(Phase::PartieFinie) + 1);

// The texts of the arrangement beside its own: once a word is marked, and
// after a stop with none.
const QString MotMarque = QStringLiteral("Cliquez sur Stop pour terminer");
const QString ArretRefuse =
    QStringLiteral("Vous devez double-cliquer sur la dernière lettre du mot créé !!!");

// The slots of the game commands, in the order of Commande.
constexpr void (Partie::*Procedures[])() = {
    &Partie::ProcNouvellePartie, &Partie::ProcNouveauJeu, &Partie::ProcTirageConsonnes,
    &Partie::ProcTirageVoyelles, &Partie::ProcStop,       &Partie::ProcVerification,
};

} // namespace

// Counts a game procedure as under way for as long as it runs; the commands
// that came meanwhile run once the last one has ended.
class Partie::Procedure {
public:
  explicit Procedure(Partie &partie) : m_partie(partie) { ++m_partie.m_procedures; }
  ~Procedure() {
    if (--m_partie.m_procedures == 0)
      m_partie.Reprendre();
  }
  Procedure(const Procedure &) = delete;
  Procedure &operator=(const Procedure &) = delete;

private:
  Partie &m_partie;
};

const Partie::Etat &Partie::EtatDe(Phase phase) {
  return Etats[int(phase)];
}

QString Partie::Guidage(Phase phase) {
  return QString::fromUtf8(EtatDe(phase).guidage);
}

Partie::Partie(Correcteur &correcteur, Resolveur &resolveur, Hasard &hasard, QObject *parent)
    : QObject(parent), m_correcteur(correcteur), m_resolveur(resolveur), m_hasard(hasard) {
  setObjectName(QStringLiteral("Partie"));
  m_chrono.setObjectName(QStringLiteral("ChronoPartie"));
  m_chrono.setParent(this); // found by name; destroyed as a member first
  m_chrono.setInterval(1000);
  // Ticks keep to the second: 46 of them take 46 seconds.
  m_chrono.setTimerType(Qt::PreciseTimer);
  connect(&m_chrono, &QTimer::timeout, this, &Partie::ChronoPartie_Timer);
}

bool Partie::Accepter(Commande commande) {
  // A command queued while a procedure lets events run would land in the
  // middle of it: it runs after, in the phase that procedure left, so that
  // no key press is lost and none counts twice.
  if (Occupee()) {
    m_enAttente << [this, commande] { Commander(commande); };
    return false;
  }
  return Permise(commande);
}

void Partie::Commander(Commande commande) {
  (this->*Procedures[int(commande)])();
}

void Partie::Executer(std::function<void()> commande) {
  if (Occupee())
    m_enAttente << std::move(commande);
  else
    commande();
}

void Partie::Reprendre() {
  while (!m_enAttente.isEmpty() && !Occupee())
    m_enAttente.takeFirst()();
}

void Partie::ChangerPhase(Phase phase) {
  if (std::exchange(m_phase, phase) != phase)
    Q_EMIT PhaseChangee(phase);
}

void Partie::Guider(const QString &texte) {
  m_guidage = texte;
  Q_EMIT GuidageChange(texte);
}

void Partie::Initialiser() {
  GuiderVers(Phase::AucunePartie);
  m_phase = Phase::AucunePartie;
  Q_EMIT PhaseChangee(m_phase);
  Q_EMIT ScoreChange(QString());
  m_pointsJeu = 0;
  Q_EMIT CompteurChange(0);
}

void Partie::Figer() {
  m_chrono.stop();
  m_manche.InterdireDeplacement();
  m_manche.InterdireMarquage();
}

void Partie::EffacerPlateau() {
  m_hasard.ReamorcerAleatoire();
  m_chrono.stop();
  Q_EMIT CadranEfface();
  Q_EMIT Repeindre();
}

void Partie::ProcNouvellePartie() {
  if (!Accepter(Commande::NouvellePartie))
    return;
  const Procedure enCours(*this);
  // The round left behind ends before the sound can let anything else run.
  Figer();
  // The index of the longest words, if it could not be built, is tried again.
  m_resolveur.Preparer();
  Q_EMIT SonDemande(Son::NouvellePartie);
  Guider(QString());
  m_pointsJeu = 0;
  m_scorePartie = 0;
  m_tempsPartie = m_temps;
  ChangerPhase(Phase::PartieOuverte);
  // No round yet: the tiles empty and hidden, no results.
  m_manche.NouvellePartie();
  m_jeuTermine = true;
  Q_EMIT TuilesChangees();
  Q_EMIT ScoreChange(QString());
  Q_EMIT CompteurChange(0);
  for (int k = 0; k < Manche::NombreJeux; ++k)
    Q_EMIT ResultatChange(k);
  EffacerPlateau();
  QCoreApplication::processEvents();
  Q_EMIT Repeindre();
  GuiderVers(Phase::PartieOuverte);
}

void Partie::ProcNouveauJeu() {
  if (!Accepter(Commande::NouveauJeu))
    return;
  const Procedure enCours(*this);
  Figer();
  Q_EMIT SonDemande(Son::NouveauJeu);
  GuiderVers(Phase::Tirage);

  const qint16 jeu = m_manche.NumeroJeu();
  m_manche.ClorePoints(m_pointsJeu);
  if (jeu > 0) {
    Q_EMIT ResultatChange(jeu - 1);
    Reveler();
    TerminerJeu();
  }
  if (m_manche.DernierJeu()) {
    AfficherFinDePartie();
    FinirPartie();
    return;
  }

  ChangerPhase(Phase::Tirage);
  // The next round: its tiles hidden and unmarked, its pools full again.
  m_manche.NouveauJeu();
  m_jeuTermine = false;
  Q_EMIT TuilesChangees();
  Q_EMIT CompteurChange(m_manche.NumeroJeu());
  EffacerPlateau();
}

void Partie::AfficherFinDePartie() {
  Q_EMIT Avis(QStringLiteral("Cette partie est terminée !!\n\nVotre score est de %1 points !")
                  .arg(m_scorePartie),
              Icone::Arret);
}

void Partie::FinirPartie() {
  // A game ends once: the round it ended in can no longer be stopped,
  // verified or timed out.
  ChangerPhase(Phase::PartieFinie);
  Figer();
  if (!Classable())
    Q_EMIT Avis(QStringLiteral("Cette partie, jouée %1, n'entre pas au tableau des scores : "
                               "seules y entrent les parties en 45 secondes.")
                    .arg(m_tempsPartie ? QStringLiteral("en %1 secondes").arg(m_tempsPartie)
                                       : QStringLiteral("sans limite de temps")),
                Icone::Arret);
  Q_EMIT PartieTerminee(m_scorePartie, m_manche.MeilleurTotal());
  ChangerPhase(Phase::AucunePartie);
  if (!Classable())
    GuiderVers(Phase::AucunePartie);
}

void Partie::ProcStop() {
  if (!Accepter(Commande::Stop))
    return;
  const Procedure enCours(*this);
  if (m_manche.NombreMarquees() == 0) {
    Guider(ArretRefuse);
    return;
  }
  // The round ends before the sound lets a queued tick or click run: the
  // word taken is the one marked when Stop was clicked.
  Figer();
  Q_EMIT SonDemande(Son::Arret);
  ChangerPhase(Phase::Arrete);
  m_manche.Arreter();
  Q_EMIT ResultatChange(m_manche.NumeroJeu() - 1);
  GuiderVers(Phase::Arrete);
}

void Partie::ProcTirageConsonnes() {
  ProcTirage(Tirage::Sorte::Consonne);
}

void Partie::ProcTirageVoyelles() {
  ProcTirage(Tirage::Sorte::Voyelle);
}

// The two draws differ only in their pool.
void Partie::ProcTirage(Tirage::Sorte sorte) {
  if (!Accepter(sorte == Tirage::Sorte::Consonne ? Commande::Consonnes : Commande::Voyelles))
    return;
  const Procedure enCours(*this);
  Q_EMIT SonDemande(Son::Lettre);
  m_hasard.ReamorcerAleatoire();
  const QChar lettre = m_manche.Tirer(sorte, [this] { return m_hasard.Aleatoire(); });
  Q_EMIT TuilesChangees();
  Q_EMIT LettreTiree(lettre, sorte == Tirage::Sorte::Voyelle, m_manche.NumeroLettre() + 1);
  ProcSuiteTirage();
}

void Partie::ProcSuiteTirage() {
  if (!m_manche.SuiteTirage())
    return;
  ChangerPhase(Phase::Arrangement);
  m_manche.OuvrirArrangement();
  ProcChrono();
  Q_EMIT ResultatChange(m_manche.NumeroJeu() - 1);
  GuiderVers(Phase::Arrangement);
}

void Partie::ProcChrono() {
  // Without a time limit there is no countdown: the round ends on Stop.
  if (m_tempsPartie == 0)
    return;
  m_cadran.Demarrer(m_gaucheTitreTirages, m_tempsPartie);
  Q_EMIT CadranDemarre();
  m_chrono.start();
  Mesurer("chrono");
}

void Partie::ChronoPartie_Timer() {
  // A tick already on its way when the round ended finds the timer stopped.
  if (!m_chrono.isActive())
    return;
  if (!m_cadran.Expire()) {
    Q_EMIT PointAjoute(m_cadran.PointSuivant());
    Q_EMIT DecompteChange(m_cadran.Decompte);
    m_cadran.Avancer();
    return;
  }
  // Expiry, once: the timer stops before the sound or the box lets events run.
  const Procedure enCours(*this);
  Figer();
  Mesurer("expiration");
  Q_EMIT DecompteChange(0);
  Q_EMIT SonDemande(Son::TempsEcoule);
  Q_EMIT Avis(QStringLiteral("Vous avez dépassé le temps imparti !!!\n\nCe jeu est terminé !"),
              Icone::Arret);
  Reveler();
  ChangerPhase(Phase::JeuClos);
  GuiderVers(Phase::JeuClos);
  TerminerJeu();
}

void Partie::ProcVerification() {
  if (!Accepter(Commande::Verification))
    return;
  const Procedure enCours(*this);
  const QString &mot = m_manche.Mot();
  QString erreur;
  const std::optional<bool> trouve = m_correcteur.Figure(mot, erreur);
  if (!trouve) {
    Q_EMIT Avis(QStringLiteral("Le mot %1 n'a pas pu être vérifié.\n\n%2").arg(mot, erreur),
                Icone::Arret);
    return;
  }
  const bool dernier = m_manche.DernierJeu();
  if (!*trouve) {
    Q_EMIT SonDemande(Son::MotAbsent);
    Q_EMIT Avis(QStringLiteral("Le mot %1 ne figure pas dans le dictionnaire de correction !!!\n\n"
                               "Désolé, vous ne marquez pas de points !")
                    .arg(mot),
                Icone::Arret);
    if (!dernier)
      GuiderVers(Phase::JeuClos);
    ChangerPhase(Phase::JeuClos);
    m_pointsJeu = 0;
  } else {
    Q_EMIT SonDemande(Son::MotTrouve);
    Q_EMIT Avis(QStringLiteral("Le mot %1 figure bien dans le dictionnaire de correction !!!\n\n"
                               "Félicitations, vous marquez %2 points !")
                    .arg(mot)
                    .arg(mot.size()),
                Icone::Question);
    m_pointsJeu = qint16(mot.size());
    if (!dernier)
      GuiderVers(Phase::JeuClos);
    m_scorePartie += m_pointsJeu;
    Q_EMIT ScoreChange(QStringLiteral("%1 points").arg(m_scorePartie));
  }
  ChangerPhase(Phase::JeuClos);
  m_manche.DefinirPoints(m_pointsJeu);
  Q_EMIT ResultatChange(m_manche.NumeroJeu() - 1);
  Reveler();
  TerminerJeu();
  if (dernier) {
    AfficherFinDePartie();
    FinirPartie();
  }
}

// Once a round is over, the longest words its draw allowed.
void Partie::Reveler() {
  const QString tirage = m_manche.TirageAReveler();
  if (tirage.isEmpty())
    return;
  const std::optional<QStringList> plusLongs = m_resolveur.PlusLongs(tirage);
  if (!plusLongs)
    return;
  m_manche.Reveler(*plusLongs);
  Q_EMIT ResultatChange(m_manche.NumeroJeu() - 1);
}

void Partie::TerminerJeu() {
  if (!std::exchange(m_jeuTermine, true))
    Q_EMIT JeuTermine(m_manche.NumeroJeu() - 1);
}

bool Partie::Lettre_MouseDown(int k) {
  if (!m_manche.DeplacementAutorise())
    return false;
  m_numeroOrigine = qint16(k);
  return true;
}

void Partie::Lettre_DragDrop(int t) {
  // A drag still under way when the round ended moves nothing.
  if (m_manche.Deplacer(m_numeroOrigine, t))
    Q_EMIT TuilesChangees();
}

void Partie::Lettre_DblClick(int k) {
  Q_EMIT SonDemande(Son::DoubleClic);
  if (!m_manche.Basculer(k))
    return;
  Guider(MotMarque);
  Q_EMIT TuilesChangees();
}

bool Partie::Taper(QChar lettre) {
  return Saisir(m_manche.Taper(lettre));
}

bool Partie::Effacer() {
  return Saisir(m_manche.Effacer());
}

bool Partie::Vider() {
  return Saisir(m_manche.Vider());
}

// After the word typed on the keyboard has changed, or not.
bool Partie::Saisir(bool change) {
  if (change) {
    Guider(MotMarque);
    Q_EMIT TuilesChangees();
  }
  return change;
}
