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
// the program, with the rounds it played. The archive is written once the
// procedure that ended the game has let events run, so that no box or
// dialog of the game waits for it.
class Chronique : public QObject {
  Q_OBJECT

public:
  Chronique(Partie &partie, Archive &archive, std::function<QDateTime()> horloge,
            QObject *parent = nullptr);

  // The program is ending: the game under way, and any not yet written,
  // are written now.
  void Clore();

  // The game being followed; empty between games.
  const std::optional<PartieJouee> &EnCours() const { return m_enCours; }

private:
  void Commencer();
  void NoterJeu(int k);
  void Terminer(qint16 total, std::optional<int> meilleur);
  // The game under way, left before its end, when it played any round.
  void Abandonner();
  void Confier(PartieJouee partie);
  void Ecrire();

  Partie &m_partie;
  Archive &m_archive;
  std::function<QDateTime()> m_horloge;
  std::optional<PartieJouee> m_enCours;
  QList<PartieJouee> m_aEcrire;
};
