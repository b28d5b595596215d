#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// How the game's words are written and what they are forms of, from the
// GRAPHIES and LEMMES tables of the game database, read through its shared
// connection as each word is asked for. The words themselves, DICO and the
// verification stay in capitals without accents; this is for the reader.
// A database made before the tables existed, or one that cannot be read,
// leaves every word as it is and without lemma.
class FormesBase {
public:
  void DefinirFichier(const QString &fichier) {
    m_fichier = fichier;
    m_graphies.clear();
  }

  // The word with its accents, ÉCOLE for ECOLE, when the dictionary gives it
  // one spelling only; otherwise the word itself.
  QString Graphie(const QString &mot);
  // The entries the word is a form of, other than itself, in capitals
  // without accents: NOIR for NOIRES, ENTENDRE for ENTENDU.
  QStringList Lemmes(const QString &mot);
  // The headwords a dictionary may give the word under: itself, then its
  // lemmas, each as the game writes it and with its accents.
  QStringList Vedettes(const QString &mot);

private:
  QString Lire(const QString &sql, const QString &mot);

  QString m_fichier;
  QHash<QString, QString> m_graphies; // the words already shown, a handful a round
};
