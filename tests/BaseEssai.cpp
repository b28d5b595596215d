#include "tests/BaseEssai.h"

#include <QFile>
#include <QTest>
#include <sqlite3.h>

const QString BaseEssai::Connexion = QString::fromLatin1(CleBase::Connexion);

namespace {

sqlite3 *Ouvrir(const QString &fichier, const QByteArray &cle, int options) {
  sqlite3 *base = nullptr;
  if (sqlite3_open_v2(QFile::encodeName(fichier).constData(), &base, options, nullptr) != SQLITE_OK)
    qFatal("base d'essai : ouverture impossible");
  if (!cle.isEmpty())
    sqlite3_key(base, cle.constData(), int(cle.size()));
  return base;
}

void Lier(sqlite3_stmt *s, int i, const QVariant &v) {
  if (v.isNull()) {
    sqlite3_bind_null(s, i);
  } else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong) {
    sqlite3_bind_int64(s, i, v.toLongLong());
  } else {
    const QByteArray t = v.toString().toUtf8();
    sqlite3_bind_text(s, i, t.constData(), int(t.size()), SQLITE_TRANSIENT);
  }
}

} // namespace

BaseEssai::BaseEssai(const QStringList &mots, const QList<Score> &scores, const QByteArray &cle)
    : m_cle(cle) {
  sqlite3 *base = Ouvrir(Fichier(), cle, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
  sqlite3_exec(base,
               "CREATE TABLE DICO (NOM TEXT PRIMARY KEY) WITHOUT ROWID;"
               "CREATE TABLE SCORES (NOM TEXT, SCORE INTEGER, DATE TEXT);",
               nullptr, nullptr, nullptr);
  sqlite3_stmt *s = nullptr;
  sqlite3_prepare_v2(base, "INSERT INTO DICO VALUES (?)", -1, &s, nullptr);
  for (const QString &mot : mots) {
    Lier(s, 1, mot);
    sqlite3_step(s);
    sqlite3_reset(s);
  }
  sqlite3_finalize(s);
  sqlite3_prepare_v2(base, "INSERT INTO SCORES VALUES (?, ?, ?)", -1, &s, nullptr);
  for (const Score &score : scores) {
    Lier(s, 1, score.nom);
    Lier(s, 2, score.score);
    Lier(s, 3, score.date);
    sqlite3_step(s);
    sqlite3_reset(s);
  }
  sqlite3_finalize(s);
  sqlite3_close(base);
}

QList<QVariantList> BaseEssai::Scores() const {
  sqlite3 *base = Ouvrir(Fichier(), m_cle, SQLITE_OPEN_READONLY);
  sqlite3_stmt *s = nullptr;
  sqlite3_prepare_v2(base, "SELECT NOM, SCORE, DATE FROM SCORES ORDER BY rowid", -1, &s, nullptr);
  QList<QVariantList> lignes;
  while (sqlite3_step(s) == SQLITE_ROW) {
    QVariantList ligne;
    for (int c = 0; c < 3; ++c) {
      if (sqlite3_column_type(s, c) == SQLITE_NULL)
        ligne << QVariant();
      else if (sqlite3_column_type(s, c) == SQLITE_INTEGER)
        ligne << QVariant(qlonglong(sqlite3_column_int64(s, c)));
      else
        ligne << QVariant(
            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, c))));
    }
    lignes << ligne;
  }
  sqlite3_finalize(s);
  sqlite3_close(base);
  return lignes;
}

QByteArray BaseEssai::Octets() const {
  QFile f(Fichier());
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void BaseEssai::Executer(const char *sql) const {
  sqlite3 *base = Ouvrir(Fichier(), m_cle, SQLITE_OPEN_READWRITE);
  // The game may be reading the file on another core, building its index.
  sqlite3_busy_timeout(base, 5000);
  if (sqlite3_exec(base, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
    qFatal("base d'essai : %s", sqlite3_errmsg(base));
  sqlite3_close(base);
}
