#pragma once

#include "rules/Statistiques.h"

#include <QDate>
#include <QDialog>
#include <optional>

class Annonce;
class HistoriqueBase;
class Plateforme;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTableView;
class QTableWidget;
class QWidget;

// The history of the player's games: its figures, three charts with their
// numbers as text beside them, the past games with their rounds, and the
// export of the whole as a CSV file. The history is read when the window
// opens, and never written.
class FenetreStatistiques : public QDialog {
  Q_OBJECT

public:
  FenetreStatistiques(Plateforme &plateforme, HistoriqueBase &historique, const QDate &aujourdhui,
                      QWidget *parent = nullptr);

  // What the window shows, for the tests: the figures' lines, and each
  // chart's text.
  QStringList TexteChiffres() const;
  QStringList TexteGraphique(int numero) const; // 0: shares, 1: lengths, 2: vowels
  // The message saying what is wrong with the history; empty when all is well.
  QString Avertissement() const;

  void ExporterCsv();

private:
  void Construire(const DonneesHistorique &donnees, const Chiffres &chiffres);
  QWidget *PageGraphique(const QString &nom, QWidget *graphique, const QStringList &texte,
                         const QString &resume);
  QWidget *GraphiqueParts(const Chiffres &chiffres);
  QWidget *GraphiqueLongueurs(const DonneesHistorique &donnees);
  QWidget *GraphiqueVoyelles(const DonneesHistorique &donnees);
  QWidget *PageParties(const DonneesHistorique &donnees);
  void MontrerJeux(int ligne);
  void Avertir(const QString &texte);

  Plateforme &m_plateforme;
  HistoriqueBase &m_historique;
  QList<ResumePartie> m_parties; // most recent first, as the table shows them
  QTabWidget *m_onglets = nullptr;
  QLabel *m_avertissement = nullptr;
  QListWidget *m_chiffres = nullptr;
  QList<QListWidget *> m_textes;
  QTableView *m_tableParties = nullptr;
  QTableWidget *m_tableJeux = nullptr;
  QPushButton *m_exporter = nullptr;
  Annonce *m_annonce = nullptr;
};
