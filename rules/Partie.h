#pragma once

#include "rules/Cadran.h"
#include "rules/Icone.h"
#include "rules/Manche.h"
#include "rules/Son.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>

class Correcteur;
class Hasard;
class Resolveur;

// The flow of a game of ten rounds: its phase, the rounds and their tiles,
// the countdown and its timer, the points. Its slots are the game's
// procedures; its signals say what changed, for the main window to show and
// for whatever else follows the game. It shows nothing itself: a box, a
// sound or the score entry is a signal, handled before the procedure goes on.
class Partie : public QObject {
  Q_OBJECT

public:
  enum class Phase {
    AucunePartie,  // before the first game, and once a game is over and recorded
    PartieOuverte, // a game started, no round yet
    Tirage,        // the letters being drawn
    Arrangement,   // the countdown running, the tiles moved and marked
    Arrete,        // the round stopped, its word to verify
    JeuClos,       // the round verified or timed out
    PartieFinie,   // the tenth round left: the score entry under way
  };
  Q_ENUM(Phase)

  // The six game commands, whose enabled state is the phase.
  enum class Commande { NouvellePartie, NouveauJeu, Consonnes, Voyelles, Stop, Verification };
  Q_ENUM(Commande)

  // A row of the table of states: the commands enabled in a phase and the
  // guidance text that leads the player on from it.
  struct Etat {
    unsigned actives; // bit n: Commande n
    const char *guidage;
    bool Active(Commande commande) const { return actives & (1u << int(commande)); }
  };
  static const Etat &EtatDe(Phase phase);
  static QString Guidage(Phase phase);

  Partie(Correcteur &correcteur, Resolveur &resolveur, Hasard &hasard, QObject *parent = nullptr);

  Phase PhaseCourante() const { return m_phase; }
  bool Permise(Commande commande) const { return EtatDe(m_phase).Active(commande); }
  // A game procedure is under way: it lets events run (a sound, a box), and
  // a command that arrives meanwhile waits for it to end.
  bool Occupee() const { return m_procedures > 0; }
  // Runs `commande` once no game procedure is under way: now, or as soon as
  // the one under way has ended, after those that arrived before it.
  void Executer(std::function<void()> commande);
  const Manche &Modele() const { return m_manche; }
  const Cadran &Chrono() const { return m_cadran; }
  const QTimer &ChronoPartie() const { return m_chrono; }
  qint16 PointsJeu() const { return m_pointsJeu; }
  qint16 ScorePartie() const { return m_scorePartie; }
  const QString &TexteGuidage() const { return m_guidage; }

  // The dial is centred at half the left edge of the draws' column heading,
  // in twips.
  void DefinirGaucheTitreTirages(double twips) { m_gaucheTitreTirages = twips; }

  // The time of each round of the games to come, in seconds, 0 for none:
  // it takes effect at the next new game. Only games of the normal time
  // enter the table of the ten best.
  void DefinirTemps(int secondes) { m_temps = secondes; }
  int TempsPartie() const { return m_tempsPartie; }
  bool Classable() const { return m_tempsPartie == Cadran::DureeNormale; }

  // The state right after start-up: no game.
  void Initialiser();
  // The program is ending: the countdown stops, and the round with it.
  void Interrompre() { Figer(); }

public Q_SLOTS:
  void ProcNouvellePartie();
  void ProcNouveauJeu();
  void ProcTirageConsonnes();
  void ProcTirageVoyelles();
  void ProcStop();
  void ProcVerification();
  void ChronoPartie_Timer();
  // Sets the guidance line, as the score-entry dialog does when it closes.
  void Guider(const QString &texte);

public:
  // The player's moves on the tiles. A press returns whether it starts a
  // drag; a drop moves the letter of the tile the drag started from.
  bool Lettre_MouseDown(int k);
  void Lettre_DragDrop(int t);
  void Lettre_DblClick(int k);
  // The word typed: a letter, the last letter taken off, the whole word
  // cleared. False when nothing changed.
  bool Taper(QChar lettre);
  bool Effacer();
  bool Vider();

Q_SIGNALS:
  void PhaseChangee(Partie::Phase phase);
  void GuidageChange(const QString &texte);
  void TuilesChangees();
  // The letter just drawn, of its kind, onto tile `numero` (1 to 9).
  void LettreTiree(QChar lettre, bool voyelle, int numero);
  // Round k + 1's row of the recap: Modele().ResultatJeu(k).
  void ResultatChange(int k);
  // The round counter; 0 before the first round of a game.
  void CompteurChange(qint16 numeroJeu);
  // The game total as shown, empty at the start of a game.
  void ScoreChange(const QString &texte);
  // The dial: set up by Chrono() and shown, a dot added, the count shown,
  // and the whole of it hidden and wiped.
  void CadranDemarre();
  void PointAjoute(const Cadran::Point &point);
  void DecompteChange(qint16 decompte);
  void CadranEfface();
  void Repeindre();
  void SonDemande(Son son);
  // A modal box with one OK button; the procedure goes on once it is closed.
  void Avis(const QString &texte, Icone icone);
  // Round k + 1 is over (verified, timed out or left): its result is final.
  void JeuTermine(int k);
  // The tenth round is left: the total and the best the ten draws allowed,
  // when it is known. The score entry runs there, for a game that enters the
  // table (Classable); the game is over when it returns.
  void PartieTerminee(qint16 total, std::optional<int> meilleur);

private:
  class Procedure;

  // Whether the command runs now: not while another procedure is under way,
  // where it waits its turn, and never in a phase that does not allow it.
  bool Accepter(Commande commande);
  void Commander(Commande commande);
  void Reprendre();
  void ChangerPhase(Phase phase);
  void GuiderVers(Phase phase) { Guider(Guidage(phase)); }
  void ProcTirage(Tirage::Sorte sorte);
  void ProcSuiteTirage();
  void ProcChrono();
  // The round is being stopped or is over: no more ticks, moves or marks.
  void Figer();
  // The board of a new game or round: reseeded, the countdown stopped and
  // its dial wiped.
  void EffacerPlateau();
  void Reveler();
  void TerminerJeu();
  void AfficherFinDePartie();
  void FinirPartie();
  bool Saisir(bool change);

  Correcteur &m_correcteur;
  Resolveur &m_resolveur;
  Hasard &m_hasard;
  Phase m_phase = Phase::AucunePartie;
  QString m_guidage;
  Manche m_manche;
  Cadran m_cadran;
  QTimer m_chrono;
  double m_gaucheTitreTirages = 6360;
  int m_temps = Cadran::DureeNormale;       // for the games to come
  int m_tempsPartie = Cadran::DureeNormale; // for the game under way
  qint16 m_pointsJeu = 0;
  qint16 m_scorePartie = 0;
  qint16 m_numeroOrigine = 0;               // the tile the latest drag started from
  bool m_jeuTermine = true;                 // JeuTermine was said for the current round
  int m_procedures = 0;                     // game procedures under way
  QList<std::function<void()>> m_enAttente; // commands waiting for them to end
};
