#include "data/Littre.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <utility>

namespace {

// Why a file of the dictionary does not open, in French.
QString NonOuvert(const QFile &fichier) {
  const QString chemin = QDir::toNativeSeparators(fichier.fileName());
  if (!fichier.exists())
    return QStringLiteral("%1 est absent").arg(chemin);
  if (fichier.error() == QFileDevice::PermissionsError)
    return QStringLiteral("la lecture de %1 n'est pas permise").arg(chemin);
  return QStringLiteral("%1 ne peut pas être ouvert").arg(chemin);
}

// A file of the dictionary, read whole; nothing, with the reason, when it
// cannot be.
std::optional<QByteArray> LireTout(const QString &chemin, qint64 plafond, QString *erreur) {
  QFile fichier(chemin);
  if (!fichier.open(QIODevice::ReadOnly)) {
    *erreur = NonOuvert(fichier);
    return std::nullopt;
  }
  if (fichier.size() > plafond) {
    *erreur = QStringLiteral("%1 est trop grand").arg(QDir::toNativeSeparators(chemin));
    return std::nullopt;
  }
  return fichier.readAll();
}

// The description, the index and the text are tens of megabytes at most.
constexpr qint64 PlafondDescription = 1 << 16, PlafondIndex = qint64(1) << 28;

} // namespace

QStringList Littre::Dossiers() {
  QStringList dossiers;
  for (const QString &donnees :
       QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
    dossiers << QDir(donnees).filePath(QStringLiteral("stardict/dic"));
  return dossiers;
}

Littre::Littre(QStringList dossiers) : m_dossiers(std::move(dossiers)) {}

Littre::~Littre() = default;

std::optional<Littre::Reponse> Littre::Ouvrir() {
  if (m_textes)
    return std::nullopt;
  const QString nom = QString::fromLatin1(Nom);
  QString racine;
  for (const QString &dossier : std::as_const(m_dossiers))
    if (QFile::exists(QDir(dossier).filePath(nom + QStringLiteral(".ifo")))) {
      racine = QDir(dossier).filePath(nom);
      break;
    }
  if (racine.isEmpty())
    return Reponse{Etat::Absent, {}, {}};

  Reponse panne{Etat::Illisible, {}, {}};
  const std::optional<QByteArray> ifo =
      LireTout(racine + QStringLiteral(".ifo"), PlafondDescription, &panne.erreur);
  if (!ifo)
    return panne;
  const std::optional<Stardict::Description> description =
      Stardict::LireDescription(*ifo, &panne.erreur);
  if (!description)
    return panne;
  std::optional<QByteArray> idx =
      LireTout(racine + QStringLiteral(".idx"), PlafondIndex, &panne.erreur);
  if (!idx)
    return panne;
  if (idx->size() != description->tailleIndex) {
    panne.erreur = QStringLiteral("l'index n'a pas la taille que sa description annonce");
    return panne;
  }
  std::optional<Stardict::Index> index = Stardict::Index::Lire(
      std::move(*idx), description->bitsPosition, description->mots, &panne.erreur);
  if (!index)
    return panne;
  auto texte = std::make_unique<QFile>(racine + QStringLiteral(".dict.dz"));
  if (!texte->open(QIODevice::ReadOnly)) {
    panne.erreur = NonOuvert(*texte);
    return panne;
  }
  std::unique_ptr<Stardict::Dictzip> textes =
      Stardict::Dictzip::Ouvrir(std::move(texte), &panne.erreur);
  if (!textes)
    return panne;
  m_index = std::move(index);
  m_textes = std::move(textes);
  return std::nullopt;
}

Littre::Reponse Littre::Chercher(const QStringList &vedettes) {
  if (std::optional<Reponse> panne = Ouvrir())
    return *panne;
  Reponse reponse{Etat::SansArticle, {}, {}};
  QSet<quint64> vus;
  for (const QString &vedette : vedettes) {
    const QByteArray mot = vedette.toUtf8();
    for (const Stardict::Index::Article &place : m_index->ChercherVedette(mot)) {
      if (vus.contains(place.debut))
        continue;
      vus.insert(place.debut);
      QString erreur;
      const std::optional<QByteArray> texte = m_textes->Lire(place.debut, place.taille, &erreur);
      if (!texte) {
        // A damaged article says so, and is read again at the next lookup.
        m_textes.reset();
        m_index.reset();
        return Reponse{Etat::Illisible, {}, erreur};
      }
      reponse.articles.append({vedette, EnHtml(*texte)});
    }
  }
  if (!reponse.articles.isEmpty())
    reponse.etat = Etat::Trouve;
  return reponse;
}

QString Littre::EnHtml(QByteArrayView balisage) {
  const QString texte = QString::fromUtf8(balisage);
  QString html;
  // The markup as a document of its own; a tag it does not know leaves
  // its text, and a text that is not well formed is shown without tags.
  QXmlStreamReader lecteur(QStringLiteral("<r>") + texte + QStringLiteral("</r>"));
  QStringList fermetures;
  static const QRegularExpression couleur(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
  while (!lecteur.atEnd()) {
    switch (lecteur.readNext()) {
    case QXmlStreamReader::StartElement: {
      const QStringView balise = lecteur.name();
      QString ouverture, fermeture;
      if (balise == u"b" || balise == u"i" || balise == u"small" || balise == u"big") {
        ouverture = u'<' + balise.toString() + u'>';
        fermeture = QStringLiteral("</") + balise.toString() + u'>';
      } else if (balise == u"span") {
        const QString teinte = lecteur.attributes().value(QLatin1String("foreground")).toString();
        if (couleur.match(teinte).hasMatch()) {
          ouverture = QStringLiteral("<span style=\"color:%1\">").arg(teinte);
          fermeture = QStringLiteral("</span>");
        }
      }
      html += ouverture;
      fermetures.append(fermeture);
      break;
    }
    case QXmlStreamReader::EndElement:
      if (!fermetures.isEmpty())
        html += fermetures.takeLast();
      break;
    case QXmlStreamReader::Characters:
      html += lecteur.text().toString().toHtmlEscaped();
      break;
    default:
      break;
    }
  }
  if (lecteur.hasError()) {
    html.clear();
    // A tag is what lies between '<' and the next '>'; a '<' that no '>'
    // closes before the next '<' is text.
    // Each search starts where the last ended: a text of many '<' costs
    // no more than its length.
    QString brut;
    qsizetype fin = -1;
    bool plusDeFin = false;
    for (qsizetype i = 0; i < texte.size(); ++i) {
      if (texte[i] == u'<') {
        if (!plusDeFin && fin < i) {
          fin = texte.indexOf(u'>', i);
          plusDeFin = fin < 0;
        }
        const qsizetype suivant = texte.indexOf(u'<', i + 1);
        if (fin > i && (suivant < 0 || fin < suivant)) {
          i = fin;
          continue;
        }
      }
      brut += texte[i];
    }
    html = brut.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
               .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
               .replace(QStringLiteral("&amp;"), QStringLiteral("&"))
               .toHtmlEscaped();
  }
  return QStringLiteral("<div style=\"white-space: pre-wrap\">%1</div>").arg(html.trimmed());
}
