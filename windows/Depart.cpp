#include "windows/Depart.h"

#include "data/CopieJoueur.h"
#include "data/Dictionnaire.h"
#include "data/ErreurBase.h"
#include "data/MoteurBase.h"
#include "platform/Plateforme.h"
#include "rules/Mesures.h"
#include "rules/Reglages.h"
#include "rules/Revelation.h"
#include "rules/Solveur.h"
#include "rules/Twips.h"
#include "windows/Apropos.h"
#include "windows/BanqueImages.h"
#include "windows/BarreCommandes.h"
#include "windows/BarreEtat.h"
#include "windows/ConteneurAccessible.h"
#include "windows/Disposition.h"
#include "windows/Enregistre.h"
#include "windows/PanneauLettres.h"
#include "windows/Scores.h"
#include "windows/Surface.h"
#include "windows/Tuile.h"

#include "CleBase.h"
#include "Installation.h"
#include "VersionAppli.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>

namespace {

using Disposition::Placer;
using Disposition::Police;
using Style = BarreCommandes::Style;

const QColor GrisClair(192, 192, 192);
const QColor GrisRecap(224, 224, 224);
const QColor Rouge(255, 0, 0);
const QColor RougeFonce(192, 0, 0);
const QColor Violet(192, 0, 192);
const QColor Bleu(0, 0, 255);
const QColor Blanc(255, 255, 255);
const QColor GrisFonce(64, 64, 64);

struct Commande {
  const char *cle;
  Style style;
  int image;
  const char *infobulle;
};
// The command bar, position 1 first.
const Commande Commandes[] = {
    {"", Style::Separateur, 0, ""},
    {"NouvellePartie", Style::Simple, 1, "Nouvelle partie"},
    {"NouveauJeu", Style::Simple, 2, "Nouveau jeu"},
    {"", Style::Separateur, 0, ""},
    {"Consonnes", Style::Simple, 3, "Tirage des consonnes"},
    {"Voyelles", Style::Simple, 4, "Tirage des voyelles"},
    {"", Style::Separateur, 0, ""},
    {"Stop", Style::Simple, 5, "Arrêt"},
    {"Verification", Style::Simple, 6, "Vérification du mot"},
    {"", Style::Separateur, 0, ""},
    {"Scores", Style::Simple, 7, "Tableau des scores"},
    {"", Style::Separateur, 0, ""},
    {"AvecSon", Style::Bascule, 8, "Retrait du son"},
    {"AvecMessage", Style::Bascule, 14, "Désactiver l'aide au déroulement de la partie"},
    {"", Style::Separateur, 0, ""},
    {"Apropos", Style::Simple, 13, "A propos"},
    {"", Style::Separateur, 0, ""},
    {"Aide", Style::Simple, 11, "Un peu d'aide ?"},
    {"Quitter", Style::Simple, 10, "Quitter"},
};

void Colorer(QWidget *controle, const QColor &texte, const QColor &fond) {
  QPalette p = controle->palette();
  p.setColor(QPalette::WindowText, texte);
  p.setColor(QPalette::Window, fond);
  controle->setPalette(p);
  controle->setAutoFillBackground(true);
}

// Counts a game procedure as under way for as long as it runs.
class EnCours {
public:
  explicit EnCours(int &compteur) : m_compteur(compteur) { ++m_compteur; }
  ~EnCours() { --m_compteur; }
  EnCours(const EnCours &) = delete;
  EnCours &operator=(const EnCours &) = delete;

private:
  int &m_compteur;
};

// The twips of the column beside the recap, and the least width that shows it.
constexpr double GaucheMeilleurs = 11880, LargeurMinMeilleurs = 2400, LargeurMaxMeilleurs = 6000;

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
  ChronoPartie.setObjectName(QStringLiteral("ChronoPartie"));
  ChronoPartie.setParent(this); // found by name like every control; destroyed as a member first
  ChronoPartie.setInterval(1000);
  // Ticks keep to the second: 46 of them take 46 seconds.
  ChronoPartie.setTimerType(Qt::PreciseTimer);
  connect(&ChronoPartie, &QTimer::timeout, this, &Depart::ChronoPartie_Timer);
  // The game database is opened on another core while the window is built;
  // Form_Load takes the open connection, or its failure, at its own step.
  CreerControles();
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
  for (const Commande &c : Commandes) {
    const int position = BarreBoutons->Nombre() + 1;
    BarreBoutons->Inserer(position, QString::fromLatin1(c.cle), c.style, c.image);
    if (c.style != Style::Separateur)
      BarreBoutons->DefinirInfobulle(position, QString::fromUtf8(c.infobulle));
  }
  connect(BarreBoutons, &BarreCommandes::ButtonClick, this, &Depart::BarreBoutons_ButtonClick);

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
  // Row by row, so that a screen reader reads a round's cells together.
  for (int k = 0; k < 10; ++k) {
    RecapTirages[k] = Etiquette(QStringLiteral("RecapTirages%1").arg(k), 6360, 4560, 1935, 300);
    RecapSolutions[k] = Etiquette(QStringLiteral("RecapSolutions%1").arg(k), 8520, 4560, 1935, 300);
    RecapPoints[k] = Etiquette(QStringLiteral("RecapPoints%1").arg(k), 10680, 4560, 975, 300);
    RecapPoints[k]->setAlignment(Qt::AlignCenter);
    RecapMeilleurs[k] = Etiquette(QStringLiteral("RecapMeilleurs%1").arg(k), GaucheMeilleurs,
                                  4560 + 300 * k, LargeurMinMeilleurs, 300);
    RecapMeilleurs[k]->setFont(Police(9.75));
  }
  BilanPartie =
      Etiquette(QStringLiteral("BilanPartie"), GaucheMeilleurs, 7680, LargeurMinMeilleurs, 600);
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

