#pragma once

// The lights of the lock keys as the X server reports them; all off when the
// program does not run on X11.
struct EtatClavier {
  bool Defilement = false;
  bool Majuscules = false;
  bool Numerique = false;

  static EtatClavier Lire();
};
