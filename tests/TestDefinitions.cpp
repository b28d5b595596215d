// What the words of a game mean: their spellings and lemmas from the
// shipped database, the Littré read from the files a test writes (whole,
// missing or damaged), its markup made safe, and the window that shows it
// all and offers the Wiktionnaire where the Littré has nothing.

#include "data/FormesBase.h"
#include "data/Littre.h"
#include "data/MoteurBase.h"
#include "tests/BaseEssai.h"
#include "tests/PlateformeEssai.h"
#include "tests/StardictEssai.h"
#include "windows/FenetreDefinitions.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QUrlQuery>
#include <QtEndian>
#include <memory>

namespace {

// The articles of the test's dictionary, and its headwords in StarDict's
// order: ECOLE and ÉCOLE lead to the same article, as in the Littré, and
// NOIR has two.
const QByteArrayList Textes = {
    "<b>CHEVAL</b> (che-val), <i>s. m.</i> Animal domestique qui sert de monture.",
    "<b>ÉCOLE</b> (é-ko-l'), <i>s. f.</i> Établissement où l'on enseigne.",
    "<b>ENTENDRE</b> (an-tan-dr'), <i>v. a.</i>\n  1° Percevoir par l'ouïe.\n  2° Comprendre.",
    "<b>NOIR, E</b> (noir), <i>adj.</i> Qui est de la couleur la plus obscure.",
    "<b>NOIR</b>, <i>s. m.</i> La couleur noire.",
};

struct Entree {
  QByteArray mot;
  int article;
};
const QList<Entree> Entrees = {{"CHEVAL", 0}, {"ECOLE", 1}, {"ENTENDRE", 2},
                               {"NOIR", 3},   {"NOIR", 4},  {"ÉCOLE", 1}};

struct Place {
  QByteArray mot;
  quint32 debut, taille;
};

QList<Place> Places() {
  QList<quint32> debuts;
  quint32 debut = 0;
  for (const QByteArray &texte : Textes) {
    debuts << debut;
    debut += quint32(texte.size());
  }
  QList<Place> places;
  for (const Entree &entree : Entrees)
    places.append(
        {entree.mot, debuts.at(entree.article), quint32(Textes.at(entree.article).size())});
  return places;
}

QByteArray Index(const QList<Place> &places) {
  QByteArray idx;
  for (const Place &place : places) {
    char octets[8];
    qToBigEndian(place.debut, octets);
    qToBigEndian(place.taille, octets + 4);
    idx += place.mot + '\0' + QByteArray(octets, 8);
  }
  return idx;
}

QByteArray Description(qint64 mots, qint64 tailleIndex) {
  return "StarDict's dict ifo file\nversion=2.4.2\nbookname=XMLittre\nwordcount=" +
         QByteArray::number(mots) + "\nidxfilesize=" + QByteArray::number(tailleIndex) +
         "\nsametypesequence=g\n";
}

struct Fichiers {
  QByteArray ifo, idx, dz;
  bool avecTexte = true;
};

Fichiers Complet() {
  Fichiers f;
  f.idx = Index(Places());
  f.ifo = Description(Entrees.size(), f.idx.size());
  f.dz = StardictEssai::Dictzip(Textes.join(), 16);
  return f;
}

bool Ecrire(const QString &chemin, const QByteArray &octets) {
  QFile fichier(chemin);
  return fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size();
}

// The dictionary under the name the Littré reader looks for.
bool Installer(const QString &dossier, const Fichiers &f) {
  if (!QDir().mkpath(dossier))
    return false;
  const QString racine = QDir(dossier).filePath(QString::fromLatin1(Littre::Nom));
  return Ecrire(racine + QStringLiteral(".ifo"), f.ifo) &&
         Ecrire(racine + QStringLiteral(".idx"), f.idx) &&
         (!f.avecTexte || Ecrire(racine + QStringLiteral(".dict.dz"), f.dz));
}

// Folders of dictionaries: the first without one, the second with it.
struct Dossiers {
  QTemporaryDir temporaire;
  QString vide = temporaire.filePath(QStringLiteral("vide"));
  QString dic = temporaire.filePath(QStringLiteral("dic"));
  bool pret = QDir().mkpath(vide) && Installer(dic, Complet());
};

// What a rich text shows once laid out.
QString Lu(const QString &html) {
  QTextDocument document;
  document.setHtml(html);
  return document.toPlainText();
}

enum class Installation { Complete, Aucune, Abimee };

// The window's world: a small database with its spellings and lemmas, the
// test's dictionary, and the recording platform.
struct Banc {
  BaseEssai essai{{QStringLiteral("CHEVAUX"), QStringLiteral("COEUR"), QStringLiteral("ECOLE"),
                   QStringLiteral("ECOLES"), QStringLiteral("NOIR"), QStringLiteral("ZEBRE")}};
  std::unique_ptr<MoteurBase> base;
  FormesBase formes;
  Dossiers dossiers;
  QString abime = dossiers.temporaire.filePath(QStringLiteral("abime"));
  PlateformeEssai plateforme;
  std::unique_ptr<Littre> littre;

