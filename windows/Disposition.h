#pragma once

#include <QFont>
#include <QPalette>

class QWidget;

// The windows are laid out in twips and in the fonts of their design.
namespace Disposition {

// Arial, or the Liberation font that matches it, at `points`.
QFont Police(double points, bool gras = true);
// Places a control from twips, at its screen's logical DPI.
void Placer(QWidget *controle, double gauche, double haut, double largeur, double hauteur);

// The colours of a control's text and background; a background of the
// window's role is painted by the control itself.
void Colorer(QWidget *controle, const QColor &texte, const QColor &fond,
             QPalette::ColorRole roleTexte = QPalette::WindowText,
             QPalette::ColorRole roleFond = QPalette::Window);

} // namespace Disposition
