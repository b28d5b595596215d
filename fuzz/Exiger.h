#pragma once

// What every target checks beyond the sanitizers: a property of the reader's
// answer that must hold for any input. A broken one aborts, so that libFuzzer
// keeps the input that broke it.

#include <cstdio>
#include <cstdlib>

#define EXIGER(condition)                                                                          \
  do {                                                                                             \
    if (!(condition)) {                                                                            \
      std::fprintf(stderr, "%s:%d : propriété fausse : %s\n", __FILE__, __LINE__, #condition);     \
      std::abort();                                                                                \
    }                                                                                              \
  } while (false)
