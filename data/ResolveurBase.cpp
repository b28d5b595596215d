#include "data/ResolveurBase.h"

#include "data/Dictionnaire.h"
#include "data/ErreurBase.h"
#include "rules/Mesures.h"

void ResolveurBase::Preparer() {
  if (m_preparation.valid() || m_solveur || m_essais >= 2)
    return;
  ++m_essais;
  m_preparation = std::async(std::launch::async, [fichier = m_fichier] {
    auto solveur = std::make_shared<const Solveur>(Dictionnaire::Indexer(fichier));
    Mesurer("solveur");
    return solveur;
  });
}

void ResolveurBase::Recueillir(bool attendre) {
  const bool pret = m_preparation.valid() &&
                    ((attendre && m_essais == 1) ||
                     m_preparation.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
  if (pret) {
    try {
      m_solveur = m_preparation.get();
    } catch (const ErreurBase &) {
      // The verification has its own box for a dictionary that cannot be
      // read; without the words there is simply nothing to reveal.
    }
  }
}

std::optional<QStringList> ResolveurBase::PlusLongs(const QString &tirage) {
  if (m_essais == 0)
    Preparer();
  Recueillir(true);
  if (!m_solveur)
    return std::nullopt;
  return m_solveur->PlusLongs(tirage);
}

std::shared_ptr<const Solveur> ResolveurBase::Index() {
  Recueillir(false);
  return m_solveur;
}
