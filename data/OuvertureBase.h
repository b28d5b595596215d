#pragma once

#include "data/MoteurBase.h"
#include "rules/Emplacements.h"

#include <QString>
#include <future>
#include <memory>

// The game database opened on another thread, with the folders the game's
// files lie in. Deriving the database's key is the longest step of a start:
// the program begins it before anything else and takes the connection, or
// its failure, when it needs it.
class OuvertureBase {
public:
  OuvertureBase() = default;

  // `programme`: the executable; `donneesJoueur`, `reglagesJoueur`: the
  // player's own folders for the game. An installed game first makes or
  // renews the player's copy of the database.
  static OuvertureBase Lancer(const QString &programme, const QString &donneesJoueur,
                              const QString &reglagesJoueur);

  bool Lancee() const { return m_base.valid(); }
  const Emplacements &Lieux() const { return m_lieux; }
  // Waits for the connection; throws ErreurBase when the opening failed.
  std::unique_ptr<MoteurBase> Attendre() { return m_base.get(); }

private:
  Emplacements m_lieux;
  std::future<std::unique_ptr<MoteurBase>> m_base;
};
