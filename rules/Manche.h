#pragma once

#include "rules/Tirage.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

// The rounds of a game as data: the round number, the nine tiles of the
// round under way (their letters in the current order, which are marked,
// where the next drawn letter goes, whether they may be moved or marked),
// the word taken at the stop, and every round's result for the recap. The
// window shows this state and sends the player's moves through it; it never
// reads the round back from its controls.
class Manche {
public:
  static constexpr int NombreTuiles = 9;
  static constexpr int NombreJeux = 10;

  struct Resultat {
    QString tirage; // the nine letters in the order drawn; empty until the draw closes
    QString mot;    // the word of the stop; empty until then
    // Empty while the round is neither verified nor left; 0 is a score.
    std::optional<qint16> points;
    // Once the round is over: every word of the greatest length its draw
    // allowed, alphabetical; empty when no word fits.
    std::optional<QStringList> plusLongs;
  };

  // A new game: no round yet, every result emptied, the tiles cleared.
  void NouvellePartie();
  // The next round: its number, the tiles emptied and unmarked, the pools
  // refilled, nothing to move or mark yet.
  void NouveauJeu();

  // Draws a letter of the kind asked for onto the tile NumeroLettre() and
  // returns it; `aleatoire` gives numbers uniform in [0, 1).
  QChar Tirer(Tirage::Sorte sorte, const std::function<double()> &aleatoire);
  // After a letter is placed: moves on to the next tile and returns false;
  // after the ninth, returns true, the draw being closed.
  bool SuiteTirage();
  // The draw is closed: the letters are the round's draw, and the tiles may
  // be moved and marked.
  void OuvrirArrangement();

  // The letter of tile `origine` leaves its place, those between close the
  // gap, and it takes the place of tile `cible`. False when moving is not
  // allowed or nothing moved.
  bool Deplacer(int origine, int cible);
  // A double-click on tile k: an unmarked tile marks tiles 0 to k, a marked
  // tile unmarks tiles k to 8. False when marking is not allowed.
  bool Basculer(int k);
  // Typing the word, while tiles may be both moved and marked. A letter
  // fetches the first tile bearing it past the word typed so far (the marked
  // run), moves it next to the word as a drag would, and marks the word
  // through it. False when no free tile bears it. The letter is read as a
  // capital without accent (é is E, ç is C).
  bool Taper(QChar lettre);
  // Takes the last letter off the word; clears the whole word.
  bool Effacer();
  bool Vider();
  // A typed character as the letter of a tile: A to Z, or a null QChar.
  static QChar LettreTapee(QChar caractere);

  // Forbids moving, marking, or both: the round is being stopped or is over.
  void InterdireDeplacement() { m_deplacement = false; }
  void InterdireMarquage() { m_marquage = false; }

  // Takes the marked letters, in tile order, as the round's word and shows
  // it in its result.
  void Arreter();
  void DefinirPoints(std::optional<qint16> points);
  // The round being left gets its points: those of its verification, else
  // 0. The first round takes `pointsJeu`, the points of the latest
  // verification, which are 0 unless it was the first round's own.
  void ClorePoints(qint16 pointsJeu);
  // The current round's draw while its longest words are still to be
  // revealed; empty when there is nothing to reveal, its draw never having
  // closed.
  QString TirageAReveler() const;
  // The longest words of the current round's draw, once it is over.
  void Reveler(const QStringList &plusLongs);
  // The sum of the greatest lengths the draws allowed; unknown while a round
  // whose draw closed is not revealed (there was no index to tell it).
  std::optional<int> MeilleurTotal() const;

  qint16 NumeroJeu() const { return m_numeroJeu; }
  bool DernierJeu() const { return m_numeroJeu == NombreJeux; }
  qint16 NumeroLettre() const { return m_numeroLettre; }
  bool DeplacementAutorise() const { return m_deplacement; }
  bool MarquageAutorise() const { return m_marquage; }

  // A tile holds no letter (and is hidden) until one is drawn onto it.
  QChar Lettre(int i) const { return m_lettres.at(i); }
  bool Marquee(int i) const { return m_marques.at(i); }
  int NombreMarquees() const;
  // The letters of the tiles in their current order.
  QString Lettres() const;
  // The letters of the marked tiles, in tile order.
  QString MotMarque() const;
  const QString &Mot() const { return m_mot; }
  // Round k + 1's result, k from 0 to 9.
  const Resultat &ResultatJeu(int k) const { return m_resultats.at(k); }

private:
  Resultat &ResultatCourant() { return m_resultats.at(m_numeroJeu - 1); }
  bool Saisissable() const { return m_deplacement && m_marquage; }
  void MarquerJusqua(int n); // marks tiles 0 to n - 1 exactly

  qint16 m_numeroJeu = 0;
  Tirage m_tirage;
  std::array<QChar, NombreTuiles> m_lettres{};
  std::array<bool, NombreTuiles> m_marques{};
  qint16 m_numeroLettre = 0;
  bool m_deplacement = false;
  bool m_marquage = false;
  QString m_mot;
  std::array<Resultat, NombreJeux> m_resultats;
};
