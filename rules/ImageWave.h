#pragma once

#include <QByteArray>
#include <QString>

// A RIFF WAVE image read from memory: its "fmt " description and its samples.
// Any other chunk is skipped; an image whose chunks run past its end is
// refused without reading past the buffer.
struct ImageWave {
  quint16 Format = 0; // 1 for uncompressed PCM
  quint16 Canaux = 0;
  quint32 Frequence = 0;
  quint16 BitsParEchantillon = 0;
  QByteArray Echantillons;
  QString Erreur; // empty when the image is sound

  bool Valide() const { return Erreur.isEmpty(); }
  qint64 NombreEchantillons() const;

  static ImageWave Lire(const QByteArray &image);
};
