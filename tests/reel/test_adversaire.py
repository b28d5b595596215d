#!/usr/bin/python3
"""A game against the opponent, read through the accessibility tree.

The settings file of the added settings asks for the Champion. One game of
ten rounds is played by keyboard in a window wide enough for the opponent's
column: the first round's longest word of the list is typed, stopped and
verified, the others are left by Ctrl+J. After each round the opponent's
cell is read: a word of the list, written with the round's letters, in the
cell's text and in the row's description. At the end, the line under the
total gives both totals and who won.

Usage: test_adversaire.py VOCADIX VOCADIX.DAT MOTS.TXT
"""

import collections
import os
import re
import sys
import unicodedata

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import bureau  # noqa: E402
from bureau import verifier  # noqa: E402
from test_manche import guide  # noqa: E402
from test_statistiques import MANCHES, Historique  # noqa: E402

COUP = re.compile(r"^L'adversaire \(Champion\) (?:a joué ([A-ZÀ-ÖØ-ÞŒÆ]+) : (\d+) points\."
                  r"|n'a trouvé aucun mot\.)$")


def sans_accents(graphie):
    """The word as the game's list writes it: ÉTÉ gives ETE, CŒUR gives COEUR."""
    lettres = unicodedata.normalize("NFD", graphie.replace("Œ", "OE").replace("Æ", "AE"))
    return "".join(c for c in lettres if unicodedata.category(c) != "Mn")


class Duel(Historique):
    def __init__(self, seance, executable, base, mots):
        super().__init__(seance, executable, base, mots, cle=None)
        self.coups, self.tirages = [], []

    def demarrer(self):
        self.ecran = self.seance.ecran(1280, 800)
        self.dossier = self.seance.dossier_programme(self.executable, self.base)
        with open(os.path.join(self.dossier, "Preferences.ini"), "w", encoding="ascii") as f:
            f.write("temps=45\nadversaire=4\n")
        self.lancer()

    def cellule(self, k):
        """The opponent's cell of round k + 1 once it is played: the rightmost
        of the row's cells, all of which end their description with its
        word; None before."""
        def rangees(racine):
            cellules = [n for n in racine.tous() if n.role == "label" and n.montre and
                        COUP.match(n.description.split("\n")[-1])]
            par_rangee = collections.defaultdict(list)
            for n in cellules:
                par_rangee[n.etendue[1]].append(n)
            return [max(par_rangee[y], key=lambda n: n.etendue[0]) for y in sorted(par_rangee)]
        return self.attendre(lambda r: rangees(r)[k] if len(rangees(r)) > k else None,
                             f"the opponent's word of round {k + 1}")

    def verifier_coup(self, k):
        noeud = self.cellule(k)
        tirage = self.tirages[k]
        coup = COUP.match(noeud.description.split("\n")[-1])
        graphie = coup.group(1) or ""
        mot = sans_accents(graphie)
        if mot:
            verifier(noeud.nom == f"{graphie} ({len(mot)})", f"the cell reads {noeud.nom!r}")
            verifier(int(coup.group(2)) == len(mot), f"points of {mot}: {coup.group(2)}")
            verifier(mot in self.mots, f"the opponent played {mot}, not a word of the list")
            verifier(not collections.Counter(mot) - collections.Counter(tirage),
                     f"{mot} is not written with {''.join(tirage)}")
        else:
            verifier(noeud.nom == "aucun mot", f"the cell reads {noeud.nom!r}")
        print(f"  round {k + 1}: {''.join(tirage)}, the Champion plays {graphie or 'nothing'}")
        self.coups.append(len(mot))

    def partie(self):
        self.touche("ctrl+n")
        self.attendre(guide("Cliquez sur Nouveau jeu"), "the guidance after Ctrl+N")
        self.total = 0
        for k in range(1, MANCHES + 1):
            self.total += self.jeu(k, k == 1)
            self.tirages.append(self.tirage)
            if k > 1:
                self.verifier_coup(k - 2)
        self.touche("ctrl+j")
        fenetre, _, texte = self.programme.attendre_boite("the end-of-game box")
        self.programme.fermer_boite(fenetre)
        self.verifier_coup(MANCHES - 1)

    def bilan(self):
        adverse = sum(self.coups)
        issue = ("vous gagnez !" if self.total > adverse else "il gagne."
                 if self.total < adverse else "égalité.")
        ligne = (f"Vous avez {self.total} points, l'adversaire (Champion) {adverse} points : "
                 f"{issue}")
        racine = self.attendre(lambda r: r if any(ligne in n.nom for n in r.tous()
                                                  if n.role == "label" and n.montre) else None,
                               f"the end line {ligne!r}")
        verifier(racine is not None, "no end line")
        print(f"  read: {ligne}")
        self.ecran.garder_capture("adversaire")


def main():
    if len(sys.argv) != 4:
        sys.exit(f"usage: {sys.argv[0]} VOCADIX VOCADIX.DAT MOTS.TXT")
    mots = os.path.abspath(sys.argv.pop())
    executable, base = bureau.arguments()
    with bureau.Seance(duree_max=170) as seance:
        essais = bureau.Essais(seance)
        d = Duel(seance, executable, base, mots)
        for nom, etape in (
                ("the game starts with the Champion for opponent", d.demarrer),
                ("each round's word of the opponent is read once the round is over", d.partie),
                ("the end line gives both totals and who won", d.bilan)):
            essais.cas(nom, etape)
        return essais.conclure()


if __name__ == "__main__":
    sys.exit(bureau.executer(main))
