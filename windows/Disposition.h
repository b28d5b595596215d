#pragma once

#include <QFont>

class QWidget;

// The windows are laid out in twips and in the fonts of their design.
namespace Disposition {

// Arial, or the Liberation font that matches it, at `points`.
QFont Police(double points, bool gras = true);
// Places a control from twips, at its screen's logical DPI.
void Placer(QWidget *controle, double gauche, double haut, double largeur, double hauteur);

} // namespace Disposition
