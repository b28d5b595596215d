#pragma once

#include <QListWidget>

// A list whose current line a screen reader reads as soon as the list has
// the focus, not only once the arrows move: Orca otherwise says the list's
// name and its size, and nothing of what it shows.
class ListeLue : public QListWidget {
  Q_OBJECT

public:
  using QListWidget::QListWidget;

protected:
  void focusInEvent(QFocusEvent *evenement) override;
};
