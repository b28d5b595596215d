#include "data/OuvertureBase.h"
#include "platform/PlateformeQt.h"
#include "rules/Mesures.h"
#include "windows/Depart.h"
#include "windows/FenetreAide.h"

#include "Installation.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <memory>

int main(int argc, char **argv) {
  Mesurer("main");
  // A second copy touches nothing: it only says that the first one runs.
  auto exemplaire = PlateformeQt::PrendreExemplaire();
  // Opening the game database (and, installed, making or renewing the
  // player's copy) runs on the other core from the first instant.
  OuvertureBase ouverture;
  if (exemplaire->isLocked())
    ouverture = OuvertureBase::Lancer(PlateformeQt::Programme(), PlateformeQt::DonneesJoueur(),
                                      PlateformeQt::ReglagesJoueur());
  QApplication application(argc, argv);
  // The desktop matches the window to its entry, and so to its icon.
  QGuiApplication::setDesktopFileName(QString::fromLatin1(Installation::Id));
  Mesurer("application");
  // Qt's own words (a text field's menu, the boxes' buttons) in French too.
  QTranslator traduction;
  if (traduction.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    application.installTranslator(&traduction);
  // One help window, brought back rather than opened twice.
  std::unique_ptr<FenetreAide> aide;
  PlateformeQt plateforme(
      [&aide](QWidget *, const QString &fichier) {
        if (!aide)
          aide = std::make_unique<FenetreAide>();
        aide->Ouvrir(fichier);
      },
      std::move(exemplaire));
  Depart depart(plateforme, std::move(ouverture));
  Mesurer("fenetre");
  if (!depart.Form_Load())
    return depart.CodeSortie();
  Mesurer("chargement");
  depart.showMaximized();
  QTimer::singleShot(0, [] { Mesurer("pret"); });
  // The sound player comes on the other core once the window is up; a sound
  // asked for before waits for it.
  QTimer::singleShot(0, &depart, [&plateforme] { plateforme.PrechargerSon(); });
  // The longest words of each draw come from an index built on the other
  // core once the window is up.
  QTimer::singleShot(0, &depart, &Depart::PreparerSolveur);
  return application.exec();
}
