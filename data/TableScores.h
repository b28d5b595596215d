#pragma once

#include "rules/DecisionScores.h"

#include <QDate>
#include <QString>

class VueDonnees;

// Offering a game's total to the table of the ten best games kept in the
// game database.
namespace TableScores {

// Offers `score` under `nom` through the record view, which is left closed.
// Throws ErreurBase when the database fails.
Issue Proposer(VueDonnees &Data, const QString &fichier, const QString &nom, int score,
               const QDate &jour);

} // namespace TableScores
