#pragma once

#include "rules/Archive.h"
#include "rules/PartieJouee.h"
#include "rules/Statistiques.h"

#include <QByteArray>
#include <QString>
#include <optional>

class MoteurBase;

// The history of the games in the player's game database, beside its
// dictionary and its scores: a row of PARTIES a game, a row of JEUX a round.
// The tables are made the first time a game is written, in a file that
// lacks them; a file whose tables are damaged, or of a later version of the
// game, is read by nobody and written by nobody, and the game plays on.
class HistoriqueBase : public Archive {
public:
  // The version of the tables this program reads and writes.
  static constexpr int Version = 1;

  // Makes the tables in a file that has none of them, inside the
  // transaction of the caller; leaves those of a file that has any.
  static void CreerTables(MoteurBase &base);

  // Borrows the connection open on `fichier`, as the record views do.
  void DefinirFichier(const QString &fichier) { m_fichier = fichier; }

  bool Archiver(const PartieJouee &partie) override;

  // The whole history; nothing, with the cause in French, when it cannot
  // be read. A file without the tables has an empty history.
  std::optional<DonneesHistorique> Lire(QString &erreur);
  // The rounds of one game, in order.
  std::optional<QList<JeuJoue>> Jeux(qint64 partie, QString &erreur);
  // The whole history, a line a round, as a CSV file in UTF-8.
  std::optional<QByteArray> Csv(QString &erreur);

  // Why the last game could not be written; empty once one was.
  const QString &ErreurEcriture() const { return m_erreurEcriture; }

private:
  enum class Etat { Absent, Pret };
  // The tables' state, or an ErreurBase saying what is wrong with them.
  Etat Verifier(MoteurBase &base);
  MoteurBase &Base();
  template <typename Resultat, typename Lecture>
  std::optional<Resultat> Consulter(QString &erreur, Resultat resultat, Lecture lecture);

  QString m_fichier;
  QString m_erreurEcriture;
};
