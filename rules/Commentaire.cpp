#include "rules/Commentaire.h"

#include "rules/Duel.h"
#include "rules/Partie.h"
#include "rules/Revelation.h"

Commentaire::Commentaire(const Partie &partie, QObject *parent)
    : QObject(parent), m_partie(partie) {
  connect(&partie, &Partie::LettreTiree, this, [this](QChar lettre, bool voyelle, int numero) {
    Q_EMIT Dire(QStringLiteral("%1, %2, %3 sur 9")
                    .arg(lettre)
                    .arg(voyelle ? QStringLiteral("voyelle") : QStringLiteral("consonne"))
                    .arg(numero));
  });
  connect(&partie, &Partie::PhaseChangee, this, [this](Partie::Phase phase) {
    if (phase != Partie::Phase::Arrangement)
      return;
    m_motDit.clear();
    const int temps = m_partie.TempsPartie();
    Q_EMIT Dire(QStringLiteral("Tirage complet : %1. %2")
                    .arg(Epele(m_partie.Modele().Lettres()),
                         temps ? QStringLiteral("%1 secondes.").arg(temps)
                               : QStringLiteral("Pas de limite de temps.")));
  });
  connect(&partie, &Partie::DecompteChange, this, [this](qint16 secondes) {
    if (DecompteDit(secondes))
      Q_EMIT Dire(secondes > 5 ? QStringLiteral("%1 secondes").arg(secondes)
                               : QString::number(secondes));
  });
  connect(&partie, &Partie::TuilesChangees, this, &Commentaire::DireMot);
  connect(&partie, &Partie::JeuTermine, this, &Commentaire::DireJeu);
  connect(&partie, &Partie::PartieTerminee, this, &Commentaire::DireFin);
}

bool Commentaire::DecompteDit(int secondes) {
  return secondes == 60 || secondes == 30 || secondes == 20 || secondes == 10 ||
         (secondes >= 1 && secondes <= 5);
}

QString Commentaire::Epele(const QString &lettres) {
  QStringList une;
  for (const QChar lettre : lettres)
    une << QString(lettre);
  return une.join(u' ');
}

void Commentaire::DireMot() {
  if (m_partie.PhaseCourante() != Partie::Phase::Arrangement)
    return;
  const QString mot = m_partie.Modele().MotMarque();
  if (mot == m_motDit)
    return;
  m_motDit = mot;
  Q_EMIT Dire(mot.isEmpty() ? QStringLiteral("Mot effacé")
                            : QStringLiteral("Mot : %1").arg(Epele(mot)));
}

void Commentaire::LireTirage() {
  const Manche &manche = m_partie.Modele();
  const QString lettres = manche.Lettres();
  if (lettres.isEmpty()) {
    Q_EMIT Dire(QStringLiteral("Aucune lettre tirée."));
    return;
  }
  QString texte = QStringLiteral("Lettres : %1.").arg(Epele(lettres));
  if (const QString mot = manche.MotMarque(); !mot.isEmpty())
    texte += QStringLiteral(" Mot : %1.").arg(Epele(mot));
  Q_EMIT Dire(texte);
}

void Commentaire::DireJeu(int k) {
  const Manche::Resultat &resultat = m_partie.Modele().ResultatJeu(k);
  QString texte =
      QStringLiteral("Jeu n° %1 : %2 points.").arg(k + 1).arg(resultat.points.value_or(0));
  if (resultat.plusLongs)
    texte +=
        u' ' +
        Revelation::TexteComplet(*resultat.plusLongs, resultat.mot, m_graphie).replace(u'\n', u' ');
  Q_EMIT Dire(texte);
}

void Commentaire::DireFin(qint16 total, std::optional<int> meilleur) {
  QString texte = QStringLiteral("Partie terminée : %1 points.").arg(total);
  if (meilleur)
    texte += QStringLiteral(" Meilleur possible : %1 points.").arg(*meilleur);
  if (m_duel)
    if (const QString duel = m_duel->BilanDit(total); !duel.isEmpty())
      texte += u' ' + duel;
  Q_EMIT Dire(texte);
}

void Commentaire::SuivreDuel(const Duel &duel) {
  m_duel = &duel;
  connect(&duel, &Duel::JeuChange, this, [this](int k) {
    if (k < 0)
      return;
    if (const QString coup = m_duel->TexteComplet(k, m_graphie); !coup.isEmpty())
      Q_EMIT Dire(coup);
  });
}
