#pragma once

#include "rules/Adversaire.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <array>
#include <memory>
#include <optional>

class Partie;
class Resolveur;

// The opponent's side of the game under way. Switched on for a whole game
// at its start, it plays each round on the player's draw once the round is
// over, in the time the player had, and keeps its words and its total. It
// only follows the game: the player's points, the score entry and the table
// of the ten best know nothing of it.
class Duel : public QObject {
  Q_OBJECT

public:
  Duel(Partie &partie, Resolveur &resolveur, QObject *parent = nullptr);

  // The opponent of the games to come, or none: it takes effect at the next
  // new game, as the time of the rounds does.
  void DefinirNiveau(std::optional<Adversaire::Niveau> niveau) { m_niveauSuivant = niveau; }
  // The seed of the games to come, for games that must play alike; without
  // one, each game draws its own.
  void DefinirGraine(std::optional<quint64> graine) { m_graineSuivante = graine; }

  // The opponent of the game under way, or none.
  const std::optional<Adversaire::Niveau> &Niveau() const { return m_niveau; }
  quint64 Graine() const { return m_graine; }
  // Round k + 1 (k from 0 to 9) once the opponent played it: its word,
  // empty when it found none. Nothing before, or when it could not play,
  // its draw never having closed or the dictionary's index missing.
  const std::optional<QString> &Mot(int k) const { return m_mots.at(std::size_t(k)); }
  int Total() const;

  // For the recap's cell: "MOIRES (6)", or "aucun mot"; empty when the
  // round was not played.
  QString TexteCourt(int k) const;
  // For a tooltip or a screen reader: "Confirmé a joué MOIRES : 6 points."
  QString TexteComplet(int k) const;
  // At the end of a game: both totals and who won, in one line.
  QString Bilan(int totalJoueur) const;

Q_SIGNALS:
  // Round k + 1 was played, or every round emptied for a new game (k = -1).
  void JeuChange(int k);

private:
  void Commencer();
  void Jouer(int k);
  int Secondes() const;

  Partie &m_partie;
  Resolveur &m_resolveur;
  std::optional<Adversaire::Niveau> m_niveauSuivant;
  std::optional<quint64> m_graineSuivante;
  std::optional<Adversaire::Niveau> m_niveau;
  quint64 m_graine = 0;
  std::array<std::optional<QString>, 10> m_mots;
  // A round without a time limit: how long the player took.
  QElapsedTimer m_recherche;
  qint64 m_dureeRecherche = 0;
};
