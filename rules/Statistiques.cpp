#include "rules/Statistiques.h"

#include <QLocale>
#include <algorithm>
#include <map>

namespace {

const QLocale &Francais() {
  static const QLocale francais(QLocale::French, QLocale::France);
  return francais;
}

// "1 jour", "3 jours": the game's own texts say "points" for every count,
// but days and games are counted as French counts them.
QString Compte(int n, const char *singulier, const char *pluriel) {
  return QStringLiteral("%1 %2").arg(Francais().toString(n),
                                     QString::fromUtf8(n > 1 ? pluriel : singulier));
}

} // namespace

std::optional<double> ResumePartie::Part() const {
  if (!meilleur || *meilleur <= 0)
    return std::nullopt;
  return 100.0 * total / *meilleur;
}

QString Statistiques::Nombre(double valeur, int decimales) {
  return Francais().toString(valeur, 'f', decimales);
}

QString Statistiques::Pourcentage(double part) {
  return Nombre(part, 0) + QStringLiteral("\u00a0%");
}

Statistiques::Series Statistiques::CompterSeries(QList<QDate> jours, const QDate &aujourdhui) {
  std::sort(jours.begin(), jours.end());
  jours.erase(std::unique(jours.begin(), jours.end()), jours.end());
  Series series;
  int courante = 0;
  for (int i = 0; i < jours.size(); ++i) {
    courante = (i > 0 && jours.at(i - 1).daysTo(jours.at(i)) == 1) ? courante + 1 : 1;
    series.meilleure = std::max(series.meilleure, courante);
  }
  // A run is still alive on a day not played yet.
  if (!jours.isEmpty() && jours.last().daysTo(aujourdhui) <= 1 &&
      jours.last().daysTo(aujourdhui) >= 0)
    series.actuelle = courante;
  return series;
}

Chiffres Statistiques::Calculer(const DonneesHistorique &donnees, const QDate &aujourdhui) {
  Chiffres chiffres;
  QList<QDate> jours;
  double sommeTotaux = 0, sommeParts = 0;
  int parts = 0;
  QList<double> fenetre;
  for (const ResumePartie &partie : donnees.parties) {
    // A date the file gave unreadable counts in no run of days.
    if (partie.debut.isValid())
      jours.append(partie.debut.date());
    if (!partie.finie) {
      ++chiffres.interrompues;
      continue;
    }
    ++chiffres.jouees;
    sommeTotaux += partie.total;
    if (!chiffres.meilleure || partie.total > chiffres.meilleure->total)
      chiffres.meilleure = partie;
    if (const std::optional<double> part = partie.Part()) {
      sommeParts += *part;
      ++parts;
      chiffres.parts.append(QPointF(parts, *part));
      fenetre.append(*part);
      if (fenetre.size() > FenetreMoyenne)
        fenetre.removeFirst();
      double somme = 0;
      for (const double p : std::as_const(fenetre))
        somme += p;
      chiffres.moyenneMobile.append(QPointF(parts, somme / fenetre.size()));
    }
  }
  if (chiffres.jouees > 0)
    chiffres.totalMoyen = sommeTotaux / chiffres.jouees;
  if (parts > 0)
    chiffres.partMoyenne = sommeParts / parts;
  chiffres.plusLongMot = donnees.plusLongMot;
  const Series series = CompterSeries(jours, aujourdhui);
  chiffres.serieActuelle = series.actuelle;
  chiffres.meilleureSerie = series.meilleure;
  return chiffres;
}

QStringList Statistiques::TexteChiffres(const Chiffres &chiffres) {
  QStringList lignes;
  QString jouees = QStringLiteral("Parties jouées : %1").arg(Francais().toString(chiffres.jouees));
  if (chiffres.interrompues > 0)
    jouees += QStringLiteral(" (et %1)")
                  .arg(Compte(chiffres.interrompues, "interrompue", "interrompues"));
  lignes << jouees;
  if (chiffres.jouees == 0) {
    lignes << QStringLiteral("Aucune partie terminée pour l'instant : les moyennes viendront "
                             "avec la première.");
  } else {
    lignes << QStringLiteral("Total moyen : %1 points").arg(Nombre(*chiffres.totalMoyen));
    if (chiffres.partMoyenne)
      lignes << QStringLiteral("Part moyenne du meilleur possible : %1")
                    .arg(Pourcentage(*chiffres.partMoyenne));
    const ResumePartie &meilleure = *chiffres.meilleure;
    lignes << QStringLiteral("Meilleure partie : %1 points").arg(meilleure.total) +
                  (meilleure.debut.isValid()
                       ? QStringLiteral(", le ") +
                             meilleure.debut.toString(QStringLiteral("dd/MM/yyyy"))
                       : QString());
  }
  if (!chiffres.plusLongMot.isEmpty())
    lignes << QStringLiteral("Plus long mot trouvé : %1 (%2)")
                  .arg(chiffres.plusLongMot,
                       Compte(int(chiffres.plusLongMot.size()), "lettre", "lettres"));
  lignes << QStringLiteral("Série de jours en cours : %1")
                .arg(Compte(chiffres.serieActuelle, "jour", "jours"));
  lignes << QStringLiteral("Meilleure série de jours : %1")
                .arg(Compte(chiffres.meilleureSerie, "jour", "jours"));
  return lignes;
}

