#pragma once

#include "platform/Plateforme.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <functional>

// A platform that records what the game asks of it, for the window tests.
// Boxes return at once; a test can act while one is "open" (the callbacks run
// where the real box would run its own event loop), and likewise while a
// sound "lets events run".
class PlateformeEssai : public Plateforme {
public:
  struct Boite {
    QString titre, texte;
    Icone icone;
  };

  PlateformeEssai();

  void AfficherMessage(QWidget *parent, const QString &titre, const QString &texte,
                       Icone icone) override;
  int ExecuterDialogue(QDialog &dialogue) override;
  QString ChoisirFichierAEcrire(QWidget *, const QString &titre, const QString &propose,
                                const QString &) override {
    fichiersProposes << propose;
    dialogues << titre;
    return fichierChoisi;
  }
  void Ouvrir(QWidget *parent, const QString &document) override;
  void AfficherAide(QWidget *parent, const QString &fichier) override;
  void JouerSon(const QByteArray &image) override;
  QString PanneSon() const override { return panneSon; }
  int LargeurEcranTwips() const override { return largeurTwips; }
  bool AutreExemplaire() override { return autreExemplaire; }
  QString FichierProgramme() const override { return fichierProgramme; }
  QString DossierDonneesJoueur() const override { return donneesJoueur; }
  QString DossierReglagesJoueur() const override { return reglagesJoueur; }
  QDateTime Maintenant() const override { return maintenant; }
  void ReamorcerAleatoire() override { ++reamorcages; }
  double Aleatoire() override;

  // What happened.
  QList<Boite> boites;
  QList<int> sons; // numbers of the sounds played, identified by their bytes
  QStringList documents;
  QStringList aides;
  QStringList dialogues; // object names of the dialogs run
  int reamorcages = 0;

  // What the world looks like.
  int largeurTwips = 15360; // 1024 pixels at 96 dpi
  bool autreExemplaire = false;
  QString fichierProgramme;
  QString donneesJoueur, reglagesJoueur; // the player's folders, for an installed game
  QDateTime maintenant;
  QList<double> aleatoires; // drawn in order; then 0.5
  QString panneSon;         // why sounds cannot be played, when they cannot
  QString fichierChoisi;    // what the save dialog returns; empty: cancelled
  QStringList fichiersProposes;

  // Run while a box is open, while a sound lets events run, while a dialog runs.
  std::function<void(const Boite &)> pendantBoite;
  std::function<void(int)> pendantSon;
  std::function<int(QDialog &)> pendantDialogue;

  Boite DerniereBoite() const { return boites.value(boites.size() - 1); }

private:
  QHash<QByteArray, int> m_sonsConnus;
};
