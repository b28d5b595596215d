#pragma once

#include "rules/Son.h"

#include <QByteArray>
#include <QString>
#include <functional>

class Plateforme;
struct Globales;

// The one place the game's sounds are played, and the one that asks whether
// sound is on: only the option's exact "O" lets them through.
class Bruitage {
public:
  Bruitage(Plateforme &plateforme, const Globales &globales)
      : m_plateforme(plateforme), G(globales) {}

  // Plays the sound without waiting, then lets pending events run, as the
  // game has always done after a sound; with sound off, does nothing at all.
  void Jouer(Son son);
  // Told once, with its cause, that the game cannot play sounds.
  void SignalerPanne(std::function<void(const QString &cause)> signaler) {
    m_signaler = std::move(signaler);
  }

private:
  Plateforme &m_plateforme;
  const Globales &G;
  QByteArray SonEnCours; // the image being played, kept alive while it plays
  std::function<void(const QString &)> m_signaler;
  bool m_panneSignalee = false;
};
