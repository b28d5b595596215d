#include "data/FormesBase.h"

#include "data/ErreurBase.h"
#include "data/MoteurBase.h"

QString FormesBase::Lire(const QString &sql, const QString &mot) {
  MoteurBase *base = MoteurBase::Ouverte(m_fichier);
  if (!base || mot.isEmpty())
    return {};
  try {
    return base->Lire(sql, {mot}).lignes.value(0).value(0).toString();
  } catch (const ErreurBase &) {
    // No such table in an older copy, or a file that cannot be read now:
    // the word is shown as the game knows it.
    return {};
  }
}

QString FormesBase::Graphie(const QString &mot) {
  if (const auto connue = m_graphies.constFind(mot); connue != m_graphies.cend())
    return *connue;
  QString graphie = Lire(QStringLiteral("SELECT GRAPHIE FROM GRAPHIES WHERE NOM = ?"), mot);
  if (graphie.isEmpty())
    graphie = mot;
  m_graphies.insert(mot, graphie);
  return graphie;
}

QStringList FormesBase::Lemmes(const QString &mot) {
  return Lire(QStringLiteral("SELECT LEMMES FROM LEMMES WHERE NOM = ?"), mot)
      .split(u' ', Qt::SkipEmptyParts);
}

QStringList FormesBase::Vedettes(const QString &mot) {
  QStringList vedettes;
  for (const QString &forme : QStringList{mot} + Lemmes(mot))
    for (const QString &vedette : {forme, Graphie(forme)})
      if (!vedettes.contains(vedette))
        vedettes << vedette;
  return vedettes;
}
