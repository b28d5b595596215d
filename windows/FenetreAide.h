#pragma once

#include <QWidget>

class QTextBrowser;

// The program's help viewer: a window of its own, left open beside the game,
// showing the help file, which holds HTML.
class FenetreAide : public QWidget {
  Q_OBJECT

public:
  explicit FenetreAide(QWidget *parent = nullptr);

  void Ouvrir(const QString &fichier);
  QString Texte() const;

private:
  QTextBrowser *m_lecteur;
};
