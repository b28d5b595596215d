#include "data/Dictionnaire.h"

#include "data/MoteurBase.h"

#include "CleBase.h"

Solveur Dictionnaire::Indexer(const QString &fichier) {
  const auto moteur =
      MoteurBase::OuvrirBase(fichier, false, true, QString::fromLatin1(CleBase::Connexion),
                             MoteurBase::Partage::Privee, CleBase::Derivee);
  // One pass over the table needs no more than a few pages in memory.
  moteur->Lire(QStringLiteral("PRAGMA cache_size = 16"));
  Solveur::Preparation preparation;
  moteur->ParcourirTextes(QStringLiteral("SELECT NOM FROM DICO"),
                          [&preparation](QStringView mot) { preparation.Ajouter(mot); });
  return Solveur(std::move(preparation));
}
