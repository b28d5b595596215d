#include "rules/DecisionScores.h"

TableScores::Issue TableScores::Decider(int nombre, int plusPetit, int score) {
  if (nombre < Taille)
    return Issue::Ajoutee;
  if (nombre > Taille)
    return Issue::Ignoree;
  if (score > plusPetit)
    return Issue::Remplacee;
  return score == plusPetit ? Issue::Egale : Issue::Inferieure;
}
