#pragma once

#include "data/HistoriqueBase.h"
#include "data/MoteurBase.h"
#include "rules/PartieJouee.h"
#include "tests/BaseEssai.h"

#include <memory>

// Games to write into a history, and the history of a file read back with
// a connection of its own.
namespace HistoriqueEssai {

// A game begun at `debut`, of `jeux` rounds: round n draws a word of n % 10
// letters out of a draw that allowed 9, with 4 vowels.
inline PartieJouee Partie(const QDateTime &debut, int jeux, bool finie) {
  PartieJouee partie;
  partie.debut = debut;
  partie.finie = finie;
  int meilleur = 0;
  for (int n = 1; n <= jeux; ++n) {
    JeuJoue jeu;
    jeu.numero = qint16(n);
    jeu.tirage = QStringLiteral("ANTILOPES");
    jeu.mot = QStringLiteral("ANTILOPES").left(n % 10);
    jeu.points = qint16(n % 10 >= 5 ? n % 10 : 0); // the short ones refused
    jeu.meilleur = qint16(9);
    jeu.voyelles = 4;
    partie.total = qint16(partie.total + jeu.points);
    meilleur += 9;
    partie.jeux << jeu;
  }
  partie.meilleur = meilleur;
  return partie;
}

// The history of `fichier`, read through a connection opened for it.
inline std::optional<DonneesHistorique> Lire(const QString &fichier, QString &erreur) {
  const auto base = MoteurBase::OuvrirBase(fichier, false, false, BaseEssai::Connexion);
  HistoriqueBase historique;
  historique.DefinirFichier(fichier);
  return historique.Lire(erreur);
}

// Writes the game; returns why it could not, empty when it was written.
inline QString Ecrire(const QString &fichier, const PartieJouee &partie) {
  const auto base = MoteurBase::OuvrirBase(fichier, false, false, BaseEssai::Connexion);
  HistoriqueBase historique;
  historique.DefinirFichier(fichier);
  historique.Archiver(partie);
  return historique.ErreurEcriture();
}

} // namespace HistoriqueEssai
