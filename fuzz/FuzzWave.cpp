// The wave-image reader on any bytes: it never reads past the image, and the
// samples it accepts lie inside it, after the headers they need.

#include "Exiger.h"
#include "rules/ImageWave.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *donnees, size_t taille) {
  // A copy of exactly the input's size, so that a read past it is seen.
  const QByteArray image(reinterpret_cast<const char *>(donnees), qsizetype(taille));
  const ImageWave wave = ImageWave::Lire(image);
  if (!wave.Valide()) {
    EXIGER(wave.Echantillons.isEmpty());
    return 0;
  }
  // "RIFF" size "WAVE", a "fmt " chunk of 16 bytes at least, a "data" header.
  EXIGER(wave.Echantillons.size() + 12 + 8 + 16 + 8 <= image.size());
  EXIGER(image.contains(wave.Echantillons));
  const int octetsParTrame = wave.Canaux * ((wave.BitsParEchantillon + 7) / 8);
  EXIGER(wave.NombreEchantillons() >= 0);
  EXIGER(wave.NombreEchantillons() * octetsParTrame <= wave.Echantillons.size());
  return 0;
}
