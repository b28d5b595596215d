#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

// Rows of a query, read whole: the game's queries return a word or ten scores.
struct ResultatRequete {
  QStringList colonnes;
  QList<QVariantList> lignes;
};

// One connection of the database engine to a password-protected game
// database. The program opens it once at start-up and holds it for the whole
// run; record views on the same file borrow it, so the key is derived once.
// Every failure throws ErreurBase.
class MoteurBase {
public:
  // `connexion` is a connect string such as ";pwd=secret". The file is never
  // created: a missing file is an error.
  // A shared connection is the one record views on that file borrow; a
  // private one is for a reader on another thread.
  // `cleDerivee`, when given, is the key already derived from the password
  // for the salt the game's files are made with ("x'<key><salt>'"): it is
  // tried first and spares the derivation, tens of milliseconds of one core;
  // a file made with another salt opens with the password.
  enum class Partage { Partagee, Privee };
  static std::unique_ptr<MoteurBase> OuvrirBase(const QString &fichier, bool exclusif,
                                                bool lectureSeule, const QString &connexion,
                                                Partage partage = Partage::Partagee,
                                                const QByteArray &cleDerivee = {});
  // A private connection to a file that may not exist yet, for the tool that
  // makes the game's files: created when missing, opened with the raw key
  // `cle` (a password, or "x'<key><salt>'"), whatever tables it holds.
  static std::unique_ptr<MoteurBase> CreerBase(const QString &fichier, const QByteArray &cle);
  ~MoteurBase();
  MoteurBase(const MoteurBase &) = delete;
  MoteurBase &operator=(const MoteurBase &) = delete;

  // The open connection to this file, or nullptr.
  static MoteurBase *Ouverte(const QString &fichier);
  // The value of "pwd" in a connect string, empty when there is none.
  static QString MotDePasse(const QString &connexion);

  const QString &Fichier() const { return m_fichier; }

  ResultatRequete Lire(const QString &sql, const QVariantList &parametres = {});
  // Hands the text of the first column of each row to `rappel`, for the
  // long lists that would cost too much memory held whole.
  void ParcourirTextes(const QString &sql, const std::function<void(QStringView)> &rappel);
  // Hands each row's text and integer, its first two columns, to `rappel`;
  // a second column that holds no integer reads as -1.
  void ParcourirMots(const QString &sql, const std::function<void(QStringView, qint64)> &rappel);
  // Hands each row's columns to `rappel` as integers, for the long scans of
  // counts that would cost too much held whole as variants; a column that
  // holds no integer reads as -1.
  void ParcourirEntiers(const QString &sql,
                        const std::function<void(const qint64 *colonnes)> &rappel);
  // Runs a statement that changes the file; returns the number of rows changed.
  int Ecrire(const QString &sql, const QVariantList &parametres = {});
  // Whether rows of this table can be addressed by their rowid.
  bool AdressableParRowid(const QString &table);

private:
  MoteurBase(sqlite3 *base, const QString &fichier);
  sqlite3_stmt *Preparer(const QString &sql, int action);
  void Lier(sqlite3_stmt *instruction, const QVariantList &parametres, int action);
  [[noreturn]] void Echec(int action, int code) const;
  static QString Cle(const QString &fichier);

  sqlite3 *m_base;
  QString m_fichier;
  // Statements are prepared once and kept: a lookup then costs a bind and a step.
  QHash<QString, sqlite3_stmt *> m_instructions;
  QHash<QString, bool> m_tablesAvecRowid;
};
