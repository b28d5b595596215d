#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The settings of what the game adds to its original rules, in a file of
// their own beside Vocadix.ini, whose two lines stay as they are. A line
// "temps=<seconds>", 45, 90 or 0 for no limit, the time of each round; a
// line "adversaire=<level>", 1 to 4, or 0 for none, the opponent.
class Preferences {
public:
  static constexpr int TempsNormal = 45;
  int Temps = TempsNormal;
  int Adversaire = 0;

  // A missing file, or a value the game does not offer, gives the normal
  // time and no opponent.
  static Preferences Lire(const QString &fichier);
  static Preferences Lire(QByteArrayView contenu);
  QByteArray Octets() const;
  // Replaces the file whole or leaves the old one as it was; on failure,
  // returns the cause in French.
  bool Ecrire(const QString &fichier, QString *cause) const;

  static bool TempsPropose(int secondes) {
    return secondes == 45 || secondes == 90 || secondes == 0;
  }
};