  explicit Banc(Installation installation = Installation::Complete) {
    essai.Executer("CREATE TABLE GRAPHIES (NOM TEXT PRIMARY KEY, GRAPHIE TEXT) WITHOUT ROWID");
    essai.Executer("INSERT INTO GRAPHIES VALUES ('ECOLE', 'ÉCOLE'), ('ECOLES', 'ÉCOLES'), "
                   "('ZEBRE', 'ZÈBRE'), ('COEUR', 'CŒUR')");
    essai.Executer("CREATE TABLE LEMMES (NOM TEXT PRIMARY KEY, LEMMES TEXT) WITHOUT ROWID");
    essai.Executer("INSERT INTO LEMMES VALUES ('ECOLES', 'ECOLE'), ('CHEVAUX', 'CHEVAL')");
    base = MoteurBase::OuvrirBase(essai.Fichier(), false, true, BaseEssai::Connexion);
    formes.DefinirFichier(essai.Fichier());
    Fichiers abimes = Complet();
    abimes.dz = QByteArray(200, 'x');
    Installer(abime, abimes);
    switch (installation) {
    case Installation::Complete:
      littre = std::make_unique<Littre>(QStringList{dossiers.vide, dossiers.dic});
      break;
    case Installation::Aucune:
      littre = std::make_unique<Littre>(QStringList{});
      break;
    case Installation::Abimee:
      littre = std::make_unique<Littre>(QStringList{dossiers.vide, abime});
      break;
    }
  }

  std::unique_ptr<FenetreDefinitions> Fenetre(const QList<FenetreDefinitions::Mot> &mots,
                                              int choisi = 0) {
    auto fenetre = std::make_unique<FenetreDefinitions>(plateforme, formes, *littre, mots, choisi);
    fenetre->show();
    return fenetre;
  }
};

QLabel *Etiquette(QWidget &fenetre, const char *nom) {
  return fenetre.findChild<QLabel *>(QString::fromLatin1(nom));
}

} // namespace

class TestDefinitions : public QObject {
  Q_OBJECT

  const QString m_livree = QStringLiteral(VOCADIX_DOSSIER_PROGRAMME "/Vocadix.dat");
  std::unique_ptr<MoteurBase> m_moteur;

private Q_SLOTS:
  void initTestCase() {
    QVERIFY2(QFile::exists(m_livree), qPrintable(m_livree));
    m_moteur = MoteurBase::OuvrirBase(m_livree, false, true, BaseEssai::Connexion);
    QVERIFY(m_moteur);
  }

  // The lemmas the shipped database gives, the word itself never among them.
  void uneFormeMeneASesLemmes_data() {
    QTest::addColumn<QString>("mot");
    QTest::addColumn<QStringList>("lemmes");
    QTest::newRow("participe passé") << "ENTENDU" << QStringList{"ENTENDRE"};
    QTest::newRow("participe de plusieurs entrées")
        << "PRISES" << QStringList{"PRENDRE", "PRISE", "PRISER"};
    QTest::newRow("féminin pluriel") << "NOIRES" << QStringList{"NOIR"};
    QTest::newRow("pluriel irrégulier") << "CHEVAUX" << QStringList{"CHEVAL"};
    QTest::newRow("féminin irrégulier") << "BELLES" << QStringList{"BEAU"};
    QTest::newRow("entrée et forme d'une autre") << "ETE" << QStringList{"ETRE"};
    QTest::newRow("entrée seulement") << "MAISON" << QStringList{};
    QTest::newRow("hors du dictionnaire") << "XQZWRTPLM" << QStringList{};
    QTest::newRow("mot vide") << "" << QStringList{};
  }
  void uneFormeMeneASesLemmes() {
    QFETCH(QString, mot);
    QFETCH(QStringList, lemmes);
    FormesBase formes;
    formes.DefinirFichier(m_livree);
    QCOMPARE(formes.Lemmes(mot), lemmes);
  }

