#pragma once

#include "data/CorrecteurBase.h"
#include "data/FormesBase.h"
#include "data/HistoriqueBase.h"
#include "data/Littre.h"
#include "data/OuvertureBase.h"
#include "data/ResolveurBase.h"
#include "platform/Bruitage.h"
#include "platform/Plateforme.h"
#include "rules/Chronique.h"
#include "rules/Commentaire.h"
#include "rules/Duel.h"
#include "rules/Globales.h"
#include "rules/Partie.h"

#include <QLabel>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

class Annonce;
class BarreCommandes;
class BarreEtat;
class MoteurBase;
class QAction;
class QKeyEvent;
class QToolButton;
class Surface;
class Tuile;

// The main window, the view of the game: the command bar, the guidance line,
// the nine letter tiles, the round counter and the game total, the countdown
// dial, the recap of the ten rounds and the status bar. Each command runs its
// own slot of the game; the window shows what the game's signals say.
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

  const Globales &Etat() const { return G; }
  const Partie &Deroulement() const { return m_partie; }
  const Manche &Modele() const { return m_partie.Modele(); }
  const Duel &Opposition() const { return m_duel; }

  // Builds, on another core, the index of the dictionary that reveals the
  // longest words of each draw; called once the window is shown.
  void PreparerSolveur() { m_resolveur.Preparer(); }

  // Event handlers of the controls. A click on the command bar acts as the
  // button with that key, when it is enabled.
  void BarreBoutons_ButtonClick(const QString &cle);
  void ChronoPartie_Timer() { m_partie.ChronoPartie_Timer(); }
  void Lettre_MouseDown(int k);
  void Lettre_DragDrop(int t) { m_partie.Lettre_DragDrop(t); }
  void Lettre_DblClick(int k) { m_partie.Lettre_DblClick(k); }
  // A key typed in the main window; true when it changed the word.
  bool Lettre_KeyPress(const QKeyEvent &touche);

  // What the words of the game mean, `mot` of round k + 1 shown first; with
  // k = -1, the first of the last round played. Ctrl+D, or a click on a
  // word of the recap.
  void ProcDefinitions(int k = -1, const QString &mot = {});
  // How the game's words are shown, with their accents.
  QString Graphie(const QString &mot) const { return m_formes.Graphie(mot); }

protected:
  void closeEvent(QCloseEvent *evenement) override;
  bool eventFilter(QObject *objet, QEvent *evenement) override;
  void resizeEvent(QResizeEvent *evenement) override;
  void keyPressEvent(QKeyEvent *evenement) override;

private:
  void CreerControles();
  void RelierCommandes();
  void SuivrePartie();
  void DisposerAuDemarrage();
  void Relier(QAction *bouton, const std::function<void()> &commande);
  void ProcScores();
  void ProcApropos();
  void ProcAide();
  void ProcReglages();
  void ProcStatistiques();
  // Switches the option button at this position to its other form, and its
  // option with it.
  void Basculer(int position);
  void MontrerPhase(Partie::Phase phase);
  void MontrerTuiles();
  void MontrerRecap(int k);
  void MontrerCadran();
  void MasquerCadran();
  void MontrerBilan(qint16 total, std::optional<int> meilleur);
  void EffacerBilan();
  void OuvrirEnregistre(qint16 total);
  void DisposerMeilleurs();
  void MontrerDerniers();
  // The round of a recap cell that leads to the definitions, and the word
  // under `x` in it; nothing for any other control.
  std::optional<std::pair<int, QString>> MotSous(QObject *objet, int x) const;
  bool FiltrerRecap(QObject *objet, QEvent *evenement);
  QPointF EnPixels(double x, double y) const;
  void Form_QueryUnload();
  void Terminer();
  void Afficher(const QString &texte, Icone icone = Icone::Arret);
  QLabel *Panneau(const QString &nom, int gauche, int haut, int largeur, int hauteur,
                  const QColor &texte, double points);
  QLabel *Etiquette(const QString &nom, int gauche, int haut, int largeur, int hauteur);
  double Dpi() const;

  Plateforme &m_plateforme;
  Globales G;
  Bruitage m_bruitage{m_plateforme, G};
  CorrecteurBase m_correcteur;
  ResolveurBase m_resolveur;
  Partie m_partie{m_correcteur, m_resolveur, m_plateforme};
  Commentaire m_commentaire{m_partie};
  HistoriqueBase m_historique;
  Chronique m_chronique{m_partie, m_historique, [this] { return m_plateforme.Maintenant(); }};
  Duel m_duel{m_partie, m_resolveur};
  mutable FormesBase m_formes; // remembers the spellings already read
  Littre m_littre;
  int m_codeSortie = 0;
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
  // Right of them, with an opponent and room enough: its word of each round.
  QLabel *TitreAdversaire = nullptr;
  std::array<QLabel *, 10> RecapAdversaire{};
  QLabel *AvisSon = nullptr;
  // Under the recap when the column of the longest words has no room: the
  // last round's, each a link to its definition.
  QLabel *DerniersMots = nullptr;
  // Beside the dial once a game is over: the history, a click away.
  QToolButton *VoirStatistiques = nullptr;
  // What a screen reader is told as the game goes.
  Annonce *m_annonce = nullptr;
  QString m_guidageDit;
  QLabel *Decompteur = nullptr;
  QWidget *Haut = nullptr;
  QWidget *Gauche = nullptr;
  QWidget *Bas = nullptr;
  QWidget *Droite = nullptr;
  BarreEtat *Barre = nullptr;

  OuvertureBase m_ouverture;
  std::unique_ptr<MoteurBase> BaseJeu;
  QString m_fichierAide;
};
