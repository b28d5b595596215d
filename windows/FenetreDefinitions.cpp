#include "windows/FenetreDefinitions.h"

#include "data/FormesBase.h"
#include "platform/Plateforme.h"
#include "windows/Annonce.h"
#include "windows/Disposition.h"
#include "windows/ListeLue.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QUrlQuery>
#include <QVBoxLayout>

using Disposition::Police;

namespace {

const QColor Bleu(0, 0, 255);
const QColor RougeFonce(192, 0, 0);
const QColor GrisRecap(224, 224, 224);

const QString Source = QStringLiteral("Littré (1863–1877)");

QString Gras(const QString &texte) {
  return QStringLiteral("<b>%1</b>").arg(texte.toHtmlEscaped());
}

QString Paragraphe(const QString &html) {
  return QStringLiteral("<p>%1</p>").arg(html);
}

} // namespace

FenetreDefinitions::FenetreDefinitions(Plateforme &plateforme, FormesBase &formes, Littre &littre,
                                       const QList<Mot> &mots, int choisi, QWidget *parent)
    : QDialog(parent), m_plateforme(plateforme), m_formes(formes), m_littre(littre), m_mots(mots) {
  setObjectName(QStringLiteral("Definitions"));
  setWindowTitle(QStringLiteral("Définitions des mots de la partie"));
  setFont(Police(9.75, false));
  setSizeGripEnabled(true);

  m_liste = new ListeLue(this);
  m_liste->setObjectName(QStringLiteral("Mots"));
  m_liste->setAccessibleName(QStringLiteral("Mots de la partie"));
  m_liste->setFont(Police(11.25));
  m_liste->setSpacing(2);
  Disposition::Colorer(m_liste, Bleu, GrisRecap, QPalette::Text, QPalette::Base);
  for (const Mot &mot : m_mots)
    m_liste->addItem(QStringLiteral("%1\n%2").arg(m_formes.Graphie(mot.mot), mot.role));
  m_liste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m_liste->setTextElideMode(Qt::ElideRight);

  m_titre = new QLabel(this);
  m_titre->setObjectName(QStringLiteral("Titre"));
  m_titre->setFont(Police(15.75));
  Disposition::Colorer(m_titre, RougeFonce, palette().color(QPalette::Window));
  m_titre->setTextFormat(Qt::PlainText);

  m_texte = new QTextBrowser(this);
  m_texte->setObjectName(QStringLiteral("Definition"));
  m_texte->setOpenLinks(false);
  m_texte->setFont(Police(11.25, false));
  Disposition::Colorer(m_texte, Qt::black, Qt::white, QPalette::Text, QPalette::Base);

  m_source = new QLabel(QStringLiteral("Source : %1").arg(Source), this);
  m_source->setObjectName(QStringLiteral("Source"));
  m_source->setFont(Police(8.25, false));

  m_wiktionnaire = new QPushButton(QStringLiteral("Voir sur le &Wiktionnaire (en ligne)"), this);
  m_wiktionnaire->setObjectName(QStringLiteral("Wiktionnaire"));
  m_wiktionnaire->setAutoDefault(false);
  connect(m_wiktionnaire, &QPushButton::clicked, this, &FenetreDefinitions::OuvrirWiktionnaire);
  auto *fermer = new QPushButton(QStringLiteral("&Fermer"), this);
  fermer->setObjectName(QStringLiteral("Fermer"));
  fermer->setAutoDefault(false);
  connect(fermer, &QPushButton::clicked, this, &QDialog::reject);
  m_annonce = new Annonce(this);

  auto *droite = new QWidget(this);
  auto *colonne = new QVBoxLayout(droite);
  colonne->setContentsMargins(0, 0, 0, 0);
  colonne->addWidget(m_titre);
  colonne->addWidget(m_texte, 1);
  colonne->addWidget(m_source);
  auto *partage = new QSplitter(this);
  partage->setChildrenCollapsible(false);
  partage->addWidget(m_liste);
  partage->addWidget(droite);
  partage->setStretchFactor(1, 1);
  partage->setSizes({250, 480});
  auto *boutons = new QHBoxLayout;
  boutons->addWidget(m_wiktionnaire);
  boutons->addStretch();
  boutons->addWidget(fermer);
  auto *mise = new QVBoxLayout(this);
  mise->addWidget(partage, 1);
  mise->addLayout(boutons);

  connect(m_liste, &QListWidget::currentRowChanged, this, &FenetreDefinitions::Montrer);
  // Fits a screen of 800 by 600, title and panels included.
  resize(760, 520);
  if (m_mots.isEmpty())
    Montrer(-1);
  else
    m_liste->setCurrentRow(std::clamp(choisi, 0, int(m_mots.size()) - 1));
  m_liste->setFocus();
}

