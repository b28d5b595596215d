#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// What the player is told of a round once it is over: the longest words its
// draw allowed (`plusLongs`, alphabetical, empty when no word fits) and
// whether his word `mot` is one of them; and, at the end of a game, its total
// against the best possible.
namespace Revelation {

constexpr int MotsMontres = 5;

// How a word is written for the reader, ÉCOLE for ECOLE; without one, as the
// game knows it.
using Graphie = std::function<QString(const QString &)>;
QString Ecrire(const Graphie &graphie, const QString &mot);

// Up to five of the words, the player's own first when it is one of them.
QStringList Montres(const QStringList &plusLongs, const QString &mot);
// For a narrow cell: "8 : ARMOIRES (votre mot), ROMARINS", or "aucun mot".
QString TexteCourt(const QStringList &plusLongs, const QString &mot, const Graphie &graphie = {});
// In full, for a tooltip or a screen reader.
QString TexteComplet(const QStringList &plusLongs, const QString &mot, const Graphie &graphie = {});
QString Bilan(int total, int meilleurTotal);

} // namespace Revelation
