#include "windows/Disposition.h"

#include "rules/Twips.h"

#include <QWidget>

QFont Disposition::Police(double points, bool gras) {
  QFont police(QStringList{QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  police.setPointSizeF(points);
  police.setBold(gras);
  return police;
}

void Disposition::Placer(QWidget *controle, double gauche, double haut, double largeur,
                         double hauteur) {
  const double dpi = controle->logicalDpiX();
  controle->setGeometry(Twips::EnPixels(gauche, dpi), Twips::EnPixels(haut, dpi),
                        Twips::EnPixels(largeur, dpi), Twips::EnPixels(hauteur, dpi));
}

void Disposition::Colorer(QWidget *controle, const QColor &texte, const QColor &fond,
                          QPalette::ColorRole roleTexte, QPalette::ColorRole roleFond) {
  QPalette couleurs = controle->palette();
  couleurs.setColor(roleTexte, texte);
  couleurs.setColor(roleFond, fond);
  controle->setPalette(couleurs);
  if (roleFond == QPalette::Window)
    controle->setAutoFillBackground(true);
}
