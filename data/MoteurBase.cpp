#include "data/MoteurBase.h"

#include "data/ErreurBase.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QVarLengthArray>
#include <sqlite3.h>

namespace {

using Action = ErreurBase::Action;

// The open connections by file. A connection may be opened on another
// thread than the one that uses it.
QMutex verrouOuvertes;
QHash<QString, MoteurBase *> &Ouvertes() {
  static QHash<QString, MoteurBase *> ouvertes;
  return ouvertes;
}

// Refusals that can be told apart before the engine is asked.
QString CauseAvantOuverture(const QString &fichier) {
  const QFileInfo info(fichier);
  if (!info.exists())
    return QStringLiteral("le fichier est introuvable");
  if (!info.isFile())
    return QStringLiteral("ce n'est pas un fichier");
  QFile f(fichier);
  if (!f.open(QIODevice::ReadOnly))
    return QStringLiteral("le fichier ne peut pas être lu");
  const QByteArray entete = f.read(16);
  if (entete.isEmpty())
    return QStringLiteral("le fichier est vide");
  if (entete == QByteArray("SQLite format 3\0", 16))
    return QStringLiteral("le fichier n'est pas protégé par le mot de passe du jeu");
  return {};
}

// A file another connection holds a moment (the other copy's renewal, a
// backup) is waited for, up to two seconds, before the engine gives up.
void Patienter(sqlite3 *base) {
  sqlite3_busy_timeout(base, 2000);
}

} // namespace

