#pragma once

#include <QList>
#include <QString>

class Duel;
class Manche;

// The words of a game the player may look up once their rounds are over: in
// each revealed round, his word, up to five of the longest and the
// opponent's, each once, with where it comes from.
namespace MotsJoues {

struct Mot {
  QString mot;  // as the game knows it, in capitals without accents
  QString role; // where it comes from: "jeu 3, votre mot, un des plus longs"
};

struct Liste {
  QList<Mot> mots;
  int choisi = 0; // the line to show first
};

// Every revealed round's words. Shown first: `mot` of round k + 1, else that
// round's first revealed word; with k = -1, the last revealed round's.
Liste Lister(const Manche &manche, const Duel &duel, int k = -1, const QString &mot = {});

// The last round whose longest words are revealed; -1 before any.
int DernierRevele(const Manche &manche);

} // namespace MotsJoues
