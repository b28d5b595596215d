#pragma once

#include <QStringList>
#include <QStringView>
#include <QtGlobal>
#include <array>
#include <vector>

// The best words of a draw: every dictionary word of the greatest length the
// drawn letters allow. Words are indexed by their letters in alphabetical
// order, so a draw costs at most a few hundred binary searches, never a pass
// over the dictionary.
class Solveur {
public:
  // Keeps the words of 1 to 9 capitals A–Z, once each; anything else is left
  // out, lower case included: the list is data, not input to be forgiven.
  explicit Solveur(const QStringList &mots);

  // The words given one at a time, for a long list read from elsewhere
  // without holding it whole.
  // `commun` says how common the word is, from 0 (met nowhere) to
  // Commun::Max; a word given twice keeps its greatest.
  class Preparation {
  public:
    void Ajouter(QStringView mot, quint8 commun = 0);
    // Gives a word added before its value, for two lists read side by side:
    // the words added and those noted both come in alphabetical order, and
    // a noted word that was not added, or comes out of order, is passed over.
    void Noter(QStringView mot, quint8 commun);

  private:
    friend class Solveur;
    struct Entree {
      quint64 cle, mot;
      quint8 commun;
    };
    std::vector<Entree> m_entrees;
    std::size_t m_notee = 0; // the first word that may still be noted
  };
  explicit Solveur(Preparation &&preparation);

  // Every word of the greatest length drawable from `tirage`, each letter used
  // at most as often as drawn, in alphabetical order; empty when no word fits.
  // Lower-case letters count as capitals, any other character is skipped and
  // letters after the ninth are ignored.
  QStringList PlusLongs(QStringView tirage) const;
  // Every word drawable from `tirage`, by length: element n holds the words
  // of n letters, in alphabetical order (element 0 stays empty). Read as
  // PlusLongs reads the draw.
  using ParLongueur = std::array<QStringList, 10>;
  ParLongueur Tous(QStringView tirage) const;

  // How common a word of the index is, from 0 to Commun::Max; 0 for a word
  // the index does not hold.
  quint8 Commun(QStringView mot) const;

  // Words in the index.
  qsizetype NombreMots() const { return qsizetype(m_mots.size()); }
  // Bytes the index holds.
  qsizetype Octets() const;

private:
  struct Parcours;
  // The walk over the letter sets of `tirage`, ready to search.
  Parcours Preparer(QStringView tirage, int &n) const;

  // A word or a set of letters packs into 45 bits, 5 a letter (A = 1 … Z = 26),
  // the first letter highest and 0 after the last: numeric order is then
  // alphabetical order.
  std::vector<quint64> m_cles;   // distinct letter sets, ascending
  std::vector<quint32> m_debuts; // m_mots[m_debuts[i], m_debuts[i + 1]) spell m_cles[i]
  std::vector<quint64> m_mots;   // the words, alphabetical within a letter set
  std::vector<quint8> m_communs; // how common m_mots[i] is
};

namespace Commun {
constexpr int Max = 100;
} // namespace Commun
