#include "ListeMots.h"

namespace {

bool BienForme(QByteArrayView mot) {
  if (mot.isEmpty() || mot.size() > 9)
    return false;
  for (const char c : mot)
    if (c < 'A' || c > 'Z')
      return false;
  return true;
}

ListeMots Refus(qsizetype ligne, const char *raison) {
  ListeMots liste;
  liste.Erreur = QStringLiteral("ligne %1 : %2").arg(ligne).arg(QString::fromUtf8(raison));
  return liste;
}

} // namespace

ListeMots ListeMots::Lire(const QByteArray &contenu) {
  ListeMots liste;
  QByteArrayView reste(contenu);
  if (reste.endsWith('\n'))
    reste.chop(1);
  if (contenu.isEmpty())
    return Refus(1, "liste vide");
  qsizetype ligne = 0;
  for (qsizetype debut = 0; debut <= reste.size();) {
    ++ligne;
    qsizetype fin = reste.indexOf('\n', debut);
    if (fin < 0)
      fin = reste.size();
    const QByteArrayView mot = reste.sliced(debut, fin - debut);
    if (!BienForme(mot))
      return Refus(ligne, "mot mal formé");
    if (!liste.Mots.isEmpty() && QByteArrayView(liste.Mots.last()) >= mot)
      return Refus(ligne, "liste non triée ou doublon");
    liste.Mots << mot.toByteArray();
    debut = fin + 1;
  }
  return liste;
}
