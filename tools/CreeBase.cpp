// Builds the game database from the word list and, when given, the list of
// how common the words are, then the words' accented spellings and their
// lemmas: creates the file when it is absent, otherwise replaces the rows of
// DICO, COMMUNS, GRAPHIES and LEMMES alone, so that the players' SCORES and
// the history of their games survive every rebuild.
//
//   creebase MOTS.txt Vocadix.dat ";pwd=..." [COMMUNS.txt [ACCENTS.txt LEMMES.txt]]

#include "ListeMots.h"
#include "data/ErreurBase.h"
#include "data/HistoriqueBase.h"
#include "data/MoteurBase.h"

#include "CleBase.h"

#include <QCryptographicHash>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

using Communs = QList<std::pair<QByteArray, int>>;
// A word of the list and what goes with it, one line each, in the list's order.
using Table = QList<std::pair<QByteArray, QString>>;

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

bool EstMot(const QByteArray &mot) {
  return ListeMots::Lire(mot + '\n').Erreur.isEmpty();
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
    const bool mot = champs.size() == 2 && EstMot(champs[0]);
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

// A spelling's letters without accents nor ligatures: ÉCOLE gives ECOLE,
// CŒUR gives COEUR.
QString SansAccents(const QString &graphie) {
  QString lettres;
  for (const QChar c : graphie.normalized(QString::NormalizationForm_D)) {
    if (c == u'Œ')
      lettres += QStringLiteral("OE");
    else if (c == u'Æ')
      lettres += QStringLiteral("AE");
    else if (c.category() != QChar::Mark_NonSpacing)
      lettres += c;
  }
  return lettres;
}

// "MOT SUITE" a line, in the word list's order, once each; `suite` checks
// what follows the word and gives the value kept, or nothing.
template <typename Verifier>
Table LireTable(const QString &chemin, QCryptographicHash &somme, const char *forme,
                Verifier suite) {
  Table table;
  const QByteArrayList lignes = LireFichier(chemin, somme).split('\n');
  for (qsizetype i = 0; i < lignes.size(); ++i) {
    if (lignes[i].isEmpty() && i == lignes.size() - 1)
      break;
    const qsizetype espace = lignes[i].indexOf(' ');
    const QByteArray mot = lignes[i].left(espace);
    const std::optional<QString> valeur =
        espace > 0 && EstMot(mot) ? suite(mot, lignes[i].mid(espace + 1)) : std::nullopt;
    if (!valeur)
      Arreter(QStringLiteral("%1, ligne %2 : « %3 » attendu")
                  .arg(chemin)
                  .arg(i + 1)
                  .arg(QString::fromUtf8(forme)));
    if (!table.isEmpty() && table.last().first >= mot)
      Arreter(QStringLiteral("%1, ligne %2 : %3 n'est pas après %4")
                  .arg(chemin)
                  .arg(i + 1)
                  .arg(QString::fromLatin1(mot), QString::fromLatin1(table.last().first)));
    table.append({mot, *valeur});
  }
  return table;
}

// The word's one accented spelling, in capitals, UTF-8: the same letters
// once its accents are taken off, and not the word itself.
Table LireGraphies(const QString &chemin, QCryptographicHash &somme) {
  return LireTable(chemin, somme, "MOT GRAPHIE",
                   [](const QByteArray &mot, const QByteArray &suite) -> std::optional<QString> {
                     const QString graphie = QString::fromUtf8(suite);
                     if (graphie.toUtf8() != suite || graphie == QLatin1String(mot) ||
                         graphie.toUpper() != graphie || SansAccents(graphie) != QLatin1String(mot))
                       return std::nullopt;
                     return graphie;
                   });
}

// The lemmas the word is a form of, in capitals without accents, kept
// as they stand, one space between them.
Table LireLemmes(const QString &chemin, QCryptographicHash &somme) {
  return LireTable(
      chemin, somme, "MOT LEMME…",
      [](const QByteArray &, const QByteArray &suite) -> std::optional<QString> {
        const QByteArrayList lemmes = suite.split(' ');
        for (const QByteArray &lemme : lemmes)
          if (lemme.isEmpty() || lemme.size() > 30 ||
              !std::all_of(lemme.begin(), lemme.end(), [](char c) { return c >= 'A' && c <= 'Z'; }))
            return std::nullopt;
        return QString::fromLatin1(suite);
      });
}

// The lists a database is made from.
struct Listes {
  QByteArrayList mots;
  Communs communs;
  Table graphies;
  Table lemmes;
};

qint32 Version(MoteurBase &base) {
  return base.Lire(QStringLiteral("PRAGMA user_version")).lignes.value(0).value(0).toInt();
}

void RemplirTable(MoteurBase &base, const QString &nom, const QString &colonne,
                  const Table &table) {
  base.Ecrire(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (NOM TEXT PRIMARY KEY, %2 TEXT) "
                             "WITHOUT ROWID")
                  .arg(nom, colonne));
  base.Ecrire(QStringLiteral("DELETE FROM %1").arg(nom));
  const QString insertion =
      QStringLiteral("INSERT INTO %1 (NOM, %2) VALUES (?, ?)").arg(nom, colonne);
  for (const auto &ligne : table)
    base.Ecrire(insertion, {QString::fromLatin1(ligne.first), ligne.second});
}

