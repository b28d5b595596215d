#include "windows/Depart.h"

#include "data/ErreurBase.h"
#include "data/MoteurBase.h"
#include "platform/Plateforme.h"
#include "rules/MotsJoues.h"
#include "rules/Preferences.h"
#include "rules/Reglages.h"
#include "rules/Revelation.h"
#include "rules/Twips.h"
#include "windows/Annonce.h"
#include "windows/Apropos.h"
#include "windows/BanqueImages.h"
#include "windows/BarreCommandes.h"
#include "windows/BarreEtat.h"
#include "windows/ConteneurAccessible.h"
#include "windows/DialogueReglages.h"
#include "windows/Disposition.h"
#include "windows/Enregistre.h"
#include "windows/FenetreDefinitions.h"
#include "windows/FenetreStatistiques.h"
#include "windows/PanneauLettres.h"
#include "windows/Scores.h"
#include "windows/Surface.h"
#include "windows/Tuile.h"

#include "VersionAppli.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolButton>
#include <algorithm>

namespace {

using Disposition::Colorer;
using Disposition::Placer;
using Disposition::Police;
using Commande = Partie::Commande;

const QColor GrisClair(192, 192, 192);
const QColor GrisRecap(224, 224, 224);
const QColor Rouge(255, 0, 0);
const QColor RougeFonce(192, 0, 0);
const QColor Violet(192, 0, 192);
const QColor Bleu(0, 0, 255);
const QColor Blanc(255, 255, 255);
const QColor GrisFonce(64, 64, 64);

// The six game commands' keys, in the order of Partie::Commande, and their slots.
const std::pair<const char *, void (Partie::*)()> CommandesJeu[] = {
    {"NouvellePartie", &Partie::ProcNouvellePartie},
    {"NouveauJeu", &Partie::ProcNouveauJeu},
    {"Consonnes", &Partie::ProcTirageConsonnes},
    {"Voyelles", &Partie::ProcTirageVoyelles},
    {"Stop", &Partie::ProcStop},
    {"Verification", &Partie::ProcVerification},
};

constexpr int PositionSon = 13, PositionMessage = 14;

// A cell's tooltip and description, set only when they change: each change
// is an event a screen reader has to handle, and a new game refreshes every
// row.
void Decrire(QWidget *controle, const QString &texte) {
  if (controle->toolTip() != texte)
    controle->setToolTip(texte);
  if (controle->accessibleDescription() != texte)
    controle->setAccessibleDescription(texte);
}

// The twips of the column beside the recap, and the least width that shows it.
constexpr double GaucheMeilleurs = 11880, LargeurMinMeilleurs = 2400, LargeurMaxMeilleurs = 6000;
// The opponent's column, right of it, and the gap between them.
constexpr double LargeurAdversaire = 1680, EcartAdversaire = 60;

} // namespace

Depart::Depart(Plateforme &plateforme, QWidget *parent)
    : Depart(plateforme,
             OuvertureBase::Lancer(plateforme.FichierProgramme(), plateforme.DossierDonneesJoueur(),
                                   plateforme.DossierReglagesJoueur()),
             parent) {}

Depart::Depart(Plateforme &plateforme, OuvertureBase ouverture, QWidget *parent)
    : QMainWindow(parent), m_plateforme(plateforme), m_ouverture(std::move(ouverture)) {
  setObjectName(QStringLiteral("Depart"));
  setFont(Police(8.25));
  m_partie.setParent(this); // found by name like every control; destroyed as a member first
  // The game database is opened on another core while the window is built;
  // Form_Load takes the open connection, or its failure, at its own step.
  CreerControles();
  RelierCommandes();
  SuivrePartie();
  qApp->installEventFilter(this);
}

Depart::~Depart() = default;

double Depart::Dpi() const {
  return logicalDpiX();
}

QLabel *Depart::Panneau(const QString &nom, int gauche, int haut, int largeur, int hauteur,
                        const QColor &texte, double points) {
  auto *panneau = new QLabel(m_surface);
  panneau->setObjectName(nom);
  panneau->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panneau->setLineWidth(2);
  panneau->setAlignment(Qt::AlignCenter);
  panneau->setFont(Police(points));
  Colorer(panneau, texte, GrisClair);
  Placer(panneau, gauche, haut, largeur, hauteur);
  return panneau;
}

QLabel *Depart::Etiquette(const QString &nom, int gauche, int haut, int largeur, int hauteur) {
  auto *etiquette = new QLabel(m_surface);
  etiquette->setObjectName(nom);
  etiquette->setFont(Police(14.25));
  etiquette->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Colorer(etiquette, Bleu, GrisRecap);
  Placer(etiquette, gauche, haut, largeur, hauteur);
  return etiquette;
}

