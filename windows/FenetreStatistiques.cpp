#include "windows/FenetreStatistiques.h"

#include "data/HistoriqueBase.h"
#include "platform/Plateforme.h"
#include "windows/Annonce.h"
#include "windows/Disposition.h"
#include "windows/ListeLue.h"

#include <QAbstractTableModel>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

namespace {

using Disposition::Police;

// The game's own colours: its blue for the player, the dark red of its
// headings for the best possible, its light grey behind.
const QColor Bleu(0, 0, 255);
const QColor BleuPale(128, 128, 255);
const QColor RougeFonce(192, 0, 0);
const QColor GrisRecap(224, 224, 224);

// The most games the chart of shares shows.
constexpr qsizetype GraphiquePartsMax = 200;

QString Temps(int secondes) {
  return secondes ? QStringLiteral("%1 s").arg(secondes) : QStringLiteral("sans limite");
}

// The past games, most recent first.
class ModeleParties : public QAbstractTableModel {
public:
  ModeleParties(QList<ResumePartie> parties, QObject *parent)
      : QAbstractTableModel(parent), m_parties(std::move(parties)) {}

  int rowCount(const QModelIndex &parent = {}) const override {
    return parent.isValid() ? 0 : int(m_parties.size());
  }
  int columnCount(const QModelIndex &parent = {}) const override {
    return parent.isValid() ? 0 : 6;
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
      return QAbstractTableModel::headerData(section, orientation, role);
    static const char *const titres[] = {"Date", "Temps",   "Total", "Meilleur possible",
                                         "Part", "Terminée"};
    return QString::fromUtf8(titres[section]);
  }
  QVariant data(const QModelIndex &index, int role) const override {
    if (!index.isValid())
      return {};
    const ResumePartie &partie = m_parties.at(index.row());
    if (role == Qt::TextAlignmentRole)
      return index.column() == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
      return {};
    switch (index.column()) {
    case 0:
      return partie.debut.isValid() ? partie.debut.toString(QStringLiteral("dd/MM/yyyy HH:mm"))
                                    : QStringLiteral("date inconnue");
    case 1:
      return Temps(partie.temps);
    case 2:
      return QStringLiteral("%1 points").arg(partie.total);
    case 3:
      return partie.meilleur ? QStringLiteral("%1 points").arg(*partie.meilleur) : QString();
    case 4:
      return partie.Part() ? Statistiques::Pourcentage(*partie.Part()) : QString();
    default:
      return partie.finie ? QStringLiteral("oui") : QStringLiteral("non");
    }
  }

private:
  const QList<ResumePartie> m_parties;
};

// A list in the colours of the recap: the game's blue on its light grey.
void Colorer(QListWidget *liste) {
  Disposition::Colorer(liste, Bleu, GrisRecap, QPalette::Text, QPalette::Base);
  liste->setFont(Police(liste->font().pointSizeF()));
}

QChart *NouveauGraphique(const QString &titre) {
  auto *graphique = new QChart;
  graphique->setTitle(titre);
  graphique->setTitleFont(Police(9.75));
  graphique->setAnimationOptions(QChart::NoAnimation);
  graphique->setBackgroundBrush(GrisRecap);
  graphique->setMargins(QMargins(4, 4, 4, 4));
  graphique->legend()->setFont(Police(8.25, false));
  graphique->legend()->setAlignment(Qt::AlignBottom);
  return graphique;
}

QValueAxis *Axe(const QString &titre, double minimum, double maximum) {
  auto *axe = new QValueAxis;
  axe->setTitleText(titre);
  axe->setTitleFont(Police(8.25, false));
  axe->setLabelsFont(Police(8.25, false));
  axe->setRange(minimum, maximum);
  axe->setLabelFormat(QStringLiteral("%d"));
  return axe;
}

QChartView *Vue(QChart *graphique) {
  auto *vue = new QChartView(graphique);
  vue->setRenderHint(QPainter::Antialiasing);
  vue->setMinimumHeight(200);
  return vue;
}

QBarSet *Serie(const QString &nom, const QColor &couleur) {
  auto *serie = new QBarSet(nom);
  serie->setColor(couleur);
  serie->setBorderColor(couleur.darker());
  return serie;
}

// Two sets of bars over the same categories.
QChart *Barres(const QString &titre, const QStringList &categories, QBarSet *premiere,
               QBarSet *seconde, const QString &titreX, const QString &titreY, double maximum) {
  QChart *graphique = NouveauGraphique(titre);
  auto *series = new QBarSeries;
  series->append(premiere);
  series->append(seconde);
  graphique->addSeries(series);
  auto *axeX = new QBarCategoryAxis;
  axeX->append(categories);
  axeX->setTitleText(titreX);
  axeX->setTitleFont(Police(8.25, false));
  axeX->setLabelsFont(Police(8.25, false));
  graphique->addAxis(axeX, Qt::AlignBottom);
  series->attachAxis(axeX);
  QValueAxis *axeY = Axe(titreY, 0, std::max(1.0, maximum));
  axeY->applyNiceNumbers();
  graphique->addAxis(axeY, Qt::AlignLeft);
  series->attachAxis(axeY);
  return graphique;
}

} // namespace

