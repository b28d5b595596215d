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
  connect(&partie, &Partie::JeuTermine, this, &Chronique::NoterJeu);
  connect(&partie, &Partie::PartieTerminee, this, &Chronique::Terminer);
}

// A new game opens while the rounds of the one it replaces are still there
// to be read.
void Chronique::Commencer() {
  Abandonner();
  PartieJouee partie;
  partie.debut = m_horloge();
  partie.temps = m_partie.TempsPartie();
  m_enCours = std::move(partie);
}

void Chronique::NoterJeu(int k) {
  if (!m_enCours)
    return;
  const Manche::Resultat &resultat = m_partie.Modele().ResultatJeu(k);
  // A round left before its ninth letter was drawn played nothing.
  if (resultat.tirage.isEmpty())
    return;
  JeuJoue jeu;
  jeu.numero = qint16(k + 1);
  jeu.tirage = resultat.tirage;
  jeu.mot = resultat.mot;
  jeu.points = resultat.points.value_or(0);
  if (resultat.plusLongs)
    jeu.meilleur = qint16(resultat.plusLongs->isEmpty() ? 0 : resultat.plusLongs->first().size());
  jeu.voyelles = Voyelles(resultat.tirage);
  auto &jeux = m_enCours->jeux;
  if (!jeux.isEmpty() && jeux.last().numero == jeu.numero)
    jeux.last() = jeu;
  else
    jeux.append(jeu);
}

void Chronique::Terminer(qint16 total, std::optional<int> meilleur) {
  if (!m_enCours)
    return;
  PartieJouee partie = *std::exchange(m_enCours, std::nullopt);
  partie.total = total;
  partie.meilleur = meilleur;
  partie.finie = true;
  Confier(std::move(partie));
}

void Chronique::Abandonner() {
  if (!m_enCours)
    return;
  // The round under way when the game was left counts with what it had.
  const qint16 numero = m_partie.Modele().NumeroJeu();
  if (numero > 0 && (m_enCours->jeux.isEmpty() || m_enCours->jeux.last().numero < numero))
    NoterJeu(numero - 1);
  PartieJouee partie = *std::exchange(m_enCours, std::nullopt);
  if (partie.jeux.isEmpty())
    return;
  // The game's total is that of its rounds: the game may already be
  // clearing its own.
  partie.total = 0;
  for (const JeuJoue &jeu : std::as_const(partie.jeux))
    partie.total = qint16(partie.total + jeu.points);
  partie.meilleur = Meilleur(partie.jeux);
  Confier(std::move(partie));
}

void Chronique::Confier(PartieJouee partie) {
  m_aEcrire.append(std::move(partie));
  if (m_aEcrire.size() == 1)
    QTimer::singleShot(0, this, &Chronique::Ecrire);
}

void Chronique::Ecrire() {
  // The archive may let nothing run, but a game handed over meanwhile
  // waits for the next turn rather than being written twice.
  const QList<PartieJouee> parties = std::exchange(m_aEcrire, {});
  for (const PartieJouee &partie : parties)
    m_archive.Archiver(partie);
}

void Chronique::Clore() {
  Abandonner();
  Ecrire();
}