  // The spelling with accents when there is only one, the word otherwise.
  void unMotSEcritAvecSesAccents_data() {
    QTest::addColumn<QString>("mot");
    QTest::addColumn<QString>("graphie");
    QTest::newRow("accent aigu") << "ECOLE"
                                 << "ÉCOLE";
    QTest::newRow("cédille") << "GARCON"
                             << "GARÇON";
    QTest::newRow("ligature") << "COEUR"
                              << "CŒUR";
    QTest::newRow("tréma") << "AIGUE"
                           << "AIGUË";
    QTest::newRow("deux accents") << "ETE"
                                  << "ÉTÉ";
    QTest::newRow("pêche, péché, pèche") << "PECHE"
                                         << "PECHE";
    QTest::newRow("élève, élevé") << "ELEVE"
                                  << "ELEVE";
    QTest::newRow("oeuvre à côté d'œuvre") << "OEUVRE"
                                           << "OEUVRE";
    QTest::newRow("sans accent") << "MAISON"
                                 << "MAISON";
    QTest::newRow("hors du dictionnaire") << "XQZWRTPLM"
                                          << "XQZWRTPLM";
  }
  void unMotSEcritAvecSesAccents() {
    QFETCH(QString, mot);
    QFETCH(QString, graphie);
    FormesBase formes;
    formes.DefinirFichier(m_livree);
    QCOMPARE(formes.Graphie(mot), graphie);
    // Kept for the next time the word is shown.
    QCOMPARE(formes.Graphie(mot), graphie);
  }

  // A database made before the tables, or a file with no connection open,
  // leaves every word as the game knows it; another file forgets the
  // spellings read from the first.
  void sansLesTablesLesMotsRestentCommeIlsSont() {
    BaseEssai ancienne({QStringLiteral("ECOLE"), QStringLiteral("NOIRES")});
    const auto base = MoteurBase::OuvrirBase(ancienne.Fichier(), false, true, BaseEssai::Connexion);
    QVERIFY(base);
    FormesBase formes;
    formes.DefinirFichier(m_livree);
    QCOMPARE(formes.Graphie(QStringLiteral("ECOLE")), QStringLiteral("ÉCOLE"));
    formes.DefinirFichier(ancienne.Fichier());
    QCOMPARE(formes.Graphie(QStringLiteral("ECOLE")), QStringLiteral("ECOLE"));
    QCOMPARE(formes.Lemmes(QStringLiteral("NOIRES")), QStringList());

    BaseEssai fermee({QStringLiteral("ECOLE")});
    fermee.Executer("CREATE TABLE GRAPHIES (NOM TEXT PRIMARY KEY, GRAPHIE TEXT) WITHOUT ROWID");
    fermee.Executer("INSERT INTO GRAPHIES VALUES ('ECOLE', 'ÉCOLE')");
    formes.DefinirFichier(fermee.Fichier());
    QCOMPARE(formes.Graphie(QStringLiteral("ECOLE")), QStringLiteral("ECOLE"));
    QCOMPARE(formes.Lemmes(QStringLiteral("ECOLE")), QStringList());
  }

  // Each headword's articles in the order asked, each article once, from
  // the first folder that holds the dictionary.
  void leLittreDonneLesArticlesDesVedettes_data() {
    QTest::addColumn<QStringList>("vedettes");
    QTest::addColumn<Littre::Etat>("etat");
    QTest::addColumn<QStringList>("trouvees"); // the headword of each article
    QTest::addColumn<QStringList>("extraits"); // a piece of each article's text
    QTest::newRow("une vedette") << QStringList{"ENTENDRE"} << Littre::Etat::Trouve
                                 << QStringList{"ENTENDRE"} << QStringList{"Percevoir par l'ouïe"};
    QTest::newRow("vedette accentuée") << QStringList{"ÉCOLE"} << Littre::Etat::Trouve
                                       << QStringList{"ÉCOLE"} << QStringList{"Établissement"};
    QTest::newRow("deux articles d'une vedette")
        << QStringList{"NOIR"} << Littre::Etat::Trouve << QStringList{"NOIR", "NOIR"}
        << QStringList{"la plus obscure", "La couleur noire."};
    QTest::newRow("dans l'ordre demandé")
        << QStringList{"NOIR", "CHEVAL", "ENTENDRE"} << Littre::Etat::Trouve
        << QStringList{"NOIR", "NOIR", "CHEVAL", "ENTENDRE"}
        << QStringList{"la plus obscure", "La couleur noire.", "Animal domestique", "Comprendre"};
    QTest::newRow("un article atteint deux fois")
        << QStringList{"ECOLE", "ÉCOLE"} << Littre::Etat::Trouve << QStringList{"ECOLE"}
        << QStringList{"Établissement"};
    QTest::newRow("une vedette demandée deux fois")
        << QStringList{"CHEVAL", "CHEVAL"} << Littre::Etat::Trouve << QStringList{"CHEVAL"}
        << QStringList{"Animal domestique"};
    QTest::newRow("la première sans article")
        << QStringList{"ECOLES", "ECOLE"} << Littre::Etat::Trouve << QStringList{"ECOLE"}
        << QStringList{"Établissement"};
    QTest::newRow("sans article") << QStringList{"MAISON"} << Littre::Etat::SansArticle
                                  << QStringList{} << QStringList{};
    QTest::newRow("début d'une vedette")
        << QStringList{"NOI"} << Littre::Etat::SansArticle << QStringList{} << QStringList{};
    QTest::newRow("casse différente")
        << QStringList{"entendre"} << Littre::Etat::SansArticle << QStringList{} << QStringList{};
    QTest::newRow("aucune vedette")
        << QStringList{} << Littre::Etat::SansArticle << QStringList{} << QStringList{};
  }
  void leLittreDonneLesArticlesDesVedettes() {
    QFETCH(QStringList, vedettes);
    QFETCH(Littre::Etat, etat);
    QFETCH(QStringList, trouvees);
    QFETCH(QStringList, extraits);
    Dossiers dossiers;
    QVERIFY(dossiers.pret);
    Littre littre({dossiers.vide, dossiers.dic});
    // The same answer at the first lookup, which opens the files, and after.
    for (int tour = 0; tour < 2; ++tour) {
      const Littre::Reponse reponse = littre.Chercher(vedettes);
      QCOMPARE(reponse.etat, etat);
      QCOMPARE(reponse.erreur, QString());
      QStringList lues;
      for (const Littre::Article &article : reponse.articles)
        lues << article.vedette;
      QCOMPARE(lues, trouvees);
      for (qsizetype i = 0; i < extraits.size(); ++i)
        QVERIFY2(reponse.articles.at(i).html.contains(extraits.at(i)),
                 qPrintable(reponse.articles.at(i).html));
    }
  }

