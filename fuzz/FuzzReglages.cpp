// The settings reader on any file: at most two lines are kept, each within
// the longest length, and what is written back reads back the same.

#include "Exiger.h"
#include "rules/Reglages.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *donnees, size_t taille) {
  const QByteArray contenu(reinterpret_cast<const char *>(donnees), qsizetype(taille));
  const Reglages lus = Reglages::Lire(QByteArrayView(contenu));
  for (const QString *option : {&lus.OptionSon, &lus.OptionMessage}) {
    EXIGER(option->size() <= Reglages::LongueurMaximale);
    EXIGER(!option->contains(u'\r') && !option->contains(u'\n'));
  }
  // A file with no line end is its first option, cut at the longest length.
  if (!contenu.contains('\r') && !contenu.contains('\n') && !contenu.isEmpty()) {
    EXIGER(lus.OptionSon == QString::fromLatin1(contenu.left(Reglages::LongueurMaximale)));
    EXIGER(lus.OptionMessage == QStringLiteral("O"));
  }
  // The first option is always the start of the file.
  EXIGER(contenu.startsWith(lus.OptionSon.toLatin1()) || contenu.isEmpty());

  const Reglages relus = Reglages::Lire(QByteArrayView(lus.Octets()));
  EXIGER(relus.OptionSon == lus.OptionSon);
  EXIGER(relus.OptionMessage == lus.OptionMessage);
  return 0;
}
