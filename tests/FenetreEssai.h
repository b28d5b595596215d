#pragma once

#include "tests/BaseEssai.h"
#include "tests/PlateformeEssai.h"
#include "windows/Depart.h"

#include <QLabel>
#include <memory>

class BarreCommandes;
class Tuile;

// A main window on the recording platform, in a throw-away program folder
// holding a small game database.
class FenetreEssai {
public:
  explicit FenetreEssai(const QStringList &mots = {}, const QList<BaseEssai::Score> &scores = {});

  // Loads the window as the program does; false when it refused to start.
  bool Charger();
  // Loads the window and shows it, `largeur` pixels wide, active.
  bool ChargerEtMontrer(int largeur = 1024);
  void EcrireReglages(const QByteArray &octets);
  QByteArray Reglages() const;
  QString Dossier() const { return base.Dossier(); }

  Depart &Fenetre() { return *depart; }
  BarreCommandes &Barre() const;
  void Clic(const QString &cle);
  bool Actif(const QString &cle) const;
  QLabel *Etiquette(const QString &nom) const;
  QString Texte(const QString &nom) const { return Etiquette(nom)->text(); }
  Tuile *Lettre(int i) const;
  QString Lettres() const;
  bool Marquee(int i) const;
  // The recap empty, the tiles and the countdown hidden.
  bool TableauVierge() const;

  // Draws these letters in order, each from its own pool, by scripting the
  // generator and clicking the draw commands.
  void Tirer(const QString &lettres);
  // A round from its start to its stop: draw, mark the first `longueur`
  // letters, stop.
  void JouerJusquALArret(const QString &lettres, int longueur);
  void Tics(int nombre);

  BaseEssai base;
  PlateformeEssai plateforme;
  std::unique_ptr<Depart> depart;
};