  // Only the first folder holding the dictionary is read; none holding it
  // is told apart from a dictionary without the word, and a dictionary
  // installed since the last lookup is found at the next.
  void unDictionnaireAbsentEstDitAbsent() {
    Dossiers dossiers;
    QVERIFY(dossiers.pret);
    const QString autre = dossiers.temporaire.filePath(QStringLiteral("autre"));
    QVERIFY(Installer(autre, [] {
      Fichiers f;
      f.idx = Index({{"MAISON", 0, 6}});
      f.ifo = Description(1, f.idx.size());
      f.dz = StardictEssai::Dictzip("maison", 16);
      return f;
    }()));
    Littre premier({dossiers.vide, dossiers.dic, autre});
    QCOMPARE(premier.Chercher({QStringLiteral("MAISON")}).etat, Littre::Etat::SansArticle);
    QCOMPARE(premier.Chercher({QStringLiteral("CHEVAL")}).etat, Littre::Etat::Trouve);

    const QString plusTard = dossiers.temporaire.filePath(QStringLiteral("plus-tard"));
    const QStringList sansDictionnaire[] = {
        {}, {dossiers.vide}, {dossiers.temporaire.filePath(QStringLiteral("inexistant"))}};
    for (const QStringList &liste : sansDictionnaire) {
      Littre littre(liste + QStringList{plusTard});
      const Littre::Reponse reponse = littre.Chercher({QStringLiteral("CHEVAL")});
      QCOMPARE(reponse.etat, Littre::Etat::Absent);
      QVERIFY(reponse.articles.isEmpty());
    }

    Littre littre({dossiers.vide, plusTard});
    QCOMPARE(littre.Chercher({QStringLiteral("CHEVAL")}).etat, Littre::Etat::Absent);
    QVERIFY(Installer(plusTard, Complet()));
    const Littre::Reponse reponse = littre.Chercher({QStringLiteral("CHEVAL")});
    QCOMPARE(reponse.etat, Littre::Etat::Trouve);
    QCOMPARE(reponse.articles.size(), 1);
  }

