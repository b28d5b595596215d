#pragma once

#include "data/OuvertureBase.h"
#include "data/VueDonnees.h"
#include "rules/Cadran.h"
#include "rules/Globales.h"
#include "rules/Manche.h"
#include "rules/Tirage.h"

#include <QByteArray>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <future>
#include <memory>

class BarreCommandes;
class BarreEtat;
class MoteurBase;
class Plateforme;
class QKeyEvent;
class Solveur;
class Surface;
class Tuile;

// The main window: the command bar, the guidance line, the nine letter tiles,
// the round counter and the game total, the countdown dial, the recap of the
// ten rounds and the status bar. Each command runs one game procedure.
class Depart : public QMainWindow {
  Q_OBJECT

public:
  explicit Depart(Plateforme &plateforme, QWidget *parent = nullptr);
  // With the game database's opening already under way.
  Depart(Plateforme &plateforme, OuvertureBase ouverture, QWidget *parent = nullptr);
  ~Depart() override;

  // Runs once before the window is shown; false when the program must end
  // at once, with CodeSortie() as its status.
  bool Form_Load();
  int CodeSortie() const { return m_codeSortie; }

  void ProcNouvellePartie();
  void ProcNouveauJeu();
  void ProcStop();
  void ProcTirageConsonnes();
  void ProcTirageVoyelles();
  void ProcChrono();
  void ProcVerification();
  void ProcAvecSon();
  void ProcSansSon();
  void ProcAvecMessage();
  void ProcSansMessage();
  void ProcJoueSon(qint16 n);
  void ProcScores();
  void ProcApropos();

  const Globales &Etat() const { return G; }
  const Manche &Modele() const { return m_manche; }

  // Builds, on another core, the index of the dictionary that reveals the
  // longest words of each draw; called once the window is shown.
  void PreparerSolveur();

  // Event handlers of the controls.
  void BarreBoutons_ButtonClick(const QString &cle);
  void ChronoPartie_Timer();
  void Lettre_MouseDown(int k);
  void Lettre_DragDrop(int t);
  void Lettre_DblClick(int k);
  // A key typed in the main window; true when it changed the word.
  bool Lettre_KeyPress(const QKeyEvent &touche);

protected:
  void closeEvent(QCloseEvent *evenement) override;
  bool eventFilter(QObject *objet, QEvent *evenement) override;
  void resizeEvent(QResizeEvent *evenement) override;
  void keyPressEvent(QKeyEvent *evenement) override;

private:
  void CreerControles();
  void DisposerAuDemarrage();
  void ProcTirage(Tirage::Sorte sorte);
  void ProcSuiteTirage();
  void FinirPartie();
  void OuvrirEnregistre();
  void MontrerTuiles();
  void MontrerRecap(int k);
  void Reveler();
  void MontrerBilan();
  void DisposerMeilleurs();
  const Solveur *SolveurPret();
  void AfficherFinDePartie();
  QPointF EnPixels(double x, double y) const;
  void Form_QueryUnload();
  void Terminer();
  void Afficher(const QString &texte, bool question = false);
  void MasquerCadran();
  QLabel *Panneau(const QString &nom, int gauche, int haut, int largeur, int hauteur,
                  const QColor &texte, double points);
  QLabel *Etiquette(const QString &nom, int gauche, int haut, int largeur, int hauteur);
  double Dpi() const;

  Plateforme &m_plateforme;
  Globales G;
  int m_codeSortie = 0;
  int m_procedures = 0; // game procedures under way, to refuse re-entry
  bool m_termine = false;

  // Controls, under the names the game knows them by.
  Surface *m_surface = nullptr;
  BarreCommandes *BarreBoutons = nullptr;
  QLabel *Message = nullptr;
  QLabel *Support = nullptr;
  std::array<Tuile *, 9> Lettre{};
  QLabel *ComptePartie = nullptr;
  QLabel *Score = nullptr;
  QLabel *TitreTirages = nullptr;
  QLabel *SSPanel2 = nullptr;
  QLabel *SSPanel3 = nullptr;
  std::array<QLabel *, 10> RecapTirages{};
  std::array<QLabel *, 10> RecapSolutions{};
  std::array<QLabel *, 10> RecapPoints{};
  // Beside the recap, where the window is wide enough: the longest words
  // each draw allowed, and the game's total against the best possible.
  QLabel *TitreMeilleurs = nullptr;
  std::array<QLabel *, 10> RecapMeilleurs{};
  QLabel *BilanPartie = nullptr;
  QLabel *Decompteur = nullptr;
  QWidget *Haut = nullptr;
  QWidget *Gauche = nullptr;
  QWidget *Bas = nullptr;
  QWidget *Droite = nullptr;
  QTimer ChronoPartie;
  VueDonnees DataDico;
  BarreEtat *Barre = nullptr;

  OuvertureBase m_ouverture;
  std::unique_ptr<MoteurBase> BaseJeu;
  std::future<std::shared_ptr<const Solveur>> m_preparation;
  std::shared_ptr<const Solveur> m_solveur;
  QString m_fichierAide;
  QByteArray SonEnCours;

  // The rounds of the game, which the tiles and the recap show, and the
  // countdown.
  Manche m_manche;
  Cadran m_cadran;
  qint16 NumeroOrigine = 0; // the tile the latest drag started from
};
