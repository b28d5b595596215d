// The article markup of the Littré turned into rich text, on any bytes: what
// comes out holds no tag but those kept (bold, italics, sizes, coloured
// spans and the block round it), and every other '<' or '>' is escaped.

#include "Exiger.h"
#include "data/Littre.h"

#include <QRegularExpression>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *donnees, size_t taille) {
  const QString html = Littre::EnHtml(
      QByteArrayView(reinterpret_cast<const char *>(donnees), qsizetype(taille)));
  static const QRegularExpression balise(QStringLiteral(
      "^<(/?(b|i|small|big|span|div)|span style=\"color:#[0-9A-Fa-f]{6}\"|"
      "div style=\"white-space: pre-wrap\")>"));
  for (qsizetype i = 0; i < html.size(); ++i) {
    EXIGER(html[i] != u'>');
    if (html[i] != u'<')
      continue;
    const qsizetype fin = html.indexOf(u'>', i);
    EXIGER(fin > i);
    EXIGER(balise.match(QStringView(html).sliced(i, fin - i + 1)).hasMatch());
    i = fin;
  }
  return 0;
}
