#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class Plateforme;
struct Globales;

// The About dialog: five tabs on the program, its version, its history, its
// support and the association that makes it. Its buttons hand documents and
// addresses to the desktop.
class Apropos : public QDialog {
  Q_OBJECT

public:
  Apropos(Plateforme &plateforme, const Globales &globales, QWidget *parent = nullptr);

  void Form_Load();
  // Hands a document of the program folder, or an address, to the desktop.
  void ProcOuvrir(const QString &document);

  static QString Historique();
  static QString Assistance();

  static const QString SiteAssociation;
  static const QString SiteAssistance;
  static const QString AdresseAssistance;

private:
  QLabel *Etiquette(QWidget *parent, const QString &nom, double haut);
  QPushButton *Bouton(QWidget *parent, const QString &nom, const QString &texte,
                      const QString &document);

  Plateforme &m_plateforme;
  const Globales &G;
  QTabWidget *Onglet;
  QLabel *Titre, *SousTitre;
  QLabel *Description, *NomApplication, *Version, *Commentaires, *TradeMarks, *Copyright, *Company;
  QPlainTextEdit *Afficheur, *Text1;
};