void Depart::CreerControles() {
  ConteneurAccessible::Installer();
  m_surface = new Surface(this);
  setCentralWidget(m_surface);
  setWindowIcon(BanqueImages::IconeProgramme());

  BarreBoutons = new BarreCommandes(m_surface);
  BarreBoutons->Garnir();

  Message = new QLabel(m_surface);
  Message->setObjectName(QStringLiteral("Message"));
  Message->setFont(Police(15.75));
  Message->setAlignment(Qt::AlignCenter);
  Message->setFrameStyle(QFrame::Box | QFrame::Plain);
  Colorer(Message, Rouge, GrisClair);
  Message->setAutoFillBackground(false);
  Placer(Message, 120, 960, 11775, 495);

  Support = new PanneauLettres(m_surface);
  Support->setObjectName(QStringLiteral("Support"));
  Support->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Support->setLineWidth(2);
  Colorer(Support, palette().color(QPalette::ButtonText), palette().color(QPalette::Button));
  Placer(Support, 0, 1680, 11295, 2055);
  for (int i = 0; i < 9; ++i) {
    Lettre[i] = new Tuile(i, Support);
    Lettre[i]->setFont(Police(60));
    Placer(Lettre[i], 240 + 1200 * i, 240, 1215, 1455);
    Lettre[i]->hide();
    connect(Lettre[i], &Tuile::Pressee, this, &Depart::Lettre_MouseDown);
    connect(Lettre[i], &Tuile::Deposee, this, &Depart::Lettre_DragDrop);
    connect(Lettre[i], &Tuile::DoubleCliquee, this, &Depart::Lettre_DblClick);
  }

  ComptePartie = Panneau(QStringLiteral("ComptePartie"), 720, 4080, 2415, 705, RougeFonce, 22.5);
  Score = Panneau(QStringLiteral("Score"), 3360, 4080, 2415, 705, Violet, 22.5);
  TitreTirages = Panneau(QStringLiteral("TitreTirages"), 6360, 4080, 1935, 375, RougeFonce, 12);
  TitreTirages->setText(QStringLiteral("Tirages"));
  SSPanel2 = Panneau(QStringLiteral("SSPanel2"), 8520, 4080, 1935, 375, RougeFonce, 12);
  SSPanel2->setText(QStringLiteral("Solutions"));
  SSPanel3 = Panneau(QStringLiteral("SSPanel3"), 10680, 4080, 975, 375, RougeFonce, 12);
  SSPanel3->setText(QStringLiteral("Points"));
  TitreMeilleurs = Panneau(QStringLiteral("TitreMeilleurs"), GaucheMeilleurs, 4080,
                           LargeurMinMeilleurs, 375, RougeFonce, 12);
  TitreMeilleurs->setText(QStringLiteral("Les plus longs"));
  TitreAdversaire = Panneau(QStringLiteral("TitreAdversaire"), GaucheMeilleurs, 4080,
                            LargeurAdversaire, 375, RougeFonce, 12);
  TitreAdversaire->setText(QStringLiteral("Adversaire"));
  // Row by row, so that a screen reader reads a round's cells together.
  for (int k = 0; k < 10; ++k) {
    RecapTirages[k] = Etiquette(QStringLiteral("RecapTirages%1").arg(k), 6360, 4560, 1935, 300);
    RecapSolutions[k] = Etiquette(QStringLiteral("RecapSolutions%1").arg(k), 8520, 4560, 1935, 300);
    RecapPoints[k] = Etiquette(QStringLiteral("RecapPoints%1").arg(k), 10680, 4560, 975, 300);
    RecapPoints[k]->setAlignment(Qt::AlignCenter);
    RecapMeilleurs[k] = Etiquette(QStringLiteral("RecapMeilleurs%1").arg(k), GaucheMeilleurs,
                                  4560 + 300 * k, LargeurMinMeilleurs, 300);
    RecapMeilleurs[k]->setFont(Police(9.75));
    RecapAdversaire[k] = Etiquette(QStringLiteral("RecapAdversaire%1").arg(k), GaucheMeilleurs,
                                   4560 + 300 * k, LargeurAdversaire, 300);
    RecapAdversaire[k]->setFont(Police(9.75));
  }
  // Made as tall as its lines need once it is laid out.
  BilanPartie =
      Etiquette(QStringLiteral("BilanPartie"), GaucheMeilleurs, 7680, LargeurMinMeilleurs, 600);
  BilanPartie->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  BilanPartie->setFont(Police(9.75));
  BilanPartie->setWordWrap(true);
  BilanPartie->setAutoFillBackground(false);

  Decompteur = Panneau(QStringLiteral("Decompteur"), 4080, 5280, 1215, 1215, Bleu, 48);
  Decompteur->setAccessibleDescription(QStringLiteral("secondes restantes"));
  Decompteur->hide();
  const std::pair<QWidget **, QColor> lignes[] = {
      {&Haut, Blanc}, {&Gauche, Blanc}, {&Bas, GrisFonce}, {&Droite, GrisFonce}};
  const char *noms[] = {"Haut", "Gauche", "Bas", "Droite"};
  for (int i = 0; i < 4; ++i) {
    auto *ligne = new QWidget(m_surface);
    ligne->setObjectName(QString::fromLatin1(noms[i]));
    Colorer(ligne, lignes[i].second, lignes[i].second);
    ligne->hide();
    *lignes[i].first = ligne;
  }

  // Screen readers get what is shown, the tiles in a named group, and not
  // the lines drawn round the dial.
  for (QWidget *ligne : {Haut, Gauche, Bas, Droite})
    ConteneurAccessible::MarquerDecor(ligne);
  Support->setAccessibleName(QStringLiteral("Lettres du tirage"));

  // In the band the layout leaves free under the dial and the recap: that
  // the game is mute, should it be.
  AvisSon = Etiquette(QStringLiteral("AvisSon"), 120, 7680, 11775, 600);
  AvisSon->setFont(Police(9.75, false));
  AvisSon->setWordWrap(true);
  Colorer(AvisSon, RougeFonce, GrisClair);
  AvisSon->hide();
  m_bruitage.SignalerPanne([this](const QString &cause) {
    AvisSon->setText(QStringLiteral("Son indisponible : %1. Le jeu continue sans son ; voir "
                                    "l'aide (F1).")
                         .arg(cause));
    AvisSon->show();
  });

  // Between the dial and the recap, where nothing is drawn once a game is
  // over: the command bar's own picture, named.
  VoirStatistiques = new QToolButton(m_surface);
  VoirStatistiques->setObjectName(QStringLiteral("VoirStatistiques"));
  VoirStatistiques->setIcon(BanqueImages::Image(17));
  VoirStatistiques->setIconSize(QSize(31, 31));
  VoirStatistiques->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  VoirStatistiques->setText(QStringLiteral("Vos statistiques"));
  VoirStatistiques->setAccessibleName(QStringLiteral("Voir les statistiques de vos parties"));
  VoirStatistiques->setToolTip(QStringLiteral("Voir les statistiques de vos parties (Ctrl+H)"));
  VoirStatistiques->setFont(Police(8.25));
  VoirStatistiques->setFocusPolicy(Qt::TabFocus);
  Placer(VoirStatistiques, 4560, 5520, 1680, 1140);
  VoirStatistiques->hide();
  connect(VoirStatistiques, &QToolButton::clicked, this,
          [this] { BarreBoutons_ButtonClick(QStringLiteral("Statistiques")); });

  // Under the recap, where its fourth column has no room: the last round's
  // longest words, each leading to its definition.
  DerniersMots = Etiquette(QStringLiteral("DerniersMots"), 6360, 7620, 5535, 330);
  DerniersMots->setFont(Police(9.75));
  DerniersMots->setTextFormat(Qt::RichText);
  DerniersMots->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  DerniersMots->setFocusPolicy(Qt::TabFocus);
  DerniersMots->hide();
  connect(DerniersMots, &QLabel::linkActivated, this, [this](const QString &mot) {
    m_partie.Executer(
        [this, mot] { ProcDefinitions(MotsJoues::DernierRevele(m_partie.Modele()), mot); });
  });

  m_annonce = new Annonce(m_surface);
  connect(&m_commentaire, &Commentaire::Dire, m_annonce, &Annonce::Dire);
  m_commentaire.SuivreDuel(m_duel);
  m_commentaire.DefinirGraphie([this](const QString &mot) { return Graphie(mot); });
  // The guidance line too, while it is shown.
  connect(&m_partie, &Partie::GuidageChange, this, [this](const QString &texte) {
    if (!texte.isEmpty() && !Message->isHidden() && std::exchange(m_guidageDit, texte) != texte)
      m_annonce->Dire(texte);
  });

  Barre = new BarreEtat(this);
  setStatusBar(Barre);
}

