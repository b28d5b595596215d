#include "rules/Duel.h"

#include "rules/Cadran.h"
#include "rules/Partie.h"
#include "rules/Resolveur.h"
#include "rules/Solveur.h"

#include <QRandomGenerator>
#include <algorithm>

Duel::Duel(Partie &partie, Resolveur &resolveur, QObject *parent)
    : QObject(parent), m_partie(partie), m_resolveur(resolveur) {
  connect(&partie, &Partie::PhaseChangee, this, [this](Partie::Phase phase) {
    using Phase = Partie::Phase;
    if (phase == Phase::PartieOuverte) {
      Commencer();
    } else if (phase == Phase::Arrangement) {
      m_recherche.start();
    } else if ((phase == Phase::Arrete || phase == Phase::JeuClos) && m_recherche.isValid()) {
      m_dureeRecherche = m_recherche.elapsed();
      m_recherche.invalidate();
    }
  });
  // A new game asked for again before its first round starts afresh too.
  connect(&partie, &Partie::CompteurChange, this, [this](qint16 numeroJeu) {
    if (numeroJeu == 0 && m_partie.PhaseCourante() == Partie::Phase::PartieOuverte)
      Commencer();
  });
  connect(&partie, &Partie::JeuTermine, this, &Duel::Jouer);
}

void Duel::Commencer() {
  m_niveau = m_niveauSuivant;
  m_graine = m_graineSuivante ? *m_graineSuivante : QRandomGenerator::global()->generate64();
  m_mots.fill(std::nullopt);
  m_recherche.invalidate();
  m_dureeRecherche = 0;
  Q_EMIT JeuChange(-1);
}

// The time of the rounds, or, without a limit, the player's own time, but
// never less than a normal round.
int Duel::Secondes() const {
  if (const int temps = m_partie.TempsPartie(); temps > 0)
    return temps;
  return std::max(int(m_dureeRecherche / 1000), int(Cadran::DureeNormale));
}

void Duel::Jouer(int k) {
  if (!m_niveau || k < 0 || k >= int(m_mots.size()))
    return;
  const QString &tirage = m_partie.Modele().ResultatJeu(k).tirage;
  const std::shared_ptr<const Solveur> index = m_resolveur.Index();
  if (tirage.isEmpty() || !index)
    return;
  m_mots[std::size_t(k)] =
      Adversaire::Jouer(*index, tirage, *m_niveau, Secondes(), m_graine, k + 1);
  m_dureeRecherche = 0;
  Q_EMIT JeuChange(k);
}

int Duel::Total() const {
  int total = 0;
  for (const std::optional<QString> &mot : m_mots)
    total += mot ? int(mot->size()) : 0;
  return total;
}

QString Duel::TexteCourt(int k) const {
  const std::optional<QString> &mot = Mot(k);
  if (!mot)
    return {};
  if (mot->isEmpty())
    return QStringLiteral("aucun mot");
  return QStringLiteral("%1 (%2)").arg(*mot).arg(mot->size());
}

QString Duel::TexteComplet(int k) const {
  const std::optional<QString> &mot = Mot(k);
  if (!m_niveau || !mot)
    return {};
  const QString nom = Adversaire::Nom(*m_niveau);
  if (mot->isEmpty())
    return QStringLiteral("%1 n'a trouvé aucun mot : 0 points.").arg(nom);
  return QStringLiteral("%1 a joué %2 : %3 points.").arg(nom, *mot).arg(mot->size());
}

QString Duel::Bilan(int totalJoueur) const {
  if (!m_niveau)
    return {};
  const QString nom = Adversaire::Nom(*m_niveau);
  const int total = Total();
  const QString issue = totalJoueur > total   ? QStringLiteral("vous gagnez !")
                        : totalJoueur < total ? QStringLiteral("%1 gagne.").arg(nom)
                                              : QStringLiteral("égalité.");
  return QStringLiteral("Vous %1 points, %2 %3 points : %4")
      .arg(totalJoueur)
      .arg(nom)
      .arg(total)
      .arg(issue);
}