FenetreStatistiques::FenetreStatistiques(Plateforme &plateforme, HistoriqueBase &historique,
                                         const QDate &aujourdhui, QWidget *parent)
    : QDialog(parent), m_plateforme(plateforme), m_historique(historique) {
  setObjectName(QStringLiteral("Statistiques"));
  setWindowTitle(QStringLiteral("Statistiques de vos parties"));
  setFont(Police(9.75, false));
  setSizeGripEnabled(true);

  m_avertissement = new QLabel(this);
  m_avertissement->setObjectName(QStringLiteral("Avertissement"));
  m_avertissement->setWordWrap(true);
  m_avertissement->setFont(Police(9.75));
  Disposition::Colorer(m_avertissement, RougeFonce, palette().color(QPalette::Window));
  m_avertissement->hide();

  m_onglets = new QTabWidget(this);
  m_onglets->setObjectName(QStringLiteral("Onglets"));
  m_chiffres = new ListeLue;
  m_chiffres->setObjectName(QStringLiteral("Chiffres"));
  m_chiffres->setAccessibleName(QStringLiteral("Vos chiffres"));
  m_chiffres->setFont(Police(11.25));
  m_chiffres->setSpacing(3);
  Colorer(m_chiffres);
  m_onglets->addTab(m_chiffres, QStringLiteral("&Résumé"));

  m_exporter = new QPushButton(QStringLiteral("&Exporter en CSV…"), this);
  m_exporter->setObjectName(QStringLiteral("Exporter"));
  m_exporter->setAutoDefault(false);
  connect(m_exporter, &QPushButton::clicked, this, &FenetreStatistiques::ExporterCsv);
  auto *fermer = new QPushButton(QStringLiteral("&Fermer"), this);
  fermer->setObjectName(QStringLiteral("Fermer"));
  fermer->setAutoDefault(false);
  connect(fermer, &QPushButton::clicked, this, &QDialog::reject);
  m_annonce = new Annonce(this);

  auto *boutons = new QHBoxLayout;
  boutons->addWidget(m_exporter);
  boutons->addStretch();
  boutons->addWidget(fermer);
  auto *mise = new QVBoxLayout(this);
  mise->addWidget(m_avertissement);
  mise->addWidget(m_onglets, 1);
  mise->addLayout(boutons);

  QString erreur;
  const std::optional<DonneesHistorique> donnees = m_historique.Lire(erreur);
  if (!donnees) {
    Avertir(QStringLiteral("L'historique de vos parties ne peut pas être lu : %1.\n\nRien n'y a "
                           "été modifié, et le jeu continue de compter vos points et "
                           "d'enregistrer vos scores.")
                .arg(erreur));
    m_exporter->setEnabled(false);
  } else {
    if (!m_historique.ErreurEcriture().isEmpty())
      Avertir(QStringLiteral("La dernière partie n'a pas pu être ajoutée à l'historique : %1.")
                  .arg(m_historique.ErreurEcriture()));
    Construire(*donnees, Statistiques::Calculer(*donnees, aujourdhui));
  }
  // Fits a screen of 800 by 600, title and panels included.
  resize(760, 520);
  m_chiffres->setFocus();
}

