#pragma once

#include <QString>

// Where the game's files are. A copy whose program folder holds the game
// database (the build folder, a portable copy), or that has no installed data
// folder, keeps everything there. An installed game reads its help and documents, and the template
// of the database, from its installed data folder, and keeps the player's database and settings in
// the player's own data and configuration folders. Every folder ends with "/".
struct Emplacements {
  QString Donnees;   // the game database, Vocadix.dat
  QString Reglages;  // the settings file, Vocadix.ini
  QString Documents; // the help and the documents
  QString Modele;    // the installed template of the database; empty for a portable copy

  // `baseDansProgramme`: the program folder holds Vocadix.dat.
  // `installe`: the installed data folder, empty when there is none (no
  // template of the database there); `donneesJoueur` and `reglagesJoueur`:
  // the player's own folders for the game.
  static Emplacements Choisir(const QString &programme, bool baseDansProgramme,
                              const QString &installe, const QString &donneesJoueur,
                              const QString &reglagesJoueur);
};
