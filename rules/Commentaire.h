#pragma once

#include "rules/Revelation.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>

#include "rules/Duel.h"

class Partie;

// What a screen reader is told of a game as it goes, beside what it reads
// of the window on demand: each letter drawn, the whole draw, the countdown
// at the moments a player can use, the word as it is typed or marked, each
// round's points and longest words, the game's total; with an opponent, its
// word of each round and who won. The texts are French sentences; letters
// are spelt one by one.
class Commentaire : public QObject {
  Q_OBJECT

public:
  explicit Commentaire(const Partie &partie, QObject *parent = nullptr);

  // The tiles' letters in their order and the word marked, when asked for.
  void LireTirage();
  // Says what the opponent of the games plays, once each round is over.
  void SuivreDuel(const Duel &duel);
  // The words said with their accents, as they are shown.
  void DefinirGraphie(Revelation::Graphie graphie) { m_graphie = std::move(graphie); }

  // The seconds left at which the countdown is said.
  static bool DecompteDit(int secondes);
  // "M A I S": a screen reader spells it.
  static QString Epele(const QString &lettres);

Q_SIGNALS:
  void Dire(const QString &texte);

private:
  void DireMot();
  void DireJeu(int k);
  void DireFin(qint16 total, std::optional<int> meilleur);

  const Partie &m_partie;
  QPointer<const Duel> m_duel;
  Revelation::Graphie m_graphie;
  QString m_motDit; // the marked word last said
};
