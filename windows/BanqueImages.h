#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The pictures of the program, drawn as SVG in the resources and rendered at
// the size they are shown, so that they stay crisp on any screen.
namespace BanqueImages {

// Image `index` (1 to 15) of the command bar, at 31 × 31, 1.5 and twice that.
QIcon Image(int index);
// Any picture of the resources (":/images/porte.svg"), at `taille` logical
// pixels for a screen of the given pixel ratio.
QPixmap Dessin(const QString &chemin, QSize taille, qreal ratio);
QIcon IconeProgramme();

} // namespace BanqueImages
