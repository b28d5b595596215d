// Linked into every program of a sanitized build, so that the program, its
// tests and anything that starts them (ctest, the real-window scripts) run
// with the same settings and need no environment of their own. A variable
// set by hand (ASAN_OPTIONS, LSAN_OPTIONS, UBSAN_OPTIONS) still adds to these.

// Reports name the functions and lines, with the symbolizer of the compiler.
#define SYMBOLISEUR "external_symbolizer_path=/usr/lib/llvm-14/bin/llvm-symbolizer"

extern "C" {

// Leaks are looked for at every exit; the first fault ends the program.
// Strict string checks stay off: they would have strndup() read its whole
// argument, where the X keyboard library rightly gives one with no end.
const char *__asan_default_options() {
  return "detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:"
         "check_initialization_order=1:strict_init_order=1:" SYMBOLISEUR;
}

const char *__ubsan_default_options() {
  return "print_stacktrace=1:halt_on_error=1:" SYMBOLISEUR;
}

// Leaks of the libraries the game runs on, never of its own code: each entry
// names a library by its file and says why its memory is not ours to free.
const char *__lsan_default_suppressions() {
  return
      // D-Bus, which Qt's accessibility and desktop services talk through,
      // keeps its connections' buffers until dbus_shutdown(), which nothing
      // calls in a program that ends with its connections still open.
      "leak:libdbus-1.so\n";
}
}
