#pragma once

#include <QAccessibleWidget>

// What assistive technology sees of a container of the main window (the
// client area, the panel of the tiles, the command bar): the controls it shows, in their
// order, and nothing hidden or merely drawn (the lines of the countdown's
// frame). A control shown or hidden is announced as a change of its
// container's children.
class ConteneurAccessible : public QAccessibleWidget {
public:
  ConteneurAccessible(QWidget *conteneur, QAccessible::Role role);

  int childCount() const override;
  QAccessibleInterface *child(int index) const override;
  int indexOfChild(const QAccessibleInterface *enfant) const override;

  // Gives the program's containers this reading; to be called before the
  // main window is built, since readings are kept once made.
  static void Installer();
  // A control drawn only for the eye, never read.
  static void MarquerDecor(QWidget *controle);

private:
  QList<QWidget *> Enfants() const;
};