std::unique_ptr<MoteurBase> MoteurBase::OuvrirBase(const QString &fichier, bool exclusif,
                                                   bool lectureSeule, const QString &connexion,
                                                   Partage partage, const QByteArray &cleDerivee) {
  if (const QString cause = CauseAvantOuverture(fichier); !cause.isEmpty())
    throw ErreurBase(Action::Ouvrir, fichier, cause);

  const auto ouvrir = [&](const QByteArray &cle) {
    sqlite3 *base = nullptr;
    // File names given to ATTACH may be URIs ("file:…?mode=ro"); the file's
    // own is a plain path, which never begins with "file:".
    const int options =
        (lectureSeule ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_URI;
    if (const int code =
            sqlite3_open_v2(QFile::encodeName(fichier).constData(), &base, options, nullptr);
        code != SQLITE_OK) {
      sqlite3_close(base);
      throw ErreurBase(Action::Ouvrir, fichier, ErreurBase::Cause(code));
    }
    std::unique_ptr<MoteurBase> moteur(new MoteurBase(base, fichier));
    Patienter(base);
    if (!cle.isEmpty() && sqlite3_key(base, cle.constData(), int(cle.size())) != SQLITE_OK)
      moteur->Echec(int(Action::Ouvrir), sqlite3_errcode(base));
    if (exclusif)
      moteur->Lire(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"));

    // The key is only checked when the first page is read.
    try {
      const auto tables = moteur->Lire(QStringLiteral(
          "SELECT name FROM sqlite_master WHERE type = 'table' AND name IN ('DICO', 'SCORES')"));
      if (tables.lignes.size() != 2)
        throw ErreurBase(Action::Ouvrir, fichier,
                         QStringLiteral("le fichier ne contient pas les tables du jeu"));
    } catch (const ErreurBase &e) {
      throw ErreurBase(Action::Ouvrir, fichier, e.CauseSeule());
    }
    return moteur;
  };

  std::unique_ptr<MoteurBase> moteur;
  const QByteArray motDePasse = MotDePasse(connexion).toUtf8();
  if (!cleDerivee.isEmpty() && !motDePasse.isEmpty()) {
    try {
      moteur = ouvrir(cleDerivee);
    } catch (const ErreurBase &) {
      // Another salt, or not the game's file: the password says which.
    }
  }
  if (!moteur)
    moteur = ouvrir(motDePasse);
  if (partage == Partage::Partagee) {
    const QMutexLocker verrou(&verrouOuvertes);
    Ouvertes().insert(Cle(fichier), moteur.get());
  }
  return moteur;
}

std::unique_ptr<MoteurBase> MoteurBase::CreerBase(const QString &fichier, const QByteArray &cle) {
  sqlite3 *base = nullptr;
  if (const int code = sqlite3_open_v2(QFile::encodeName(fichier).constData(), &base,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
      code != SQLITE_OK) {
    sqlite3_close(base);
    throw ErreurBase(Action::Ouvrir, fichier, ErreurBase::Cause(code));
  }
  std::unique_ptr<MoteurBase> moteur(new MoteurBase(base, fichier));
  Patienter(base);
  if (sqlite3_key(base, cle.constData(), int(cle.size())) != SQLITE_OK)
    moteur->Echec(int(Action::Ouvrir), sqlite3_errcode(base));
  // The key is only checked when the first page is read.
  moteur->Lire(QStringLiteral("SELECT count(*) FROM sqlite_master"));
  return moteur;
}

MoteurBase::MoteurBase(sqlite3 *base, const QString &fichier) : m_base(base), m_fichier(fichier) {}

MoteurBase::~MoteurBase() {
  {
    const QMutexLocker verrou(&verrouOuvertes);
    // A private connection never took the place of the shared one.
    if (const auto ouverte = Ouvertes().constFind(Cle(m_fichier));
        ouverte != Ouvertes().cend() && *ouverte == this)
      Ouvertes().erase(ouverte);
  }
  for (sqlite3_stmt *instruction : std::as_const(m_instructions))
    sqlite3_finalize(instruction);
  sqlite3_close(m_base);
}

MoteurBase *MoteurBase::Ouverte(const QString &fichier) {
  const QString cle = Cle(fichier);
  const QMutexLocker verrou(&verrouOuvertes);
  return Ouvertes().value(cle);
}

QString MoteurBase::Cle(const QString &fichier) {
  const QFileInfo info(fichier);
  const QString canonique = info.canonicalFilePath();
  return canonique.isEmpty() ? info.absoluteFilePath() : canonique;
}

QString MoteurBase::MotDePasse(const QString &connexion) {
  for (const QString &partie : connexion.split(u';')) {
    const qsizetype egal = partie.indexOf(u'=');
    if (egal > 0 && partie.left(egal).trimmed().compare(u"pwd", Qt::CaseInsensitive) == 0)
      return partie.mid(egal + 1);
  }
  return {};
}

void MoteurBase::Echec(int action, int code) const {
  throw ErreurBase(Action(action), m_fichier,
                   ErreurBase::Cause(code, QString::fromUtf8(sqlite3_errmsg(m_base))));
}

sqlite3_stmt *MoteurBase::Preparer(const QString &sql, int action) {
  if (sqlite3_stmt *instruction = m_instructions.value(sql))
    return instruction;
  const QByteArray texte = sql.toUtf8();
  sqlite3_stmt *instruction = nullptr;
  if (const int code =
          sqlite3_prepare_v2(m_base, texte.constData(), int(texte.size()), &instruction, nullptr);
      code != SQLITE_OK) {
    sqlite3_finalize(instruction);
    Echec(action, code);
  }
  m_instructions.insert(sql, instruction);
  return instruction;
}

void MoteurBase::Lier(sqlite3_stmt *instruction, const QVariantList &parametres, int action) {
  sqlite3_reset(instruction);
  sqlite3_clear_bindings(instruction);
  for (int i = 0; i < parametres.size(); ++i) {
    const QVariant &v = parametres.at(i);
    int code = SQLITE_OK;
    switch (v.typeId()) {
    case QMetaType::UnknownType:
    case QMetaType::Nullptr:
      code = sqlite3_bind_null(instruction, i + 1);
      break;
    case QMetaType::Bool:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
      code = sqlite3_bind_int64(instruction, i + 1, v.toLongLong());
      break;
    case QMetaType::Double:
      code = sqlite3_bind_double(instruction, i + 1, v.toDouble());
      break;
    case QMetaType::QDate: {
      const QByteArray jour = v.toDate().toString(Qt::ISODate).toUtf8();
      code = sqlite3_bind_text(instruction, i + 1, jour.constData(), int(jour.size()),
                               SQLITE_TRANSIENT);
      break;
    }
    default: {
      const QByteArray texte = v.toString().toUtf8();
      code = sqlite3_bind_text(instruction, i + 1, texte.constData(), int(texte.size()),
                               SQLITE_TRANSIENT);
      break;
    }
    }
    if (code != SQLITE_OK)
      Echec(action, code);
  }
}

void MoteurBase::ParcourirTextes(const QString &sql,
                                 const std::function<void(QStringView)> &rappel) {
  const int action = int(Action::Lire);
  sqlite3_stmt *instruction = Preparer(sql, action);
  int code;
  while ((code = sqlite3_step(instruction)) == SQLITE_ROW)
    rappel(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(instruction, 0)),
                             sqlite3_column_bytes(instruction, 0)));
  sqlite3_reset(instruction);
  if (code != SQLITE_DONE)
    Echec(action, code);
}

void MoteurBase::ParcourirMots(const QString &sql,
                               const std::function<void(QStringView, qint64)> &rappel) {
  const int action = int(Action::Lire);
  sqlite3_stmt *instruction = Preparer(sql, action);
  int code;
  while ((code = sqlite3_step(instruction)) == SQLITE_ROW)
    rappel(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(instruction, 0)),
                             sqlite3_column_bytes(instruction, 0)),
           sqlite3_column_type(instruction, 1) == SQLITE_INTEGER
               ? sqlite3_column_int64(instruction, 1)
               : -1);
  sqlite3_reset(instruction);
  if (code != SQLITE_DONE)
    Echec(action, code);
}

