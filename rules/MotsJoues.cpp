#include "rules/MotsJoues.h"

#include "rules/Duel.h"
#include "rules/Manche.h"
#include "rules/Revelation.h"

#include <QStringList>
#include <algorithm>
#include <utility>

MotsJoues::Liste MotsJoues::Lister(const Manche &manche, const Duel &duel, int k,
                                   const QString &mot) {
  Liste liste;
  int choisi = -1, premierDuJeu = -1;
  for (int j = 0; j < Manche::NombreJeux; ++j) {
    const Manche::Resultat &resultat = manche.ResultatJeu(j);
    if (!resultat.plusLongs)
      continue;
    QList<std::pair<QString, QStringList>> jeu;
    const auto ajouter = [&jeu](const QString &m, const QString &role) {
      if (m.isEmpty())
        return;
      for (auto &deja : jeu)
        if (deja.first == m) {
          deja.second << role;
          return;
        }
      jeu.append({m, {role}});
    };
    ajouter(resultat.mot, QStringLiteral("votre mot"));
    const QStringList montres = Revelation::Montres(*resultat.plusLongs, resultat.mot);
    for (const QString &plusLong : montres)
      ajouter(plusLong, QStringLiteral("un des plus longs"));
    if (duel.Niveau())
      ajouter(duel.Mot(j).value_or(QString()), QStringLiteral("l'adversaire"));
    const bool cible = k < 0 || j == k;
    if (cible)
      premierDuJeu = -1;
    for (const auto &ligne : std::as_const(jeu)) {
      const int rang = int(liste.mots.size());
      if (j == k && ligne.first == mot)
        choisi = rang;
      if (cible && premierDuJeu < 0 && (montres.isEmpty() || ligne.first == montres.first()))
        premierDuJeu = rang;
      liste.mots.append(
          {ligne.first,
           QStringLiteral("jeu %1, %2").arg(j + 1).arg(ligne.second.join(QStringLiteral(", ")))});
    }
  }
  liste.choisi = choisi >= 0 ? choisi : std::max(premierDuJeu, 0);
  return liste;
}

int MotsJoues::DernierRevele(const Manche &manche) {
  for (int k = Manche::NombreJeux - 1; k >= 0; --k)
    if (manche.ResultatJeu(k).plusLongs)
      return k;
  return -1;
}
