#pragma once

#include "data/Stardict.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// The definitions of Littré's dictionary, as Debian's stardict-xmlittre
// installs it: nothing is read before the first lookup, and everything is
// read from the files on this machine. Its headwords are in capitals, with
// their accents and again without them, so that the game's own words are
// looked up as they stand.
class Littre {
public:
  static constexpr const char *Paquet = "stardict-xmlittre";
  static constexpr const char *Nom = "XMLittre";

  // Where a StarDict reader looks for dictionaries: share/stardict/dic in
  // the player's data folder, then in each of the system's.
  static QStringList Dossiers();
  explicit Littre(QStringList dossiers = Dossiers());
  ~Littre();

  struct Article {
    QString vedette; // the headword it was found under, as asked for
    QString html;    // its text, made safe to show
  };
  enum class Etat {
    Trouve,      // at least one article
    SansArticle, // the dictionary has none of the headwords
    Absent,      // no dictionary in any of the folders
    Illisible,   // its files are damaged or cannot be read: see erreur
  };
  struct Reponse {
    Etat etat = Etat::Absent;
    QList<Article> articles;
    QString erreur; // in French, when Illisible
  };
  // The articles of each headword in turn, each article once, the first
  // headword's first.
  Reponse Chercher(const QStringList &vedettes);

  // The dictionary's markup (bold, italics, sizes and coloured spans) as
  // rich text for a text browser: every other tag is dropped, every
  // character of text escaped, and the lines and indents kept.
  static QString EnHtml(QByteArrayView balisage);

private:
  // Opens the files at the first lookup, and again after a failure.
  std::optional<Reponse> Ouvrir();

  QStringList m_dossiers;
  std::optional<Stardict::Index> m_index;
  std::unique_ptr<Stardict::Dictzip> m_textes;
};