// Each command to its own slot: the game's to the game, the others to the
// window. The option buttons are connected each time they are put back.
void Depart::RelierCommandes() {
  for (const auto &[cle, procedure] : CommandesJeu)
    connect(BarreBoutons->Bouton(QLatin1String(cle)), &QAction::triggered, &m_partie, procedure);
  const std::pair<const char *, void (Depart::*)()> autres[] = {
      {"Scores", &Depart::ProcScores},
      {"Apropos", &Depart::ProcApropos},
      {"Aide", &Depart::ProcAide},
      {"Reglages", &Depart::ProcReglages},
      {"Statistiques", &Depart::ProcStatistiques},
  };
  for (const auto &autre : autres) {
    const auto procedure = autre.second;
    Relier(BarreBoutons->Bouton(QLatin1String(autre.first)),
           [this, procedure] { (this->*procedure)(); });
  }
  for (const int position : {PositionSon, PositionMessage})
    Relier(BarreBoutons->Bouton(position), [this, position] { Basculer(position); });
  // The definitions of the last round's words, from anywhere in the window.
  auto *definitions = new QAction(QStringLiteral("Définitions des mots"), this);
  definitions->setObjectName(QStringLiteral("Definitions"));
  definitions->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
  addAction(definitions);
  Relier(definitions, [this] { ProcDefinitions(); });
  // Quitting never waits.
  connect(BarreBoutons->Bouton(QStringLiteral("Quitter")), &QAction::triggered, this,
          &Depart::Terminer);
}

// The window's own commands wait, as the game's do, for a game procedure
// that lets events run to end.
void Depart::Relier(QAction *bouton, const std::function<void()> &commande) {
  connect(bouton, &QAction::triggered, this, [this, commande] { m_partie.Executer(commande); });
}

