// The word-list reader of the database builder on any file: a list it takes
// is exactly the file's lines, each a word of the game, in strict order.

#include "Exiger.h"
#include "ListeMots.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *donnees, size_t taille) {
  const QByteArray contenu(reinterpret_cast<const char *>(donnees), qsizetype(taille));
  const ListeMots liste = ListeMots::Lire(contenu);
  if (!liste.Erreur.isEmpty()) {
    EXIGER(liste.Mots.isEmpty());
    EXIGER(liste.Erreur.startsWith(QStringLiteral("ligne ")));
    return 0;
  }
  EXIGER(!liste.Mots.isEmpty());
  for (qsizetype i = 0; i < liste.Mots.size(); ++i) {
    const QByteArray &mot = liste.Mots.at(i);
    EXIGER(mot.size() >= 1 && mot.size() <= 9);
    for (const char c : mot)
      EXIGER(c >= 'A' && c <= 'Z');
    EXIGER(i == 0 || liste.Mots.at(i - 1) < mot);
  }
  QByteArray relu = liste.Mots.join('\n');
  if (contenu.endsWith('\n'))
    relu += '\n';
  EXIGER(relu == contenu);
  return 0;
}
