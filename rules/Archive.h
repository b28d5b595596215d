#pragma once

struct PartieJouee;

// Where the games played are kept.
class Archive {
public:
  virtual ~Archive() = default;
  // Keeps the game whole, or not at all; a failure is kept for whoever
  // reads the history, never thrown at the game.
  virtual void Archiver(const PartieJouee &partie) = 0;
};