  Barre = new BarreEtat(this);
  setStatusBar(Barre);
}

void Depart::Afficher(const QString &texte, bool question) {
  m_plateforme.AfficherMessage(this, G.TitreAppli, texte,
                               question ? Plateforme::Icone::Question : Plateforme::Icone::Arret);
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

  const Reglages reglages = Reglages::Lire(G.CheminReglages + QStringLiteral("Vocadix.ini"));
  G.OptionSon = reglages.OptionSon;
  G.OptionMessage = reglages.OptionMessage;
  if (G.OptionSon == QLatin1String("N"))
    ProcAvecSon();
  if (G.OptionMessage == QLatin1String("N"))
    ProcAvecMessage();

  const QString titre = QStringLiteral("%1 %2.%3")
                            .arg(QString::fromUtf8(VersionAppli::Produit))
                            .arg(VersionAppli::Majeure)
                            .arg(VersionAppli::Mineure);
  try {
    BaseJeu = m_ouverture.Attendre();
  } catch (const ErreurBase &erreur) {
    m_plateforme.AfficherMessage(this, titre, erreur.Texte(), Plateforme::Icone::Arret);
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
  Message->setText(QStringLiteral("Cliquez sur Nouvelle partie"));
  for (const char *cle : {"Consonnes", "Voyelles", "NouveauJeu", "Stop", "Verification"})
    BarreBoutons->Activer(QString::fromLatin1(cle), false);
  Score->clear();
  G.PointsJeu = 0;
  ComptePartie->clear();
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
}

void Depart::resizeEvent(QResizeEvent *evenement) {
  QMainWindow::resizeEvent(evenement);
  BarreBoutons->setGeometry(0, 0, m_surface->width(), Twips::EnPixels(645, Dpi()));
  DisposerMeilleurs();
}

// The column of the longest words takes the room left right of the recap,
// and only when there is enough of it; otherwise the rows' tooltips and
// accessible descriptions carry the same words.
void Depart::DisposerMeilleurs() {
  const double dpi = Dpi();
  const double place = Twips::DepuisPixels(m_surface->width(), dpi) - GaucheMeilleurs - 120;
  const bool visible = place >= LargeurMinMeilleurs;
  const double largeur = std::min(place, LargeurMaxMeilleurs);
  QList<QLabel *> colonne = {TitreMeilleurs, BilanPartie};
  colonne += QList<QLabel *>(RecapMeilleurs.begin(), RecapMeilleurs.end());
  for (QLabel *controle : colonne) {
    if (visible)
      controle->resize(Twips::EnPixels(largeur, dpi), controle->height());
    controle->setVisible(visible);
  }
  if (visible)
    for (int k = 0; k < Manche::NombreJeux; ++k)
      MontrerRecap(k);
}

void Depart::BarreBoutons_ButtonClick(const QString &cle) {
  if (cle == QLatin1String("Quitter")) {
    Terminer();
    return;
  }
  // A click queued while a procedure lets events run would land in the
  // middle of it: it is dropped, as if the command were still busy.
  if (m_procedures > 0)
    return;
  EnCours enCours(m_procedures);
  if (cle == QLatin1String("NouvellePartie"))
    ProcNouvellePartie();
  else if (cle == QLatin1String("NouveauJeu"))
    ProcNouveauJeu();
  else if (cle == QLatin1String("Consonnes"))
    ProcTirageConsonnes();
  else if (cle == QLatin1String("Voyelles"))
    ProcTirageVoyelles();
  else if (cle == QLatin1String("Stop"))
    ProcStop();
  else if (cle == QLatin1String("Verification"))
    ProcVerification();
  else if (cle == QLatin1String("Scores"))
    ProcScores();
  else if (cle == QLatin1String("AvecSon"))
    ProcAvecSon();
  else if (cle == QLatin1String("SansSon"))
    ProcSansSon();
  else if (cle == QLatin1String("AvecMessage"))
    ProcAvecMessage();
  else if (cle == QLatin1String("SansMessage"))
    ProcSansMessage();
  else if (cle == QLatin1String("Apropos"))
    ProcApropos();
  else if (cle == QLatin1String("Aide"))
    QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier));
}

