#pragma once

#include <QKeySequence>
#include <QList>
#include <QToolBar>

class QAction;

// The command bar: buttons known by a text key, numbered by position from 1,
// separators included, and removed or inserted at a position.
class BarreCommandes : public QToolBar {
  Q_OBJECT

public:
  enum class Style { Simple, Bascule, Separateur };

  explicit BarreCommandes(QWidget *parent = nullptr);

  // Inserts at `position` (1 to Nombre() + 1) a button showing image `image`
  // of the image bank, or a separator.
  void Inserer(int position, const QString &cle, Style style, int image = 0);
  void Retirer(int position);
  int Nombre() const { return int(m_positions.size()); }

  QAction *Bouton(int position) const { return m_positions.value(position - 1); }
  QAction *Bouton(const QString &cle) const;
  QString Cle(int position) const;
  int Image(int position) const;
  Style StyleBouton(int position) const;

  void DefinirInfobulle(int position, const QString &texte);
  void DefinirEnfonce(int position, bool enfonce);
  bool Enfonce(int position) const;
  void Activer(const QString &cle, bool actif);
  // The keyboard shortcut of a command, empty for none.
  static QKeySequence Raccourci(const QString &cle);
  bool Actif(const QString &cle) const;

Q_SIGNALS:
  // A click on an enabled button, with its key.
  void ButtonClick(const QString &cle);

private:
  QList<QAction *> m_positions;
};
