#pragma once

// The table of the ten best games: a game's total is appended while fewer
// than ten games are kept, and past that replaces the lowest only when it
// beats it.
namespace TableScores {

enum class Issue {
  Ajoutee,    // appended to a table of fewer than ten
  Remplacee,  // overwrote the lowest of ten
  Egale,      // equal to the lowest of ten: refused
  Inferieure, // below the lowest of ten: refused
  Ignoree,    // the table holds more than ten games, written by other means
};

constexpr int Taille = 10;

// The fate of `score` offered to a table of `nombre` games whose lowest total
// is `plusPetit` (not read while the table has room).
Issue Decider(int nombre, int plusPetit, int score);

} // namespace TableScores
