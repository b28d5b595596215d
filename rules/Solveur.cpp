#include "rules/Solveur.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr int Max = 9;
constexpr int Bits = 5;

// Shift of the letter at `rang` (0 to 8) in a packed word.
constexpr int Decalage(int rang) {
  return Bits * (Max - 1 - rang);
}

// The word packed, or 0 when it is not 1 to 9 capitals A–Z.
quint64 Emballer(QStringView mot) {
  if (mot.isEmpty() || mot.size() > Max)
    return 0;
  quint64 paquet = 0;
  for (qsizetype i = 0; i < mot.size(); ++i) {
    const char16_t c = mot[i].unicode();
    if (c < u'A' || c > u'Z')
      return 0;
    paquet |= quint64(c - u'A' + 1) << Decalage(int(i));
  }
  return paquet;
}

// The letters of a packed word in alphabetical order, packed alike.
quint64 Cle(quint64 paquet) {
  std::array<int, Max> lettres{};
  int n = 0;
  for (; n < Max; ++n) {
    lettres[n] = int(paquet >> Decalage(n)) & 31;
    if (lettres[n] == 0)
      break;
  }
  std::sort(lettres.begin(), lettres.begin() + n);
  quint64 cle = 0;
  for (int i = 0; i < n; ++i)
    cle |= quint64(lettres[i]) << Decalage(i);
  return cle;
}

QString Deballer(quint64 paquet) {
  QString mot;
  for (int i = 0; i < Max; ++i) {
    const int code = int(paquet >> Decalage(i)) & 31;
    if (code == 0)
      break;
    mot += QChar(char16_t(u'A' + code - 1));
  }
  return mot;
}

QStringList Deballer(std::vector<quint64> mots) {
  std::sort(mots.begin(), mots.end());
  QStringList resultat;
  resultat.reserve(qsizetype(mots.size()));
  for (const quint64 mot : mots)
    resultat << Deballer(mot);
  return resultat;
}

} // namespace

// Walks the distinct letter sets of one size taken from a draw, building
// each key in order so that no set is sorted or met twice.
struct Solveur::Parcours {
  const std::vector<quint64> &cles;
  const std::vector<quint32> &debuts;
  const std::vector<quint64> &mots;
  std::array<int, Max> lettres{};   // distinct drawn letters, ascending
  std::array<int, Max> nombres{};   // how often each was drawn
  std::array<int, Max + 1> reste{}; // letters drawn from the i-th distinct one on
  int distinctes = 0;
  std::vector<quint64> trouves;

  Parcours(const std::vector<quint64> &c, const std::vector<quint32> &d,
           const std::vector<quint64> &m)
      : cles(c), debuts(d), mots(m) {}

  void Chercher(int i, int rang, int manque, quint64 cle) {
    if (manque == 0) {
      const auto it = std::lower_bound(cles.begin(), cles.end(), cle);
      if (it != cles.end() && *it == cle) {
        const auto groupe = std::size_t(it - cles.begin());
        trouves.insert(trouves.end(), mots.begin() + debuts[groupe],
                       mots.begin() + debuts[groupe + 1]);
      }
      return;
    }
    if (reste[i] < manque)
      return;
    // k copies of letter i, from as many as fit down to none.
    quint64 avec = cle;
    int k = 0;
    const int plus = std::min(nombres[i], manque);
    for (; k < plus; ++k)
      avec |= quint64(lettres[i]) << Decalage(rang + k);
    for (; k >= 0; --k) {
      Chercher(i + 1, rang + k, manque - k, avec);
      if (k > 0)
        avec &= ~(quint64(31) << Decalage(rang + k - 1));
    }
  }
};

void Solveur::Preparation::Ajouter(QStringView mot, quint8 commun) {
  if (const quint64 paquet = Emballer(mot))
    m_entrees.push_back({Cle(paquet), paquet, std::min<quint8>(commun, Commun::Max)});
}

void Solveur::Preparation::Noter(QStringView mot, quint8 commun) {
  // Packed words compare as their letters do.
  const quint64 paquet = Emballer(mot);
  if (paquet == 0)
    return;
  while (m_notee < m_entrees.size() && m_entrees[m_notee].mot < paquet)
    ++m_notee;
  if (m_notee < m_entrees.size() && m_entrees[m_notee].mot == paquet)
    m_entrees[m_notee].commun =
        std::max(m_entrees[m_notee].commun, std::min<quint8>(commun, Commun::Max));
}

