// Builds the game database from the word list: creates the file when it is
// absent, otherwise replaces the rows of DICO alone, so that the players'
// SCORES survive every rebuild.
//
//   creebase MOTS.txt Vocadix.dat ";pwd=..."

#include "ListeMots.h"
#include "data/MoteurBase.h"

#include "CleBase.h"

#include <QCryptographicHash>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sqlite3.h>

namespace {

[[noreturn]] void Arreter(const QString &message) {
  std::fprintf(stderr, "creebase : %s\n", qPrintable(message));
  std::exit(1);
}

QByteArrayList LireMots(const QString &chemin, qint32 &empreinte) {
  QFile f(chemin);
  if (!f.open(QIODevice::ReadOnly))
    Arreter(QStringLiteral("impossible de lire %1").arg(chemin));
  const QByteArray contenu = f.readAll();
  const QByteArray somme = QCryptographicHash::hash(contenu, QCryptographicHash::Sha256);
  std::memcpy(&empreinte, somme.constData(), sizeof empreinte);
  ListeMots liste = ListeMots::Lire(contenu);
  if (!liste.Erreur.isEmpty())
    Arreter(QStringLiteral("%1, %2").arg(chemin, liste.Erreur));
  return std::move(liste.Mots);
}

class Base {
public:
  Base(const QString &chemin, bool creer, const QByteArray &cle) : m_chemin(chemin) {
    const int options = SQLITE_OPEN_READWRITE | (creer ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(QFile::encodeName(chemin).constData(), &m_base, options, nullptr) !=
            SQLITE_OK ||
        sqlite3_key(m_base, cle.constData(), int(cle.size())) != SQLITE_OK)
      Echec();
  }
  ~Base() { sqlite3_close(m_base); }

  void Executer(const char *sql) {
    if (sqlite3_exec(m_base, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
      Echec();
  }
  qint32 Version() {
    sqlite3_stmt *s = nullptr;
    if (sqlite3_prepare_v2(m_base, "PRAGMA user_version", -1, &s, nullptr) != SQLITE_OK ||
        sqlite3_step(s) != SQLITE_ROW) {
      sqlite3_finalize(s);
      Echec();
    }
    const qint32 v = sqlite3_column_int(s, 0);
    sqlite3_finalize(s);
    return v;
  }
  void Remplir(const QByteArrayList &mots, qint32 empreinte) {
    Executer("BEGIN");
    Executer("CREATE TABLE IF NOT EXISTS DICO (NOM TEXT PRIMARY KEY) WITHOUT ROWID");
    Executer("CREATE TABLE IF NOT EXISTS SCORES (NOM TEXT, SCORE INTEGER, DATE TEXT)");
    Executer("DELETE FROM DICO");
    sqlite3_stmt *s = nullptr;
    if (sqlite3_prepare_v2(m_base, "INSERT INTO DICO (NOM) VALUES (?)", -1, &s, nullptr) !=
        SQLITE_OK)
      Echec();
    for (const QByteArray &mot : mots) {
      sqlite3_bind_text(s, 1, mot.constData(), int(mot.size()), SQLITE_STATIC);
      if (sqlite3_step(s) != SQLITE_DONE) {
        sqlite3_finalize(s);
        Echec();
      }
      sqlite3_reset(s);
    }
    sqlite3_finalize(s);
    Executer(QStringLiteral("PRAGMA user_version = %1").arg(empreinte).toUtf8().constData());
    Executer("COMMIT");
  }

private:
  [[noreturn]] void Echec() {
    Arreter(QStringLiteral("%1 : %2").arg(m_chemin, QString::fromUtf8(sqlite3_errmsg(m_base))));
  }
  QString m_chemin;
  sqlite3 *m_base = nullptr;
};

} // namespace

int main(int argc, char **argv) {
  if (argc != 4)
    Arreter(QStringLiteral("usage : creebase MOTS.txt BASE.dat CONNEXION"));
  const QString liste = QFile::decodeName(argv[1]);
  const QString cible = QFile::decodeName(argv[2]);
  const QByteArray cle = MoteurBase::MotDePasse(QString::fromUtf8(argv[3])).toUtf8();

  qint32 empreinte = 0;
  const QByteArrayList mots = LireMots(liste, empreinte);

  if (QFile::exists(cible)) {
    Base base(cible, false, cle);
    if (base.Version() == empreinte) {
      std::printf("creebase : %s est à jour\n", qPrintable(cible));
      return 0;
    }
    base.Remplir(mots, empreinte);
    std::printf("creebase : dictionnaire de %s renouvelé (%lld mots)\n", qPrintable(cible),
                qlonglong(mots.size()));
    return 0;
  }

  // A new file is made aside and put in place whole.
  const QString provisoire = cible + QStringLiteral(".nouveau");
  QFile::remove(provisoire);
  {
    // The game's own file takes the game's salt, so that it opens without
    // deriving its key; the password opens it all the same.
    const bool duJeu = cle == CleBase::Cle && CleBase::Derivee[0] != '\0';
    Base base(provisoire, true, duJeu ? QByteArray(CleBase::Derivee) : cle);
    base.Remplir(mots, empreinte);
  }
  if (!QFile::rename(provisoire, cible))
    Arreter(QStringLiteral("impossible de créer %1").arg(cible));
  std::printf("creebase : %s créé (%lld mots)\n", qPrintable(cible), qlonglong(mots.size()));
  return 0;
}