void FenetreDefinitions::Montrer(int ligne) {
  if (ligne < 0 || ligne >= m_mots.size()) {
    m_motMontre.clear();
    m_titre->clear();
    m_texte->setHtml(
        Paragraphe(QStringLiteral("Aucun mot n'a encore été joué dans cette partie.")));
    m_wiktionnaire->hide();
    return;
  }
  const QString mot = m_mots.at(ligne).mot;
  const QString graphie = m_formes.Graphie(mot);
  m_motMontre = mot;
  m_titre->setText(graphie);

  // The word's own articles first, then its lemmas'.
  const QStringList lemmes = m_formes.Lemmes(mot);
  const Littre::Reponse reponse = m_littre.Chercher(m_formes.Vedettes(mot));
  m_etat = reponse.etat;
  QString html;
  QString dit;
  switch (reponse.etat) {
  case Littre::Etat::Trouve: {
    QStringList formeDe;
    for (const QString &lemme : lemmes)
      if (std::any_of(reponse.articles.cbegin(), reponse.articles.cend(),
                      [&lemme, this](const Littre::Article &a) {
                        return a.vedette == lemme || a.vedette == m_formes.Graphie(lemme);
                      }))
        formeDe << Gras(m_formes.Graphie(lemme));
    if (!formeDe.isEmpty())
      html += Paragraphe(QStringLiteral("%1 est une forme de %2.")
                             .arg(Gras(graphie), formeDe.join(QStringLiteral(", "))));
    for (qsizetype i = 0; i < reponse.articles.size(); ++i) {
      const Littre::Article &article = reponse.articles.at(i);
      html += QStringLiteral("<h3 style=\"color:#c00000\">%1</h3>")
                  .arg(m_formes.Graphie(article.vedette).toHtmlEscaped());
      html += article.html;
    }
    dit = reponse.articles.size() == 1 ? QStringLiteral("%1 : un article du Littré.").arg(graphie)
                                       : QStringLiteral("%1 : %2 articles du Littré.")
                                             .arg(graphie)
                                             .arg(reponse.articles.size());
    break;
  }
  case Littre::Etat::SansArticle:
    html = Paragraphe(QStringLiteral("Le Littré n'a pas d'article pour %1.").arg(Gras(graphie))) +
           Paragraphe(QStringLiteral("Le bouton « Voir sur le Wiktionnaire » ouvre sa page dans "
                                     "votre navigateur : c'est la seule recherche faite en "
                                     "ligne, et seulement si vous la demandez."));
    dit = QStringLiteral("Le Littré n'a pas d'article pour %1.").arg(graphie);
    break;
  case Littre::Etat::Absent:
    html =
        Paragraphe(QStringLiteral("Le dictionnaire des définitions n'est pas installé.")) +
        Paragraphe(QStringLiteral("Pour lire les définitions sans connexion, installez le "
                                  "paquet %1 :")
                       .arg(Gras(QString::fromLatin1(Littre::Paquet)))) +
        QStringLiteral("<pre>sudo apt install %1</pre>").arg(QString::fromLatin1(Littre::Paquet)) +
        Paragraphe(QStringLiteral("Le jeu n'en a pas besoin pour le reste : seules les "
                                  "définitions manquent."));
    dit = QStringLiteral("Le dictionnaire des définitions n'est pas installé : paquet %1.")
              .arg(QString::fromLatin1(Littre::Paquet));
    break;
  case Littre::Etat::Illisible:
    html = Paragraphe(QStringLiteral("Le dictionnaire des définitions ne peut pas être lu : %1.")
                          .arg(reponse.erreur.toHtmlEscaped())) +
           Paragraphe(QStringLiteral("Réinstaller le paquet %1 devrait le réparer ; le jeu "
                                     "continue sans les définitions.")
                          .arg(Gras(QString::fromLatin1(Littre::Paquet))));
    dit = QStringLiteral("Le dictionnaire des définitions ne peut pas être lu.");
    break;
  }
  m_texte->setHtml(html);
  m_texte->setAccessibleName(QStringLiteral("Définition de %1").arg(graphie));
  m_texte->setAccessibleDescription(dit);
  m_source->setVisible(reponse.etat == Littre::Etat::Trouve);
  m_wiktionnaire->setVisible(reponse.etat != Littre::Etat::Trouve);
  m_annonce->Dire(dit);
}

QString FenetreDefinitions::Texte() const {
  return m_texte->toPlainText();
}

bool FenetreDefinitions::OffreWiktionnaire() const {
  return !m_wiktionnaire->isHidden();
}

QUrl FenetreDefinitions::AdresseWiktionnaire(const QString &graphie) {
  // The search goes straight to the word's page when it has one, and
  // otherwise lists the pages of its spellings with accents.
  QUrl adresse(QStringLiteral("https://fr.wiktionary.org/w/index.php"));
  QUrlQuery requete;
  requete.addQueryItem(QStringLiteral("search"), graphie.toLower());
  requete.addQueryItem(QStringLiteral("go"), QStringLiteral("Lire"));
  adresse.setQuery(requete);
  return adresse;
}

void FenetreDefinitions::OuvrirWiktionnaire() {
  if (m_motMontre.isEmpty())
    return;
  m_plateforme.Ouvrir(
      this, AdresseWiktionnaire(m_formes.Graphie(m_motMontre)).toString(QUrl::FullyEncoded));
}
