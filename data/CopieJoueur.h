#pragma once

#include <QString>

// The player's copy of the installed game database.
namespace CopieJoueur {

// Makes sure `copie` is ready to open: made from the template `modele` when
// it does not exist yet; given the template's dictionary, its scores kept,
// when the template's differs (a newer version was installed). A copy that
// cannot be read is left as it is, for the opening to report: it is never
// replaced behind the player's back. Throws ErreurBase when the copy cannot
// be made or read; returns false when the dictionary could not be renewed,
// the copy being left whole on its old one.
bool Preparer(const QString &modele, const QString &copie);

} // namespace CopieJoueur