// What the game says, shown.
void Depart::SuivrePartie() {
  Partie *partie = &m_partie;
  connect(partie, &Partie::PhaseChangee, this, &Depart::MontrerPhase);
  connect(partie, &Partie::GuidageChange, Message, &QLabel::setText);
  connect(partie, &Partie::TuilesChangees, this, &Depart::MontrerTuiles);
  connect(partie, &Partie::ResultatChange, this, &Depart::MontrerRecap);
  connect(partie, &Partie::CompteurChange, this, [this](qint16 numeroJeu) {
    ComptePartie->setText(numeroJeu ? QStringLiteral("Jeu n° %1").arg(numeroJeu) : QString());
  });
  connect(partie, &Partie::ScoreChange, Score, &QLabel::setText);
  connect(partie, &Partie::CadranDemarre, this, &Depart::MontrerCadran);
  connect(partie, &Partie::PointAjoute, this, [this](const Cadran::Point &point) {
    m_surface->AjouterPoint(EnPixels(point.x, point.y), float(point.rayon * Dpi() / 1440.0));
  });
  connect(partie, &Partie::DecompteChange, this,
          [this](qint16 decompte) { Decompteur->setText(QString::number(decompte)); });
  connect(partie, &Partie::CadranEfface, this, &Depart::MasquerCadran);
  connect(partie, &Partie::Repeindre, this, qOverload<>(&QWidget::repaint));
  connect(partie, &Partie::SonDemande, this, [this](::Son son) { m_bruitage.Jouer(son); });
  connect(partie, &Partie::Avis, this, &Depart::Afficher);
  connect(&m_duel, &Duel::JeuChange, this, [this](int k) {
    if (k >= 0) {
      MontrerRecap(k);
      return;
    }
    // A new game: its opponent, or none, and its column with it; the rows
    // are refreshed by the game itself.
    if (TitreAdversaire->isHidden() == m_duel.Niveau().has_value())
      DisposerMeilleurs();
  });
  connect(partie, &Partie::PartieTerminee, this, [this](qint16 total, std::optional<int> meilleur) {
    MontrerBilan(total, meilleur);
    if (m_partie.Classable())
      OuvrirEnregistre(total);
    VoirStatistiques->show();
  });
}

void Depart::Afficher(const QString &texte, Icone icone) {
  m_plateforme.AfficherMessage(this, G.TitreAppli, texte, icone);
}

bool Depart::Form_Load() {
  if (m_plateforme.AutreExemplaire()) {
    Afficher(
        QStringLiteral("L'application est déjà en mémoire !!\n\nUtiliser la barre des taches"));
    m_codeSortie = 1;
    return false;
  }
  G.CheminAppli = QFileInfo(m_plateforme.FichierProgramme()).absolutePath() + u'/';
  G.CheminDonnees = m_ouverture.Lieux().Donnees;
  G.CheminReglages = m_ouverture.Lieux().Reglages;
  G.CheminDocuments = m_ouverture.Lieux().Documents;
  m_fichierAide = G.CheminDocuments + QStringLiteral("Vocadix.hlp");
  m_correcteur.DefinirFichier(G.FichierBase());
  m_resolveur.DefinirFichier(G.FichierBase());
  m_historique.DefinirFichier(G.FichierBase());
  m_formes.DefinirFichier(G.FichierBase());

  const Preferences preferences = Preferences::Lire(G.FichierPreferences());
  m_partie.DefinirTemps(preferences.Temps);
  m_duel.DefinirNiveau(Adversaire::NiveauDe(preferences.Adversaire));
  const Reglages reglages = Reglages::Lire(G.FichierReglages());
  G.OptionSon = reglages.OptionSon;
  G.OptionMessage = reglages.OptionMessage;
  if (G.OptionSon == QLatin1String("N"))
    Basculer(PositionSon);
  if (G.OptionMessage == QLatin1String("N"))
    Basculer(PositionMessage);

  const QString titre = QStringLiteral("%1 %2.%3")
                            .arg(QString::fromUtf8(VersionAppli::Produit))
                            .arg(VersionAppli::Majeure)
                            .arg(VersionAppli::Mineure);
  try {
    BaseJeu = m_ouverture.Attendre();
  } catch (const ErreurBase &erreur) {
    m_plateforme.AfficherMessage(this, titre, erreur.Texte(), Icone::Arret);
    m_codeSortie = 1;
    return false;
  }
  G.TitreAppli = titre;

  if (m_plateforme.LargeurEcranTwips() < 12000) {
    Afficher(QStringLiteral("Ce logiciel nécessite un moniteur réglé en 800*600 minimum !!"));
    m_codeSortie = 1;
    return false;
  }
  setWindowTitle(G.TitreAppli);

  const QDateTime date = QFileInfo(m_plateforme.FichierProgramme()).lastModified();
  G.DateAppli = date.toString(QStringLiteral("dd/MM/yyyy 'à' HH:mm"));
  G.VersionAppli = QStringLiteral("%1.%2").arg(VersionAppli::Majeure).arg(VersionAppli::Mineure);
  Barre->DefinirTextePanneau(1, QString::fromUtf8(VersionAppli::Produit) +
                                    QStringLiteral("  -  Version ") + G.VersionAppli);

  DisposerAuDemarrage();
  m_partie.Initialiser();
  return true;
}

void Depart::DisposerAuDemarrage() {
  const double dpi = Dpi();
  Placer(Support, (m_plateforme.LargeurEcranTwips() - 11295) / 2.0, 1680, 11295, 2055);
  Placer(Message, 120, 960, 11775, 495);
  Message->setFrameStyle(QFrame::NoFrame);
  for (auto *colonne : {&RecapTirages, &RecapSolutions, &RecapPoints})
    for (int k = 1; k < 10; ++k) {
      QLabel *precedente = (*colonne)[k - 1];
      (*colonne)[k]->move(precedente->x(), precedente->y() + precedente->height());
    }
  Barre->Disposer(dpi);
  BarreBoutons->setGeometry(0, 0, width(), Twips::EnPixels(645, dpi));
  m_partie.DefinirGaucheTitreTirages(Twips::DepuisPixels(TitreTirages->x(), dpi));
}

