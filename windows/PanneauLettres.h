#pragma once

#include <QLabel>

// The bevelled panel that holds the nine letter tiles. A class of its own so
// that assistive technology can be given a reading of it: the tiles drawn so
// far, in order.
class PanneauLettres : public QLabel {
  Q_OBJECT

public:
  using QLabel::QLabel;
};
