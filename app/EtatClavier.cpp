#include "app/EtatClavier.h"

#include <QGuiApplication>

// Xlib's macros clash with Qt's names: it is kept to this file.
#include <X11/XKBlib.h>

EtatClavier EtatClavier::Lire() {
  EtatClavier etat;
  auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  Display *ecran = x11 ? x11->display() : nullptr;
  if (!ecran)
    return etat;
  auto allume = [ecran](const char *nom) {
    Bool etat = False;
    const Atom atome = XInternAtom(ecran, nom, True);
    return atome != None && XkbGetNamedIndicator(ecran, atome, nullptr, &etat, nullptr, nullptr) &&
           etat;
  };
  etat.Defilement = allume("Scroll Lock");
  etat.Majuscules = allume("Caps Lock");
  etat.Numerique = allume("Num Lock");
  return etat;
}
