#include "windows/ListeLue.h"

#include <QAccessible>
#include <QTimer>

void ListeLue::focusInEvent(QFocusEvent *evenement) {
  QListWidget::focusInEvent(evenement);
  if (!QAccessible::isActive())
    return;
  // Once the list's own focus is told: the current line is made current
  // again, and the view tells it as it does when the arrows move.
  QTimer::singleShot(0, this, [this] {
    const int ligne = currentRow();
    if (!hasFocus() || ligne < 0)
      return;
    selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
    selectionModel()->setCurrentIndex(model()->index(ligne, 0), QItemSelectionModel::NoUpdate);
  });
}
