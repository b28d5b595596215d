#pragma once

#include <QString>

// The game state shared by the main window and its dialogs.
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
  qint16 PointsJeu = 0;   // points of the last verified round
  qint16 ScorePartie = 0; // total of the game
};
