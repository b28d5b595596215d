#pragma once

#include "data/VueDonnees.h"
#include "rules/Correcteur.h"

// The verification's dictionary: the DICO table of the game database,
// looked up through a record view.
class CorrecteurBase : public Correcteur {
public:
  void DefinirFichier(const QString &fichier) { m_fichier = fichier; }
  std::optional<bool> Figure(const QString &mot, QString &erreur) override;

private:
  QString m_fichier;
  VueDonnees DataDico;
};
