#include "rules/Duel.h"

#include "rules/Cadran.h"
#include "rules/Partie.h"
#include "rules/Resolveur.h"
#include "rules/Solveur.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <algorithm>

namespace {

qint64 Maintenant() {
  static const QElapsedTimer depart = [] {
    QElapsedTimer t;
    t.start();
    return t;
  }();
  return depart.elapsed();
}

} // namespace

Duel::Duel(Partie &partie, Resolveur &resolveur, std::function<qint64()> horloge, QObject *parent)
    : QObject(parent), m_partie(partie), m_resolveur(resolveur),
      m_horloge(horloge ? std::move(horloge) : Maintenant) {
  connect(&partie, &Partie::PhaseChangee, this, [this](Partie::Phase phase) {
    using Phase = Partie::Phase;
    if (phase == Phase::Arrangement) {
      m_debutRecherche = m_horloge();
      m_finRecherche.reset();
    } else if ((phase == Phase::Arrete || phase == Phase::JeuClos) && m_debutRecherche &&
               !m_finRecherche) {
      m_finRecherche = m_horloge();
    }
  });
  // A new game always says its counter is back to 0, even when it follows
  // another one that had not begun.
  connect(&partie, &Partie::CompteurChange, this, [this](qint16 numeroJeu) {
    if (numeroJeu == 0 && m_partie.PhaseCourante() == Partie::Phase::PartieOuverte)
      Commencer();
  });
  connect(&partie, &Partie::JeuTermine, this, &Duel::Jouer);
}

void Duel::Commencer() {
  m_niveau = m_niveauSuivant;
  m_graine = m_graineSuivante ? *m_graineSuivante : QRandomGenerator::global()->generate64();
  m_jeux.fill({});
  m_incomplet = false;
  m_debutRecherche.reset();
  m_finRecherche.reset();
  Q_EMIT JeuChange(-1);
}

void Duel::Jouer(int k) {
  if (!m_niveau || k < 0 || k >= int(m_jeux.size()))
    return;
  // The time of the rounds; without a limit, the player's own time (up to
  // now, for a round left before its stop), but never less than a normal
  // round.
  int secondes = m_partie.TempsPartie();
  if (secondes <= 0) {
    const qint64 duree =
        m_debutRecherche ? m_finRecherche.value_or(m_horloge()) - *m_debutRecherche : 0;
    secondes = std::max(int(duree / 1000), int(Cadran::DureeNormale));
  }
  m_debutRecherche.reset();
  m_finRecherche.reset();

  const QString &tirage = m_partie.Modele().ResultatJeu(k).tirage;
  if (tirage.isEmpty())
    return;
  const std::shared_ptr<const Solveur> index = m_resolveur.Index();
  if (!index) {
    m_incomplet = true;
    return;
  }
  Jeu &jeu = m_jeux[std::size_t(k)];
  jeu.mot = Adversaire::Jouer(*index, tirage, *m_niveau, secondes, m_graine, k + 1);
  jeu.secondes = secondes;
  Q_EMIT JeuChange(k);
}

int Duel::Total() const {
  int total = 0;
  for (const Jeu &jeu : m_jeux)
    total += jeu.mot ? int(jeu.mot->size()) : 0;
  return total;
}

QString Duel::Nom() const {
  return QStringLiteral("l'adversaire (%1)").arg(m_niveau ? Adversaire::Nom(*m_niveau) : QString());
}

QString Duel::TexteCourt(int k, const Revelation::Graphie &graphie) const {
  const std::optional<QString> &mot = Mot(k);
  if (!mot)
    return {};
  if (mot->isEmpty())
    return QStringLiteral("aucun mot");
  return QStringLiteral("%1 (%2)").arg(Revelation::Ecrire(graphie, *mot)).arg(mot->size());
}

QString Duel::TexteComplet(int k, const Revelation::Graphie &graphie) const {
  const std::optional<QString> &mot = Mot(k);
  if (!m_niveau || !mot)
    return {};
  QString texte = mot->isEmpty() ? QStringLiteral("%1 n'a trouvé aucun mot.").arg(Nom())
                                 : QStringLiteral("%1 a joué %2 : %3 points.")
                                       .arg(Nom(), Revelation::Ecrire(graphie, *mot))
                                       .arg(mot->size());
  texte[0] = texte[0].toUpper();
  return texte;
}

QString Duel::Issue(int totalJoueur) const {
  const int total = Total();
  return totalJoueur > total   ? QStringLiteral("vous gagnez !")
         : totalJoueur < total ? QStringLiteral("il gagne.")
                               : QStringLiteral("égalité.");
}

QString Duel::Bilan(int totalJoueur) const {
  if (!m_niveau || m_incomplet)
    return {};
  return QStringLiteral("Vous avez %1 points, %2 %3 points : %4")
      .arg(totalJoueur)
      .arg(Nom())
      .arg(Total())
      .arg(Issue(totalJoueur));
}

QString Duel::BilanDit(int totalJoueur) const {
  if (!m_niveau || m_incomplet)
    return {};
  QString texte =
      QStringLiteral("%1 a %2 points : %3").arg(Nom()).arg(Total()).arg(Issue(totalJoueur));
  texte[0] = texte[0].toUpper();
  return texte;
}
