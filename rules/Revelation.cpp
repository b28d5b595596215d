#include "rules/Revelation.h"

namespace {

bool Trouve(const QStringList &plusLongs, const QString &mot) {
  return !mot.isEmpty() && plusLongs.contains(mot);
}

QStringList Ecrits(QStringList mots, const Revelation::Graphie &graphie) {
  for (QString &mot : mots)
    mot = Revelation::Ecrire(graphie, mot);
  return mots;
}

} // namespace

QString Revelation::Ecrire(const Graphie &graphie, const QString &mot) {
  return graphie && !mot.isEmpty() ? graphie(mot) : mot;
}

QStringList Revelation::Montres(const QStringList &plusLongs, const QString &mot) {
  QStringList mots = plusLongs;
  if (Trouve(plusLongs, mot))
    mots.move(mots.indexOf(mot), 0);
  return mots.mid(0, MotsMontres);
}

QString Revelation::TexteCourt(const QStringList &plusLongs, const QString &mot,
                               const Graphie &graphie) {
  if (plusLongs.isEmpty())
    return QStringLiteral("aucun mot");
  QStringList mots = Ecrits(Montres(plusLongs, mot), graphie);
  if (Trouve(plusLongs, mot))
    mots[0] += QStringLiteral(" (votre mot)");
  return QStringLiteral("%1 : %2").arg(plusLongs.first().size()).arg(mots.join(u", "));
}

QString Revelation::TexteComplet(const QStringList &plusLongs, const QString &mot,
                                 const Graphie &graphie) {
  if (plusLongs.isEmpty())
    return QStringLiteral("Aucun mot du dictionnaire ne s'écrit avec ce tirage.");
  const qsizetype longueur = plusLongs.first().size();
  QString texte = QStringLiteral("Mots les plus longs possibles : %1 %2.\n%3")
                      .arg(longueur)
                      .arg(longueur == 1 ? QStringLiteral("lettre") : QStringLiteral("lettres"))
                      .arg(Ecrits(Montres(plusLongs, mot), graphie).join(u", "));
  if (const qsizetype autres = plusLongs.size() - MotsMontres; autres > 0)
    texte +=
        autres == 1 ? QStringLiteral(" et 1 autre") : QStringLiteral(" et %1 autres").arg(autres);
  texte += u'.';
  if (Trouve(plusLongs, mot))
    texte += QStringLiteral("\nVotre mot en fait partie !");
  return texte;
}

QString Revelation::Bilan(int total, int meilleurTotal) {
  return QStringLiteral("Votre total : %1 points\nMeilleur possible : %2 points")
      .arg(total)
      .arg(meilleurTotal);
}
