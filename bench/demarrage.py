#!/usr/bin/python3
"""Start-up time of the game against a bare Qt Widgets window, then the
processor time the game takes while it waits for the player.

Start-up runs from just before exec to the "pret" moment the program prints
(its window shown and its event loop turning). The game is timed twice: as a
copy of the build folder's (its files beside it), and installed by
`cmake --install` into a throw-away prefix, started with a player's home
that already holds his copy of the database. With --autre, the build folder
of another construction (an earlier version, say) is timed beside them. All
run the same number of times, in turn, on one private display under openbox.

    /usr/bin/python3 bench/demarrage.py [build folder] [--fois N] [--autre FOLDER]

The build folders are configured with -DVOCADIX_MESURES=ON (default
/work/build-mesures) and hold bin/vocadix, bin/Vocadix.dat, bin/vocadix_son.so and
bench/bench_fenetre_nue."""

import argparse
import os
import statistics
import sys
import time

sys.dont_write_bytecode = True  # no __pycache__ left in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from ecran import (Ecran, Echec, Installation, Programme, annexes_du_jeu,  # noqa: E402
                   proteger_signaux)

OBJECTIF_RAPPORT = 1.3
OBJECTIF_REPOS = 0.5  # percent of one core
DELAI_PRET = 60.0


def duree_demarrage(ecran, programme):
    with Programme(ecran, *programme) as run:
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
    with Programme(ecran, *programme) as run:
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
    options.add_argument("--autre", help="another build folder, timed beside this one")
    args = options.parse_args()

    jeu = (os.path.join(args.construction, "bin", "vocadix"),
           annexes_du_jeu(args.construction))
    nue = (os.path.join(args.construction, "bench", "bench_fenetre_nue"), [])
    programmes = [("vocadix (dossier)", jeu)]
    if args.autre:
        programmes.append(("autre (dossier)", (os.path.join(args.autre, "bin", "vocadix"),
                                               annexes_du_jeu(args.autre))))
    for _, (executable, annexes) in programmes + [("", nue)]:
        for fichier in (executable, *annexes):
            if not os.path.isfile(fichier):
                sys.exit(f"introuvable : {fichier}")

    with Ecran() as ecran, Installation(args.construction) as installation:
        programmes.insert(1, ("vocadix (installé)", installation.programme()))
        programmes.append(("fenêtre nue", nue))
        charge = os.getloadavg()[0]
        print(f"écran {ecran.affichage}, {args.fois} démarrages de chaque programme, "
              f"charge {charge:.2f} sur {os.cpu_count()} cœurs")
        # One unmeasured start each fills the file and font caches, and makes
        # the installed game's player copy of the database.
        for _, programme in programmes:
            duree_demarrage(ecran, programme)
        durees = {nom: [] for nom, _ in programmes}
        for i in range(args.fois):
            tour = programmes[i % len(programmes):] + programmes[:i % len(programmes)]
            for nom, programme in tour:
                durees[nom].append(duree_demarrage(ecran, programme))
        mn = statistics.median(durees["fenêtre nue"])
        for nom, _ in programmes:
            m = statistics.median(durees[nom])
            ligne = (f"démarrage {nom:19s}: médiane {m * 1000:7.1f} ms "
                     f"(min {min(durees[nom]) * 1000:.1f}, max {max(durees[nom]) * 1000:.1f})")
            if nom != "fenêtre nue":
                rapport = m / mn
                ligne += (f", rapport {rapport:.2f} "
                          f"({'atteint' if rapport <= OBJECTIF_RAPPORT else 'MANQUÉ'}, "
                          f"objectif ≤ {OBJECTIF_RAPPORT})")
            print(ligne)

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
