#pragma once

#include <QChar>
#include <array>
#include <functional>

// The letter draw of a round: two weighted pools, consonants and vowels, each
// behaving as a bag refilled at every round, since a pool position is drawn
// at most once a round.
class Tirage {
public:
  enum class Sorte { Consonne, Voyelle };

  static constexpr char ListeConsonnes[] =
      "BBBBCCCCDDDDFFFFGGGGHHHHJKLLLLLLMMMMNNNNNNNPPPQRRRRRRRSSSSSSSTTTTTTVVWXZ";
  static constexpr char ListeVoyelles[] = "AAAAAAAAEEEEEEEEEEEEEIIIIIIOOOOOOUUUUUUY";
  // Pool lengths, constant: the multipliers of the draw.
  static constexpr int LongueurConsonnes = 72;
  static constexpr int LongueurVoyelles = 40;

  // Positions (1 to L) drawn in the round from one pool, slot by slot; 0 is empty.
  using Positions = std::array<qint16, 9>;

  // Empties both records for a new round.
  void NouveauJeu();
  // Draws one letter of the kind asked for; `aleatoire` gives numbers uniform
  // in [0, 1).
  QChar Tirer(Sorte sorte, const std::function<double()> &aleatoire);

  const Positions &PositionsConsonnes() const { return m_consonnes; }
  const Positions &PositionsVoyelles() const { return m_voyelles; }

private:
  Positions m_consonnes{};
  Positions m_voyelles{};
};
