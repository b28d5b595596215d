#include "rules/Tirage.h"

#include <algorithm>
#include <cmath>

void Tirage::NouveauJeu() {
  m_consonnes.fill(0);
  m_voyelles.fill(0);
}

QChar Tirage::Tirer(Sorte sorte, const std::function<double()> &aleatoire) {
  const bool consonne = sorte == Sorte::Consonne;
  Positions &positions = consonne ? m_consonnes : m_voyelles;
  const int longueur = consonne ? LongueurConsonnes : LongueurVoyelles;

  const auto remplies = std::find(positions.begin(), positions.end(), 0);
  Q_ASSERT(remplies != positions.end()); // nine draws a round at most
  const auto tirer = [&] { return qint16(std::floor(aleatoire() * longueur + 1)); };
  qint16 p = tirer();
  while (std::find(positions.begin(), remplies, p) != remplies)
    p = tirer();
  *remplies = p;
  return QChar::fromLatin1((consonne ? ListeConsonnes : ListeVoyelles)[p - 1]);
}
