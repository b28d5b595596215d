// The dictzip reader on any file: a file it opens gives, for any article
// asked for, exactly its bytes or a French reason, and never reads out of
// bounds.

#include "Exiger.h"
#include "data/Stardict.h"

#include <QBuffer>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *donnees, size_t taille) {
  auto tampon = std::make_unique<QBuffer>();
  tampon->setData(reinterpret_cast<const char *>(donnees), int(taille));
  tampon->open(QIODevice::ReadOnly);
  QString erreur;
  const auto texte = Stardict::Dictzip::Ouvrir(std::move(tampon), &erreur);
  if (!texte) {
    EXIGER(!erreur.isEmpty());
    return 0;
  }
  // Articles across the text: at its start, spanning chunks, past its end.
  const quint64 longueur = texte->Longueur();
  for (const quint64 debut : {quint64(0), longueur / 3, longueur / 2, longueur - 1, longueur}) {
    for (const quint32 n : {1u, 7u, 300u, 70000u}) {
      erreur.clear();
      const std::optional<QByteArray> lu = texte->Lire(debut, n, &erreur);
      if (lu)
        EXIGER(lu->size() == qsizetype(n));
      else
        EXIGER(!erreur.isEmpty());
    }
  }
  return 0;
}
