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

// Icons are drawn by Qt's SVG icon engine at the size each place asks for,
// when it asks: nothing is rendered ahead for sizes never shown.
QIcon BanqueImages::Image(int index) {
  return QIcon(QStringLiteral(":/images/bouton%1.svg").arg(index, 2, 10, QLatin1Char('0')));
}

QIcon BanqueImages::IconeProgramme() {
  return QIcon(QStringLiteral(":/images/vocadix.svg"));
}
