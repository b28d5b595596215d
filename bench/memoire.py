#!/usr/bin/python3
"""Peak resident memory of the game, once its window is up and, where the
build has it, the index of its longest words is built: the highest VmHWM of
several starts, read from /proc while the game waits for the player.

    /usr/bin/python3 bench/memoire.py BUILD [BUILD_DE_REFERENCE] [--fois N]

Each build is configured with -DVOCADIX_MESURES=ON and holds bin/vocadix and
bin/Vocadix.dat. With two builds, both run alternately and the difference of
their medians is printed."""

import argparse
import os
import statistics
import sys
import time

sys.dont_write_bytecode = True  # no __pycache__ left in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from ecran import Ecran, Echec, Programme, annexes_du_jeu, proteger_signaux  # noqa: E402

DELAI = 60.0
# A build without the index prints no "solveur" moment: its memory is read
# after the same wait, by which time the index would long be built.
ATTENTE_SANS_INDEX = 3.0
PLAFOND_MIO = 10.0


def crete(ecran, construction):
    executable = os.path.join(construction, "bin", "vocadix")
    annexes = annexes_du_jeu(construction)
    with Programme(ecran, executable, annexes) as run:
        run.demarrer()
        run.attendre("pret", DELAI)
        try:
            run.attendre("solveur", ATTENTE_SANS_INDEX)
        except Echec:
            pass
        time.sleep(0.5)
        with open(f"/proc/{run.processus.pid}/status") as f:
            for ligne in f:
                if ligne.startswith("VmHWM:"):
                    return int(ligne.split()[1]) / 1024.0
    raise Echec("VmHWM introuvable")


def main():
    proteger_signaux()
    options = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    options.add_argument("constructions", nargs="+")
    options.add_argument("--fois", type=int, default=6)
    args = options.parse_args()
    cretes = {c: [] for c in args.constructions}
    with Ecran() as ecran:
        for _ in range(args.fois):
            for construction in args.constructions:
                cretes[construction].append(crete(ecran, construction))
    medianes = []
    for construction, valeurs in cretes.items():
        m = statistics.median(valeurs)
        medianes.append(m)
        print(f"{construction:30s} : crête médiane {m:6.1f} Mio "
              f"(min {min(valeurs):.1f}, max {max(valeurs):.1f})")
    if len(medianes) == 2:
        ecart = medianes[0] - medianes[1]
        print(f"écart                          : {ecart:+.1f} Mio "
              f"({'atteint' if ecart <= PLAFOND_MIO else 'MANQUÉ'}, plafond {PLAFOND_MIO} Mio)")


if __name__ == "__main__":
    main()
