#include "letters/Arrangement.h"

void Arrangement::Deplacer(QStringList &lettres, int origine, int cible) {
  if (origine == cible)
    return;
  const QString lettre = lettres.at(origine);
  if (origine < cible)
    for (int i = origine; i <= cible - 1; ++i)
      lettres[i] = lettres.at(i + 1);
  else
    for (int i = origine; i >= cible + 1; --i)
      lettres[i] = lettres.at(i - 1);
  lettres[cible] = lettre;
}

void Arrangement::Basculer(Marques &marques, int k) {
  if (!marques.at(k))
    std::fill(marques.begin(), marques.begin() + k + 1, true);
  else
    std::fill(marques.begin() + k, marques.end(), false);
}