// The words replace those of DICO, and what goes with them that of COMMUNS,
// GRAPHIES and LEMMES, in one transaction; SCORES and the history's tables
// are made when missing and never touched otherwise.
void Remplir(MoteurBase &base, const Listes &listes, qint32 empreinte) {
  const QByteArrayList &mots = listes.mots;
  const Communs &communs = listes.communs;
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
  RemplirTable(base, QStringLiteral("GRAPHIES"), QStringLiteral("GRAPHIE"), listes.graphies);
  RemplirTable(base, QStringLiteral("LEMMES"), QStringLiteral("LEMMES"), listes.lemmes);
  base.Ecrire(QStringLiteral("PRAGMA user_version = %1").arg(empreinte));
  base.Ecrire(QStringLiteral("COMMIT"));
}

int Construire(const QString &cible, const QByteArray &cle, const Listes &listes,
               qint32 empreinte) {
  if (QFile::exists(cible)) {
    const auto base = MoteurBase::CreerBase(cible, cle);
    if (Version(*base) == empreinte) {
      std::printf("creebase : %s est à jour\n", qPrintable(cible));
      return 0;
    }
    Remplir(*base, listes, empreinte);
    std::printf("creebase : dictionnaire de %s renouvelé (%lld mots)\n", qPrintable(cible),
                qlonglong(listes.mots.size()));
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
    Remplir(*base, listes, empreinte);
  }
  if (!QFile::rename(provisoire, cible))
    Arreter(QStringLiteral("impossible de créer %1").arg(cible));
  std::printf("creebase : %s créé (%lld mots)\n", qPrintable(cible), qlonglong(listes.mots.size()));
  return 0;
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 4 && argc != 5 && argc != 7)
    Arreter(QStringLiteral(
        "usage : creebase MOTS.txt BASE.dat CONNEXION [COMMUNS.txt [ACCENTS.txt LEMMES.txt]]"));
  const QString liste = QFile::decodeName(argv[1]);
  const QString cible = QFile::decodeName(argv[2]);
  const QByteArray cle = MoteurBase::MotDePasse(QString::fromUtf8(argv[3])).toUtf8();

  // The file's mark is made from all the lists: a change in any renews it.
  QCryptographicHash somme(QCryptographicHash::Sha256);
  Listes listes;
  listes.mots = LireMots(liste, somme);
  if (argc >= 5)
    listes.communs = LireCommuns(QFile::decodeName(argv[4]), somme);
  if (argc == 7) {
    listes.graphies = LireGraphies(QFile::decodeName(argv[5]), somme);
    listes.lemmes = LireLemmes(QFile::decodeName(argv[6]), somme);
  }
  qint32 empreinte = 0;
  std::memcpy(&empreinte, somme.result().constData(), sizeof empreinte);
  try {
    return Construire(cible, cle, listes, empreinte);
  } catch (const ErreurBase &erreur) {
    Arreter(erreur.Texte());
  }
}
