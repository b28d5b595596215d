#include "rules/Emplacements.h"

namespace {

QString Dossier(const QString &chemin) {
  return chemin.endsWith(u'/') ? chemin : chemin + u'/';
}

} // namespace

Emplacements Emplacements::Choisir(const QString &programme, bool baseDansProgramme,
                                   const QString &installe, const QString &donneesJoueur,
                                   const QString &reglagesJoueur) {
  if (baseDansProgramme || installe.isEmpty()) {
    const QString dossier = Dossier(programme);
    return {dossier, dossier, dossier, QString()};
  }
  const QString donnees = Dossier(installe);
  return {Dossier(donneesJoueur), Dossier(reglagesJoueur), donnees,
          donnees + QStringLiteral("Vocadix.dat")};
}
