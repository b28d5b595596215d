#pragma once

#include "platform/SortieSon.h"

#include <QLibrary>
#include <QStringList>
#include <future>
#include <memory>

// The sound player lives in a module of its own, so that Qt Multimedia and
// the sound server's libraries cost the start of the program nothing: the
// module is loaded on another thread once the window is up, and a sound
// asked for before that waits for it. Without the module the game is silent.
class ChargeurSon {
public:
  // `dossiers`: where to look for the module, in order.
  explicit ChargeurSon(QStringList dossiers);
  ~ChargeurSon();

  // Starts loading the module on another thread; later calls do nothing.
  void Precharger();
  bool Jouer(const QByteArray &image);
  void Arreter();
  // Why there is no sound, in French, once the player was asked for and
  // could not be had; empty otherwise.
  const QString &Panne() const { return m_panne; }

  static constexpr char NomModule[] = "vocadix_son.so";

private:
  SortieSon *Sortie();

  QStringList m_dossiers;
  QLibrary m_module;
  std::future<bool> m_chargement;
  bool m_fait = false; // the player was asked for once, found or not
  std::unique_ptr<SortieSon> m_sortie;
  QString m_panne;
};
