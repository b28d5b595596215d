#include "windows/BanqueImages.h"

#include <QPainter>
#include <QSvgRenderer>

QPixmap BanqueImages::Dessin(const QString &chemin, QSize taille, qreal ratio) {
  QPixmap image(taille * ratio);
  image.fill(Qt::transparent);
  QSvgRenderer rendu(chemin);
  QPainter peintre(&image);
  rendu.render(&peintre);
  peintre.end();
  image.setDevicePixelRatio(ratio);
  return image;
}

// The command bar's images and the icon were drawn from their SVG when the
// program was built, at every size they are shown: Qt reads only the one a
// screen asks for, when it asks.
QIcon BanqueImages::Image(int index) {
  QIcon icone;
  const QString nom =
      QStringLiteral(":/images/bouton%1-%2.png").arg(index, 2, 10, QLatin1Char('0'));
  for (const int taille : {31, 47, 62})
    icone.addFile(nom.arg(taille), QSize(taille, taille));
  return icone;
}

QIcon BanqueImages::IconeProgramme() {
  QIcon icone;
  for (const int taille : {16, 24, 32, 48, 64, 128})
    icone.addFile(QStringLiteral(":/images/vocadix-%1.png").arg(taille), QSize(taille, taille));
  return icone;
}
