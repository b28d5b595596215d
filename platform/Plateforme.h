#pragma once

#include "rules/Hasard.h"
#include "rules/Icone.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

class QDialog;
class QWidget;

// Everything the game asks of its platform that a test cannot do for real:
// the boxes and dialogs that wait for the player, the shell, the help viewer,
// the sound card, the screen, the other copies of the program, the clock, and
// the draw's random numbers (Hasard), re-seeded from the clock.
// The program uses PlateformeQt; the tests use a recording fake.
class Plateforme : public Hasard {
public:
  using Icone = ::Icone;

  virtual ~Plateforme() = default;

  // A modal box with one OK button.
  virtual void AfficherMessage(QWidget *parent, const QString &titre, const QString &texte,
                               Icone icone) = 0;
  // Runs a dialog modally and returns its result once it has closed.
  virtual int ExecuterDialogue(QDialog &dialogue) = 0;
  // The desktop's dialog for saving a file: the path chosen, empty when the
  // player cancels. `propose` is the file offered, `filtre` such as
  // "Fichiers CSV (*.csv)".
  virtual QString ChoisirFichierAEcrire(QWidget *parent, const QString &titre,
                                        const QString &propose, const QString &filtre) = 0;
  // The shell's "Open" on a document or an address.
  virtual void Ouvrir(QWidget *parent, const QString &document) = 0;
  virtual void AfficherAide(QWidget *parent, const QString &fichier) = 0;
  // Plays a wave image without waiting; the next sound cuts this one short.
  virtual void JouerSon(const QByteArray &image) = 0;
  // Why the game cannot play sounds at all, in French, once a sound was
  // asked for; empty while it can.
  virtual QString PanneSon() const = 0;

  virtual int LargeurEcranTwips() const = 0;
  // True when another copy of the program is already running.
  virtual bool AutreExemplaire() = 0;
  virtual QString FichierProgramme() const = 0;
  // The player's own folders for the game's data and its settings, used
  // when the game is installed rather than run from a folder of its own.
  virtual QString DossierDonneesJoueur() const = 0;
  virtual QString DossierReglagesJoueur() const = 0;
  virtual QDateTime Maintenant() const = 0;
};
