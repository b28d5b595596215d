#pragma once

#include "rules/Tirage.h"

#include <QByteArray>
#include <QHash>
#include <QString>

// Scripting the draw: which pool each letter comes from, and the random
// number that draws it, its pool's positions being taken in order.
class TirageEssai {
public:
  struct Coup {
    bool consonne;
    double aleatoire;
  };

  // The next of these letters in the round.
  Coup Suivant(QChar lettre) {
    const bool consonne = QByteArray(Tirage::ListeConsonnes).contains(char(lettre.unicode()));
    const QByteArray sac = consonne ? Tirage::ListeConsonnes : Tirage::ListeVoyelles;
    const int position = int(sac.indexOf(char(lettre.unicode()))) + m_dejaTirees[lettre]++ + 1;
    return {consonne, (position - 0.5) / double(sac.size())};
  }

private:
  QHash<QChar, int> m_dejaTirees;
};
