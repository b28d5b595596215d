#include "windows/Scores.h"

#include "data/ErreurBase.h"
#include "platform/Bruitage.h"
#include "platform/Plateforme.h"
#include "rules/Globales.h"
#include "rules/Twips.h"
#include "windows/Disposition.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace {
using Disposition::Placer;
const double LargeurDialogue = 4275, HauteurDialogue = 3945;
const double LargeurGrille = 4000, LargeurOk = 975;
const double Colonnes[] = {2300, 400, 1300};
const QString Decroissant = QStringLiteral("Select * from SCORES order by SCORE desc");
} // namespace

Scores::Scores(Plateforme &plateforme, const Globales &globales, Bruitage &bruitage,
               QWidget *parent)
    : QDialog(parent), m_plateforme(plateforme), G(globales), m_bruitage(bruitage) {
  setObjectName(QStringLiteral("Scores"));
  setWindowTitle(QStringLiteral("Liste des 10 meilleurs scores"));
  const double dpi = logicalDpiX();
  setFixedSize(Twips::EnPixels(LargeurDialogue, dpi), Twips::EnPixels(HauteurDialogue, dpi));

  Grille = new QTableWidget(Lignes, 3, this);
  Grille->setObjectName(QStringLiteral("Grille"));
  Grille->horizontalHeader()->hide();
  Grille->verticalHeader()->hide();
  Grille->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Grille->setSelectionMode(QAbstractItemView::NoSelection);
  Grille->setFocusPolicy(Qt::NoFocus);
  Grille->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Grille->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Grille->setFont(Disposition::Police(9.75));
  Disposition::Colorer(Grille, QColor(0, 0, 255), QColor(192, 192, 192), QPalette::Text,
                       QPalette::Base);
  Placer(Grille, 120, 120, LargeurGrille, 3255);
  const int hauteur = (Grille->height() - 2 * Grille->frameWidth()) / Lignes;
  for (int ligne = 0; ligne < Lignes; ++ligne)
    Grille->setRowHeight(ligne, hauteur);
  for (int ligne = 0; ligne < Lignes; ++ligne)
    for (int colonne = 0; colonne < 3; ++colonne)
      Grille->setItem(ligne, colonne, new QTableWidgetItem);

  RAZ = new QPushButton(QStringLiteral("&Remise à zéro"), this);
  RAZ->setObjectName(QStringLiteral("RAZ"));
  Placer(RAZ, 3000, 3480, 1215, 375);
  // Its caption needs more room in today's fonts: it grows to the left.
  if (const int manque = RAZ->sizeHint().width() - RAZ->width(); manque > 0)
    RAZ->setGeometry(RAZ->x() - manque, RAZ->y(), RAZ->width() + manque, RAZ->height());
  Valider = new QPushButton(QStringLiteral("&Ok"), this);
  Valider->setObjectName(QStringLiteral("Valider"));
  Placer(Valider, 1800, 3480, LargeurOk, 375);
  // Ok is the only default button and has the focus as the dialog opens:
  // an Enter pressed then closes it and never empties the table.
  RAZ->setAutoDefault(false);
  RAZ->setDefault(false);
  Valider->setAutoDefault(false);
  Valider->setDefault(true);
  Valider->setFocus();
  connect(RAZ, &QPushButton::clicked, this, &Scores::RAZ_Click);
  connect(Valider, &QPushButton::clicked, this, &Scores::Valider_Click);
  Form_Load();
}

void Scores::Signaler(const QString &quoi, const QString &erreur) {
  DataScores.FermerBase();
  m_plateforme.AfficherMessage(this, G.TitreAppli, QStringLiteral("%1\n\n%2").arg(quoi, erreur),
                               Plateforme::Icone::Arret);
}

void Scores::Form_Load() {
  const double dpi = logicalDpiX();
  // Centred in the client area, the part of the dialog the player sees.
  Grille->move((width() - Grille->width()) / 2, Grille->y());
  Valider->move((width() - Valider->width()) / 2, Valider->y());
  for (int colonne = 0; colonne < 3; ++colonne)
    Grille->setColumnWidth(colonne, Twips::EnPixels(Colonnes[colonne], dpi));
  try {
    DataScores.DefinirFichier(G.FichierBase());
    Relire();
  } catch (const ErreurBase &erreur) {
    Signaler(QStringLiteral("Le tableau des scores n'a pas pu être lu."), erreur.Texte());
  }
}

void Scores::Aligner() {
  for (int ligne = 0; ligne < Lignes; ++ligne)
    for (int colonne = 0; colonne < 3; ++colonne)
      Grille->item(ligne, colonne)
          ->setTextAlignment(Qt::AlignVCenter | (colonne == 0 ? Qt::AlignLeft : Qt::AlignHCenter));
}

// The table, best first, into the grid.
void Scores::Relire() {
  DataScores.DefinirSource(Decroissant);
  DataScores.Rafraichir();
  Aligner();
  Remplir();
  DataScores.FermerBase();
}

void Scores::Remplir() {
  // Row 0 stays blank; the grid has no row past the eleventh game.
  for (int ligne = 1; !DataScores.FinFichier() && ligne < Lignes; ++ligne) {
    Grille->item(ligne, 0)->setText(DataScores.Champ(QStringLiteral("NOM")).toString());
    const QVariant score = DataScores.Champ(QStringLiteral("SCORE"));
    if (!score.isNull())
      Grille->item(ligne, 1)->setText(score.toString());
    Grille->item(ligne, 2)->setText(
        DataScores.ChampDate(QStringLiteral("DATE")).toString(QStringLiteral("dd/MM/yyyy")));
    DataScores.EnregistrementSuivant();
  }
}

void Scores::RAZ_Click() {
  try {
    DataScores.DefinirFichier(G.FichierBase());
    DataScores.DefinirSource(QStringLiteral("SCORES"));
    DataScores.Rafraichir();
    DataScores.Executer(QStringLiteral("DELETE * from SCORES"));
    for (int ligne = 0; ligne < Lignes; ++ligne)
      for (int colonne = 0; colonne < 3; ++colonne)
        Grille->item(ligne, colonne)->setText(QString());
    Relire();
  } catch (const ErreurBase &erreur) {
    Signaler(QStringLiteral("Le tableau des scores n'a pas pu être vidé."), erreur.Texte());
  }
}

void Scores::Valider_Click() {
  if (m_ferme)
    return;
  m_ferme = true;
  m_bruitage.Jouer(Son::FinScores);
  accept();
}

void Scores::reject() {
  Valider_Click();
}

void Scores::closeEvent(QCloseEvent *evenement) {
  Valider_Click();
  evenement->accept();
}