void FenetreStatistiques::Avertir(const QString &texte) {
  m_avertissement->setText(texte);
  m_avertissement->setAccessibleName(texte);
  m_avertissement->show();
  // Read first, where the figures would be.
  m_chiffres->insertItem(0, texte);
}

void FenetreStatistiques::Construire(const DonneesHistorique &donnees, const Chiffres &chiffres) {
  m_chiffres->addItems(Statistiques::TexteChiffres(chiffres));
  m_chiffres->setCurrentRow(0);

  const QStringList parts = Statistiques::TexteProgression(donnees, chiffres);
  m_onglets->addTab(PageGraphique(QStringLiteral("Progression"), GraphiqueParts(chiffres), parts,
                                  QStringLiteral("Part du meilleur possible, partie après partie")),
                    QStringLiteral("&Progression"));
  m_onglets->addTab(PageGraphique(QStringLiteral("Longueurs"), GraphiqueLongueurs(donnees),
                                  Statistiques::TexteLongueurs(donnees),
                                  QStringLiteral("Longueur de vos mots et des plus longs "
                                                 "possibles")),
                    QStringLiteral("&Longueurs"));
  m_onglets->addTab(PageGraphique(QStringLiteral("Voyelles"), GraphiqueVoyelles(donnees),
                                  Statistiques::TexteVoyelles(donnees),
                                  QStringLiteral("Points selon le nombre de voyelles tirées")),
                    QStringLiteral("&Voyelles"));
  m_onglets->addTab(PageParties(donnees), QStringLiteral("Parties &jouées"));
}

// A chart above the same numbers as a list, which the keyboard reaches and
// a screen reader reads.
QWidget *FenetreStatistiques::PageGraphique(const QString &nom, QWidget *graphique,
                                            const QStringList &texte, const QString &resume) {
  auto *page = new QSplitter(Qt::Vertical);
  page->setObjectName(QStringLiteral("Page") + nom);
  page->setChildrenCollapsible(false);
  graphique->setObjectName(QStringLiteral("Graphique") + nom);
  graphique->setAccessibleName(resume);
  graphique->setAccessibleDescription(texte.value(0));
  auto *liste = new ListeLue;
  liste->setObjectName(QStringLiteral("Texte") + nom);
  liste->setAccessibleName(QStringLiteral("Les chiffres du graphique : ") + resume);
  liste->addItems(texte);
  liste->setCurrentRow(0);
  liste->setMinimumHeight(80);
  Colorer(liste);
  page->addWidget(graphique);
  page->addWidget(liste);
  page->setStretchFactor(0, 3);
  page->setStretchFactor(1, 1);
  page->setFocusProxy(liste);
  m_textes.append(liste);
  return page;
}

// The latest games only: thousands of them would make a band no eye can
// read. The list beside gives every month.
QWidget *FenetreStatistiques::GraphiqueParts(const Chiffres &chiffres) {
  const qsizetype nombre = std::min<qsizetype>(chiffres.parts.size(), GraphiquePartsMax);
  const qsizetype premiere = chiffres.parts.size() - nombre;
  QChart *graphique = NouveauGraphique(
      nombre < chiffres.parts.size()
          ? QStringLiteral("Part du meilleur possible, en %, sur les %1 dernières parties")
                .arg(nombre)
          : QStringLiteral("Part du meilleur possible, en %"));
  auto *parties = new QLineSeries;
  parties->setName(QStringLiteral("Chaque partie"));
  parties->setPen(QPen(BleuPale, 1.5));
  parties->replace(chiffres.parts.mid(premiere));
  // A few games are dots a line joins; one is a dot alone.
  parties->setPointsVisible(nombre <= 30);
  parties->setMarkerSize(6);
  auto *moyenne = new QLineSeries;
  moyenne->setName(QStringLiteral("Moyenne des %1 dernières").arg(Statistiques::FenetreMoyenne));
  moyenne->setPen(QPen(RougeFonce, 2.5));
  moyenne->replace(chiffres.moyenneMobile.mid(premiere));
  graphique->addSeries(parties);
  graphique->addSeries(moyenne);
  QValueAxis *axeX = Axe(QStringLiteral("Parties terminées"), double(premiere + 1),
                         double(std::max<qsizetype>(premiere + 2, chiffres.parts.size())));
  // Whole games on the axis: one tick every 1, 2, 5, 10, 20, 50… of them.
  axeX->setTickType(QValueAxis::TicksDynamic);
  axeX->setTickAnchor(double(premiere + 1));
  double pas = 1;
  for (int facteur = 0; (axeX->max() - axeX->min()) / pas > 8; ++facteur)
    pas *= facteur % 3 == 1 ? 2.5 : 2;
  axeX->setTickInterval(pas);
  QValueAxis *axeY = Axe(QStringLiteral("%"), 0, 100);
  graphique->addAxis(axeX, Qt::AlignBottom);
  graphique->addAxis(axeY, Qt::AlignLeft);
  for (QLineSeries *serie : {parties, moyenne}) {
    serie->attachAxis(axeX);
    serie->attachAxis(axeY);
  }
  return Vue(graphique);
}

