// The StarDict index reader on any file: an index it takes has entries that
// are non-empty headwords in StarDict's order, each found again by a search.

#include "Exiger.h"
#include "data/Stardict.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *donnees, size_t taille) {
  if (taille < 1)
    return 0;
  // The first byte chooses the width of the places, the rest is the file.
  const int bits = donnees[0] & 1 ? 64 : 32;
  const QByteArray octets(reinterpret_cast<const char *>(donnees + 1), qsizetype(taille - 1));
  QString erreur;
  const std::optional<Stardict::Index> index = Stardict::Index::Lire(octets, bits, 0, &erreur);
  if (!index) {
    EXIGER(!erreur.isEmpty());
    return 0;
  }
  for (qsizetype i = 0; i < index->Nombre(); ++i) {
    const QByteArrayView mot = index->Mot(i);
    EXIGER(!mot.isEmpty() && !mot.contains('\0'));
    EXIGER(i == 0 || Stardict::Comparer(index->Mot(i - 1), mot) <= 0);
    EXIGER(!index->Chercher(mot).empty());
    // A headword's search finds at least its own articles, and a prefix's
    // search, whatever follows it, reads nothing out of bounds.
    EXIGER(index->ChercherVedette(mot).size() >= index->Chercher(mot).size());
    index->ChercherVedette(mot.first(mot.size() / 2));
  }
  return 0;
}