  // Damaged files give their reason in French, at each lookup, and nothing
  // of the dictionary.
  void unDictionnaireAbimeEstDitIllisible_data() {
    QTest::addColumn<QByteArray>("ifo");
    QTest::addColumn<QByteArray>("idx");
    QTest::addColumn<QByteArray>("dz");
    QTest::addColumn<bool>("avecTexte");
    QTest::addColumn<QString>("vedette");
    QTest::addColumn<QString>("raison");
    const Fichiers f = Complet();
    const QByteArray tronque = f.idx.left(f.idx.size() - 5);
    QTest::newRow("index tronqué")
        << Description(Entrees.size(), tronque.size()) << tronque << f.dz << true << "CHEVAL"
        << "tronqué";
    QTest::newRow("index plus court que sa description")
        << f.ifo << tronque << f.dz << true << "CHEVAL"
        << "taille";
    QTest::newRow("description d'une autre taille")
        << Description(Entrees.size(), f.idx.size() + 12) << f.idx << f.dz << true << "CHEVAL"
        << "taille";
    QTest::newRow("description d'un autre nombre")
        << Description(Entrees.size() + 1, f.idx.size()) << f.idx << f.dz << true << "CHEVAL"
        << "entrées";
    QTest::newRow("description illisible")
        << QByteArray("\x89PNG\r\n\x1a\n") << f.idx << f.dz << true << "CHEVAL"
        << "StarDict";
    const QByteArray desordre = Index({{"NOIR", 0, 4}, {"CHEVAL", 0, 4}});
    QTest::newRow("index dans le désordre")
        << Description(2, desordre.size()) << desordre << f.dz << true << "CHEVAL"
        << "ordre";
    QTest::newRow("texte qui n'est pas du dictzip")
        << f.ifo << f.idx << QByteArray(300, '\x5a') << true << "CHEVAL"
        << "gzip";
    QTest::newRow("texte tronqué")
        << f.ifo << f.idx << f.dz.left(f.dz.size() / 2) << true << "CHEVAL"
        << "tronqué";
    QTest::newRow("texte absent") << f.ifo << f.idx << QByteArray() << false << "CHEVAL"
                                  << "XMLittre.dict.dz est absent";
    const QByteArray loin = Index({{"CHEVAL", 0, 10}, {"LOIN", 100000, 10}});
    QTest::newRow("article hors du texte")
        << Description(2, loin.size()) << loin << f.dz << true << "LOIN"
        << "hors du texte";
  }
  void unDictionnaireAbimeEstDitIllisible() {
    QFETCH(QByteArray, ifo);
    QFETCH(QByteArray, idx);
    QFETCH(QByteArray, dz);
    QFETCH(bool, avecTexte);
    QFETCH(QString, vedette);
    QFETCH(QString, raison);
    QTemporaryDir dossier;
    QVERIFY(Installer(dossier.path(), {ifo, idx, dz, avecTexte}));
    Littre littre({dossier.filePath(QStringLiteral("vide")), dossier.path()});
    for (int tour = 0; tour < 2; ++tour) {
      const Littre::Reponse reponse = littre.Chercher({QStringLiteral("ENTENDRE"), vedette});
      QCOMPARE(reponse.etat, Littre::Etat::Illisible);
      QVERIFY(reponse.articles.isEmpty());
      QVERIFY2(reponse.erreur.contains(raison), qPrintable(reponse.erreur));
    }
  }

