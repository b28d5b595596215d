#pragma once

#include <QStringList>
#include <array>

// How the player's moves change the tiles: a drag inserts a letter elsewhere,
// a double-click marks the word from the first tile to the one clicked, or
// cuts it just before the one clicked.
namespace Arrangement {

using Marques = std::array<bool, 9>;

// The letter of tile `origine` leaves its place, those between close the gap,
// and it takes the place of tile `cible`.
void Deplacer(QStringList &lettres, int origine, int cible);

// A double-click on tile k: an unmarked tile marks tiles 0 to k, a marked
// tile unmarks tiles k to 8.
void Basculer(Marques &marques, int k);

} // namespace Arrangement
