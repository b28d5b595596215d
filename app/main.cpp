#include "app/Depart.h"
#include "app/Mesures.h"
#include "app/PlateformeQt.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

int main(int argc, char **argv) {
  Mesurer("main");
  QApplication application(argc, argv);
  Mesurer("application");
  // Qt's own words (a text field's menu, the boxes' buttons) in French too.
  QTranslator traduction;
  if (traduction.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    application.installTranslator(&traduction);
  PlateformeQt plateforme;
  Depart depart(plateforme);
  Mesurer("fenetre");
  if (!depart.Form_Load())
    return depart.CodeSortie();
  Mesurer("chargement");
  depart.showMaximized();
  QTimer::singleShot(0, [] { Mesurer("pret"); });
  return application.exec();
}
