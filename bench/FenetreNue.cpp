// The baseline for the start-up benchmark: the least a Qt Widgets program
// does before its first window is on screen. It prints the same "pret"
// moment as the game, at the same point (the window shown, then the first
// turn of the event loop), so that demarrage.py compares like with like.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <chrono>
#include <cstdio>

namespace {

void SignalerPret() {
  const auto maintenant = std::chrono::steady_clock::now().time_since_epoch();
  std::fprintf(stderr, "vocadix-mesure pret %.3f\n",
               std::chrono::duration<double, std::milli>(maintenant).count());
  std::fflush(stderr);
}

} // namespace

int main(int argc, char **argv) {
  QApplication application(argc, argv);
  QMainWindow fenetre;
  fenetre.setWindowTitle(QStringLiteral("Fenêtre nue"));
  fenetre.setCentralWidget(new QLabel(QStringLiteral("Fenêtre nue"), &fenetre));
  fenetre.showMaximized();
  QTimer::singleShot(0, [] { SignalerPret(); });
  return application.exec();
}
