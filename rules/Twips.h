#pragma once

#include <QtGlobal>

// The layout is given in twips, 1/1440 inch: 15 twips a pixel at 96 dpi.
namespace Twips {

inline int EnPixels(double twips, double dpi) {
  return qRound(twips * dpi / 1440.0);
}
inline double DepuisPixels(double pixels, double dpi) {
  return pixels * 1440.0 / dpi;
}

} // namespace Twips
