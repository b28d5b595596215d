#pragma once

#include <QString>
#include <exception>

// A failure of the game database, worded in French for the player: what could
// not be done, on which file, and why.
class ErreurBase : public std::exception {
public:
  enum class Action { Ouvrir, Lire, Ecrire };

  ErreurBase(Action action, const QString &fichier, const QString &cause);

  // Cause of an engine result code, in French ("le fichier est endommagé").
  static QString Cause(int codeMoteur, const QString &detailMoteur = {});

  const QString &Texte() const { return m_texte; }
  const QString &Fichier() const { return m_fichier; }
  const QString &CauseSeule() const { return m_cause; }
  const char *what() const noexcept override { return m_utf8.constData(); }

private:
  QString m_fichier;
  QString m_cause;
  QString m_texte;
  QByteArray m_utf8;
};
