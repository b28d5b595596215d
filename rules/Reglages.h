#pragma once

#include <QByteArrayView>
#include <QString>

// The settings file: two lines, the sound option then the guidance-message
// option, each ended by CR LF, in a single-byte character set. Values are
// kept exactly as read, whatever they are, and written back unchanged.
class Reglages {
public:
  QString OptionSon = QStringLiteral("O");
  QString OptionMessage = QStringLiteral("O");

  // A missing file, or a missing line, gives "O".
  static Reglages Lire(const QString &fichier);
  // The same from the file's bytes.
  static Reglages Lire(QByteArrayView contenu);
  // The file's bytes; options that were read from a file read back the same.
  QByteArray Octets() const;
  // Replaces the file whole or leaves the old one as it was; on failure,
  // returns the cause in French.
  bool Ecrire(const QString &fichier, QString *cause) const;
  // The same for any settings file of the game's: `contenu` replaces it whole.
  static bool EcrireFichier(const QString &fichier, const QByteArray &contenu, QString *cause);

  // Longest line kept; the rest of a longer line is not read.
  static constexpr qint64 LongueurMaximale = 64 * 1024;
};
