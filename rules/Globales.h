#pragma once

#include <QString>

// What the main window and its dialogs share: where the files are, the
// titles, the options.
struct Globales {
  QString CheminAppli;     // the program folder, ending with "/"
  QString CheminDonnees;   // folder of the game database: the program's, or the player's
  QString CheminReglages;  // folder of the settings file: the program's, or the player's
  QString CheminDocuments; // folder of the help and the documents
  QString TitreAppli;      // "Vocadix 2.1": the caption and every box's title
  QString VersionAppli;    // "2.1"
  QString DateAppli;       // the executable's date, "16/04/2000 à 13:46"
  QString OptionSon = QStringLiteral("O");
  QString OptionMessage = QStringLiteral("O");

  // The game database, the settings file and that of the added settings.
  QString FichierBase() const { return CheminDonnees + QStringLiteral("Vocadix.dat"); }
  QString FichierReglages() const { return CheminReglages + QStringLiteral("Vocadix.ini"); }
  QString FichierPreferences() const { return CheminReglages + QStringLiteral("Preferences.ini"); }
};
