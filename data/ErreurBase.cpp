#include "data/ErreurBase.h"

#include <QRegularExpression>
#include <sqlite3.h>

namespace {

QString Debut(ErreurBase::Action action) {
  switch (action) {
  case ErreurBase::Action::Ouvrir:
    return QStringLiteral("Impossible d'ouvrir la base de jeu");
  case ErreurBase::Action::Lire:
    return QStringLiteral("Impossible de lire la base de jeu");
  case ErreurBase::Action::Ecrire:
    break;
  }
  return QStringLiteral("Impossible d'écrire dans la base de jeu");
}

// The engine words its SQL errors in English; the common ones are said again
// in French, the others are kept as they are behind a French lead.
QString CauseRequete(const QString &detail) {
  static const QRegularExpression table(QStringLiteral("^no such table: (.+)$"));
  static const QRegularExpression colonne(QStringLiteral("^no such column: (.+)$"));
  if (const auto m = table.match(detail); m.hasMatch())
    return QStringLiteral("la table %1 n'existe pas").arg(m.captured(1));
  if (const auto m = colonne.match(detail); m.hasMatch())
    return QStringLiteral("le champ %1 n'existe pas").arg(m.captured(1));
  if (detail.isEmpty())
    return QStringLiteral("la requête a été refusée");
  return QStringLiteral("la requête a été refusée (%1)").arg(detail);
}

} // namespace

ErreurBase::ErreurBase(Action action, const QString &fichier, const QString &cause)
    : m_fichier(fichier), m_cause(cause),
      m_texte(QStringLiteral("%1 « %2 » : %3.").arg(Debut(action), fichier, cause)),
      m_utf8(m_texte.toUtf8()) {}

QString ErreurBase::Cause(int codeMoteur, const QString &detailMoteur) {
  switch (codeMoteur & 0xff) {
  case SQLITE_NOTADB:
    return QStringLiteral("le mot de passe est refusé ou le fichier est endommagé");
  case SQLITE_CORRUPT:
    return QStringLiteral("le fichier est endommagé");
  case SQLITE_READONLY:
    return QStringLiteral("le fichier est en lecture seule");
  case SQLITE_CANTOPEN:
    return QStringLiteral("le fichier ne peut pas être ouvert");
  case SQLITE_PERM:
  case SQLITE_AUTH:
    return QStringLiteral("l'accès au fichier est refusé");
  case SQLITE_BUSY:
  case SQLITE_LOCKED:
    return QStringLiteral("le fichier est utilisé par un autre programme");
  case SQLITE_FULL:
    return QStringLiteral("le disque est plein");
  case SQLITE_IOERR:
    return QStringLiteral("une erreur de lecture ou d'écriture est survenue sur le disque");
  case SQLITE_NOMEM:
    return QStringLiteral("la mémoire manque");
  case SQLITE_CONSTRAINT:
    return QStringLiteral("une règle de la table n'est pas respectée");
  case SQLITE_ERROR:
    return CauseRequete(detailMoteur);
  default:
    break;
  }
  return QStringLiteral("erreur %1 du moteur de base (%2)").arg(codeMoteur).arg(detailMoteur);
}
