#pragma once

#include <QtGlobal>

// The countdown of a round and the geometry of its dial, in twips of the
// main window: 45 dots a second apart, clockwise from just right of
// 12 o'clock, then the tick that finds 0 ends the round.
class Cadran {
public:
  struct Point {
    float x, y, rayon;
  };

  // Sets the clock up for `secondes` dots; the dial's centre lies at half
  // the left edge of the draws' column heading. The dots share the circle.
  void Demarrer(double gaucheTitreTirages, int secondes = DureeNormale);

  static constexpr int DureeNormale = 45;

  bool Expire() const { return Decompte == 0; }
  // The dot of the next tick, while the count is not 0.
  Point PointSuivant() const;
  // After a tick has shown Decompte and drawn its dot.
  void Avancer();

  qint16 Decompte = 0;
  qint16 AngleChrono = 0; // degrees clockwise from 12 o'clock
  qint16 PasAngle = 8;    // degrees from one dot to the next
  double CentreX = 0;
  double CentreY = 0;
  double RayonCadran = 0;
  double RayonPoint = 0;
  // Half the side of the square frame round the dial.
  double DemiCote() const { return RayonCadran + 250; }
};