bool Depart::eventFilter(QObject *objet, QEvent *evenement) {
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
  ChronoPartie.stop();
  // The player's settings folder of an installed game may not exist before
  // its first save; a portable copy's own folder is never made again.
  if (!m_ouverture.Lieux().Modele.isEmpty())
    QDir().mkpath(G.CheminReglages);
  const QString fichier = G.CheminReglages + QStringLiteral("Vocadix.ini");
  QString cause;
  if (!Reglages{G.OptionSon, G.OptionMessage}.Ecrire(fichier, &cause))
    Afficher(QStringLiteral("Les options n'ont pas pu être enregistrées dans le fichier « %1 » : "
                            "%2.\n\nElles reprendront leurs valeurs précédentes au prochain "
                            "lancement.")
                 .arg(fichier, cause));
}

void Depart::ProcJoueSon(qint16 n) {
  QFile ressource(QStringLiteral(":/sons/%1.wav").arg(n));
  ressource.open(QIODevice::ReadOnly);
  SonEnCours = ressource.readAll();
  m_plateforme.JouerSon(SonEnCours);
  QCoreApplication::processEvents();
}

void Depart::MasquerCadran() {
  for (QWidget *ligne : {Haut, Bas, Gauche, Droite})
    ligne->hide();
  Decompteur->hide();
  Decompteur->clear();
}

