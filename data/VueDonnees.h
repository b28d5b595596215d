#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class MoteurBase;

// A record view on the game database: the program sets its file and its record
// source (a table name or a query), refreshes it, walks the rows, reads and
// writes fields by name, and closes it after one use. It borrows the engine
// connection opened at start-up for that file. Every failure throws ErreurBase.
class VueDonnees {
public:
  void DefinirFichier(const QString &fichier);
  // A table name, or a query; values of the player go in `parametres`,
  // bound to the query's "?" marks, never pasted into its text.
  void DefinirSource(const QString &source, const QVariantList &parametres = {});
  void Rafraichir();

  // Both true exactly when the source has no row.
  bool FinFichier() const;
  bool DebutFichier() const;
  void PremierEnregistrement();
  void DernierEnregistrement();
  void EnregistrementSuivant();
  int NombreEnregistrements() const { return int(m_lignes.size()); }

  // Start a new row (appended by MettreAJour) or the rewriting of the current one.
  void Ajouter();
  void Modifier();
  void MettreAJour();

  QVariant Champ(const QString &nom) const;
  QDate ChampDate(const QString &nom) const;
  void DefinirChamp(const QString &nom, const QVariant &valeur);

  // Runs a statement on the view's database ("DELETE * from SCORES").
  void Executer(const QString &sql);
  // Lets go of the rows; the engine connection stays open for the next use.
  void FermerBase();

private:
  enum class Edition { Aucune, Ajout, Modification };

  MoteurBase &Moteur() const;
  int IndexChamp(const QString &nom) const;
  [[noreturn]] void Refuser(const QString &cause) const;

  QString m_fichier;
  QString m_source;
  QVariantList m_parametres;
  QString m_table; // the table whose rows can be written, or empty
  // The last source as the engine runs it.
  QString m_sourceTraduite, m_fichierTraduit, m_sqlTraduit, m_tableTraduite;
  QStringList m_colonnes;
  QList<QVariantList> m_lignes;
  QList<qint64> m_rowids;
  qsizetype m_position = 0;
  Edition m_edition = Edition::Aucune;
  QVariantList m_tampon;
  QList<bool> m_modifies;
};
