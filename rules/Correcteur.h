#pragma once

#include <QString>
#include <optional>

// The dictionary that decides whether a word scores.
class Correcteur {
public:
  virtual ~Correcteur() = default;
  // Whether the dictionary holds `mot`; empty when it could not be read, with
  // the cause in French in `erreur`.
  virtual std::optional<bool> Figure(const QString &mot, QString &erreur) = 0;
};