void Depart::ProcNouvellePartie() {
  // The countdown of a round left behind stops before anything else can run.
  ChronoPartie.stop();
  if (G.OptionSon == QLatin1String("O"))
    ProcJoueSon(1);
  Message->clear();
  G.PointsJeu = 0;
  G.ScorePartie = 0;
  BarreBoutons->Activer(QStringLiteral("NouveauJeu"), true);
  BarreBoutons->Activer(QStringLiteral("Consonnes"), false);
  BarreBoutons->Activer(QStringLiteral("Voyelles"), false);
  // No round yet: the tiles empty and hidden, nothing to move, no results.
  m_manche.NouvellePartie();
  MontrerTuiles();
  Score->clear();
  ComptePartie->clear();
  BarreBoutons->Activer(QStringLiteral("Verification"), false);
  BarreBoutons->Activer(QStringLiteral("Stop"), false);
  m_plateforme.ReamorcerAleatoire();
  ChronoPartie.stop();
  for (int k = 0; k < Manche::NombreJeux; ++k)
    MontrerRecap(k);
  for (QLabel *bilan : {BilanPartie, Score}) {
    bilan->clear();
    bilan->setToolTip(QString());
    bilan->setAccessibleDescription(QString());
  }
  MasquerCadran();
  m_surface->EffacerPoints();
  repaint();
  QCoreApplication::processEvents();
  repaint();
  Message->setText(QStringLiteral("Cliquez sur Nouveau jeu"));
}

void Depart::ProcNouveauJeu() {
  ChronoPartie.stop();
  if (G.OptionSon == QLatin1String("O"))
    ProcJoueSon(6);
  Message->setText(QStringLiteral("Cliquez sur Consonnes ou Voyelles"));

  const qint16 jeu = m_manche.NumeroJeu();
  m_manche.ClorePoints(G.PointsJeu);
  if (jeu > 0) {
    MontrerRecap(jeu - 1);
    Reveler();
  }

  if (m_manche.DernierJeu()) {
    AfficherFinDePartie();
    FinirPartie();
    return;
  }

  BarreBoutons->Activer(QStringLiteral("Stop"), false);
  BarreBoutons->Activer(QStringLiteral("Verification"), false);
  // The next round: its tiles hidden and unmarked, its pools full again.
  m_manche.NouveauJeu();
  MontrerTuiles();
  ComptePartie->setText(QStringLiteral("Jeu n° %1").arg(m_manche.NumeroJeu()));
  BarreBoutons->Activer(QStringLiteral("Consonnes"), true);
  BarreBoutons->Activer(QStringLiteral("Voyelles"), true);
  m_plateforme.ReamorcerAleatoire();
  ChronoPartie.stop();
  MasquerCadran();
  m_surface->EffacerPoints();
  repaint();
}

void Depart::AfficherFinDePartie() {
  Afficher(QStringLiteral("Cette partie est terminée !!\n\nVotre score est de %1 points !")
               .arg(G.ScorePartie));
}

void Depart::ProcStop() {
  if (m_manche.NombreMarquees() == 0) {
    Message->setText(
        QStringLiteral("Vous devez double-cliquer sur la dernière lettre du mot créé !!!"));
    return;
  }
  // The round ends before the sound lets a queued tick or click run: the
  // word taken is the one marked when Stop was clicked.
  ChronoPartie.stop();
  m_manche.InterdireDeplacement();
  m_manche.InterdireMarquage();
  if (G.OptionSon == QLatin1String("O"))
    ProcJoueSon(9);
  BarreBoutons->Activer(QStringLiteral("Verification"), true);
  m_manche.Arreter();
  BarreBoutons->Activer(QStringLiteral("Stop"), false);
  MontrerRecap(m_manche.NumeroJeu() - 1);
  Message->setText(QStringLiteral("Cliquez sur Vérification"));
}

void Depart::FinirPartie() {
  BarreBoutons->Activer(QStringLiteral("Consonnes"), false);
  BarreBoutons->Activer(QStringLiteral("Voyelles"), false);
  BarreBoutons->Activer(QStringLiteral("NouveauJeu"), false);
  // A game ends once: the round it ended in can no longer be stopped,
  // verified or timed out.
  BarreBoutons->Activer(QStringLiteral("Stop"), false);
  BarreBoutons->Activer(QStringLiteral("Verification"), false);
  ChronoPartie.stop();
  m_manche.InterdireDeplacement();
  m_manche.InterdireMarquage();
  MontrerBilan();
  OuvrirEnregistre();
}