void Depart::resizeEvent(QResizeEvent *evenement) {
  QMainWindow::resizeEvent(evenement);
  BarreBoutons->setGeometry(0, 0, m_surface->width(), Twips::EnPixels(645, Dpi()));
  DisposerMeilleurs();
}

// The column of the longest words takes the room left right of the recap,
// and only when there is enough of it; the opponent's, when there is one,
// takes its own width right of it if there is room for both. Otherwise the
// rows' tooltips and accessible descriptions carry the same words.
void Depart::DisposerMeilleurs() {
  const double dpi = Dpi();
  const double place = Twips::DepuisPixels(m_surface->width(), dpi) - GaucheMeilleurs - 120;
  const bool visible = place >= LargeurMinMeilleurs;
  // Room for the widest nine-letter word and its points, in the cells' font.
  const QLabel *cellule = RecapAdversaire[0];
  const double largeurAdversaire = std::max(
      LargeurAdversaire,
      Twips::DepuisPixels(
          cellule->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMMM (9)")) + 4, dpi));
  const bool adversaire = m_duel.Niveau().has_value() &&
                          place >= LargeurMinMeilleurs + EcartAdversaire + largeurAdversaire;
  const double largeur = std::min(adversaire ? place - EcartAdversaire - largeurAdversaire : place,
                                  LargeurMaxMeilleurs);
  QList<QLabel *> colonne = {TitreMeilleurs, BilanPartie};
  colonne += QList<QLabel *>(RecapMeilleurs.begin(), RecapMeilleurs.end());
  for (QLabel *controle : colonne) {
    if (visible)
      controle->resize(Twips::EnPixels(largeur, dpi), controle->height());
    controle->setVisible(visible);
  }
  QList<QLabel *> colonneAdversaire = {TitreAdversaire};
  colonneAdversaire += QList<QLabel *>(RecapAdversaire.begin(), RecapAdversaire.end());
  const int gauche = Twips::EnPixels(GaucheMeilleurs + largeur + EcartAdversaire, dpi);
  for (QLabel *controle : colonneAdversaire) {
    if (adversaire)
      controle->setGeometry(gauche, controle->y(), Twips::EnPixels(largeurAdversaire, dpi),
                            controle->height());
    controle->setVisible(adversaire);
  }
  // Under both columns when both are shown, as tall as its lines need.
  if (visible) {
    const int largeurBilan =
        Twips::EnPixels(adversaire ? largeur + EcartAdversaire + largeurAdversaire : largeur, dpi);
    BilanPartie->resize(largeurBilan, std::max(Twips::EnPixels(600, dpi),
                                               BilanPartie->heightForWidth(largeurBilan)));
    for (int k = 0; k < Manche::NombreJeux; ++k)
      MontrerRecap(k);
  }
  MontrerDerniers();
}

std::optional<std::pair<int, QString>> Depart::MotSous(QObject *objet, int x) const {
  for (int k = 0; k < Manche::NombreJeux; ++k) {
    const bool joueur = objet == RecapSolutions[k], meilleurs = objet == RecapMeilleurs[k];
    if (!joueur && !meilleurs && objet != RecapAdversaire[k])
      continue;
    const Manche::Resultat &resultat = m_partie.Modele().ResultatJeu(k);
    if (!resultat.plusLongs)
      return std::nullopt;
    const QStringList montres = Revelation::Montres(*resultat.plusLongs, resultat.mot);
    QString mot = montres.value(0);
    if (joueur && !resultat.mot.isEmpty())
      mot = resultat.mot;
    else if (!joueur && !meilleurs && !m_duel.Mot(k).value_or(QString()).isEmpty())
      mot = *m_duel.Mot(k);
    if (meilleurs) {
      // The word the pointer is on, as the cell writes them one after the other.
      const QLabel *cellule = RecapMeilleurs[k];
      const QString texte = cellule->text();
      qsizetype depuis = 0;
      for (const QString &montre : montres) {
        const QString ecrit = Graphie(montre);
        const qsizetype position = texte.indexOf(ecrit, depuis);
        if (position < 0)
          break;
        depuis = position + ecrit.size();
        mot = montre;
        const int fin = cellule->contentsRect().left() +
                        cellule->fontMetrics().horizontalAdvance(texte.left(depuis + 1));
        if (x <= fin)
          break;
      }
    }
    return std::make_pair(k, mot);
  }
  return std::nullopt;
}

// A click on a word of a played round opens its definition; Tab reaches the
// revealed words and Enter opens them, as long as Enter has no round to
// stop or verify.
bool Depart::FiltrerRecap(QObject *objet, QEvent *evenement) {
  const QEvent::Type type = evenement->type();
  const bool touche = type == QEvent::KeyPress || type == QEvent::ShortcutOverride;
  if (!touche && type != QEvent::MouseButtonRelease && type != QEvent::FocusIn &&
      type != QEvent::FocusOut)
    return false;
  if (!objet->isWidgetType() || static_cast<QWidget *>(objet)->parentWidget() != m_surface)
    return false;
  const auto cellule = std::find(RecapMeilleurs.cbegin(), RecapMeilleurs.cend(), objet);
  if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
    if (cellule != RecapMeilleurs.cend())
      (*cellule)->setFrameStyle(type == QEvent::FocusIn ? QFrame::Box | QFrame::Plain
                                                        : QFrame::NoFrame);
    return false;
  }
  if (type == QEvent::MouseButtonRelease) {
    const auto *souris = static_cast<QMouseEvent *>(evenement);
    if (souris->button() != Qt::LeftButton)
      return false;
    const std::optional<std::pair<int, QString>> mot = MotSous(objet, int(souris->position().x()));
    if (!mot)
      return false;
    m_partie.Executer([this, mot] { ProcDefinitions(mot->first, mot->second); });
    return true;
  }
  const auto *clavier = static_cast<QKeyEvent *>(evenement);
  if ((clavier->key() != Qt::Key_Return && clavier->key() != Qt::Key_Enter) ||
      (clavier->modifiers() & ~Qt::KeypadModifier))
    return false;
  if (objet != DerniersMots && cellule == RecapMeilleurs.cend())
    return false;
  if (BarreBoutons->Actif(QStringLiteral("Stop")) ||
      BarreBoutons->Actif(QStringLiteral("Verification")))
    return false;
  if (type == QEvent::ShortcutOverride) {
    evenement->accept();
    return true;
  }
  // The band's own link, under the keyboard's focus, opens itself.
  if (objet == DerniersMots)
    return false;
  if (const auto mot = MotSous(objet, 0))
    m_partie.Executer([this, mot] { ProcDefinitions(mot->first, mot->second); });
  return true;
}

void Depart::ProcDefinitions(int k, const QString &mot) {
  const MotsJoues::Liste liste = MotsJoues::Lister(m_partie.Modele(), m_duel, k, mot);
  FenetreDefinitions fenetre(m_plateforme, m_formes, m_littre, liste.mots, liste.choisi, this);
  m_plateforme.ExecuterDialogue(fenetre);
}

void Depart::BarreBoutons_ButtonClick(const QString &cle) {
  // A disabled button takes no click.
  if (QAction *bouton = BarreBoutons->Bouton(cle))
    bouton->trigger();
}

bool Depart::eventFilter(QObject *objet, QEvent *evenement) {
  if (FiltrerRecap(objet, evenement))
    return true;
  // F1 opens the help from anywhere in the program, dialogs included.
  const auto type = evenement->type();
  if ((type == QEvent::KeyPress || type == QEvent::ShortcutOverride) && objet->isWidgetType()) {
    auto *touche = static_cast<QKeyEvent *>(evenement);
    if (touche->key() == Qt::Key_F1 && !(touche->modifiers() & Qt::ControlModifier)) {
      // F1 is the help button's shortcut only to be read as its key
      // binding: the key itself comes here, or the button's simulated F1
      // would click the button again.
      if (type == QEvent::ShortcutOverride)
        touche->accept();
      else
        m_plateforme.AfficherAide(this, m_fichierAide);
      return true;
    }
  }
  return QMainWindow::eventFilter(objet, evenement);
}

void Depart::closeEvent(QCloseEvent *evenement) {
  Form_QueryUnload();
  evenement->accept();
  QCoreApplication::exit(0);
}

void Depart::Terminer() {
  Form_QueryUnload();
  hide();
  QCoreApplication::exit(0);
}

void Depart::Form_QueryUnload() {
  if (std::exchange(m_termine, true))
    return;
  m_partie.Interrompre();
  // The game under way goes to the history as it stands.
  m_chronique.Clore();
  // The player's settings folder of an installed game may not exist before
  // its first save; a portable copy's own folder is never made again.
  if (!m_ouverture.Lieux().Modele.isEmpty())
    QDir().mkpath(G.CheminReglages);
  const QString fichier = G.FichierReglages();
  QString cause;
  if (!Reglages{G.OptionSon, G.OptionMessage}.Ecrire(fichier, &cause))
    Afficher(QStringLiteral("Les options n'ont pas pu être enregistrées dans le fichier « %1 » : "
                            "%2.\n\nElles reprendront leurs valeurs précédentes au prochain "
                            "lancement.")
                 .arg(fichier, cause));
}

void Depart::ProcAide() {
  QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier));
}

