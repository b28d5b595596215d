#pragma once

#include <QList>
#include <QStatusBar>
#include <QTimer>

class QLabel;

// The status bar: the program line, the states of the Scroll Lock, Insert,
// Caps Lock and Num Lock keys (in full when on, dimmed when off), the date
// and the time, kept current by the bar itself.
class BarreEtat : public QStatusBar {
  Q_OBJECT

public:
  explicit BarreEtat(QWidget *parent = nullptr);

  void DefinirTextePanneau(int panneau, const QString &texte);
  QLabel *Panneau(int panneau) const { return m_panneaux.value(panneau - 1); }
  // Lays the panels out for a screen of this many dots per inch.
  void Disposer(double dpi);

protected:
  bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
  void ActualiserTouches();
  void ActualiserHeure();
  void MontrerEtat(int panneau, bool actif);

  QList<QLabel *> m_panneaux;
  QTimer m_touches;
  QTimer m_minute;
  bool m_insertion = false;
};