void Depart::ProcAvecSon() {
  BarreBoutons->Retirer(13);
  BarreBoutons->Inserer(13, QStringLiteral("SansSon"), Style::Simple, 9);
  BarreBoutons->DefinirEnfonce(13, true);
  BarreBoutons->DefinirInfobulle(13, QStringLiteral("Activation du son"));
  G.OptionSon = QStringLiteral("N");
}

void Depart::ProcSansSon() {
  BarreBoutons->Retirer(13);
  BarreBoutons->Inserer(13, QStringLiteral("AvecSon"), Style::Simple, 8);
  BarreBoutons->DefinirInfobulle(13, QStringLiteral("Retrait du son"));
  G.OptionSon = QStringLiteral("O");
}

void Depart::ProcAvecMessage() {
  BarreBoutons->Retirer(14);
  BarreBoutons->Inserer(14, QStringLiteral("SansMessage"), Style::Simple, 15);
  BarreBoutons->DefinirEnfonce(14, true);
  BarreBoutons->DefinirInfobulle(14, QStringLiteral("Activer l'aide au déroulement de la partie"));
  Message->hide();
  G.OptionMessage = QStringLiteral("N");
}

void Depart::ProcSansMessage() {
  BarreBoutons->Retirer(14);
  BarreBoutons->Inserer(14, QStringLiteral("AvecMessage"), Style::Simple, 14);
  BarreBoutons->DefinirInfobulle(14,
                                 QStringLiteral("Désactiver l'aide au déroulement de la partie"));
  Message->show();
  G.OptionMessage = QStringLiteral("O");
}

void Depart::ProcTirageConsonnes() {
  ProcTirage(Tirage::Sorte::Consonne);
}

void Depart::ProcTirageVoyelles() {
  ProcTirage(Tirage::Sorte::Voyelle);
}

// The two draws differ only in their pool.
void Depart::ProcTirage(Tirage::Sorte sorte) {
  if (G.OptionSon == QLatin1String("O"))
    ProcJoueSon(3);
  m_plateforme.ReamorcerAleatoire();
  m_manche.Tirer(sorte, [this] { return m_plateforme.Aleatoire(); });
  MontrerTuiles();
  ProcSuiteTirage();
}

void Depart::ProcSuiteTirage() {
  if (!m_manche.SuiteTirage())
    return;
  BarreBoutons->Activer(QStringLiteral("Consonnes"), false);
  BarreBoutons->Activer(QStringLiteral("Voyelles"), false);
  BarreBoutons->Activer(QStringLiteral("Stop"), true);
  m_manche.OuvrirArrangement();
  ChronoPartie.start();
  ProcChrono();
  MontrerRecap(m_manche.NumeroJeu() - 1);
  Message->setText(QStringLiteral("Cliquez-glissez pour déplacer les lettres"));
}

QPointF Depart::EnPixels(double x, double y) const {
  const double echelle = Dpi() / 1440.0;
  return {x * echelle, y * echelle};
}

void Depart::ProcChrono() {
  const double dpi = Dpi();
  m_cadran.Demarrer(Twips::DepuisPixels(TitreTirages->x(), dpi));
  const double cx = m_cadran.CentreX, cy = m_cadran.CentreY, d = m_cadran.DemiCote();
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
  ChronoPartie.start();
  Mesurer("chrono");
}

void Depart::ChronoPartie_Timer() {
  // A tick already on its way when the round ended finds the timer stopped.
  if (!ChronoPartie.isActive())
    return;
  if (!m_cadran.Expire()) {
    const Cadran::Point point = m_cadran.PointSuivant();
    m_surface->AjouterPoint(EnPixels(point.x, point.y), float(point.rayon * Dpi() / 1440.0));
    Decompteur->setText(QString::number(m_cadran.Decompte));
    m_cadran.Avancer();
    return;
  }
  // Expiry, once: the timer stops before the sound or the box lets events run.
  EnCours enCours(m_procedures);
  ChronoPartie.stop();
  m_manche.InterdireDeplacement();
  m_manche.InterdireMarquage();
  Mesurer("expiration");
  Decompteur->setText(QStringLiteral("0"));
  if (G.OptionSon == QLatin1String("O"))
    ProcJoueSon(5);
  Afficher(QStringLiteral("Vous avez dépassé le temps imparti !!!\n\nCe jeu est terminé !"));
  Reveler();
  BarreBoutons->Activer(QStringLiteral("Stop"), false);
  Message->setText(QStringLiteral("Cliquez sur Nouveau jeu pour continuer"));
}

