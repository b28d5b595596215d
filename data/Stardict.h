#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>
#include <QtGlobal>
#include <memory>
#include <optional>
#include <vector>

// The files of a StarDict dictionary, as Debian installs them under
// share/stardict/dic: the description (.ifo), the index of headwords (.idx)
// and the articles, compressed by dictzip (.dict.dz) so that any article is
// read without inflating what comes before it. Every reader takes the
// files' bytes as untrusted: a damaged file gives a French reason, never a
// crash nor a read out of bounds.
namespace Stardict {

// What the .ifo says of the other two files.
struct Description {
  QString nom;     // bookname
  qint64 mots = 0; // wordcount: entries of the index
  qint64 tailleIndex = 0;
  int bitsPosition = 32; // idxoffsetbits: 32 or 64
  QString types;         // sametypesequence, e.g. "g" for Pango markup
};
std::optional<Description> LireDescription(QByteArrayView octets, QString *erreur);

// The headwords and where each article lies. The index is kept as read,
// with the place of each entry: a dictionary of 120,000 entries costs its
// file's size and half a megabyte.
class Index {
public:
  // Checks the whole file: entries ended by NUL, each followed by its
  // article's place and size, as many as `attendus` (when not 0), in
  // StarDict's order (ASCII letters without case, then bytes).
  static std::optional<Index> Lire(QByteArray octets, int bitsPosition, qint64 attendus,
                                   QString *erreur);

  struct Article {
    quint64 debut;
    quint32 taille;
  };
  // The articles of this exact headword (UTF-8), in index order; empty
  // when the index has none.
  std::vector<Article> Chercher(QByteArrayView mot) const;
  // The same, and those of the headword's numbered homonyms ("TORON.1") and
  // of the headwords that add its other forms after a comma ("RENAL, ALE").
  std::vector<Article> ChercherVedette(QByteArrayView mot) const;

  qsizetype Nombre() const { return qsizetype(m_entrees.size()); }
  QByteArrayView Mot(qsizetype i) const;
  qsizetype Octets() const {
    return m_octets.size() + qsizetype(m_entrees.capacity() * sizeof(quint32));
  }

private:
  Article Place(qsizetype i) const;

  QByteArray m_octets;
  std::vector<quint32> m_entrees; // where each headword begins
  int m_taillePlace = 8;          // bytes of place and size after the NUL
};

// StarDict's order of headwords: ASCII letters compared without case, then
// the bytes themselves.
int Comparer(QByteArrayView a, QByteArrayView b);

// Random access to a dictzip file: a gzip file whose header lists its
// chunks, each deflated on its own.
class Dictzip {
public:
  // Reads the header and the list of chunks; the device stays open and is
  // read again at each article.
  static std::unique_ptr<Dictzip> Ouvrir(std::unique_ptr<QIODevice> fichier, QString *erreur);

  // The bytes [debut, debut + taille) of the uncompressed text.
  std::optional<QByteArray> Lire(quint64 debut, quint32 taille, QString *erreur);

  // At most: the last chunk may be shorter.
  quint64 Longueur() const { return quint64(m_tailleMorceau) * (m_debuts.size() - 1); }

private:
  std::optional<QByteArray> Morceau(qsizetype i, QString *erreur);

  std::unique_ptr<QIODevice> m_fichier;
  quint32 m_tailleMorceau = 0;
  std::vector<qint64> m_debuts; // where each chunk begins in the file, then its end
  // The last chunk inflated, for the articles that follow each other.
  qsizetype m_dernier = -1;
  QByteArray m_morceau;
};

} // namespace Stardict