  // The markup the dictionary may hold, and what would be a tag or a link
  // if it went through as it is.
  void leBalisageDevientDuTexteSur_data() {
    QTest::addColumn<QByteArray>("balisage");
    QTest::addColumn<QStringList>("gardes");  // in the rich text
    QTest::addColumn<QStringList>("absents"); // never in it
    QTest::addColumn<QString>("lu");          // what the reader sees
    const QStringList rien;
    QTest::newRow("gras") << QByteArray("<b>ENTENDRE</b> (an-tan-dr')")
                          << QStringList{"<b>ENTENDRE</b>"} << rien << "ENTENDRE (an-tan-dr')";
    QTest::newRow("italique") << QByteArray("<i>v. a.</i>") << QStringList{"<i>v. a.</i>"} << rien
                              << "v. a.";
    QTest::newRow("tailles") << QByteArray("<small>petit</small> <big>grand</big>")
                             << QStringList{"<small>petit</small>", "<big>grand</big>"} << rien
                             << "petit grand";
    QTest::newRow("couleur") << QByteArray("<span foreground=\"#C00000\">1°</span> Sens propre.")
                             << QStringList{"<span style=\"color:#C00000\">1°</span>"} << rien
                             << "1° Sens propre.";
    QTest::newRow("imbriqués") << QByteArray("<b>A <i>b</i> c</b>")
                               << QStringList{"<b>A <i>b</i> c</b>"} << rien << "A b c";
    QTest::newRow("couleur qui est un lien")
        << QByteArray("<span foreground=\"javascript:alert(1)\">texte</span>") << rien
        << QStringList{"javascript", "<span"} << "texte";
    QTest::newRow("couleur suivie d'un style")
        << QByteArray("<span foreground=\"#C00000;background:url(x)\">texte</span>") << rien
        << QStringList{"url(", "<span"} << "texte";
    QTest::newRow("attribut d'une balise gardée")
        << QByteArray("<b onclick=\"alert(1)\">gras</b>") << QStringList{"<b>gras</b>"}
        << QStringList{"onclick", "alert"} << "gras";
    QTest::newRow("lien") << QByteArray("<a href=\"https://exemple.org\">voir</a> ici") << rien
                          << QStringList{"<a", "href", "exemple.org"} << "voir ici";
    QTest::newRow("image") << QByteArray("avant<img src=\"x.png\"/>après") << rien
                           << QStringList{"<img", "x.png"} << "avantaprès";
    QTest::newRow("script") << QByteArray("<script>alert(1)</script>fin") << rien
                            << QStringList{"<script", "</script"} << "alert(1)fin";
    QTest::newRow("balise écrite en texte")
        << QByteArray("&lt;script&gt;alert(1)&lt;/script&gt;") << QStringList{"&lt;script&gt;"}
        << QStringList{"<script", "</script"} << "<script>alert(1)</script>";
    QTest::newRow("fin de bloc écrite en texte")
        << QByteArray("a&lt;/div&gt;&lt;b&gt;b") << rien << QStringList{"<b>"} << "a</div><b>b";
    QTest::newRow("esperluette et guillemets")
        << QByteArray("« A &amp; B » \"cité\"") << QStringList{"&amp;"} << rien
        << "« A & B » \"cité\"";
    QTest::newRow("lignes et retraits")
        << QByteArray("<b>ENTENDRE</b>\n  1° Percevoir.\n  2° Comprendre.")
        << QStringList{"\n  1° Percevoir.\n  2° Comprendre."} << rien
        << "ENTENDRE\n  1° Percevoir.\n  2° Comprendre.";
    QTest::newRow("balises croisées") << QByteArray("<b>gras <i>mêlé</b></i>") << rien
                                      << QStringList{"<b>", "<i>"} << "gras mêlé";
    QTest::newRow("balise non fermée")
        << QByteArray("<b>gras") << rien << QStringList{"<b>"} << "gras";
    QTest::newRow("esperluette seule")
        << QByteArray("Pierre & <i>Marie</i>") << QStringList{"&amp;"} << QStringList{"<i>"}
        << "Pierre & Marie";
    QTest::newRow("mal formé, balise écrite en texte")
        << QByteArray("<b>&lt;script&gt;</i>") << QStringList{"&lt;script&gt;"}
        << QStringList{"<script", "<b>"} << "<script>";
    QTest::newRow("mal formé, un < seul")
        << QByteArray("a < b et c") << QStringList{"a &lt; b et c"} << rien << "a < b et c";
    QTest::newRow("mal formé, un < avant une balise")
        << QByteArray("x < y <i>z</b>") << QStringList{"x &lt; y z"} << QStringList{"<i>"}
        << "x < y z";
    QTest::newRow("vide") << QByteArray() << rien << rien << "";
  }
  void leBalisageDevientDuTexteSur() {
    QFETCH(QByteArray, balisage);
    QFETCH(QStringList, gardes);
    QFETCH(QStringList, absents);
    QFETCH(QString, lu);
    const QString html = Littre::EnHtml(balisage);
    const QString ouverture = QStringLiteral("<div style=\"white-space: pre-wrap\">");
    QVERIFY2(html.startsWith(ouverture) && html.endsWith(QStringLiteral("</div>")),
             qPrintable(html));
    const QString dedans = html.mid(ouverture.size(), html.size() - ouverture.size() - 6);
    QVERIFY2(!dedans.contains(QStringLiteral("<div")) && !dedans.contains(QStringLiteral("</div")),
             qPrintable(html));
    for (const QString &garde : gardes)
      QVERIFY2(html.contains(garde), qPrintable(html));
    for (const QString &absent : absents)
      QVERIFY2(!html.contains(absent), qPrintable(html));
    QCOMPARE(Lu(html), lu);
  }

