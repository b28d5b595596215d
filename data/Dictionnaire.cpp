#include "data/Dictionnaire.h"

#include "data/MoteurBase.h"

#include "CleBase.h"

#include <algorithm>

Solveur Dictionnaire::Indexer(const QString &fichier) {
  const auto moteur =
      MoteurBase::OuvrirBase(fichier, false, true, QString::fromLatin1(CleBase::Connexion),
                             MoteurBase::Partage::Privee, CleBase::Derivee);
  // One pass over the table needs no more than a few pages in memory.
  moteur->Lire(QStringLiteral("PRAGMA cache_size = 16"));
  Solveur::Preparation preparation;
  moteur->ParcourirTextes(QStringLiteral("SELECT NOM FROM DICO ORDER BY NOM"),
                          [&preparation](QStringView mot) { preparation.Ajouter(mot); });
  // Then how common they are, read alongside in the same order: two scans
  // of primary keys cost half a join. A copy made before the table existed
  // has only the words; the opponent then finds them all equally hard.
  const bool communs = !moteur
                            ->Lire(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = "
                                                  "'table' AND name = 'COMMUNS'"))
                            .lignes.isEmpty();
  if (communs)
    moteur->ParcourirMots(QStringLiteral("SELECT NOM, INDICE FROM COMMUNS ORDER BY NOM"),
                          [&preparation](QStringView mot, qint64 indice) {
                            preparation.Noter(mot, quint8(std::clamp<qint64>(indice, 0, 255)));
                          });
  return Solveur(std::move(preparation));
}
