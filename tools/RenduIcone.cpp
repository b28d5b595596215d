// Renders the program's SVG icon as a PNG of a given size, for the icon
// theme of an installed game.
//
//   rendu_icone ICONE.svg TAILLE SORTIE.png

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage : rendu_icone ICONE.svg TAILLE SORTIE.png\n");
    return 2;
  }
  QSvgRenderer dessin(QString::fromLocal8Bit(argv[1]));
  const int taille = QByteArray(argv[2]).toInt();
  if (!dessin.isValid() || taille <= 0) {
    std::fprintf(stderr, "icône illisible ou taille invalide\n");
    return 1;
  }
  QImage image(taille, taille, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter peintre(&image);
  peintre.setRenderHint(QPainter::Antialiasing);
  dessin.render(&peintre);
  peintre.end();
  return image.save(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
}
