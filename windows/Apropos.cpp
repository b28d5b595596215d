#include "windows/Apropos.h"

#include "platform/Plateforme.h"
#include "rules/Globales.h"
#include "rules/Twips.h"
#include "windows/BanqueImages.h"
#include "windows/Disposition.h"

#include "VersionAppli.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>

const QString Apropos::SiteAssociation = QStringLiteral("https://www.zari.example.org/");
const QString Apropos::SiteAssistance = QStringLiteral("https://www.zari.example.org/vocadix/");
const QString Apropos::AdresseAssistance = QStringLiteral("support@zari.example.org");

namespace {

using Disposition::Placer;
using Disposition::Police;

const double LargeurOnglet = 7485, HauteurOnglet = 4095;
const double LargeurInfos = 6735;

QString Produit() {
  return QString::fromUtf8(VersionAppli::Produit);
}

} // namespace

QString Apropos::Historique() {
  const QStringList lignes = {
      QStringLiteral("Evolution des versions de : ") + Produit(),
      QString(),
      QStringLiteral("04/2000 - V2.1\tAide en ligne, tableau des scores amélioré et corrections."),
      QStringLiteral(
          "03/2000 - V2.0\tModification de l'interface, liste des tirages et solutions."),
      QStringLiteral("09/1998 - V1.1\tTirage des lettres revu et dictionnaire enrichi."),
      QStringLiteral("12/1997 - V1.0\tPremière version."),
  };
  return lignes.join(QStringLiteral("\r\n"));
}

QString Apropos::Assistance() {
  const QStringList lignes = {
      QStringLiteral("ASSISTANCE TECHNIQUE :"),
      QString(),
      QStringLiteral(
          "Vocadix est diffusé par Z.A.Ri, association de bénévoles : l'assistance technique est "
          "gratuite pour tous les joueurs. Elle répond par courrier électronique, par courrier ou "
          "par téléphone pendant nos permanences, le mardi et le jeudi de 18 h à 20 h. Pour "
          "signaler un problème, indiquez la version de Vocadix (fenêtre A propos) et votre "
          "système, puis décrivez ce que vous faisiez et le message affiché. Vos suggestions sont "
          "les bienvenues, qu'il s'agisse d'une idée d'amélioration ou d'un mot oublié ou "
          "contesté : elles préparent les versions suivantes."),
      QString(),
      QStringLiteral("Z.A.Ri - Assistance Vocadix"),
      QStringLiteral("8, rue des Abécédaires"),
      QStringLiteral("92999 Lettreville"),
      QStringLiteral("Tél : 01 99 00 27 14"),
      QStringLiteral("Fax : 01 99 00 27 15"),
      QStringLiteral("E-Mail : ") + AdresseAssistance,
  };
  return lignes.join(QStringLiteral("\r\n"));
}