// Month by month, as a reader can take it in: the chart's ten thousand
// points would not be.
QStringList Statistiques::TexteProgression(const DonneesHistorique &donnees,
                                           const Chiffres &chiffres) {
  struct Mois {
    int parties = 0;
    double parts = 0;
  };
  std::map<QDate, Mois> parMois;
  for (const ResumePartie &partie : donnees.parties)
    if (const std::optional<double> part =
            partie.finie && partie.debut.isValid() ? partie.Part() : std::nullopt) {
      Mois &mois = parMois[QDate(partie.debut.date().year(), partie.debut.date().month(), 1)];
      ++mois.parties;
      mois.parts += *part;
    }
  QStringList lignes;
  if (parMois.empty())
    return {QStringLiteral("Aucune partie terminée dont le meilleur possible soit connu.")};
  if (const qsizetype n = std::min<qsizetype>(FenetreMoyenne, chiffres.parts.size()); n == 1)
    lignes << QStringLiteral("Dernière partie : %1").arg(Pourcentage(chiffres.parts.last().y()));
  else if (n > 1)
    lignes << QStringLiteral("Moyenne des %1 dernières parties : %2")
                  .arg(n)
                  .arg(Pourcentage(chiffres.moyenneMobile.last().y()));
  for (auto mois = parMois.crbegin(); mois != parMois.crend(); ++mois)
    lignes << QStringLiteral("%1 : %2, %3 du meilleur possible en moyenne")
                  .arg(Francais().toString(mois->first, QStringLiteral("MMMM yyyy")),
                       Compte(mois->second.parties, "partie", "parties"),
                       Pourcentage(mois->second.parts / mois->second.parties));
  return lignes;
}

QStringList Statistiques::TexteLongueurs(const DonneesHistorique &donnees) {
  QStringList lignes;
  for (int n = 9; n >= 0; --n) {
    const int joueur = donnees.longueursJoueur.at(n);
    const int possible = donnees.longueursPossibles.at(n);
    if (joueur == 0 && possible == 0)
      continue;
    if (n == 0)
      lignes << QStringLiteral("Aucun mot : %1 sans point ; %2 sans aucun mot possible")
                    .arg(Compte(joueur, "jeu", "jeux"), Compte(possible, "tirage", "tirages"));
    else
      lignes << QStringLiteral("%1 : %2 de vos mots ; le plus long possible dans %3")
                    .arg(Compte(n, "lettre", "lettres"), Francais().toString(joueur),
                         Compte(possible, "tirage", "tirages"));
  }
  if (lignes.isEmpty())
    lignes << QStringLiteral("Aucun jeu d'une partie terminée pour l'instant.");
  return lignes;
}

QStringList Statistiques::TexteVoyelles(const DonneesHistorique &donnees) {
  QStringList lignes;
  for (int n = 0; n < int(donnees.parVoyelles.size()); ++n) {
    const DonneesHistorique::ParVoyelles &v = donnees.parVoyelles.at(n);
    if (v.jeux == 0)
      continue;
    QString ligne = QStringLiteral("%1 : %2, %3 points en moyenne")
                        .arg(Compte(n, "voyelle", "voyelles"), Compte(v.jeux, "jeu", "jeux"),
                             Nombre(double(v.points) / v.jeux));
    if (v.jeuxConnus > 0)
      ligne += QStringLiteral(" pour %1 possibles").arg(Nombre(double(v.meilleur) / v.jeuxConnus));
    lignes << ligne;
  }
  if (lignes.isEmpty())
    lignes << QStringLiteral("Aucun jeu d'une partie terminée pour l'instant.");
  return lignes;
}
