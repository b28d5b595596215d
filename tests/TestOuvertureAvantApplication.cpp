// The game database's opening starts before the application object exists,
// on another thread that makes Qt objects of its own (the player's copy of
// an installed game) and may still be at work, deriving the key of a file
// made with its own salt, when the application object is made. Qt must still
// take the program's own thread for the main one: otherwise the window's
// events go astray and the game no longer answers. Nothing of Qt runs here
// before the opening starts, as in main().

#include "data/OuvertureBase.h"

#include "CleBase.h"

#include <QCoreApplication>
#include <QThread>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sqlite3.h>
#include <thread>

namespace fs = std::filesystem;

namespace {

int Echecs = 0;

void Verifier(bool condition, const char *texte) {
  std::printf("%s : %s\n", condition ? "PASS" : "FAIL", texte);
  Echecs += condition ? 0 : 1;
}

bool AvertissementFilPrincipal = false;

void Messages(QtMsgType, const QMessageLogContext &, const QString &message) {
  if (message.contains(QLatin1String("main() thread")))
    AvertissementFilPrincipal = true;
  std::fprintf(stderr, "%s\n", qPrintable(message));
}

// A template keyed with the password, so with a salt of its own: opening
// the player's copy of it derives the key, which keeps the thread busy.
bool FaireModele(const fs::path &chemin) {
  sqlite3 *base = nullptr;
  const bool fait = sqlite3_open(chemin.c_str(), &base) == SQLITE_OK &&
                    sqlite3_key(base, CleBase::Cle, int(sizeof CleBase::Cle - 1)) == SQLITE_OK &&
                    sqlite3_exec(base,
                                 "CREATE TABLE DICO (NOM TEXT PRIMARY KEY) WITHOUT ROWID;"
                                 "CREATE TABLE SCORES (NOM TEXT, SCORE INTEGER, DATE TEXT);"
                                 "INSERT INTO DICO VALUES ('CHAT');",
                                 nullptr, nullptr, nullptr) == SQLITE_OK;
  sqlite3_close(base);
  return fait;
}

} // namespace

int main(int argc, char **argv) {
  // An installed layout: the program in bin, the template in share/vocadix,
  // the player's folders elsewhere, so that the opening copies the template.
  char modele[] = "/tmp/vocadix-ouverture-XXXXXX";
  const fs::path racine = mkdtemp(modele);
  fs::create_directories(racine / "bin");
  fs::create_directories(racine / "share" / "vocadix");
  if (!FaireModele(racine / "share" / "vocadix" / "Vocadix.dat")) {
    std::printf("FAIL : modèle de base impossible à faire\n");
    return 1;
  }
  const auto chemin = [&](const char *nom) {
    return QString::fromStdString((racine / nom).string());
  };

  OuvertureBase ouverture =
      OuvertureBase::Lancer(chemin("bin/vocadix"), chemin("joueur"), chemin("reglages"));
  // The copy is made, and the key being derived, when the application is.
  std::this_thread::sleep_for(std::chrono::milliseconds(15));
  qInstallMessageHandler(Messages);
  QCoreApplication application(argc, argv);
  std::unique_ptr<MoteurBase> base;
  try {
    base = ouverture.Attendre();
  } catch (...) {
  }

  Verifier(base != nullptr, "la copie du joueur est faite et ouverte");
  Verifier(!ouverture.Lieux().Modele.isEmpty(), "le jeu est vu comme installé");
  Verifier(!AvertissementFilPrincipal, "l'application est faite dans le fil principal");
  Verifier(application.thread() == QThread::currentThread(),
           "l'application appartient au fil qui l'a faite");
  base.reset();
  fs::remove_all(racine);
  return Echecs == 0 ? 0 : 1;
}
