#pragma once

#include "data/Littre.h"
#include "rules/MotsJoues.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QUrl>

class Annonce;
class FormesBase;
class ListeLue;
class Plateforme;
class QLabel;
class QPushButton;
class QTextBrowser;

// What the words of a game mean: the list of its words, the player's, the
// longest of each draw and the opponent's, and beside it the Littré's
// article of the chosen one, through its lemma when it is an inflected
// form. Everything is read on this machine; only the button for the
// Wiktionnaire, offered where the Littré has nothing, goes online, and only
// when the player presses it.
class FenetreDefinitions : public QDialog {
  Q_OBJECT

public:
  using Mot = MotsJoues::Mot;

  FenetreDefinitions(Plateforme &plateforme, FormesBase &formes, Littre &littre,
                     const QList<Mot> &mots, int choisi, QWidget *parent = nullptr);

  // What is shown, for the tests.
  QString MotMontre() const { return m_motMontre; }
  QString Texte() const;
  Littre::Etat Etat() const { return m_etat; }
  bool OffreWiktionnaire() const;
  // The word's page on the Wiktionnaire, opened by the desktop.
  void OuvrirWiktionnaire();
  static QUrl AdresseWiktionnaire(const QString &graphie);

private:
  void Montrer(int ligne);

  Plateforme &m_plateforme;
  FormesBase &m_formes;
  Littre &m_littre;
  QList<Mot> m_mots;
  QString m_motMontre;
  Littre::Etat m_etat = Littre::Etat::Absent;
  ListeLue *m_liste = nullptr;
  QLabel *m_titre = nullptr;
  QTextBrowser *m_texte = nullptr;
  QLabel *m_source = nullptr;
  QPushButton *m_wiktionnaire = nullptr;
  Annonce *m_annonce = nullptr;
};
