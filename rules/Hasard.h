#pragma once

// The random-number generator of the draw: re-seeded, then giving numbers
// uniform in [0, 1).
class Hasard {
public:
  virtual ~Hasard() = default;
  virtual void ReamorcerAleatoire() = 0;
  virtual double Aleatoire() = 0;
};