void MoteurBase::ParcourirEntiers(const QString &sql,
                                  const std::function<void(const qint64 *colonnes)> &rappel) {
  const int action = int(Action::Lire);
  sqlite3_stmt *instruction = Preparer(sql, action);
  sqlite3_reset(instruction);
  QVarLengthArray<qint64, 8> colonnes(sqlite3_column_count(instruction));
  int code;
  while ((code = sqlite3_step(instruction)) == SQLITE_ROW) {
    for (int c = 0; c < colonnes.size(); ++c)
      colonnes[c] = sqlite3_column_type(instruction, c) == SQLITE_INTEGER
                        ? sqlite3_column_int64(instruction, c)
                        : -1;
    rappel(colonnes.constData());
  }
  sqlite3_reset(instruction);
  if (code != SQLITE_DONE)
    Echec(action, code);
}

ResultatRequete MoteurBase::Lire(const QString &sql, const QVariantList &parametres) {
  const int action = int(Action::Lire);
  sqlite3_stmt *instruction = Preparer(sql, action);
  Lier(instruction, parametres, action);

  ResultatRequete resultat;
  const int colonnes = sqlite3_column_count(instruction);
  for (int c = 0; c < colonnes; ++c)
    resultat.colonnes << QString::fromUtf8(sqlite3_column_name(instruction, c));

  int code;
  while ((code = sqlite3_step(instruction)) == SQLITE_ROW) {
    QVariantList ligne;
    ligne.reserve(colonnes);
    for (int c = 0; c < colonnes; ++c) {
      switch (sqlite3_column_type(instruction, c)) {
      case SQLITE_INTEGER:
        ligne << QVariant(qlonglong(sqlite3_column_int64(instruction, c)));
        break;
      case SQLITE_FLOAT:
        ligne << QVariant(sqlite3_column_double(instruction, c));
        break;
      case SQLITE_NULL:
        ligne << QVariant();
        break;
      case SQLITE_BLOB:
        ligne << QVariant(QByteArray(static_cast<const char *>(sqlite3_column_blob(instruction, c)),
                                     sqlite3_column_bytes(instruction, c)));
        break;
      default:
        ligne << QVariant(
            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(instruction, c)),
                              sqlite3_column_bytes(instruction, c)));
        break;
      }
    }
    resultat.lignes << ligne;
  }
  sqlite3_reset(instruction);
  if (code != SQLITE_DONE)
    Echec(action, code);
  return resultat;
}

int MoteurBase::Ecrire(const QString &sql, const QVariantList &parametres) {
  const int action = int(Action::Ecrire);
  sqlite3_stmt *instruction = Preparer(sql, action);
  Lier(instruction, parametres, action);
  const int code = sqlite3_step(instruction);
  sqlite3_reset(instruction);
  if (code != SQLITE_DONE && code != SQLITE_ROW)
    Echec(action, code);
  return sqlite3_changes(m_base);
}

bool MoteurBase::AdressableParRowid(const QString &table) {
  if (const auto connu = m_tablesAvecRowid.constFind(table); connu != m_tablesAvecRowid.cend())
    return *connu;
  // A table declared WITHOUT ROWID refuses to name the column.
  sqlite3_stmt *essai = nullptr;
  const QByteArray sql = QStringLiteral("SELECT rowid FROM \"%1\"").arg(table).toUtf8();
  const bool avecRowid =
      sqlite3_prepare_v2(m_base, sql.constData(), int(sql.size()), &essai, nullptr) == SQLITE_OK;
  sqlite3_finalize(essai);
  m_tablesAvecRowid.insert(table, avecRowid);
  return avecRowid;
}
