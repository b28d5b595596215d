#pragma once

#include <QByteArrayList>
#include <QString>

// The word list the game database is built from: one word a line, ended by
// LF, in capitals A to Z, one to nine letters, sorted with no repeat. The
// last line's LF may be missing.
struct ListeMots {
  QByteArrayList Mots;
  QString Erreur; // empty when the list is sound: "ligne N : …"

  static ListeMots Lire(const QByteArray &contenu);
};