void Depart::Lettre_MouseDown(int k) {
  if (!m_manche.DeplacementAutorise())
    return;
  NumeroOrigine = qint16(k);
  Lettre[k]->ArmerGlissement();
}

void Depart::Lettre_DragDrop(int t) {
  // A drag still under way when the round ended moves nothing.
  if (m_manche.Deplacer(NumeroOrigine, t))
    MontrerTuiles();
}

void Depart::Lettre_DblClick(int k) {
  if (G.OptionSon == QLatin1String("O"))
    ProcJoueSon(2);
  if (!m_manche.Basculer(k))
    return;
  Message->setText(QStringLiteral("Cliquez sur Stop pour terminer"));
  MontrerTuiles();
}

void Depart::keyPressEvent(QKeyEvent *evenement) {
  if (!Lettre_KeyPress(*evenement))
    QMainWindow::keyPressEvent(evenement);
}

// The word typed on the keyboard, as the mouse would arrange and mark it.
bool Depart::Lettre_KeyPress(const QKeyEvent &touche) {
  if (touche.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
    return false;
  bool change;
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
    change = m_manche.Effacer();
    break;
  case Qt::Key_Escape:
    change = m_manche.Vider();
    break;
  default:
    if (touche.text().size() != 1)
      return false;
    change = m_manche.Taper(touche.text().at(0));
    break;
  }
  if (change) {
    Message->setText(QStringLiteral("Cliquez sur Stop pour terminer"));
    MontrerTuiles();
  }
  return change;
}

