#pragma once

#include <QString>
#include <functional>

// A record view's source as the engine runs it. The program's statements are
// written in the dialect of its first engine; the one that differs here is
// "DELETE * FROM". The rows of a single table are read with their rowid, so
// that the view can rewrite them; it is their last column.
struct SourceTraduite {
  QString Sql;
  QString Table; // the table the rows can be written back to, or empty

  static inline const QString ColonneRowid = QStringLiteral("rowid_vue");

  // `avecRowid` tells whether a table of the database has rowids.
  static SourceTraduite Traduire(const QString &source,
                                 const std::function<bool(const QString &)> &avecRowid);
};

// A statement run as it stands but for the dialect.
QString TraduireInstruction(const QString &sql);
