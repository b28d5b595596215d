#pragma once

#include <QByteArray>

// A player of wave images from memory on the default audio output, without
// waiting. A new sound cuts the one still playing; with no output, or an
// image or a format the output refuses, it stays silent.
class SortieSon {
public:
  virtual ~SortieSon() = default;
  // Returns false when the image is not played.
  virtual bool Jouer(const QByteArray &image) = 0;
  virtual void Arreter() = 0;
};

// The sound module's one entry point: a new player, owned by the caller.
// Qt Multimedia and the sound server's libraries come with the module only.
using FabriqueSortieSon = SortieSon *(*)();
inline constexpr char NomFabriqueSortieSon[] = "vocadix_sortie_son";
