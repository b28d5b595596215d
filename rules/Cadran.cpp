#include "rules/Cadran.h"

#include <cmath>

void Cadran::Demarrer(double gaucheTitreTirages, int secondes) {
  RayonCadran = 1000;
  RayonPoint = 50;
  CentreX = gaucheTitreTirages / 2;
  CentreY = 6400;
  Decompte = qint16(secondes);
  PasAngle = qint16(360 / secondes);
  AngleChrono = PasAngle;
}

Cadran::Point Cadran::PointSuivant() const {
  // 3.1416 is the dial's own value of pi, kept for the places of its dots.
  const double a = AngleChrono * 3.1416 / 180;
  const double dx = RayonCadran * std::sin(a);
  const double dy = RayonCadran * std::cos(a);
  return {float(CentreX + dx), float(CentreY - dy), float(RayonPoint)};
}

void Cadran::Avancer() {
  AngleChrono += PasAngle;
  Decompte -= 1;
}