QWidget *FenetreStatistiques::GraphiqueLongueurs(const DonneesHistorique &donnees) {
  QStringList categories{QStringLiteral("aucun")};
  QBarSet *joueur = Serie(QStringLiteral("Vos mots"), Bleu);
  QBarSet *possibles = Serie(QStringLiteral("Le plus long possible"), RougeFonce);
  double maximum = 0;
  for (int n = 0; n < 10; ++n) {
    if (n > 0)
      categories << QString::number(n);
    *joueur << donnees.longueursJoueur.at(n);
    *possibles << donnees.longueursPossibles.at(n);
    maximum = std::max(
        {maximum, double(donnees.longueursJoueur.at(n)), double(donnees.longueursPossibles.at(n))});
  }
  return Vue(Barres(QStringLiteral("Longueur des mots, jeu par jeu"), categories, joueur, possibles,
                    QStringLiteral("Lettres"), QStringLiteral("Jeux"), maximum));
}

QWidget *FenetreStatistiques::GraphiqueVoyelles(const DonneesHistorique &donnees) {
  QStringList categories;
  QBarSet *points = Serie(QStringLiteral("Vos points en moyenne"), Bleu);
  QBarSet *possibles = Serie(QStringLiteral("Le plus long possible en moyenne"), RougeFonce);
  for (int n = 0; n < int(donnees.parVoyelles.size()); ++n) {
    const DonneesHistorique::ParVoyelles &v = donnees.parVoyelles.at(n);
    if (v.jeux == 0)
      continue;
    categories << QString::number(n);
    *points << double(v.points) / v.jeux;
    *possibles << (v.jeuxConnus ? double(v.meilleur) / v.jeuxConnus : 0.0);
  }
  return Vue(Barres(QStringLiteral("Points selon le nombre de voyelles tirées"), categories, points,
                    possibles, QStringLiteral("Voyelles"), QStringLiteral("Points"), 9));
}

QWidget *FenetreStatistiques::PageParties(const DonneesHistorique &donnees) {
  m_parties = donnees.parties;
  std::reverse(m_parties.begin(), m_parties.end());

  auto *page = new QSplitter(Qt::Vertical);
  page->setObjectName(QStringLiteral("PageParties"));
  page->setChildrenCollapsible(false);
  m_tableParties = new QTableView;
  m_tableParties->setObjectName(QStringLiteral("TableParties"));
  m_tableParties->setAccessibleName(QStringLiteral("Vos parties, la plus récente en tête"));
  m_tableParties->setModel(new ModeleParties(m_parties, m_tableParties));
  m_tableParties->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_tableParties->setSelectionMode(QAbstractItemView::SingleSelection);
  m_tableParties->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_tableParties->verticalHeader()->hide();
  m_tableParties->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  m_tableParties->setTabKeyNavigation(false);

  m_tableJeux = new QTableWidget(0, 5);
  m_tableJeux->setObjectName(QStringLiteral("TableJeux"));
  m_tableJeux->setAccessibleName(QStringLiteral("Les jeux de la partie choisie"));
  m_tableJeux->setHorizontalHeaderLabels({QStringLiteral("Jeu"), QStringLiteral("Tirage"),
                                          QStringLiteral("Mot"), QStringLiteral("Points"),
                                          QStringLiteral("Le plus long possible")});
  m_tableJeux->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_tableJeux->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_tableJeux->verticalHeader()->hide();
  m_tableJeux->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  m_tableJeux->setTabKeyNavigation(false);

  connect(m_tableParties->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex &courant) { MontrerJeux(courant.row()); });
  page->addWidget(m_tableParties);
  page->addWidget(m_tableJeux);
  page->setFocusProxy(m_tableParties);
  if (!m_parties.isEmpty())
    m_tableParties->setCurrentIndex(m_tableParties->model()->index(0, 0));
  return page;
}

