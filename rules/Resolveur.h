#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class Solveur;

// The longest words a draw allows, from an index of the dictionary that may
// still be under construction on another core.
class Resolveur {
public:
  virtual ~Resolveur() = default;
  // Starts building the index, if it is not built or under way; after a
  // build that failed, once more at most.
  virtual void Preparer() = 0;
  // Every word of the greatest length drawable from `tirage`, alphabetical
  // (empty when none fits); nothing when there is no index.
  virtual std::optional<QStringList> PlusLongs(const QString &tirage) = 0;
  // The index itself once it is ready, for every word of a draw and how
  // common each is; nothing until then, and nothing is waited for here.
  virtual std::shared_ptr<const Solveur> Index() = 0;
};
