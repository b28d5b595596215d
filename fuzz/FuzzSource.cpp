// The record view's translation of its source, on any text, against the
// game's own tables in a database in memory. A source the view may write back
// to must read the same rows as the source itself, in the same order, with
// the same columns, each from that table, and the rowid of each row last; any
// other source runs as it stands.

#include "Exiger.h"
#include "data/TraductionSource.h"

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <sqlite3.h>

namespace {

sqlite3 *Base() {
  static sqlite3 *base = [] {
    sqlite3 *b = nullptr;
    // Names, scores and rowids in three different orders.
    if (sqlite3_open_v2(":memory:", &b, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
            SQLITE_OK ||
        sqlite3_exec(b,
                     "CREATE TABLE DICO (NOM TEXT PRIMARY KEY) WITHOUT ROWID;"
                     "CREATE TABLE SCORES (NOM TEXT, SCORE INTEGER, DATE TEXT);"
                     "INSERT INTO DICO VALUES ('A'), ('MAISON'), ('ZEBRE');"
                     "INSERT INTO SCORES (rowid, NOM, SCORE, DATE) VALUES"
                     " (7, 'PAUL', 40, '2026-03-01'), (2, 'ANNE', 12, '2026-03-02'),"
                     " (5, 'LÉA', 63, NULL), (9, 'JO', 12, '2026-03-04');",
                     nullptr, nullptr, nullptr) != SQLITE_OK)
      std::abort();
    // A statement that runs too long (a recursive query in a condition) is
    // stopped; its rows are then not compared.
    sqlite3_progress_handler(
        b, 1000, [](void *) { return 1; }, nullptr);
    return b;
  }();
  return base;
}

struct Instruction {
  sqlite3_stmt *s = nullptr;
  explicit Instruction(const QString &sql) {
    const QByteArray texte = sql.toUtf8();
    if (sqlite3_prepare_v2(Base(), texte.constData(), int(texte.size()), &s, nullptr) !=
        SQLITE_OK) {
      sqlite3_finalize(s);
      s = nullptr;
    }
  }
  ~Instruction() { sqlite3_finalize(s); }
  Instruction(const Instruction &) = delete;
  Instruction &operator=(const Instruction &) = delete;

  int Colonnes() const { return sqlite3_column_count(s); }
  QByteArray Nom(int i) const { return sqlite3_column_name(s, i); }
  QByteArray Table(int i) const { return sqlite3_column_table_name(s, i); }

  // Every row, each value with its type; false when the engine stopped.
  bool Lignes(QList<QByteArrayList> &lignes) {
    int etat;
    while ((etat = sqlite3_step(s)) == SQLITE_ROW) {
      QByteArrayList ligne;
      for (int i = 0; i < Colonnes(); ++i)
        ligne << QByteArray::number(sqlite3_column_type(s, i)) +
                     reinterpret_cast<const char *>(sqlite3_column_text(s, i));
      lignes << ligne;
    }
    return etat == SQLITE_DONE;
  }
};

bool AvecRowid(const QString &table) {
  return Instruction(QStringLiteral("SELECT rowid FROM \"%1\"").arg(table)).s != nullptr;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *donnees, size_t taille) {
  if (taille > 4096)
    return 0;
  const QString source =
      QString::fromUtf8(reinterpret_cast<const char *>(donnees), qsizetype(taille));
  const SourceTraduite traduite = SourceTraduite::Traduire(source, AvecRowid);
  if (traduite.Table.isEmpty()) {
    EXIGER(traduite.Sql == TraduireInstruction(source));
    return 0;
  }
  EXIGER(AvecRowid(traduite.Table));
  Instruction originale(source);
  if (!originale.s || !sqlite3_stmt_readonly(originale.s))
    return 0;
  Instruction lue(traduite.Sql);
  EXIGER(lue.s);
  const int n = originale.Colonnes();
  EXIGER(lue.Colonnes() == n + 1);
  EXIGER(lue.Nom(n) == SourceTraduite::ColonneRowid.toUtf8());
  for (int i = 0; i < n; ++i) {
    EXIGER(lue.Nom(i) == originale.Nom(i));
    EXIGER(lue.Table(i).compare(traduite.Table.toUtf8(), Qt::CaseInsensitive) == 0);
  }

  QList<QByteArrayList> attendues, obtenues;
  if (!originale.Lignes(attendues) || !lue.Lignes(obtenues))
    return 0;
  EXIGER(obtenues.size() == attendues.size());
  for (qsizetype k = 0; k < obtenues.size(); ++k) {
    QByteArrayList ligne = obtenues.at(k);
    const QByteArray rowid = ligne.takeLast().mid(1);
    EXIGER(ligne == attendues.at(k));
    // The rowid is that of a row of the table holding these very values.
    Instruction rangee(QStringLiteral("SELECT * FROM \"%1\" WHERE rowid = %2")
                           .arg(traduite.Table, QString::fromLatin1(rowid)));
    QList<QByteArrayList> stockee;
    EXIGER(rangee.s && rangee.Lignes(stockee) && stockee.size() == 1);
    EXIGER(stockee.first() == ligne);
  }
  return 0;
}
