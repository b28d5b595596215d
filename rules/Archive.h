#pragma once

struct PartieJouee;

// Where the games played are kept.
class Archive {
public:
  virtual ~Archive() = default;
  // Keeps the game whole, or not at all; a failure is kept for whoever
  // reads the history, never thrown at the game. False when the game could
  // not be written this time but may be later (the file held a moment by
  // another program, a full disk); true once it is written, or when it
  // never can be (a history this program must not touch).
  virtual bool Archiver(const PartieJouee &partie) = 0;
};
