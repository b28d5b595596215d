// Builds the game database from the word list: creates the file when it is
// absent, otherwise replaces the rows of DICO alone, so that the players'
// SCORES and the history of their games survive every rebuild.
//
//   creebase MOTS.txt Vocadix.dat ";pwd=..."

#include "ListeMots.h"
#include "data/ErreurBase.h"
#include "data/HistoriqueBase.h"
#include "data/MoteurBase.h"

#include "CleBase.h"

#include <QCryptographicHash>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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

qint32 Version(MoteurBase &base) {
  return base.Lire(QStringLiteral("PRAGMA user_version")).lignes.value(0).value(0).toInt();
}

// The words replace those of DICO, in one transaction; SCORES and the
// history's tables are made when missing and never touched otherwise.
void Remplir(MoteurBase &base, const QByteArrayList &mots, qint32 empreinte) {
  base.Ecrire(QStringLiteral("BEGIN"));
  base.Ecrire(
      QStringLiteral("CREATE TABLE IF NOT EXISTS DICO (NOM TEXT PRIMARY KEY) WITHOUT ROWID"));
  base.Ecrire(
      QStringLiteral("CREATE TABLE IF NOT EXISTS SCORES (NOM TEXT, SCORE INTEGER, DATE TEXT)"));
  HistoriqueBase::CreerTables(base);
  base.Ecrire(QStringLiteral("DELETE FROM DICO"));
  const QString insertion = QStringLiteral("INSERT INTO DICO (NOM) VALUES (?)");
  for (const QByteArray &mot : mots)
    base.Ecrire(insertion, {QString::fromLatin1(mot)});
  base.Ecrire(QStringLiteral("PRAGMA user_version = %1").arg(empreinte));
  base.Ecrire(QStringLiteral("COMMIT"));
}

int Construire(const QString &cible, const QByteArray &cle, const QByteArrayList &mots,
               qint32 empreinte) {
  if (QFile::exists(cible)) {
    const auto base = MoteurBase::CreerBase(cible, cle);
    if (Version(*base) == empreinte) {
      std::printf("creebase : %s est à jour\n", qPrintable(cible));
      return 0;
    }
    Remplir(*base, mots, empreinte);
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
    const auto base = MoteurBase::CreerBase(provisoire, duJeu ? QByteArray(CleBase::Derivee) : cle);
    Remplir(*base, mots, empreinte);
  }
  if (!QFile::rename(provisoire, cible))
    Arreter(QStringLiteral("impossible de créer %1").arg(cible));
  std::printf("creebase : %s créé (%lld mots)\n", qPrintable(cible), qlonglong(mots.size()));
  return 0;
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 4)
    Arreter(QStringLiteral("usage : creebase MOTS.txt BASE.dat CONNEXION"));
  const QString liste = QFile::decodeName(argv[1]);
  const QString cible = QFile::decodeName(argv[2]);
  const QByteArray cle = MoteurBase::MotDePasse(QString::fromUtf8(argv[3])).toUtf8();

  qint32 empreinte = 0;
  const QByteArrayList mots = LireMots(liste, empreinte);
  try {
    return Construire(cible, cle, mots, empreinte);
  } catch (const ErreurBase &erreur) {
    Arreter(erreur.Texte());
  }
}