void Depart::MontrerTuiles() {
  const QColor texteNormal = palette().color(QPalette::ButtonText);
  for (int i = 0; i < Manche::NombreTuiles; ++i) {
    Tuile *tuile = Lettre[i];
    const QChar lettre = m_manche.Lettre(i);
    const bool marquee = m_manche.Marquee(i);
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
  const Manche::Resultat &resultat = m_manche.ResultatJeu(k);
  RecapTirages[k]->setText(resultat.tirage);
  RecapSolutions[k]->setText(resultat.mot);
  RecapPoints[k]->setText(resultat.points ? QString::number(*resultat.points) : QString());

  const QString complet =
      resultat.plusLongs ? Revelation::TexteComplet(*resultat.plusLongs, resultat.mot) : QString();
  const QString court =
      resultat.plusLongs ? Revelation::TexteCourt(*resultat.plusLongs, resultat.mot) : QString();
  QLabel *meilleurs = RecapMeilleurs[k];
  meilleurs->setText(meilleurs->fontMetrics().elidedText(court, Qt::ElideRight,
                                                         meilleurs->contentsRect().width()));
  for (QLabel *cellule : {RecapTirages[k], RecapSolutions[k], RecapPoints[k], meilleurs}) {
    cellule->setToolTip(complet);
    cellule->setAccessibleDescription(complet);
  }
}

const Solveur *Depart::SolveurPret() {
  if (!m_preparation.valid() && !m_solveur)
    PreparerSolveur();
  if (m_preparation.valid()) {
    try {
      m_solveur = m_preparation.get();
    } catch (const ErreurBase &) {
      // The verification has its own box for a dictionary that cannot be
      // read; without the words there is simply nothing to reveal.
    }
  }
  return m_solveur.get();
}

void Depart::PreparerSolveur() {
  if (m_preparation.valid() || m_solveur)
    return;
  const QString base = G.CheminDonnees + QStringLiteral("Vocadix.dat");
  m_preparation = std::async(std::launch::async, [base] {
    auto solveur = std::make_shared<const Solveur>(Dictionnaire::Indexer(base));
    Mesurer("solveur");
    return solveur;
  });
}

// Once a round is over, the longest words its draw allowed.
void Depart::Reveler() {
  const QString tirage = m_manche.TirageAReveler();
  if (tirage.isEmpty())
    return;
  const Solveur *solveur = SolveurPret();
  if (!solveur)
    return;
  m_manche.Reveler(solveur->PlusLongs(tirage));
  MontrerRecap(m_manche.NumeroJeu() - 1);
}

// At the end of a game, its total against the best the ten draws allowed.
void Depart::MontrerBilan() {
  const QString bilan = Revelation::Bilan(G.ScorePartie, m_manche.MeilleurTotal());
  BilanPartie->setText(bilan);
  BilanPartie->setAccessibleDescription(bilan);
  Score->setToolTip(bilan);
  Score->setAccessibleDescription(bilan);
}

void Depart::ProcVerification() {
  bool trouve;
  try {
    DataDico.DefinirFichier(G.CheminDonnees + QStringLiteral("Vocadix.dat"));
    // The word is bound to the query, never pasted into it.
    DataDico.DefinirSource(QStringLiteral("Select * from DICO where NOM = ?"), {m_manche.Mot()});
    DataDico.Rafraichir();
    trouve = !(DataDico.FinFichier() && DataDico.DebutFichier());
    DataDico.FermerBase();
  } catch (const ErreurBase &erreur) {
    DataDico.FermerBase();
    Afficher(QStringLiteral("Le mot %1 n'a pas pu être vérifié.\n\n%2")
                 .arg(m_manche.Mot(), erreur.Texte()));
    return;
  }
  const bool dernier = m_manche.DernierJeu();
  if (!trouve) {
    if (G.OptionSon == QLatin1String("O"))
      ProcJoueSon(7);
    Afficher(QStringLiteral("Le mot %1 ne figure pas dans le dictionnaire de correction !!!\n\n"
                            "Désolé, vous ne marquez pas de points !")
                 .arg(m_manche.Mot()));
    if (!dernier)
      Message->setText(QStringLiteral("Cliquez sur Nouveau jeu pour continuer"));
    BarreBoutons->Activer(QStringLiteral("Verification"), false);
    G.PointsJeu = 0;
  } else {
    if (G.OptionSon == QLatin1String("O"))
      ProcJoueSon(4);
    Afficher(QStringLiteral("Le mot %1 figure bien dans le dictionnaire de correction !!!\n\n"
                            "Félicitations, vous marquez %2 points !")
                 .arg(m_manche.Mot())
                 .arg(m_manche.Mot().size()),
             true);
    G.PointsJeu = qint16(m_manche.Mot().size());
    if (!dernier)
      Message->setText(QStringLiteral("Cliquez sur Nouveau jeu pour continuer"));
    G.ScorePartie += G.PointsJeu;
    Score->setText(QStringLiteral("%1 points").arg(G.ScorePartie));
  }
  BarreBoutons->Activer(QStringLiteral("Verification"), false);
  m_manche.DefinirPoints(G.PointsJeu);
  MontrerRecap(m_manche.NumeroJeu() - 1);
  Reveler();
  if (dernier) {
    AfficherFinDePartie();
    FinirPartie();
  }
}

void Depart::ProcScores() {
  if (G.OptionSon == QLatin1String("O"))
    ProcJoueSon(8);
  ::Scores dialogue(
      m_plateforme, G, [this](qint16 n) { ProcJoueSon(n); }, this);
  m_plateforme.ExecuterDialogue(dialogue);
}

void Depart::ProcApropos() {
  Apropos dialogue(m_plateforme, G, this);
  m_plateforme.ExecuterDialogue(dialogue);
}

void Depart::OuvrirEnregistre() {
  Enregistre dialogue(m_plateforme, G, Message, this);
  m_plateforme.ExecuterDialogue(dialogue);
}
