#!/usr/bin/python3
"""Start-up time of the game against a bare Qt Widgets window, then the
processor time the game takes while it waits for the player.

Start-up runs from just before exec to the "pret" moment the program prints
(its window shown and its event loop turning). Both programs run the same
number of times, alternately, on one private display under openbox.

    /usr/bin/python3 bench/demarrage.py [build folder] [--fois N]

The build folder is configured with -DVOCADIX_MESURES=ON (default
/work/build-mesures) and holds bin/vocadix, bin/Vocadix.dat, bin/vocadix_son.so and
bench/bench_fenetre_nue."""

import argparse
import os
import statistics
import sys
import time

sys.dont_write_bytecode = True  # no __pycache__ left in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from ecran import Ecran, Echec, Programme, annexes_du_jeu, proteger_signaux  # noqa: E402

OBJECTIF_RAPPORT = 1.3
OBJECTIF_REPOS = 0.5  # percent of one core
DELAI_PRET = 60.0


def duree_demarrage(ecran, programme):
    executable, annexes = programme
    with Programme(ecran, executable, annexes) as run:
        avant = run.demarrer()
        pret = run.attendre("pret", DELAI_PRET)
    # Let the X server and openbox forget the window before the next start.
    time.sleep(0.3)
    return pret - avant


def temps_processeur(pid):
    """utime + stime of the whole process, in seconds."""
    with open(f"/proc/{pid}/stat") as f:
        champs = f.read().rsplit(")", 1)[1].split()
    # Fields 14 and 15 of the file; the split starts at field 3.
    return (int(champs[11]) + int(champs[12])) / os.sysconf("SC_CLK_TCK")


def repos(ecran, programme, duree):
    executable, annexes = programme
    with Programme(ecran, executable, annexes) as run:
        run.demarrer()
        run.attendre("pret", DELAI_PRET)
        time.sleep(2.0)
        debut, cpu_debut = time.monotonic(), temps_processeur(run.processus.pid)
        time.sleep(duree)
        fin, cpu_fin = time.monotonic(), temps_processeur(run.processus.pid)
    return 100.0 * (cpu_fin - cpu_debut) / (fin - debut)


def main():
    proteger_signaux()
    options = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    options.add_argument("construction", nargs="?", default="/work/build-mesures")
    options.add_argument("--fois", type=int, default=15, help="runs of each program")
    options.add_argument("--repos", type=float, default=30.0,
                         help="seconds over which idle processor time is read")
    args = options.parse_args()

    jeu = (os.path.join(args.construction, "bin", "vocadix"),
           annexes_du_jeu(args.construction))
    nue = (os.path.join(args.construction, "bench", "bench_fenetre_nue"), [])
    for fichier in (jeu[0], *jeu[1], nue[0]):
        if not os.path.isfile(fichier):
            sys.exit(f"introuvable : {fichier}")

    with Ecran() as ecran:
        charge = os.getloadavg()[0]
        print(f"écran {ecran.affichage}, {args.fois} démarrages de chaque programme, "
              f"charge {charge:.2f} sur {os.cpu_count()} cœurs")
        # One unmeasured start each fills the file and font caches.
        duree_demarrage(ecran, jeu)
        duree_demarrage(ecran, nue)
        durees_jeu, durees_nue = [], []
        for i in range(args.fois):
            ordre = [(jeu, durees_jeu), (nue, durees_nue)]
            for programme, durees in ordre if i % 2 == 0 else reversed(ordre):
                durees.append(duree_demarrage(ecran, programme))
        mj, mn = statistics.median(durees_jeu), statistics.median(durees_nue)
        rapport = mj / mn
        print(f"démarrage vocadix      : médiane {mj * 1000:7.1f} ms "
              f"(min {min(durees_jeu) * 1000:.1f}, max {max(durees_jeu) * 1000:.1f})")
        print(f"démarrage fenêtre nue  : médiane {mn * 1000:7.1f} ms "
              f"(min {min(durees_nue) * 1000:.1f}, max {max(durees_nue) * 1000:.1f})")
        print(f"rapport                : {rapport:.2f} "
              f"({'atteint' if rapport <= OBJECTIF_RAPPORT else 'MANQUÉ'}, objectif ≤ {OBJECTIF_RAPPORT})")

        cpu_jeu = repos(ecran, jeu, args.repos)
        cpu_nue = repos(ecran, nue, args.repos)
        print(f"{f'au repos ({args.repos:.0f} s)':23s}: vocadix {cpu_jeu:.2f} % d'un cœur, "
              f"fenêtre nue {cpu_nue:.2f} % "
              f"({'atteint' if cpu_jeu < OBJECTIF_REPOS else 'MANQUÉ'}, objectif < {OBJECTIF_REPOS} %)")


if __name__ == "__main__":
    try:
        main()
    except Echec as echec:
        sys.exit(f"échec : {echec}")
    except KeyboardInterrupt:
        sys.exit("interrompu")
