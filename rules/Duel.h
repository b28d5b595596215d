#pragma once

#include "rules/Adversaire.h"
#include "rules/Revelation.h"

#include <QObject>
#include <QString>
#include <array>
#include <functional>
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
  // `horloge` gives milliseconds from any fixed moment: the time the player
  // takes over a round without a limit.
  Duel(Partie &partie, Resolveur &resolveur, std::function<qint64()> horloge = {},
       QObject *parent = nullptr);

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
  const std::optional<QString> &Mot(int k) const { return m_jeux.at(std::size_t(k)).mot; }
  // The seconds it searched round k + 1 for, once played.
  int Secondes(int k) const { return m_jeux.at(std::size_t(k)).secondes; }
  int Total() const;

  // For the recap's cell: "MOIRES (6)", or "aucun mot"; empty when the
  // round was not played.
  QString TexteCourt(int k, const Revelation::Graphie &graphie = {}) const;
  // For a tooltip or a screen reader:
  // "L'adversaire (Confirmé) a joué MOIRES : 6 points."
  QString TexteComplet(int k, const Revelation::Graphie &graphie = {}) const;
  // At the end of a game: both totals and who won, in one line; nothing
  // when the opponent could not play every round the player did.
  QString Bilan(int totalJoueur) const;
  // The same said after the player's own total: the opponent's and who won.
  QString BilanDit(int totalJoueur) const;

Q_SIGNALS:
  // Round k + 1 was played, or every round emptied for a new game (k = -1).
  void JeuChange(int k);

private:
  struct Jeu {
    std::optional<QString> mot;
    int secondes = 0;
  };

  void Commencer();
  void Jouer(int k);
  QString Nom() const;
  QString Issue(int totalJoueur) const;

  Partie &m_partie;
  Resolveur &m_resolveur;
  std::function<qint64()> m_horloge;
  std::optional<Adversaire::Niveau> m_niveauSuivant;
  std::optional<quint64> m_graineSuivante;
  std::optional<Adversaire::Niveau> m_niveau;
  quint64 m_graine = 0;
  std::array<Jeu, 10> m_jeux;
  bool m_incomplet = false; // a round the player played that it could not
  // The round under way without a limit: when the search began and ended.
  std::optional<qint64> m_debutRecherche, m_finRecherche;
};