  // What the window shows of one word, whatever the dictionary's state.
  void laFenetreMontreLeMotChoisi_data() {
    QTest::addColumn<Installation>("installation");
    QTest::addColumn<QString>("mot");
    QTest::addColumn<Littre::Etat>("etat");
    QTest::addColumn<QString>("titre");
    QTest::addColumn<QStringList>("extraits");
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("source");
    QTest::addColumn<bool>("bouton");
    QTest::newRow("article du mot") << Installation::Complete << "ECOLE" << Littre::Etat::Trouve
                                    << "ÉCOLE" << QStringList{"Établissement où l'on enseigne."}
                                    << "ÉCOLE : un article du Littré." << true << false;
    QTest::newRow("forme d'un lemme")
        << Installation::Complete << "ECOLES" << Littre::Etat::Trouve << "ÉCOLES"
        << QStringList{"ÉCOLES est une forme de ÉCOLE.", "Établissement où l'on enseigne."}
        << "ÉCOLES : un article du Littré." << true << false;
    QTest::newRow("forme d'un lemme sans accent")
        << Installation::Complete << "CHEVAUX" << Littre::Etat::Trouve << "CHEVAUX"
        << QStringList{"CHEVAUX est une forme de CHEVAL.", "Animal domestique"}
        << "CHEVAUX : un article du Littré." << true << false;
    QTest::newRow("deux articles") << Installation::Complete << "NOIR" << Littre::Etat::Trouve
                                   << "NOIR" << QStringList{"la plus obscure", "La couleur noire."}
                                   << "NOIR : 2 articles du Littré." << true << false;
    QTest::newRow("sans article") << Installation::Complete << "ZEBRE" << Littre::Etat::SansArticle
                                  << "ZÈBRE"
                                  << QStringList{"Le Littré n'a pas d'article pour ZÈBRE.",
                                                 "Wiktionnaire"}
                                  << "Le Littré n'a pas d'article pour ZÈBRE." << false << true;
    QTest::newRow("dictionnaire absent")
        << Installation::Aucune << "ECOLE" << Littre::Etat::Absent << "ÉCOLE"
        << QStringList{"Le dictionnaire des définitions n'est pas installé.",
                       "sudo apt install stardict-xmlittre"}
        << "Le dictionnaire des définitions n'est pas installé : paquet stardict-xmlittre." << false
        << true;
    QTest::newRow("dictionnaire abîmé")
        << Installation::Abimee << "ECOLE" << Littre::Etat::Illisible << "ÉCOLE"
        << QStringList{"Le dictionnaire des définitions ne peut pas être lu : le texte du "
                       "dictionnaire est abîmé",
                       "stardict-xmlittre"}
        << "Le dictionnaire des définitions ne peut pas être lu." << false << true;
  }
  void laFenetreMontreLeMotChoisi() {
    QFETCH(Installation, installation);
    QFETCH(QString, mot);
    QFETCH(Littre::Etat, etat);
    QFETCH(QString, titre);
    QFETCH(QStringList, extraits);
    QFETCH(QString, description);
    QFETCH(bool, source);
    QFETCH(bool, bouton);
    Banc banc(installation);
    const auto fenetre = banc.Fenetre({{mot, QStringLiteral("jeu 1, votre mot")}});
    QCOMPARE(fenetre->MotMontre(), mot);
    QCOMPARE(fenetre->Etat(), etat);
    QCOMPARE(Etiquette(*fenetre, "Titre")->text(), titre);
    const QString texte = fenetre->Texte();
    for (const QString &extrait : extraits)
      QVERIFY2(texte.contains(extrait), qPrintable(texte));
    const auto *definition = fenetre->findChild<QTextBrowser *>(QStringLiteral("Definition"));
    QCOMPARE(definition->accessibleName(), QStringLiteral("Définition de %1").arg(titre));
    QCOMPARE(definition->accessibleDescription(), description);
    QCOMPARE(Etiquette(*fenetre, "Source")->isVisible(), source);
    QCOMPARE(fenetre->OffreWiktionnaire(), bouton);
    QCOMPARE(fenetre->findChild<QPushButton *>(QStringLiteral("Wiktionnaire"))->isVisible(),
             bouton);
    QVERIFY(banc.plateforme.documents.isEmpty());
  }

  // The button opens the word's page, written as it is spelt, and only
  // when pressed.
  void leBoutonOuvreLaPageDuWiktionnaire_data() {
    QTest::addColumn<QString>("mot");
    QTest::addColumn<QString>("cherche");
    QTest::addColumn<QString>("encode");
    QTest::newRow("accent grave") << "ZEBRE"
                                  << "zèbre"
                                  << "search=z%C3%A8bre";
    QTest::newRow("ligature") << "COEUR"
                              << "cœur"
                              << "search=c%C5%93ur";
    QTest::newRow("sans graphie") << "MAISON"
                                  << "maison"
                                  << "search=maison";
  }
  void leBoutonOuvreLaPageDuWiktionnaire() {
    QFETCH(QString, mot);
    QFETCH(QString, cherche);
    QFETCH(QString, encode);
    Banc banc;
    const auto fenetre = banc.Fenetre({{mot, QStringLiteral("jeu 2, le plus long")}});
    auto *bouton = fenetre->findChild<QPushButton *>(QStringLiteral("Wiktionnaire"));
    QVERIFY(bouton->isVisible());
    QVERIFY(banc.plateforme.documents.isEmpty());
    QTest::mouseClick(bouton, Qt::LeftButton);
    QCOMPARE(banc.plateforme.documents.size(), 1);
    const QString document = banc.plateforme.documents.at(0);
    QVERIFY2(document.startsWith(QStringLiteral("https://fr.wiktionary.org/")),
             qPrintable(document));
    QVERIFY2(document.contains(encode), qPrintable(document));
    const QUrl adresse(document);
    QCOMPARE(adresse.scheme(), QStringLiteral("https"));
    QCOMPARE(adresse.host(), QStringLiteral("fr.wiktionary.org"));
    QCOMPARE(QUrlQuery(adresse).queryItemValue(QStringLiteral("search"), QUrl::FullyDecoded),
             cherche);
  }