void FenetreStatistiques::MontrerJeux(int ligne) {
  m_tableJeux->setRowCount(0);
  if (ligne < 0 || ligne >= m_parties.size())
    return;
  QString erreur;
  const std::optional<QList<JeuJoue>> jeux = m_historique.Jeux(m_parties.at(ligne).id, erreur);
  if (!jeux) {
    m_tableJeux->setRowCount(1);
    m_tableJeux->setSpan(0, 0, 1, 5);
    m_tableJeux->setItem(
        0, 0,
        new QTableWidgetItem(QStringLiteral("Les jeux de cette partie ne peuvent pas être "
                                            "lus : %1.")
                                 .arg(erreur)));
    return;
  }
  m_tableJeux->clearSpans();
  m_tableJeux->setRowCount(int(jeux->size()));
  for (int r = 0; r < jeux->size(); ++r) {
    const JeuJoue &jeu = jeux->at(r);
    const QString cellules[] = {
        QString::number(jeu.numero),
        jeu.tirage,
        jeu.mot,
        QStringLiteral("%1 points").arg(jeu.points),
        jeu.meilleur ? QStringLiteral("%1 lettres").arg(*jeu.meilleur) : QString(),
    };
    for (int c = 0; c < 5; ++c) {
      auto *cellule = new QTableWidgetItem(cellules[c]);
      cellule->setTextAlignment(c == 1 || c == 2 ? Qt::AlignLeft | Qt::AlignVCenter
                                                 : Qt::AlignCenter);
      m_tableJeux->setItem(r, c, cellule);
    }
  }
}

void FenetreStatistiques::ExporterCsv() {
  const QString fichier = m_plateforme.ChoisirFichierAEcrire(
      this, QStringLiteral("Exporter l'historique"),
      QDir::home().filePath(QStringLiteral("historique-vocadix.csv")),
      QStringLiteral("Fichiers CSV (*.csv)"));
  if (fichier.isEmpty())
    return;
  QString erreur;
  const std::optional<QByteArray> csv = m_historique.Csv(erreur);
  if (csv) {
    QSaveFile sortie(fichier);
    if (sortie.open(QIODevice::WriteOnly) && sortie.write(*csv) == csv->size() && sortie.commit()) {
      m_annonce->Dire(QStringLiteral("L'historique a été exporté dans « %1 ».").arg(fichier));
      return;
    }
    erreur = sortie.errorString();
  }
  m_plateforme.AfficherMessage(
      this, windowTitle(),
      QStringLiteral("L'historique n'a pas pu être exporté dans « %1 » :\n\n%2.")
          .arg(fichier, erreur),
      Plateforme::Icone::Arret);
}

QStringList FenetreStatistiques::TexteChiffres() const {
  QStringList lignes;
  for (int i = 0; i < m_chiffres->count(); ++i)
    lignes << m_chiffres->item(i)->text();
  return lignes;
}

QStringList FenetreStatistiques::TexteGraphique(int numero) const {
  QStringList lignes;
  if (const QListWidget *liste = m_textes.value(numero))
    for (int i = 0; i < liste->count(); ++i)
      lignes << liste->item(i)->text();
  return lignes;
}

QString FenetreStatistiques::Avertissement() const {
  return m_avertissement->isHidden() ? QString() : m_avertissement->text();
}
