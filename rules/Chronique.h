#pragma once

#include "rules/PartieJouee.h"

#include <QDateTime>
#include <QObject>
#include <functional>
#include <optional>

class Archive;
class Partie;

// Follows a game as it is played and hands it to the archive once it is
// over: at its tenth round, or when it is left for a new game or the end of
// the program, with the rounds it played, read from the game's own results.
// The archive is written at the next turn of the events, once the procedure
// that ended the game has shown its boxes (in the score entry's own loop,
// when there is one): no box or dialog of the game waits for it. A game
// the archive could not take is kept and tried again with the next one.
class Chronique : public QObject {
  Q_OBJECT

public:
  Chronique(Partie &partie, Archive &archive, std::function<QDateTime()> horloge,
            QObject *parent = nullptr);

  // The program is ending: the game under way, and any not yet written,
  // are written, once the game procedure under way (if any) has ended.
  void Clore();
  // Writes now the games that wait for the next turn of the events, for
  // whoever reads the history at once.
  void EcrireEnAttente();

  // The game being followed; empty between games.
  const std::optional<PartieJouee> &EnCours() const { return m_enCours; }

private:
  void Commencer();
  // A new game asked for again before its first round: it begins now.
  void Recommencer();
  void Terminer(qint16 total, std::optional<int> meilleur);
  // The game under way, left before its end, when it played any round.
  void Abandonner();
  // The rounds played, as the game's results give them now.
  QList<JeuJoue> Jeux() const;
  void Confier(PartieJouee partie);

  Partie &m_partie;
  Archive &m_archive;
  std::function<QDateTime()> m_horloge;
  std::optional<PartieJouee> m_enCours;
  QList<PartieJouee> m_aEcrire;
  bool m_ecritureDemandee = false;
};
