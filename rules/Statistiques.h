#pragma once

#include "rules/PartieJouee.h"

#include <QDate>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// A game of the history, without its rounds.
struct ResumePartie {
  qint64 id = 0;
  QDateTime debut;
  int temps = 45;
  qint16 total = 0;
  std::optional<int> meilleur;
  bool finie = false;
  // The share of the best possible, in percent, when it is known.
  std::optional<double> Part() const;
};

// What the history holds, read at once: every game, oldest first, and the
// rounds of the finished games counted by what the charts show.
struct DonneesHistorique {
  QList<ResumePartie> parties;
  // Rounds by the length of the player's word that scored (0: none scored)
  // and by the greatest length their draw allowed (where it is known).
  std::array<int, 10> longueursJoueur{};
  std::array<int, 10> longueursPossibles{};
  // Rounds by the number of vowels drawn: how many, the points they scored,
  // and the sum of their greatest lengths over those where it is known.
  struct ParVoyelles {
    int jeux = 0;
    int points = 0;
    int jeuxConnus = 0;
    int meilleur = 0;
  };
  std::array<ParVoyelles, 10> parVoyelles{};
  QString plusLongMot; // the longest word that scored, the earliest of its length
};

// The figures of the history: finished games only, but for the runs of
// days, which count every game played.
struct Chiffres {
  int jouees = 0;
  int interrompues = 0;
  std::optional<double> totalMoyen;
  std::optional<double> partMoyenne; // percent
  std::optional<ResumePartie> meilleure;
  QString plusLongMot;
  int serieActuelle = 0; // days in a row up to today, or up to yesterday
  int meilleureSerie = 0;
  // Each finished game's share of the best possible, by its rank among them
  // from 1, and the mean of the last games up to each.
  QList<QPointF> parts;
  QList<QPointF> moyenneMobile;
};

namespace Statistiques {

// The moving average runs over this many games.
constexpr int FenetreMoyenne = 10;

Chiffres Calculer(const DonneesHistorique &donnees, const QDate &aujourdhui);

// The days in a row of the given dates: the longest run, and the one that
// ends today or yesterday.
struct Series {
  int actuelle = 0;
  int meilleure = 0;
};
Series CompterSeries(QList<QDate> jours, const QDate &aujourdhui);

// The same figures as lines of French, for the list beside the charts and
// for a screen reader.
QStringList TexteChiffres(const Chiffres &chiffres);
QStringList TexteProgression(const DonneesHistorique &donnees, const Chiffres &chiffres);
QStringList TexteLongueurs(const DonneesHistorique &donnees);
QStringList TexteVoyelles(const DonneesHistorique &donnees);

// A number as the French write it: a decimal comma, `decimales` digits.
QString Nombre(double valeur, int decimales = 1);
// A share in percent, "78 %".
QString Pourcentage(double part);

} // namespace Statistiques