void Depart::ProcScores() {
  m_bruitage.Jouer(::Son::Scores);
  ::Scores dialogue(m_plateforme, G, m_bruitage, this);
  m_plateforme.ExecuterDialogue(dialogue);
}

void Depart::ProcReglages() {
  if (const std::optional<Preferences> preferences =
          DialogueReglages::Regler(m_plateforme, G, !m_ouverture.Lieux().Modele.isEmpty(), this)) {
    m_partie.DefinirTemps(preferences->Temps);
    m_duel.DefinirNiveau(Adversaire::NiveauDe(preferences->Adversaire));
  }
}

void Depart::ProcStatistiques() {
  // A game that has just ended is in the history before it is read.
  m_chronique.EcrireEnAttente();
  FenetreStatistiques fenetre(m_plateforme, m_historique, m_plateforme.Maintenant().date(), this);
  m_plateforme.ExecuterDialogue(fenetre);
}

void Depart::ProcApropos() {
  Apropos dialogue(m_plateforme, G, this);
  // Placed by the program rather than the window manager: a frameless
  // window's place is otherwise not always known to Qt, and assistive
  // technology would be told wrong positions for its controls.
  dialogue.move(frameGeometry().center() - dialogue.rect().center());
  m_plateforme.ExecuterDialogue(dialogue);
}