Apropos::Apropos(Plateforme &plateforme, const Globales &globales, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_plateforme(plateforme), G(globales) {
  setObjectName(QStringLiteral("Apropos"));
  setWindowTitle(QStringLiteral("A propos de Vocadix"));
  Onglet = new QTabWidget(this);
  Onglet->setObjectName(QStringLiteral("Onglet"));
  Placer(Onglet, 120, 120, LargeurOnglet, HauteurOnglet);

  // 1: the program.
  auto *programme = new QWidget;
  auto *panneau1 = new QLabel(programme);
  panneau1->setObjectName(QStringLiteral("Panel3D1"));
  panneau1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panneau1->setLineWidth(2);
  Placer(panneau1, 1500, 300, 5700, 1500);
  Titre = new QLabel(panneau1);
  Titre->setObjectName(QStringLiteral("Titre"));
  Titre->setAlignment(Qt::AlignCenter);
  Placer(Titre, 60, 150, 5580, 700);
  SousTitre = new QLabel(panneau1);
  SousTitre->setObjectName(QStringLiteral("SousTitre"));
  SousTitre->setAlignment(Qt::AlignCenter);
  SousTitre->setFont(Police(9.75, true));
  Placer(SousTitre, 60, 900, 5580, 400);
  auto *panneau3 = new QLabel(programme);
  panneau3->setObjectName(QStringLiteral("Panel3D3"));
  panneau3->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panneau3->setLineWidth(2);
  Placer(panneau3, 180, 300, 1200, 1200);
  auto *dessin = new QLabel(panneau3);
  dessin->setObjectName(QStringLiteral("Dessin4"));
  dessin->setAccessibleName(QStringLiteral("A, B, C"));
  dessin->setPixmap(BanqueImages::Dessin(QStringLiteral(":/images/dessin4.svg"), QSize(64, 64),
                                         devicePixelRatioF()));
  dessin->setAlignment(Qt::AlignCenter);
  dessin->setGeometry(panneau3->rect());
  auto *quitter = new QToolButton(programme);
  quitter->setObjectName(QStringLiteral("Quitter"));
  quitter->setToolTip(QStringLiteral("Quitter cet écran"));
  quitter->setAccessibleName(QStringLiteral("Quitter cet écran"));
  quitter->setIcon(QIcon(BanqueImages::Dessin(QStringLiteral(":/images/porte.svg"), QSize(32, 32),
                                              devicePixelRatioF())));
  quitter->setIconSize(QSize(32, 32));
  Placer(quitter, 6450, 2700, 660, 660);
  connect(quitter, &QToolButton::clicked, this, &QDialog::accept);
  Onglet->addTab(programme, Produit());

  // 2: technical information.
  auto *infos = new QWidget;
  auto *support = new QWidget(infos);
  support->setObjectName(QStringLiteral("SupportInfos"));
  Placer(support, 120, 120, LargeurInfos + 120, 3300);
  Description = Etiquette(support, QStringLiteral("Description"), 60);
  Description->setFont(Police(12, true));
  Description->setAlignment(Qt::AlignCenter);
  NomApplication = Etiquette(support, QStringLiteral("NomApplication"), 560);
  Version = Etiquette(support, QStringLiteral("Version"), 960);
  Commentaires = Etiquette(support, QStringLiteral("Commentaires"), 1360);
  TradeMarks = Etiquette(support, QStringLiteral("TradeMarks"), 1760);
  Copyright = Etiquette(support, QStringLiteral("Copyright"), 2160);
  Company = Etiquette(support, QStringLiteral("Company"), 2560);
  Onglet->addTab(infos, QStringLiteral("Infos techniques"));

  // 3: history; 4: support.
  auto *historique = new QWidget;
  Afficheur = new QPlainTextEdit(historique);
  Afficheur->setObjectName(QStringLiteral("Afficheur"));
  Placer(Afficheur, 120, 120, LargeurInfos + 120, 3300);
  Onglet->addTab(historique, QStringLiteral("Historique"));
  auto *assistance = new QWidget;
  Text1 = new QPlainTextEdit(assistance);
  Text1->setObjectName(QStringLiteral("Text1"));
  Placer(Text1, 120, 120, LargeurInfos + 120, 2450);
  Placer(Bouton(assistance, QStringLiteral("Internet"),
                QStringLiteral("Visiter mon site : ") + SiteAssistance, SiteAssistance),
         120, 2650, LargeurInfos + 120, 375);
  Placer(Bouton(assistance, QStringLiteral("EMail"),
                QStringLiteral("M'envoyer un E-Mail : ") + AdresseAssistance,
                QStringLiteral("mailto:") + AdresseAssistance),
         120, 3075, LargeurInfos + 120, 375);
  Onglet->addTab(assistance, QStringLiteral("Assistance technique"));
  for (QPlainTextEdit *texte : {Afficheur, Text1}) {
    texte->setReadOnly(true);
    texte->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    texte->setFont(Police(9, false));
    texte->setTabStopDistance(110);
  }

  // 5: the association.
  auto *zari = new QWidget;
  auto *logo = new QLabel(zari);
  logo->setObjectName(QStringLiteral("Picture1"));
  logo->setAccessibleName(QStringLiteral("Logo de Z.A.Ri"));
  logo->setPixmap(BanqueImages::Dessin(QStringLiteral(":/images/zari.svg"), QSize(128, 96),
                                       devicePixelRatioF()));
  Placer(logo, 120, 300, 1920, 1440);
  const std::pair<const char *, const char *> documents[] = {{"Lire Le_ZARi_.txt", "Le_zari_.txt"},
                                                             {"Lire Adhésion.txt", "Adhesion.txt"},
                                                             {"Lire Le_ZARi_.hlp", "Le_Zari_.hlp"},
                                                             {"Lire Le_ZARi_.htm", "Le_Zari_.htm"}};
  for (int i = 0; i < 4; ++i)
    Placer(Bouton(zari, QStringLiteral("SSCommand%1").arg(i + 1),
                  QString::fromUtf8(documents[i].first), QString::fromLatin1(documents[i].second)),
           2250, 240 + 480 * i, 4995, 400);
  Placer(Bouton(zari, QStringLiteral("SSCommand5"),
                QStringLiteral("Visiter le site de ZARi : ") + SiteAssociation, SiteAssociation),
         120, 2160, 7125, 400);
  Onglet->addTab(zari, QStringLiteral("Z.A.Ri"));

  Form_Load();
}

QLabel *Apropos::Etiquette(QWidget *parent, const QString &nom, double haut) {
  auto *etiquette = new QLabel(parent);
  etiquette->setObjectName(nom);
  Disposition::Colorer(etiquette, Qt::black, Qt::white);
  Placer(etiquette, 60, haut, LargeurInfos, nom == QLatin1String("Description") ? 420 : 330);
  return etiquette;
}

QPushButton *Apropos::Bouton(QWidget *parent, const QString &nom, const QString &texte,
                             const QString &document) {
  auto *bouton = new QPushButton(texte, parent);
  bouton->setObjectName(nom);
  bouton->setAutoDefault(false);
  connect(bouton, &QPushButton::clicked, this, [this, document] { ProcOuvrir(document); });
  return bouton;
}

void Apropos::Form_Load() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  Onglet->move(0, 0);
  setFixedSize(Onglet->size());
  Titre->setText(Produit());
  Titre->setFont(Police(18, false));
  SousTitre->setText(QStringLiteral("Version ") + G.VersionAppli + QStringLiteral(" compilée le ") +
                     G.DateAppli);
  Description->setText(Produit());
  const QString executable = QFileInfo(m_plateforme.FichierProgramme()).completeBaseName();
  NomApplication->setText(QStringLiteral("  Nom de l'éxecutable : ") + executable +
                          QStringLiteral(".EXE"));
  Commentaires->setText(QStringLiteral("  Commentaires :          ") +
                        QString::fromUtf8(VersionAppli::Commentaires));
  Copyright->setText(QStringLiteral("  Copyright :                ") +
                     QString::fromUtf8(VersionAppli::Copyright));
  Company->setText(QStringLiteral("  Organisation :            ") +
                   QString::fromUtf8(VersionAppli::Societe));
  TradeMarks->setText(QStringLiteral("  Marques légales :       ") +
                      QString::fromUtf8(VersionAppli::Marque));
  Version->setText(QStringLiteral("  Version :                  %1.%2 du %3")
                       .arg(VersionAppli::Majeure)
                       .arg(VersionAppli::Mineure)
                       .arg(G.DateAppli));
  Afficheur->setPlainText(Historique());
  Text1->setPlainText(Assistance());
  Onglet->setCurrentIndex(0);
  QApplication::restoreOverrideCursor();
}

void Apropos::ProcOuvrir(const QString &document) {
  // Documents lie beside the help, wherever the program was started from.
  const bool adresse = QUrl(document).scheme().size() > 1;
  m_plateforme.Ouvrir(this, adresse ? document : G.CheminDocuments + document);
}
