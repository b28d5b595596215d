#pragma once

#include "data/VueDonnees.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class Plateforme;
struct Globales;

// The score-entry dialog at the end of a game: the player types his name and
// the game's total is offered to the table of the ten best games.
class Enregistre : public QDialog {
  Q_OBJECT

public:
  // `score` is the game's total, offered to the table.
  Enregistre(Plateforme &plateforme, const Globales &globales, qint16 score,
             QWidget *parent = nullptr);

  void Valider_Click();
  void Annuler_Click();

Q_SIGNALS:
  // The main window's guidance line, set as the dialog closes.
  void Guider(const QString &texte);

protected:
  bool eventFilter(QObject *objet, QEvent *evenement) override;
  void keyPressEvent(QKeyEvent *evenement) override;
  void reject() override;

private:
  // The character the field takes for the one typed.
  static QString SaisieNom_KeyPress(const QString &caractere);
  void Refuser(const QString &raison);
  void Terminer();

  Plateforme &m_plateforme;
  const Globales &G;
  qint16 m_score;
  QLineEdit *SaisieNom;
  QPushButton *Annuler;
  QPushButton *Valider;
  VueDonnees Data;
};