void Depart::Basculer(int position) {
  bool allumee;
  QAction *bouton = BarreBoutons->BasculerOption(position, allumee);
  const QString valeur = allumee ? QStringLiteral("O") : QStringLiteral("N");
  if (position == PositionSon) {
    G.OptionSon = valeur;
  } else {
    Message->setVisible(allumee);
    G.OptionMessage = valeur;
  }
  Relier(bouton, [this, position] { Basculer(position); });
}

void Depart::MontrerPhase(Partie::Phase phase) {
  const Partie::Etat &etat = Partie::EtatDe(phase);
  for (int c = 0; c < int(std::size(CommandesJeu)); ++c)
    BarreBoutons->Activer(QLatin1String(CommandesJeu[c].first), etat.Active(Commande(c)));
  if (phase == Partie::Phase::PartieOuverte) {
    EffacerBilan();
    VoirStatistiques->hide();
  }
}

QPointF Depart::EnPixels(double x, double y) const {
  const double echelle = Dpi() / 1440.0;
  return {x * echelle, y * echelle};
}

void Depart::MontrerCadran() {
  const Cadran &cadran = m_partie.Chrono();
  const double cx = cadran.CentreX, cy = cadran.CentreY, d = cadran.DemiCote();
  const double cote = 1215;
  Placer(Decompteur, cx - cote / 2, cy - cote / 2, cote, cote);
  Decompteur->show();

  // The frame's lines are two pixels thick, laid along its edges.
  const int epaisseur = 2;
  const QPoint hautGauche = EnPixels(cx - d, cy - d).toPoint();
  const QPoint basDroite = EnPixels(cx + d, cy + d).toPoint();
  const int largeur = basDroite.x() - hautGauche.x(), hauteur = basDroite.y() - hautGauche.y();
  Haut->setGeometry(hautGauche.x(), hautGauche.y(), largeur, epaisseur);
  Bas->setGeometry(hautGauche.x(), basDroite.y() - epaisseur, largeur + epaisseur, epaisseur);
  Gauche->setGeometry(hautGauche.x(), hautGauche.y(), epaisseur, hauteur);
  Droite->setGeometry(basDroite.x() - epaisseur, hautGauche.y(), epaisseur, hauteur);
  for (QWidget *ligne : {Haut, Bas, Gauche, Droite})
    ligne->show();
}

void Depart::MasquerCadran() {
  for (QWidget *ligne : {Haut, Bas, Gauche, Droite})
    ligne->hide();
  Decompteur->hide();
  Decompteur->clear();
  m_surface->EffacerPoints();
}

void Depart::Lettre_MouseDown(int k) {
  if (m_partie.Lettre_MouseDown(k))
    Lettre[k]->ArmerGlissement();
}

void Depart::keyPressEvent(QKeyEvent *evenement) {
  if (!Lettre_KeyPress(*evenement))
    QMainWindow::keyPressEvent(evenement);
}

