#pragma once

#include "data/VueDonnees.h"

#include <QDialog>

class Bruitage;
class QPushButton;
class QTableWidget;
class Plateforme;
struct Globales;

// The table of the ten best games, best first, which the player may empty.
class Scores : public QDialog {
  Q_OBJECT

public:
  Scores(Plateforme &plateforme, const Globales &globales, Bruitage &bruitage,
         QWidget *parent = nullptr);

  void Form_Load();
  void RAZ_Click();
  void Valider_Click();

  static constexpr int Lignes = 12;

  // Escape and the frame's close box close the dialog as Ok does, so that
  // the music stops with it.
  void reject() override;

protected:
  void closeEvent(QCloseEvent *evenement) override;

private:
  void Relire();
  void Remplir();
  void Aligner();
  void Signaler(const QString &quoi, const QString &erreur);

  Plateforme &m_plateforme;
  const Globales &G;
  Bruitage &m_bruitage;
  QTableWidget *Grille;
  QPushButton *RAZ;
  QPushButton *Valider;
  VueDonnees DataScores;
  bool m_ferme = false; // closing plays the closing sound once
};
