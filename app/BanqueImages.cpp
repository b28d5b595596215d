#include "app/BanqueImages.h"

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

QIcon BanqueImages::Image(int index) {
  const QString chemin =
      QStringLiteral(":/images/bouton%1.svg").arg(index, 2, 10, QLatin1Char('0'));
  QIcon icone;
  for (qreal ratio : {1.0, 2.0})
    icone.addPixmap(Dessin(chemin, QSize(31, 31), ratio));
  return icone;
}

QIcon BanqueImages::IconeProgramme() {
  QIcon icone;
  for (int taille : {16, 24, 32, 48, 64, 128, 256})
    icone.addPixmap(Dessin(QStringLiteral(":/images/vocadix.svg"), QSize(taille, taille), 1.0));
  return icone;
}
