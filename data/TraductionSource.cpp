#include "data/TraductionSource.h"

#include <QList>

namespace {

// The statement cut into the engine's tokens, enough to tell its shape: words
// (names and keywords), single signs, and the rest (literals, quoted names)
// whose content is never looked into.
struct Jeton {
  enum Genre { Mot, Signe, Autre };
  Genre genre;
  qsizetype debut, fin;
};

bool DansUnMot(QChar c) {
  return c.unicode() >= 0x80 || c.isLetterOrNumber() || c == u'_' || c == u'$';
}

QList<Jeton> Decouper(const QString &sql) {
  QList<Jeton> jetons;
  const qsizetype n = sql.size();
  for (qsizetype i = 0; i < n;) {
    const QChar c = sql.at(i);
    const QChar suivant = i + 1 < n ? sql.at(i + 1) : QChar();
    if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\f' || c == u'\r') {
      ++i;
    } else if (c == u'-' && suivant == u'-') {
      const qsizetype fin = sql.indexOf(u'\n', i);
      i = fin < 0 ? n : fin + 1;
    } else if (c == u'/' && suivant == u'*') {
      const qsizetype fin = sql.indexOf(QStringLiteral("*/"), i + 2);
      i = fin < 0 ? n : fin + 2;
    } else if (c == u'\'' || c == u'"' || c == u'`' || c == u'[') {
      // A doubled quote inside stands for itself; a bracket has no escape.
      const QChar fermante = c == u'[' ? QChar(u']') : c;
      qsizetype j = i + 1;
      while (j < n) {
        if (sql.at(j) == fermante) {
          if (c != u'[' && j + 1 < n && sql.at(j + 1) == fermante) {
            j += 2;
            continue;
          }
          break;
        }
        ++j;
      }
      const qsizetype fin = j < n ? j + 1 : n;
      jetons.append({Jeton::Autre, i, fin});
      i = fin;
    } else if (DansUnMot(c)) {
      qsizetype j = i + 1;
      while (j < n && DansUnMot(sql.at(j)))
        ++j;
      jetons.append({Jeton::Mot, i, j});
      i = j;
    } else {
      jetons.append({Jeton::Signe, i, i + 1});
      ++i;
    }
  }
  return jetons;
}

struct Lecture {
  const QString &sql;
  const QList<Jeton> &jetons;

  QStringView Texte(qsizetype k) const {
    const Jeton &j = jetons.at(k);
    return QStringView(sql).sliced(j.debut, j.fin - j.debut);
  }
  bool EstMot(qsizetype k, QStringView mot = {}) const {
    return k < jetons.size() && jetons.at(k).genre == Jeton::Mot &&
           (mot.isEmpty() || Texte(k).compare(mot, Qt::CaseInsensitive) == 0);
  }
  bool EstSigne(qsizetype k, QChar signe) const {
    return k < jetons.size() && jetons.at(k).genre == Jeton::Signe &&
           sql.at(jetons.at(k).debut) == signe;
  }
};

// What may follow "SELECT * FROM table" for the rows to be that table's own,
// one each: an alias, conditions, an order, a limit, and subqueries within
// brackets; not a second table, a join, a compound or a second statement.
bool SuiteDUneTable(const Lecture &l, qsizetype premier) {
  if (l.EstSigne(premier, u'.') || l.EstSigne(premier, u'('))
    return false;
  int profondeur = 0;
  for (qsizetype k = premier; k < l.jetons.size(); ++k) {
    if (l.EstSigne(k, u'('))
      ++profondeur;
    else if (l.EstSigne(k, u')') && --profondeur < 0)
      return false;
    else if (profondeur == 0 &&
             (l.EstSigne(k, u',') || l.EstSigne(k, u';') || l.EstMot(k, u"JOIN") ||
              l.EstMot(k, u"UNION") || l.EstMot(k, u"INTERSECT") || l.EstMot(k, u"EXCEPT")))
      return false;
  }
  return profondeur == 0;
}

} // namespace

QString TraduireInstruction(const QString &sql) {
  const QList<Jeton> jetons = Decouper(sql);
  const Lecture l{sql, jetons};
  if (l.EstMot(0, u"DELETE") && l.EstSigne(1, u'*') && l.EstMot(2, u"FROM"))
    return sql.left(jetons.at(0).fin) + sql.mid(jetons.at(1).fin);
  return sql;
}

SourceTraduite SourceTraduite::Traduire(const QString &source,
                                        const std::function<bool(const QString &)> &avecRowid) {
  const QList<Jeton> jetons = Decouper(source);
  const Lecture l{source, jetons};
  qsizetype table = -1;
  if (jetons.size() == 1 && l.EstMot(0))
    table = 0;
  else if (l.EstMot(0, u"SELECT") && l.EstSigne(1, u'*') && l.EstMot(2, u"FROM") && l.EstMot(3) &&
           SuiteDUneTable(l, 4))
    table = 3;
  if (table >= 0) {
    const QString nom = l.Texte(table).toString();
    // The rowid comes last, so that a column named by its place ("ORDER BY
    // 1") is still the source's own.
    if (avecRowid(nom))
      return {QStringLiteral("SELECT *, rowid AS %1 FROM %2%3")
                  .arg(ColonneRowid, nom, source.mid(jetons.at(table).fin)),
              nom};
  }
  return {TraduireInstruction(source), {}};
}
