#include "rules/Preferences.h"

#include "rules/Adversaire.h"
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
    const qsizetype egal = propre.indexOf('=');
    bool nombre = false;
    const int valeur = propre.mid(egal + 1).toInt(&nombre);
    if (egal < 0 || !nombre)
      continue;
    const QByteArray cle = propre.left(egal);
    if (cle == "temps" && TempsPropose(valeur))
      preferences.Temps = valeur;
    else if (cle == "adversaire" && valeur >= 0 && valeur <= ::Adversaire::NombreNiveaux)
      preferences.Adversaire = valeur;
  }
  return preferences;
}

QByteArray Preferences::Octets() const {
  return "temps=" + QByteArray::number(Temps) + "\nadversaire=" + QByteArray::number(Adversaire) +
         '\n';
}

bool Preferences::Ecrire(const QString &fichier, QString *cause) const {
  return Reglages::EcrireFichier(fichier, Octets(), cause);
}
