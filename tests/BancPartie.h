#pragma once

// A game without a window or a database: a dictionary of a few words, their
// solver, scripted random numbers, and a record of what the game said.

#include "rules/Correcteur.h"
#include "rules/Hasard.h"
#include "rules/Partie.h"
#include "rules/Resolveur.h"
#include "rules/Solveur.h"
#include "tests/TirageEssai.h"

#include <QObject>
#include <functional>

namespace BancPartie {

inline const QStringList Mots = {"A", "MAISON", "SALIERE", "OEUVRE", "CHANTER", "ETRANGERE", "RUE"};

class CorrecteurEssai : public Correcteur {
public:
  std::optional<bool> Figure(const QString &mot, QString &erreur) override {
    ++recherches;
    if (enPanne) {
      erreur = QStringLiteral("le fichier est introuvable");
      return std::nullopt;
    }
    return Mots.contains(mot);
  }
  bool enPanne = false;
  int recherches = 0;
};

class ResolveurEssai : public Resolveur {
public:
  void Preparer() override { ++preparations; }
  std::optional<QStringList> PlusLongs(const QString &tirage) override {
    if (!disponible)
      return std::nullopt;
    return solveur->PlusLongs(tirage);
  }
  std::shared_ptr<const Solveur> Index() override { return disponible ? solveur : nullptr; }
  std::shared_ptr<const Solveur> solveur = std::make_shared<const Solveur>(Mots);
  bool disponible = true;
  int preparations = 0;
};

// Numbers that draw the letters asked for, then 0.5.
class HasardEssai : public Hasard {
public:
  void ReamorcerAleatoire() override { ++reamorcages; }
  double Aleatoire() override { return suite.isEmpty() ? 0.5 : suite.takeFirst(); }
  QList<double> suite;
  int reamorcages = 0;
};

// A game and what it said.
struct Banc {
  CorrecteurEssai correcteur;
  ResolveurEssai resolveur;
  HasardEssai hasard;
  Partie partie{correcteur, resolveur, hasard};
  QList<Son> sons;
  QStringList avis;
  QList<int> jeuxTermines;
  QList<std::pair<qint16, std::optional<int>>> fins;
  QString score;
  // Run where the program lets events run: after a sound, inside a box.
  std::function<void(Son)> pendantSon;
  std::function<void()> pendantAvis;

  Banc() {
    QObject::connect(&partie, &Partie::SonDemande, [this](Son son) {
      sons << son;
      if (pendantSon)
        pendantSon(son);
    });
    QObject::connect(&partie, &Partie::Avis, [this](const QString &texte, Icone) {
      avis << texte;
      if (pendantAvis)
        pendantAvis();
    });
    QObject::connect(&partie, &Partie::JeuTermine, [this](int k) { jeuxTermines << k; });
    QObject::connect(&partie, &Partie::PartieTerminee,
                     [this](qint16 total, std::optional<int> meilleur) {
                       fins << std::pair{total, meilleur};
                     });
    QObject::connect(&partie, &Partie::ScoreChange, [this](const QString &t) { score = t; });
    partie.Initialiser();
  }

  // Draws these letters in order, each from its own pool.
  void Tirer(const QString &lettres) {
    TirageEssai tirage;
    for (const QChar lettre : lettres) {
      const TirageEssai::Coup coup = tirage.Suivant(lettre);
      hasard.suite << coup.aleatoire;
      coup.consonne ? partie.ProcTirageConsonnes() : partie.ProcTirageVoyelles();
    }
  }
  // A new round drawn, its first `longueur` letters marked and stopped.
  void JouerJusquALArret(const QString &lettres, int longueur) {
    partie.ProcNouveauJeu();
    Tirer(lettres);
    partie.Lettre_DblClick(longueur - 1);
    partie.ProcStop();
  }
  void Tics(int nombre) {
    for (int i = 0; i < nombre; ++i)
      partie.ChronoPartie_Timer();
  }
  // The six commands' enabled flags, 0 or 1, in their order.
  QString Drapeaux() const {
    QString drapeaux;
    for (int c = 0; c <= int(Partie::Commande::Verification); ++c)
      drapeaux += partie.Permise(Partie::Commande(c)) ? u'1' : u'0';
    return drapeaux;
  }
};

} // namespace BancPartie