// The word typed on the keyboard, as the mouse would arrange and mark it.
bool Depart::Lettre_KeyPress(const QKeyEvent &touche) {
  // Ctrl+L reads the tiles and the word to a screen reader.
  if (touche.key() == Qt::Key_L && touche.modifiers() == Qt::ControlModifier) {
    m_commentaire.LireTirage();
    return true;
  }
  if (touche.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
    return false;
  switch (touche.key()) {
  case Qt::Key_Enter:
    // Return is the shortcut of Stop and of the verification; the keypad's
    // Enter does the same.
    for (const char *cle : {"Stop", "Verification"})
      if (BarreBoutons->Actif(QLatin1String(cle))) {
        BarreBoutons->Bouton(QLatin1String(cle))->trigger();
        return true;
      }
    return false;
  case Qt::Key_Backspace:
    return m_partie.Effacer();
  case Qt::Key_Escape:
    return m_partie.Vider();
  default:
    return touche.text().size() == 1 && m_partie.Taper(touche.text().at(0));
  }
}

void Depart::MontrerTuiles() {
  const Manche &manche = m_partie.Modele();
  const QColor texteNormal = palette().color(QPalette::ButtonText);
  for (int i = 0; i < Manche::NombreTuiles; ++i) {
    Tuile *tuile = Lettre[i];
    const QChar lettre = manche.Lettre(i);
    const bool marquee = manche.Marquee(i);
    tuile->DefinirLettre(lettre.isNull() ? QString() : QString(lettre));
    if (tuile->Fond() != (marquee ? Blanc : GrisClair))
      tuile->DefinirFond(marquee ? Blanc : GrisClair);
    if (tuile->Texte() != (marquee ? Rouge : texteNormal))
      tuile->DefinirTexte(marquee ? Rouge : texteNormal);
    tuile->setVisible(!lettre.isNull());
    tuile->setAccessibleDescription(
        QStringLiteral("position %1 sur 9, %2")
            .arg(i + 1)
            .arg(marquee ? QStringLiteral("marquée") : QStringLiteral("non marquée")));
  }
}

void Depart::MontrerRecap(int k) {
  const Manche::Resultat &resultat = m_partie.Modele().ResultatJeu(k);
  RecapTirages[k]->setText(resultat.tirage);
  RecapSolutions[k]->setText(resultat.mot);
  RecapPoints[k]->setText(resultat.points ? QString::number(*resultat.points) : QString());

  // The revealed words with their accents; the player's own word stays as
  // he played it.
  const Revelation::Graphie graphie = [this](const QString &mot) { return Graphie(mot); };
  const QString complet = resultat.plusLongs
                              ? Revelation::TexteComplet(*resultat.plusLongs, resultat.mot, graphie)
                              : QString();
  const QString court = resultat.plusLongs
                            ? Revelation::TexteCourt(*resultat.plusLongs, resultat.mot, graphie)
                            : QString();
  QLabel *meilleurs = RecapMeilleurs[k];
  meilleurs->setText(meilleurs->fontMetrics().elidedText(court, Qt::ElideRight,
                                                         meilleurs->contentsRect().width()));
  // Reached by Tab once revealed, Enter then opening its definitions.
  meilleurs->setFocusPolicy(resultat.plusLongs ? Qt::TabFocus : Qt::NoFocus);
  // The opponent's word, beside the player's, once the round is over.
  QLabel *adversaire = RecapAdversaire[k];
  adversaire->setText(adversaire->fontMetrics().elidedText(
      m_duel.TexteCourt(k, graphie), Qt::ElideRight, adversaire->contentsRect().width()));
  QString description = complet;
  if (const QString coup = m_duel.TexteComplet(k, graphie); !coup.isEmpty())
    description += (description.isEmpty() ? QString() : QStringLiteral("\n")) + coup;
  for (QLabel *cellule :
       {RecapTirages[k], RecapSolutions[k], RecapPoints[k], meilleurs, adversaire})
    Decrire(cellule, description);
  MontrerDerniers();
}

// The last round's longest words under the recap, while their column is
// hidden: as many as the band holds, each a link to its definition.
void Depart::MontrerDerniers() {
  const int dernier = MotsJoues::DernierRevele(m_partie.Modele());
  const bool visible = dernier >= 0 && RecapMeilleurs[0]->isHidden();
  if (visible) {
    const Manche::Resultat &resultat = m_partie.Modele().ResultatJeu(dernier);
    const QFontMetrics mesure = DerniersMots->fontMetrics();
    const int place = DerniersMots->contentsRect().width();
    QString texte = QStringLiteral("Jeu %1, les plus longs : ").arg(dernier + 1);
    QString html = texte.toHtmlEscaped();
    if (resultat.plusLongs->isEmpty()) {
      html += QStringLiteral("aucun mot");
    } else {
      const QStringList mots = Revelation::Montres(*resultat.plusLongs, resultat.mot);
      for (qsizetype i = 0; i < mots.size(); ++i) {
        const QString ecrit = Graphie(mots.at(i));
        const QString suite = (i ? QStringLiteral(", ") : QString()) + ecrit;
        if (i && mesure.horizontalAdvance(texte + suite + QStringLiteral(", …")) > place) {
          html += QStringLiteral(", …");
          break;
        }
        texte += suite;
        html += (i ? QStringLiteral(", ") : QString()) +
                QStringLiteral("<a href=\"%1\">%2</a>").arg(mots.at(i), ecrit.toHtmlEscaped());
      }
    }
    if (DerniersMots->text() != html)
      DerniersMots->setText(html);
    Decrire(DerniersMots,
            Revelation::TexteComplet(*resultat.plusLongs, resultat.mot, [this](const QString &mot) {
              return Graphie(mot);
            }) + QStringLiteral("\nUn clic sur un mot, ou Ctrl+D, ouvre sa définition."));
  }
  if (DerniersMots->isHidden() == visible) {
    DerniersMots->setVisible(visible);
    // The notice of a mute game then keeps the band's left half.
    Placer(AvisSon, 120, 7680, visible ? 6120 : 11775, visible ? 900 : 600);
  }
}

// At the end of a game, its total against the best the ten draws allowed,
// when the index could tell it.
void Depart::MontrerBilan(qint16 total, std::optional<int> meilleur) {
  QString bilan = meilleur ? Revelation::Bilan(total, *meilleur) : QString();
  // And against the opponent: both totals and who won.
  if (const QString duel = m_duel.Bilan(total); !duel.isEmpty())
    bilan += (bilan.isEmpty() ? QString() : QStringLiteral("\n")) + duel;
  BilanPartie->setText(bilan);
  if (BilanPartie->accessibleDescription() != bilan)
    BilanPartie->setAccessibleDescription(bilan);
  DisposerMeilleurs();
  Decrire(Score, bilan);
}

void Depart::EffacerBilan() {
  BilanPartie->clear();
  for (QLabel *bilan : {BilanPartie, Score})
    Decrire(bilan, QString());
}

void Depart::OuvrirEnregistre(qint16 total) {
  Enregistre dialogue(m_plateforme, G, total, this);
  connect(&dialogue, &Enregistre::Guider, &m_partie, &Partie::Guider);
  m_plateforme.ExecuterDialogue(dialogue);
}
