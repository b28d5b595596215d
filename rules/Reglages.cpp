#include "rules/Reglages.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

enum class Fin { Ligne, Coupee, Fichier };

// Reads one line from `position`, ended by CR (optionally followed by LF) or
// by LF alone, without its end, and moves `position` past it. A line with no
// end within the longest length kept is cut there, and nothing after it is read.
Fin LireLigne(QByteArrayView contenu, qsizetype &position, QString &ligne) {
  if (position >= contenu.size())
    return Fin::Fichier;
  const qsizetype debut = position;
  qsizetype fin = debut;
  while (fin < contenu.size() && contenu[fin] != '\n' && contenu[fin] != '\r' &&
         fin - debut < Reglages::LongueurMaximale)
    ++fin;
  ligne = QString::fromLatin1(contenu.sliced(debut, fin - debut));
  if (fin == contenu.size()) {
    position = fin;
    return Fin::Ligne;
  }
  if (contenu[fin] == '\n') {
    position = fin + 1;
    return Fin::Ligne;
  }
  if (contenu[fin] == '\r') {
    position = fin + 1;
    if (position < contenu.size() && contenu[position] == '\n')
      ++position;
    return Fin::Ligne;
  }
  position = fin;
  return Fin::Coupee;
}

} // namespace

Reglages Reglages::Lire(QByteArrayView contenu) {
  Reglages reglages;
  qsizetype position = 0;
  if (LireLigne(contenu, position, reglages.OptionSon) == Fin::Ligne)
    LireLigne(contenu, position, reglages.OptionMessage);
  return reglages;
}

Reglages Reglages::Lire(const QString &fichier) {
  if (!QFileInfo(fichier).isFile())
    return {};
  QFile f(fichier);
  if (!f.open(QIODevice::ReadOnly))
    return {};
  // Two lines at their longest, each with its CR LF, are all that is read.
  return Lire(QByteArrayView(f.read(2 * (LongueurMaximale + 2))));
}

QByteArray Reglages::Octets() const {
  return OptionSon.toLatin1() + "\r\n" + OptionMessage.toLatin1() + "\r\n";
}

bool Reglages::Ecrire(const QString &fichier, QString *cause) const {
  return EcrireFichier(fichier, Octets(), cause);
}

bool Reglages::EcrireFichier(const QString &fichier, const QByteArray &contenu, QString *cause) {
  QSaveFile f(fichier);
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
