#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>

// What a screen reader is told as it happens, beside what it reads on
// demand: a notification, which Orca speaks as it is shown. It takes one
// pixel and draws nothing, so that the eye sees no difference.
class Annonce : public QWidget {
  Q_OBJECT

public:
  explicit Annonce(QWidget *parent = nullptr);

  // Says `texte` as soon as the window's events run: what is said in one
  // moment (the ninth letter and the whole draw) is said together, since a
  // screen reader reads a notification's name when it gets to it.
  void Dire(const QString &texte);

  // What was said last.
  QString DernierDit() const { return accessibleName(); }

private:
  void Montrer();

  QStringList m_aDire;
  QTimer m_moment;
};
