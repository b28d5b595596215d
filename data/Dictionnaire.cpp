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
  // A copy made before the table of common words existed has only the
  // words; the opponent then finds them all equally hard.
  const bool communs = !moteur
                            ->Lire(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = "
                                                  "'table' AND name = 'COMMUNS'"))
                            .lignes.isEmpty();
  if (!communs) {
    moteur->ParcourirTextes(QStringLiteral("SELECT NOM FROM DICO"),
                            [&preparation](QStringView mot) { preparation.Ajouter(mot); });
    return Solveur(std::move(preparation));
  }
  moteur->ParcourirMots(QStringLiteral("SELECT DICO.NOM, COMMUNS.INDICE FROM DICO "
                                       "LEFT JOIN COMMUNS ON COMMUNS.NOM = DICO.NOM"),
                        [&preparation](QStringView mot, qint64 indice) {
                          preparation.Ajouter(mot, quint8(std::clamp<qint64>(indice, 0, 255)));
                        });
  return Solveur(std::move(preparation));
}
