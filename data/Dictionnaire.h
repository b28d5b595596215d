#pragma once

#include "rules/Solveur.h"

#include <QString>

namespace Dictionnaire {

// The index of the longest words, made from the DICO table of the game
// database: the very words the verification accepts. It reads through a
// connection of its own, so that another thread may build it while the
// window uses the shared one. Throws ErreurBase when the file cannot be read.
Solveur Indexer(const QString &fichier);

} // namespace Dictionnaire
