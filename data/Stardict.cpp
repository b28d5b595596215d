#include "data/Stardict.h"

#include <QtEndian>
#include <algorithm>
#include <zlib.h>

namespace {

// Articles longer than this are taken for damage: the Littré's longest is
// under 200 kB.
constexpr quint32 ArticleMax = 16 * 1024 * 1024;

void Dire(QString *erreur, const QString &texte) {
  if (erreur)
    *erreur = texte;
}

char Minuscule(char c) {
  return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

} // namespace

int Stardict::Comparer(QByteArrayView a, QByteArrayView b) {
  const qsizetype n = std::min(a.size(), b.size());
  for (qsizetype i = 0; i < n; ++i) {
    const auto x = uchar(Minuscule(a[i])), y = uchar(Minuscule(b[i]));
    if (x != y)
      return x < y ? -1 : 1;
  }
  if (a.size() != b.size())
    return a.size() < b.size() ? -1 : 1;
  for (qsizetype i = 0; i < n; ++i)
    if (a[i] != b[i])
      return uchar(a[i]) < uchar(b[i]) ? -1 : 1;
  return 0;
}

std::optional<Stardict::Description> Stardict::LireDescription(QByteArrayView octets,
                                                               QString *erreur) {
  const QList<QByteArray> lignes = octets.toByteArray().split('\n');
  if (lignes.isEmpty() || lignes.first().trimmed() != "StarDict's dict ifo file") {
    Dire(erreur, QStringLiteral("ce n'est pas la description d'un dictionnaire StarDict"));
    return std::nullopt;
  }
  Description description;
  bool mots = false, taille = false;
  for (const QByteArray &ligne : lignes) {
    const qsizetype egal = ligne.indexOf('=');
    if (egal <= 0)
      continue;
    const QByteArray cle = ligne.left(egal).trimmed();
    const QByteArray valeur = ligne.mid(egal + 1).trimmed();
    if (cle == "bookname")
      description.nom = QString::fromUtf8(valeur);
    else if (cle == "wordcount")
      description.mots = valeur.toLongLong(&mots);
    else if (cle == "idxfilesize")
      description.tailleIndex = valeur.toLongLong(&taille);
    else if (cle == "idxoffsetbits")
      description.bitsPosition = valeur.toInt();
    else if (cle == "sametypesequence")
      description.types = QString::fromUtf8(valeur);
  }
  if (!mots || !taille || description.mots <= 0 || description.tailleIndex <= 0 ||
      (description.bitsPosition != 32 && description.bitsPosition != 64)) {
    Dire(erreur, QStringLiteral("la description du dictionnaire est incomplète"));
    return std::nullopt;
  }
  return description;
}

std::optional<Stardict::Index> Stardict::Index::Lire(QByteArray octets, int bitsPosition,
                                                     qint64 attendus, QString *erreur) {
  Index index;
  index.m_taillePlace = bitsPosition == 64 ? 12 : 8;
  if (attendus > 0)
    index.m_entrees.reserve(std::size_t(std::min<qint64>(attendus, octets.size() / 10 + 1)));
  const qsizetype taille = octets.size();
  qsizetype debut = 0;
  QByteArrayView precedent;
  while (debut < taille) {
    const qsizetype fin = octets.indexOf('\0', debut);
    if (fin < 0 || fin == debut || fin + 1 + index.m_taillePlace > taille) {
      Dire(erreur,
           QStringLiteral("l'index du dictionnaire est tronqué ou abîmé (octet %1)").arg(debut));
      return std::nullopt;
    }
    const QByteArrayView mot(octets.constData() + debut, fin - debut);
    if (!precedent.isNull() && Comparer(precedent, mot) > 0) {
      Dire(erreur,
           QStringLiteral("l'index du dictionnaire n'est pas dans l'ordre (octet %1)").arg(debut));
      return std::nullopt;
    }
    if (debut > qsizetype(UINT32_MAX)) {
      Dire(erreur, QStringLiteral("l'index du dictionnaire est trop grand"));
      return std::nullopt;
    }
    index.m_entrees.push_back(quint32(debut));
    precedent = mot;
    debut = fin + 1 + index.m_taillePlace;
  }
  if (attendus > 0 && qint64(index.m_entrees.size()) != attendus) {
    Dire(erreur, QStringLiteral("l'index du dictionnaire compte %1 entrées au lieu de %2")
                     .arg(index.m_entrees.size())
                     .arg(attendus));
    return std::nullopt;
  }
  index.m_octets = std::move(octets);
  return index;
}

QByteArrayView Stardict::Index::Mot(qsizetype i) const {
  const char *debut = m_octets.constData() + m_entrees[std::size_t(i)];
  return QByteArrayView(debut, qsizetype(qstrlen(debut)));
}

Stardict::Index::Article Stardict::Index::Place(qsizetype i) const {
  const QByteArrayView mot = Mot(i);
  const auto *place = reinterpret_cast<const uchar *>(mot.data() + mot.size() + 1);
  if (m_taillePlace == 12)
    return {qFromBigEndian<quint64>(place), qFromBigEndian<quint32>(place + 8)};
  return {qFromBigEndian<quint32>(place), qFromBigEndian<quint32>(place + 4)};
}

std::vector<Stardict::Index::Article> Stardict::Index::Chercher(QByteArrayView mot) const {
  std::vector<Article> articles;
  auto i = std::lower_bound(
      m_entrees.begin(), m_entrees.end(), mot, [this](quint32 entree, QByteArrayView cherche) {
        return Comparer(QByteArrayView(m_octets.constData() + entree), cherche) < 0;
      });
  for (; i != m_entrees.end(); ++i) {
    const qsizetype k = qsizetype(i - m_entrees.begin());
    if (Mot(k) != mot)
      break;
    articles.push_back(Place(k));
  }
  return articles;
}

std::vector<Stardict::Index::Article> Stardict::Index::ChercherVedette(QByteArrayView mot) const {
  std::vector<Article> articles;
  if (mot.isEmpty())
    return articles;
  auto i = std::lower_bound(
      m_entrees.begin(), m_entrees.end(), mot, [this](quint32 entree, QByteArrayView cherche) {
        return Comparer(QByteArrayView(m_octets.constData() + entree), cherche) < 0;
      });
  // Every headword beginning with the word, letters' case aside, follows it.
  for (; i != m_entrees.end(); ++i) {
    const qsizetype k = qsizetype(i - m_entrees.begin());
    const QByteArrayView vedette = Mot(k);
    if (vedette.size() < mot.size() ||
        qstrnicmp(vedette.data(), mot.data(), std::size_t(mot.size())) != 0)
      break;
    if (!vedette.startsWith(mot))
      continue;
    const QByteArrayView suite = vedette.sliced(mot.size());
    const bool numero =
        suite.size() > 1 && suite[0] == '.' &&
        std::all_of(suite.begin() + 1, suite.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (suite.isEmpty() || numero || suite.startsWith(", "))
      articles.push_back(Place(k));
  }
  return articles;
}

std::unique_ptr<Stardict::Dictzip> Stardict::Dictzip::Ouvrir(std::unique_ptr<QIODevice> fichier,
                                                             QString *erreur) {
  const auto abime = [erreur](const QString &quoi) {
    Dire(erreur, QStringLiteral("le texte du dictionnaire est abîmé : %1").arg(quoi));
    return nullptr;
  };
  if (!fichier || !fichier->isOpen() || !fichier->seek(0))
    return abime(QStringLiteral("illisible"));
  const QByteArray tete = fichier->read(12);
  if (tete.size() < 12 || uchar(tete[0]) != 0x1f || uchar(tete[1]) != 0x8b || tete[2] != 8)
    return abime(QStringLiteral("ce n'est pas un fichier gzip"));
  const uchar drapeaux = uchar(tete[3]);
  if (!(drapeaux & 4))
    return abime(QStringLiteral("il n'a pas la table des morceaux de dictzip"));
  const quint16 longueurExtra = qFromLittleEndian<quint16>(tete.constData() + 10);
  const QByteArray extra = fichier->read(longueurExtra);
  if (extra.size() != longueurExtra)
    return abime(QStringLiteral("son en-tête est tronqué"));

  auto dictzip = std::unique_ptr<Dictzip>(new Dictzip);
  std::vector<quint16> tailles;
  for (qsizetype i = 0; i + 4 <= extra.size();) {
    const quint16 longueur = qFromLittleEndian<quint16>(extra.constData() + i + 2);
    if (i + 4 + longueur > extra.size())
      return abime(QStringLiteral("son en-tête est incohérent"));
    if (extra[i] == 'R' && extra[i + 1] == 'A' && longueur >= 6) {
      const char *donnees = extra.constData() + i + 4;
      const quint16 version = qFromLittleEndian<quint16>(donnees);
      dictzip->m_tailleMorceau = qFromLittleEndian<quint16>(donnees + 2);
      const quint16 nombre = qFromLittleEndian<quint16>(donnees + 4);
      if (version != 1 || dictzip->m_tailleMorceau == 0 || nombre == 0 ||
          longueur != 6 + 2 * nombre)
        return abime(QStringLiteral("sa table des morceaux est incohérente"));
      for (quint16 k = 0; k < nombre; ++k)
        tailles.push_back(qFromLittleEndian<quint16>(donnees + 6 + 2 * k));
    }
    i += 4 + longueur;
  }
  if (tailles.empty())
    return abime(QStringLiteral("il n'a pas la table des morceaux de dictzip"));
  // The name and comment end with a NUL; the header's checksum is 2 bytes.
  for (const uchar champ : {uchar(8), uchar(16)})
    if (drapeaux & champ) {
      char c = 1;
      while (c != 0)
        if (!fichier->getChar(&c))
          return abime(QStringLiteral("son en-tête est tronqué"));
    }
  if ((drapeaux & 2) && fichier->read(2).size() != 2)
    return abime(QStringLiteral("son en-tête est tronqué"));

  qint64 debut = fichier->pos();
  dictzip->m_debuts.reserve(tailles.size() + 1);
  for (const quint16 taille : tailles) {
    dictzip->m_debuts.push_back(debut);
    debut += taille;
  }
  dictzip->m_debuts.push_back(debut);
  if (debut > fichier->size())
    return abime(QStringLiteral("il est tronqué"));
  dictzip->m_fichier = std::move(fichier);
  return dictzip;
}

std::optional<QByteArray> Stardict::Dictzip::Morceau(qsizetype i, QString *erreur) {
  if (i == m_dernier)
    return m_morceau;
  const qint64 debut = m_debuts[std::size_t(i)];
  const qint64 taille = m_debuts[std::size_t(i) + 1] - debut;
  if (!m_fichier->seek(debut)) {
    Dire(erreur, QStringLiteral("le texte du dictionnaire ne se lit plus"));
    return std::nullopt;
  }
  QByteArray comprime = m_fichier->read(taille);
  if (comprime.size() != taille) {
    Dire(erreur, QStringLiteral("le texte du dictionnaire est tronqué"));
    return std::nullopt;
  }
  QByteArray texte(qsizetype(m_tailleMorceau), Qt::Uninitialized);
  z_stream flux{};
  if (inflateInit2(&flux, -MAX_WBITS) != Z_OK) {
    Dire(erreur, QStringLiteral("la décompression ne peut pas commencer"));
    return std::nullopt;
  }
  flux.next_in = reinterpret_cast<Bytef *>(comprime.data());
  flux.avail_in = uInt(comprime.size());
  flux.next_out = reinterpret_cast<Bytef *>(texte.data());
  flux.avail_out = uInt(texte.size());
  const int code = inflate(&flux, Z_SYNC_FLUSH);
  const qsizetype produits = texte.size() - qsizetype(flux.avail_out);
  inflateEnd(&flux);
  // Each chunk but the last ends on a flush, not on the stream's end.
  if ((code != Z_OK && code != Z_STREAM_END && code != Z_BUF_ERROR) || produits == 0) {
    Dire(erreur, QStringLiteral("le texte du dictionnaire est abîmé (morceau %1)").arg(i + 1));
    return std::nullopt;
  }
  texte.truncate(produits);
  m_dernier = i;
  m_morceau = texte;
  return texte;
}

std::optional<QByteArray> Stardict::Dictzip::Lire(quint64 debut, quint32 taille, QString *erreur) {
  if (taille == 0 || taille > ArticleMax || debut >= Longueur() || taille > Longueur() - debut) {
    Dire(erreur, QStringLiteral("l'article est hors du texte du dictionnaire"));
    return std::nullopt;
  }
  QByteArray article;
  article.reserve(qsizetype(taille));
  quint64 position = debut;
  while (article.size() < qsizetype(taille)) {
    const auto i = qsizetype(position / m_tailleMorceau);
    const std::optional<QByteArray> morceau = Morceau(i, erreur);
    if (!morceau)
      return std::nullopt;
    const auto decalage = qsizetype(position % m_tailleMorceau);
    if (decalage >= morceau->size()) {
      Dire(erreur, QStringLiteral("l'article dépasse la fin du texte du dictionnaire"));
      return std::nullopt;
    }
    const qsizetype pris = std::min(morceau->size() - decalage, qsizetype(taille) - article.size());
    article.append(morceau->constData() + decalage, pris);
    position += quint64(pris);
  }
  return article;
}
