// Builds the game database from the word list and, when given, the list of
// how common the words are: creates the file when it is absent, otherwise
// replaces the rows of DICO and COMMUNS alone, so that the players' SCORES
// and the history of their games survive every rebuild.
//
//   creebase MOTS.txt Vocadix.dat ";pwd=..." [COMMUNS.txt]

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

using Communs = QList<std::pair<QByteArray, int>>;

[[noreturn]] void Arreter(const QString &message) {
  std::fprintf(stderr, "creebase : %s\n", qPrintable(message));
  std::exit(1);
}

QByteArray LireFichier(const QString &chemin, QCryptographicHash &somme) {
  QFile f(chemin);
  if (!f.open(QIODevice::ReadOnly))
    Arreter(QStringLiteral("impossible de lire %1").arg(chemin));
  const QByteArray contenu = f.readAll();
  // Each file's length before its bytes: no two sets of lists share a mark.
  somme.addData(QByteArray::number(contenu.size()) + '\n');
  somme.addData(contenu);
  return contenu;
}

QByteArrayList LireMots(const QString &chemin, QCryptographicHash &somme) {
  ListeMots liste = ListeMots::Lire(LireFichier(chemin, somme));
  if (!liste.Erreur.isEmpty())
    Arreter(QStringLiteral("%1, %2").arg(chemin, liste.Erreur));
  return std::move(liste.Mots);
}

// "MOT INDICE" a line, the word as in the word list and its index from 1 to
// 100, in byte order; a word absent from the list is left out of the game by
// DICO itself.
Communs LireCommuns(const QString &chemin, QCryptographicHash &somme) {
  Communs communs;
  const QByteArrayList lignes = LireFichier(chemin, somme).split('\n');
  for (qsizetype i = 0; i < lignes.size(); ++i) {
    if (lignes[i].isEmpty() && i == lignes.size() - 1)
      break;
    const QByteArrayList champs = lignes[i].split(' ');
    bool nombre = false;
    const int indice = champs.size() == 2 ? champs[1].toInt(&nombre) : 0;
    const bool mot = champs.size() == 2 && ListeMots::Lire(champs[0] + '\n').Erreur.isEmpty();
    if (!mot || !nombre || indice < 1 || indice > 100)
      Arreter(QStringLiteral("%1, ligne %2 : « MOT INDICE » attendu, l'indice de 1 à 100")
                  .arg(chemin)
                  .arg(i + 1));
    // In the word list's order, once each, as the tool writes it.
    if (!communs.isEmpty() && communs.last().first >= champs[0])
      Arreter(QStringLiteral("%1, ligne %2 : %3 n'est pas après %4")
                  .arg(chemin)
                  .arg(i + 1)
                  .arg(QString::fromLatin1(champs[0]), QString::fromLatin1(communs.last().first)));
    communs.append({champs[0], indice});
  }
  return communs;
}

qint32 Version(MoteurBase &base) {
  return base.Lire(QStringLiteral("PRAGMA user_version")).lignes.value(0).value(0).toInt();
}

// The words replace those of DICO, and their indices those of COMMUNS, in
// one transaction; SCORES and the history's tables are made when missing
// and never touched otherwise.
void Remplir(MoteurBase &base, const QByteArrayList &mots, const Communs &communs,
             qint32 empreinte) {
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
  base.Ecrire(QStringLiteral(
      "CREATE TABLE IF NOT EXISTS COMMUNS (NOM TEXT PRIMARY KEY, INDICE INTEGER) WITHOUT ROWID"));
  base.Ecrire(QStringLiteral("DELETE FROM COMMUNS"));
  const QString indice = QStringLiteral("INSERT INTO COMMUNS (NOM, INDICE) VALUES (?, ?)");
  for (const auto &[mot, valeur] : communs)
    base.Ecrire(indice, {QString::fromLatin1(mot), valeur});
  base.Ecrire(QStringLiteral("PRAGMA user_version = %1").arg(empreinte));
  base.Ecrire(QStringLiteral("COMMIT"));
}

int Construire(const QString &cible, const QByteArray &cle, const QByteArrayList &mots,
               const Communs &communs, qint32 empreinte) {
  if (QFile::exists(cible)) {
    const auto base = MoteurBase::CreerBase(cible, cle);
    if (Version(*base) == empreinte) {
      std::printf("creebase : %s est à jour\n", qPrintable(cible));
      return 0;
    }
    Remplir(*base, mots, communs, empreinte);
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
    Remplir(*base, mots, communs, empreinte);
  }
  if (!QFile::rename(provisoire, cible))
    Arreter(QStringLiteral("impossible de créer %1").arg(cible));
  std::printf("creebase : %s créé (%lld mots)\n", qPrintable(cible), qlonglong(mots.size()));
  return 0;
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 4 && argc != 5)
    Arreter(QStringLiteral("usage : creebase MOTS.txt BASE.dat CONNEXION [COMMUNS.txt]"));
  const QString liste = QFile::decodeName(argv[1]);
  const QString cible = QFile::decodeName(argv[2]);
  const QByteArray cle = MoteurBase::MotDePasse(QString::fromUtf8(argv[3])).toUtf8();

  // The file's mark is made from both lists: a change in either renews it.
  QCryptographicHash somme(QCryptographicHash::Sha256);
  const QByteArrayList mots = LireMots(liste, somme);
  const Communs communs = argc == 5 ? LireCommuns(QFile::decodeName(argv[4]), somme) : Communs{};
  qint32 empreinte = 0;
  std::memcpy(&empreinte, somme.result().constData(), sizeof empreinte);
  try {
    return Construire(cible, cle, mots, communs, empreinte);
  } catch (const ErreurBase &erreur) {
    Arreter(erreur.Texte());
  }
}
