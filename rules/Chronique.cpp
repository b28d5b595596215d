#include "rules/Chronique.h"

#include "rules/Archive.h"
#include "rules/Partie.h"
#include "rules/Tirage.h"

#include <QTimer>
#include <algorithm>

namespace {

qint16 Voyelles(const QString &tirage) {
  const QLatin1StringView voyelles(Tirage::ListeVoyelles);
  return qint16(std::count_if(tirage.cbegin(), tirage.cend(),
                              [&](QChar lettre) { return voyelles.contains(lettre); }));
}

// The sum of the rounds' greatest lengths, when every one is known.
std::optional<int> Meilleur(const QList<JeuJoue> &jeux) {
  int somme = 0;
  for (const JeuJoue &jeu : jeux) {
    if (!jeu.meilleur)
      return std::nullopt;
    somme += *jeu.meilleur;
  }
  return somme;
}

} // namespace

Chronique::Chronique(Partie &partie, Archive &archive, std::function<QDateTime()> horloge,
                     QObject *parent)
    : QObject(parent), m_partie(partie), m_archive(archive), m_horloge(std::move(horloge)) {
  connect(&partie, &Partie::PhaseChangee, this, [this](Partie::Phase phase) {
    if (phase == Partie::Phase::PartieOuverte)
      Commencer();
  });
  // A new game always says its counter is back to 0, even when it follows
  // another one that had not begun, and so changed no phase.
  connect(&partie, &Partie::CompteurChange, this, [this](qint16 numeroJeu) {
    if (numeroJeu == 0 && m_partie.PhaseCourante() == Partie::Phase::PartieOuverte)
      Recommencer();
  });
  connect(&partie, &Partie::PartieTerminee, this, &Chronique::Terminer);
}

// A new game opens while the results of the one it replaces are still there
// to be read.
void Chronique::Commencer() {
  Abandonner();
  PartieJouee partie;
  partie.debut = m_horloge();
  partie.temps = m_partie.TempsPartie();
  m_enCours = std::move(partie);
}

void Chronique::Recommencer() {
  if (!m_enCours)
    return;
  m_enCours->debut = m_horloge();
  m_enCours->temps = m_partie.TempsPartie();
}

QList<JeuJoue> Chronique::Jeux() const {
  QList<JeuJoue> jeux;
  const Manche &manche = m_partie.Modele();
  for (int k = 0; k < manche.NumeroJeu(); ++k) {
    const Manche::Resultat &resultat = manche.ResultatJeu(k);
    // A round left before its ninth letter was drawn played nothing.
    if (resultat.tirage.isEmpty())
      continue;
    JeuJoue jeu;
    jeu.numero = qint16(k + 1);
    jeu.tirage = resultat.tirage;
    jeu.mot = resultat.mot;
    // A round left during its search, or timed out, scored nothing.
    jeu.points = resultat.points.value_or(0);
    if (resultat.plusLongs)
      jeu.meilleur = qint16(resultat.plusLongs->isEmpty() ? 0 : resultat.plusLongs->first().size());
    jeu.voyelles = Voyelles(resultat.tirage);
    jeux.append(jeu);
  }
  return jeux;
}

void Chronique::Terminer(qint16 total, std::optional<int> meilleur) {
  if (!m_enCours)
    return;
  PartieJouee partie = *std::exchange(m_enCours, std::nullopt);
  partie.jeux = Jeux();
  partie.total = total;
  partie.meilleur = meilleur;
  partie.finie = true;
  Confier(std::move(partie));
}

void Chronique::Abandonner() {
  if (!m_enCours)
    return;
  PartieJouee partie = *std::exchange(m_enCours, std::nullopt);
  partie.jeux = Jeux();
  if (partie.jeux.isEmpty())
    return;
  // The game's total is that of its rounds: the game may already be
  // clearing its own.
  for (const JeuJoue &jeu : std::as_const(partie.jeux))
    partie.total = qint16(partie.total + jeu.points);
  partie.meilleur = Meilleur(partie.jeux);
  Confier(std::move(partie));
}

void Chronique::Confier(PartieJouee partie) {
  m_aEcrire.append(std::move(partie));
  if (!std::exchange(m_ecritureDemandee, true))
    QTimer::singleShot(0, this, &Chronique::EcrireEnAttente);
}

void Chronique::EcrireEnAttente() {
  m_ecritureDemandee = false;
  // Oldest first; a game the archive cannot take now waits, and those
  // after it with it, so that the history keeps the order they were played.
  while (!m_aEcrire.isEmpty() && m_archive.Archiver(m_aEcrire.first()))
    m_aEcrire.removeFirst();
}

void Chronique::Clore() {
  // A procedure under way is still settling its round (a sound or a box
  // let the end of the program in): the game is taken once it has ended.
  m_partie.Executer([this] {
    Abandonner();
    EcrireEnAttente();
  });
}
