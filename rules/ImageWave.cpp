#include "rules/ImageWave.h"

#include <QtEndian>

namespace {

quint32 Mot32(const char *p) {
  return qFromLittleEndian<quint32>(p);
}
quint16 Mot16(const char *p) {
  return qFromLittleEndian<quint16>(p);
}

ImageWave Refus(const QString &raison) {
  ImageWave image;
  image.Erreur = raison;
  return image;
}

} // namespace

qint64 ImageWave::NombreEchantillons() const {
  const int octets = Canaux * ((BitsParEchantillon + 7) / 8);
  return octets > 0 ? Echantillons.size() / octets : 0;
}

ImageWave ImageWave::Lire(const QByteArray &octets) {
  const char *debut = octets.constData();
  const qint64 taille = octets.size();
  if (taille < 12 || octets.left(4) != "RIFF" || octets.mid(8, 4) != "WAVE")
    return Refus(QStringLiteral("en-tête RIFF WAVE absent"));
  const qint64 fin = qint64(Mot32(debut + 4)) + 8;
  if (fin > taille)
    return Refus(QStringLiteral("image tronquée"));

  ImageWave image;
  bool format = false, donnees = false;
  for (qint64 position = 12; position + 8 <= fin;) {
    const QByteArray nom = octets.mid(position, 4);
    const qint64 longueur = Mot32(debut + position + 4);
    const qint64 contenu = position + 8;
    if (contenu + longueur > fin)
      return Refus(QStringLiteral("bloc « %1 » au-delà de la fin").arg(QString::fromLatin1(nom)));
    if (nom == "fmt ") {
      if (longueur < 16)
        return Refus(QStringLiteral("bloc « fmt  » trop court"));
      image.Format = Mot16(debut + contenu);
      image.Canaux = Mot16(debut + contenu + 2);
      image.Frequence = Mot32(debut + contenu + 4);
      image.BitsParEchantillon = Mot16(debut + contenu + 14);
      format = true;
    } else if (nom == "data") {
      image.Echantillons = octets.mid(contenu, longueur);
      donnees = true;
    }
    // Chunks of odd length are followed by one pad byte.
    position = contenu + longueur + (longueur & 1);
  }
  if (!format || !donnees)
    return Refus(format ? QStringLiteral("bloc « data » absent")
                        : QStringLiteral("bloc « fmt  » absent"));
  return image;
}