Solveur::Solveur(const QStringList &mots)
    : Solveur([&mots] {
        Preparation preparation;
        preparation.m_entrees.reserve(std::size_t(mots.size()));
        for (const QString &mot : mots)
          preparation.Ajouter(mot);
        return preparation;
      }()) {}

Solveur::Solveur(Preparation &&preparation) {
  using Entree = Preparation::Entree;
  std::vector<Entree> entrees = std::move(preparation.m_entrees);
  // By letters, then word, the most common copy of a word first.
  std::sort(entrees.begin(), entrees.end(), [](const Entree &a, const Entree &b) {
    return a.cle != b.cle ? a.cle < b.cle : a.mot != b.mot ? a.mot < b.mot : a.commun > b.commun;
  });
  entrees.erase(std::unique(entrees.begin(), entrees.end(),
                            [](const Entree &a, const Entree &b) { return a.mot == b.mot; }),
                entrees.end());

  // Sized exactly beforehand: no slack, and no copies while growing.
  std::size_t groupes = 0;
  for (std::size_t i = 0; i < entrees.size(); ++i)
    groupes += i == 0 || entrees[i].cle != entrees[i - 1].cle;
  m_cles.reserve(groupes);
  m_debuts.reserve(groupes + 1);
  m_mots.reserve(entrees.size());
  m_communs.reserve(entrees.size());
  for (const Entree &entree : entrees) {
    if (m_cles.empty() || m_cles.back() != entree.cle) {
      m_cles.push_back(entree.cle);
      m_debuts.push_back(quint32(m_mots.size()));
    }
    m_mots.push_back(entree.mot);
    m_communs.push_back(entree.commun);
  }
  m_debuts.push_back(quint32(m_mots.size()));
}

Solveur::Parcours Solveur::Preparer(QStringView tirage, int &n) const {
  std::array<int, 27> compte{};
  n = 0;
  for (const QChar lettre : tirage) {
    if (n == Max)
      break;
    char16_t c = lettre.unicode();
    if (c >= u'a' && c <= u'z')
      c = char16_t(c - u'a' + u'A');
    if (c >= u'A' && c <= u'Z') {
      ++compte[c - u'A' + 1];
      ++n;
    }
  }

  Parcours parcours(m_cles, m_debuts, m_mots);
  for (int code = 1; code <= 26; ++code)
    if (compte[code] > 0) {
      parcours.lettres[parcours.distinctes] = code;
      parcours.nombres[parcours.distinctes] = compte[code];
      ++parcours.distinctes;
    }
  for (int i = parcours.distinctes - 1; i >= 0; --i)
    parcours.reste[i] = parcours.reste[i + 1] + parcours.nombres[i];
  return parcours;
}

QStringList Solveur::PlusLongs(QStringView tirage) const {
  int n = 0;
  Parcours parcours = Preparer(tirage, n);
  for (int longueur = n; longueur > 0 && parcours.trouves.empty(); --longueur)
    parcours.Chercher(0, 0, longueur, 0);
  return Deballer(std::move(parcours.trouves));
}

Solveur::ParLongueur Solveur::Tous(QStringView tirage) const {
  int n = 0;
  Parcours parcours = Preparer(tirage, n);
  ParLongueur parLongueur;
  for (int longueur = n; longueur > 0; --longueur) {
    parcours.trouves.clear();
    parcours.Chercher(0, 0, longueur, 0);
    parLongueur[std::size_t(longueur)] = Deballer(parcours.trouves);
  }
  return parLongueur;
}

quint8 Solveur::Commun(QStringView mot) const {
  const quint64 paquet = Emballer(mot);
  if (paquet == 0)
    return 0;
  const auto it = std::lower_bound(m_cles.begin(), m_cles.end(), Cle(paquet));
  if (it == m_cles.end() || *it != Cle(paquet))
    return 0;
  const auto groupe = std::size_t(it - m_cles.begin());
  for (std::size_t i = m_debuts[groupe]; i < m_debuts[groupe + 1]; ++i)
    if (m_mots[i] == paquet)
      return m_communs[i];
  return 0;
}

qsizetype Solveur::Octets() const {
  return qsizetype(m_cles.capacity() * sizeof(quint64) + m_debuts.capacity() * sizeof(quint32) +
                   m_mots.capacity() * sizeof(quint64) + m_communs.capacity());
}
