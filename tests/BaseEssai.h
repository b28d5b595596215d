#pragma once

#include "CleBase.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantList>

// A small game database made for one test in a throw-away folder, keyed with
// the game's password unless told otherwise.
class BaseEssai {
public:
  struct Score {
    QVariant nom, score, date;
  };

  explicit BaseEssai(const QStringList &mots = {}, const QList<Score> &scores = {},
                     const QByteArray &cle = CleBase::Cle);

  QString Fichier() const { return m_dossier.filePath(QStringLiteral("Vocadix.dat")); }
  QString Dossier() const { return m_dossier.path(); }
  // The SCORES rows as the file holds them, in rowid order, read with a
  // connection of the test's own.
  QList<QVariantList> Scores() const;
  QByteArray Octets() const;
  // Runs a statement with a connection of the test's own, as another program would.
  void Executer(const char *sql) const;

  static const QString Connexion;

private:
  QTemporaryDir m_dossier;
  QByteArray m_cle;
};
