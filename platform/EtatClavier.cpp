#include "platform/EtatClavier.h"

#include <QGuiApplication>

// Xlib's macros clash with Qt's names: it is kept to this file.
#include <X11/XKBlib.h>

namespace {

// The index of a named light, asked of the server once.
int Indice(Display *ecran, const char *nom) {
  const Atom atome = XInternAtom(ecran, nom, True);
  int indice = -1;
  if (atome == None || !XkbGetNamedIndicator(ecran, atome, &indice, nullptr, nullptr, nullptr))
    return -1;
  return indice;
}

} // namespace

EtatClavier EtatClavier::Lire() {
  EtatClavier etat;
  auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  Display *ecran = x11 ? x11->display() : nullptr;
  if (!ecran)
    return etat;
  static const int defilement = Indice(ecran, "Scroll Lock");
  static const int majuscules = Indice(ecran, "Caps Lock");
  static const int numerique = Indice(ecran, "Num Lock");
  // One round trip to the server reads all the lights.
  unsigned int allumes = 0;
  if (XkbGetIndicatorState(ecran, XkbUseCoreKbd, &allumes) != Success)
    return etat;
  const auto allume = [allumes](int indice) { return indice >= 0 && (allumes >> indice) & 1u; };
  etat.Defilement = allume(defilement);
  etat.Majuscules = allume(majuscules);
  etat.Numerique = allume(numerique);
  return etat;
}
