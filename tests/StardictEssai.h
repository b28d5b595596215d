#pragma once

// A small StarDict dictionary made by the tests: its index and its text
// compressed as dictzip does, in chunks of a few bytes so that an article
// spans several.

#include <QByteArray>
#include <QList>
#include <QtEndian>
#include <algorithm>
#include <utility>
#include <zlib.h>

namespace StardictEssai {

// The headwords, already in StarDict's order, and their articles.
using Articles = QList<std::pair<QByteArray, QByteArray>>;

struct Dictionnaire {
  QByteArray ifo, idx, dz, texte;
};

inline QByteArray Dictzip(const QByteArray &texte, int tailleMorceau) {
  QList<QByteArray> morceaux;
  z_stream flux{};
  deflateInit2(&flux, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
  for (qsizetype debut = 0; debut < texte.size(); debut += tailleMorceau) {
    const QByteArray morceau = texte.mid(debut, tailleMorceau);
    const bool dernier = debut + tailleMorceau >= texte.size();
    QByteArray sortie(int(deflateBound(&flux, uLong(morceau.size())) + 64), '\0');
    flux.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(morceau.constData()));
    flux.avail_in = uInt(morceau.size());
    flux.next_out = reinterpret_cast<Bytef *>(sortie.data());
    flux.avail_out = uInt(sortie.size());
    deflate(&flux, dernier ? Z_FINISH : Z_FULL_FLUSH);
    sortie.truncate(sortie.size() - qsizetype(flux.avail_out));
    morceaux << sortie;
  }
  deflateEnd(&flux);

  QByteArray ra;
  const auto mot16 = [](QByteArray &o, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    o.append(b, 2);
  };
  mot16(ra, 1);
  mot16(ra, quint16(tailleMorceau));
  mot16(ra, quint16(morceaux.size()));
  for (const QByteArray &m : morceaux)
    mot16(ra, quint16(m.size()));
  QByteArray extra("RA");
  mot16(extra, quint16(ra.size()));
  extra += ra;

  QByteArray fichier("\x1f\x8b\x08\x0c", 4); // FEXTRA | FNAME
  fichier += QByteArray(6, '\0');
  mot16(fichier, quint16(extra.size()));
  fichier += extra;
  fichier += QByteArray("essai.dict", 11); // with its NUL
  for (const QByteArray &m : morceaux)
    fichier += m;
  return fichier;
}

inline Dictionnaire Fabriquer(const Articles &articles, int tailleMorceau = 16) {
  Dictionnaire d;
  for (const auto &[mot, article] : articles) {
    char place[8];
    qToBigEndian(quint32(d.texte.size()), place);
    qToBigEndian(quint32(article.size()), place + 4);
    d.idx += mot + '\0' + QByteArray(place, 8);
    d.texte += article;
  }
  d.dz = Dictzip(d.texte, tailleMorceau);
  d.ifo = "StarDict's dict ifo file\nversion=2.4.2\nbookname=Essai\nwordcount=" +
          QByteArray::number(articles.size()) +
          "\nidxfilesize=" + QByteArray::number(d.idx.size()) + "\nsametypesequence=g\n";
  return d;
}

} // namespace StardictEssai
