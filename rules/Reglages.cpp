#include "rules/Reglages.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

enum class Fin { Ligne, Coupee, Fichier };

// Reads one line, ended by CR (optionally followed by LF) or by LF alone,
// without its end. A line with no end within the longest length kept is cut
// there, and nothing after it is read.
Fin LireLigne(QFile &f, QString &ligne) {
  char c;
  if (!f.getChar(&c))
    return Fin::Fichier;
  QByteArray octets;
  Fin fin = Fin::Ligne;
  do {
    if (c == '\n')
      break;
    if (c == '\r') {
      char suivant;
      if (f.peek(&suivant, 1) == 1 && suivant == '\n')
        f.getChar(&suivant);
      break;
    }
    if (octets.size() == Reglages::LongueurMaximale) {
      fin = Fin::Coupee;
      break;
    }
    octets.append(c);
  } while (f.getChar(&c));
  ligne = QString::fromLatin1(octets);
  return fin;
}

} // namespace

Reglages Reglages::Lire(const QString &fichier) {
  Reglages reglages;
  if (!QFileInfo(fichier).isFile())
    return reglages;
  QFile f(fichier);
  if (!f.open(QIODevice::ReadOnly))
    return reglages;
  if (LireLigne(f, reglages.OptionSon) == Fin::Ligne)
    LireLigne(f, reglages.OptionMessage);
  return reglages;
}

bool Reglages::Ecrire(const QString &fichier, QString *cause) const {
  QSaveFile f(fichier);
  const QByteArray contenu = OptionSon.toLatin1() + "\r\n" + OptionMessage.toLatin1() + "\r\n";
  if (f.open(QIODevice::WriteOnly) && f.write(contenu) == contenu.size() && f.commit())
    return true;
  if (cause) {
    switch (f.error()) {
    case QFileDevice::ResourceError:
      *cause = QStringLiteral("le disque est plein");
      break;
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
      *cause = QStringLiteral("le dossier n'accepte pas l'écriture");
      break;
    default:
      *cause = QStringLiteral("l'écriture a échoué");
      break;
    }
  }
  return false;
}
