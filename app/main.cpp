#include "app/Depart.h"
#include "app/Mesures.h"
#include "app/PlateformeQt.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char **argv) {
  QApplication application(argc, argv);
  PlateformeQt plateforme;
  Depart depart(plateforme);
  if (!depart.Form_Load())
    return depart.CodeSortie();
  depart.showMaximized();
  QTimer::singleShot(0, [] { Mesurer("pret"); });
  return application.exec();
}
