#include "rules/Preferences.h"

#include "rules/Reglages.h"

#include <QFile>

Preferences Preferences::Lire(const QString &fichier) {
  QFile f(fichier);
  // A settings file is a few bytes; a longer one is not ours.
  return f.open(QIODevice::ReadOnly) ? Lire(QByteArrayView(f.read(4096))) : Preferences{};
}

Preferences Preferences::Lire(QByteArrayView contenu) {
  Preferences preferences;
  for (const QByteArray &ligne : contenu.toByteArray().split('\n')) {
    const QByteArray propre = ligne.trimmed();
    if (!propre.startsWith("temps="))
      continue;
    bool nombre = false;
    const int secondes = propre.mid(6).toInt(&nombre);
    if (nombre && TempsPropose(secondes))
      preferences.Temps = secondes;
  }
  return preferences;
}

QByteArray Preferences::Octets() const {
  return "temps=" + QByteArray::number(Temps) + '\n';
}

bool Preferences::Ecrire(const QString &fichier, QString *cause) const {
  return Reglages::EcrireFichier(fichier, Octets(), cause);
}
