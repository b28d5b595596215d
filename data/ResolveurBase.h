#pragma once

#include "rules/Resolveur.h"
#include "rules/Solveur.h"

#include <future>
#include <memory>

// The longest words of each draw, from an index of the game database's DICO
// table built on another core. The first build, started with the window, is
// waited for by the first reveal that needs it; a second one, after a
// failure, never is: until it is ready there is nothing to reveal.
class ResolveurBase : public Resolveur {
public:
  void DefinirFichier(const QString &fichier) { m_fichier = fichier; }
  void Preparer() override;
  std::optional<QStringList> PlusLongs(const QString &tirage) override;
  std::shared_ptr<const Solveur> Index() override;

private:
  // Takes the build once it is over; the first is waited for when `attendre`.
  void Recueillir(bool attendre);

  QString m_fichier;
  std::future<std::shared_ptr<const Solveur>> m_preparation;
  std::shared_ptr<const Solveur> m_solveur;
  int m_essais = 0; // builds started
};
