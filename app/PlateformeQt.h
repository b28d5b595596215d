#pragma once

#include "app/LecteurSon.h"
#include "app/Plateforme.h"

#include <QLockFile>
#include <QPointer>
#include <memory>
#include <random>

class FenetreAide;

// The platform services of the real program, over Qt.
class PlateformeQt : public Plateforme {
public:
  PlateformeQt();
  ~PlateformeQt() override;

  void AfficherMessage(QWidget *parent, const QString &titre, const QString &texte,
                       Icone icone) override;
  int ExecuterDialogue(QDialog &dialogue) override;
  void Ouvrir(QWidget *parent, const QString &document) override;
  void AfficherAide(QWidget *parent, const QString &fichier) override;
  void JouerSon(const QByteArray &image) override;
  int LargeurEcranTwips() const override;
  bool AutreExemplaire() override;
  QString FichierProgramme() const override;
  QDateTime Maintenant() const override;
  void ReamorcerAleatoire() override;
  double Aleatoire() override;

private:
  LecteurSon m_lecteur;
  std::unique_ptr<QLockFile> m_verrou;
  QPointer<FenetreAide> m_aide;
  std::mt19937_64 m_generateur;
};
