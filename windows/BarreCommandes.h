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

  // The game's nineteen positions, the option buttons in their form for an
  // option that is on, then those of the commands the game adds.
  void Garnir();
  // Puts the other form of the option button at `position` (13, sound; 14,
  // guidance messages) in its place and returns it; `allumee` tells whether
  // the option it shows is now on.
  QAction *BasculerOption(int position, bool &allumee);

  // Inserts at `position` (1 to Nombre() + 1) a button showing image `image`
  // of the image bank, or a separator; returns it, for its command to be
  // connected to its `triggered` signal.
  QAction *Inserer(int position, const QString &cle, Style style, int image = 0);
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

protected:
  bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
  QList<QAction *> m_positions;
};
