#pragma once

#include "platform/ChargeurSon.h"
#include "platform/Plateforme.h"

#include <QLockFile>
#include <functional>
#include <memory>
#include <random>

// The platform services of the real program, over Qt.
class PlateformeQt : public Plateforme {
public:
  // The help viewer is a window of the program's own, which it shows.
  using AfficheurAide = std::function<void(QWidget *parent, const QString &fichier)>;

  // `exemplaire`: the lock of the single running copy, when it was tried
  // already (PrendreExemplaire); otherwise it is tried when asked for.
  explicit PlateformeQt(AfficheurAide afficherAide,
                        std::unique_ptr<QLockFile> exemplaire = nullptr);
  ~PlateformeQt() override;

  void AfficherMessage(QWidget *parent, const QString &titre, const QString &texte,
                       Icone icone) override;
  int ExecuterDialogue(QDialog &dialogue) override;
  QString ChoisirFichierAEcrire(QWidget *parent, const QString &titre, const QString &propose,
                                const QString &filtre) override;
  void Ouvrir(QWidget *parent, const QString &document) override;
  void AfficherAide(QWidget *parent, const QString &fichier) override;
  void JouerSon(const QByteArray &image) override;
  QString PanneSon() const override { return m_son.Panne(); }
  int LargeurEcranTwips() const override;
  bool AutreExemplaire() override;
  QString FichierProgramme() const override;
  QString DossierDonneesJoueur() const override;
  QString DossierReglagesJoueur() const override;
  QDateTime Maintenant() const override;
  // Loads the sound player on another thread, once the window is up.
  void PrechargerSon() { m_son.Precharger(); }
  // The lock that one copy of the program a folder holds, tried at once;
  // locked when no other copy runs. Needs no application object.
  static std::unique_ptr<QLockFile> PrendreExemplaire();
  // The same three places, known before the application object exists.
  static QString Programme();
  static QString DonneesJoueur();
  static QString ReglagesJoueur();
  // Where the sound module is looked for.
  static QStringList DossiersModules();
  void ReamorcerAleatoire() override;
  double Aleatoire() override;

private:
  ChargeurSon m_son;
  std::unique_ptr<QLockFile> m_verrou;
  AfficheurAide m_afficherAide;
  std::mt19937_64 m_generateur;
};