  // The list shows each word as it is spelt with where it comes from, and
  // choosing another row shows that word, its button and its source.
  void choisirUnAutreMotLeMontre() {
    Banc banc;
    const auto fenetre =
        banc.Fenetre({{QStringLiteral("ZEBRE"), QStringLiteral("jeu 1, votre mot")},
                      {QStringLiteral("ECOLES"), QStringLiteral("jeu 1, le plus long")},
                      {QStringLiteral("NOIR"), QStringLiteral("jeu 2, l'adversaire")}},
                     0);
    auto *liste = fenetre->findChild<QListWidget *>(QStringLiteral("Mots"));
    QCOMPARE(liste->count(), 3);
    QCOMPARE(liste->item(0)->text(), QStringLiteral("ZÈBRE\njeu 1, votre mot"));
    QCOMPARE(liste->item(1)->text(), QStringLiteral("ÉCOLES\njeu 1, le plus long"));
    QCOMPARE(fenetre->MotMontre(), QStringLiteral("ZEBRE"));
    QVERIFY(fenetre->OffreWiktionnaire());

    QTest::keyClick(liste, Qt::Key_Down);
    QCOMPARE(fenetre->MotMontre(), QStringLiteral("ECOLES"));
    QCOMPARE(Etiquette(*fenetre, "Titre")->text(), QStringLiteral("ÉCOLES"));
    QVERIFY2(fenetre->Texte().contains(QStringLiteral("Établissement")),
             qPrintable(fenetre->Texte()));
    QVERIFY(!fenetre->Texte().contains(QStringLiteral("ZÈBRE")));
    QVERIFY(!fenetre->OffreWiktionnaire());
    QVERIFY(Etiquette(*fenetre, "Source")->isVisible());

    liste->setCurrentRow(2);
    QCOMPARE(fenetre->MotMontre(), QStringLiteral("NOIR"));
    QVERIFY(fenetre->Texte().contains(QStringLiteral("La couleur noire.")));
    QVERIFY(!fenetre->Texte().contains(QStringLiteral("Établissement")));

    QTest::keyClick(liste, Qt::Key_Home);
    QCOMPARE(fenetre->MotMontre(), QStringLiteral("ZEBRE"));
    QVERIFY(fenetre->OffreWiktionnaire());
    QVERIFY(!Etiquette(*fenetre, "Source")->isVisible());
    fenetre->OuvrirWiktionnaire();
    QCOMPARE(banc.plateforme.documents.size(), 1);
    QVERIFY(banc.plateforme.documents.at(0).contains(QStringLiteral("z%C3%A8bre")));
  }

  // The row asked for is kept within the list; an empty list says so and
  // offers nothing to open.
  void leMotDemandeEstDansLaListe_data() {
    QTest::addColumn<int>("choisi");
    QTest::addColumn<QString>("montre");
    QTest::newRow("le deuxième") << 1 << "ECOLES";
    QTest::newRow("avant le premier") << -3 << "ZEBRE";
    QTest::newRow("après le dernier") << 7 << "ECOLES";
  }
  void leMotDemandeEstDansLaListe() {
    QFETCH(int, choisi);
    QFETCH(QString, montre);
    Banc banc;
    const auto fenetre =
        banc.Fenetre({{QStringLiteral("ZEBRE"), QStringLiteral("jeu 1, votre mot")},
                      {QStringLiteral("ECOLES"), QStringLiteral("jeu 1, le plus long")}},
                     choisi);
    QCOMPARE(fenetre->MotMontre(), montre);
    QCOMPARE(fenetre->findChild<QListWidget *>(QStringLiteral("Mots"))
                 ->currentItem()
                 ->text()
                 .section(u'\n', 0, 0),
             banc.formes.Graphie(montre));
  }
  void uneListeVideNeMontreRien() {
    Banc banc;
    const auto fenetre = banc.Fenetre({}, 0);
    QCOMPARE(fenetre->MotMontre(), QString());
    QVERIFY2(fenetre->Texte().contains(QStringLiteral("Aucun mot n'a encore été joué")),
             qPrintable(fenetre->Texte()));
    QVERIFY(!fenetre->OffreWiktionnaire());
    fenetre->OuvrirWiktionnaire();
    QVERIFY(banc.plateforme.documents.isEmpty());
  }
};

QTEST_MAIN(TestDefinitions)
#include "TestDefinitions.moc"
