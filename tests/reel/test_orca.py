#!/usr/bin/python3
"""A game played blind: Debian's Orca runs with its default settings, the
game is played by keyboard alone, and what Orca spoke is read from its own
debug log ("SPEECH OUTPUT" lines): each letter drawn, the whole draw, the
countdown, the word typed, the verdict, the longest words after the round,
the opponent's word (the Champion plays), and at the end of the game its
total, the opponent's and who won.

Usage: test_orca.py VOCADIX VOCADIX.DAT MOTS.TXT
"""

import collections
import os
import re
import sys
import time

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import bureau  # noqa: E402
from bureau import attendre, verifier  # noqa: E402
from test_manche import graphies, guide, lettres  # noqa: E402

PAROLE = re.compile(r"SPEECH OUTPUT: '(.*?)'\s*\{", re.S)


class Aveugle:
    """The game played by keyboard while Orca runs. Orca writes its log
    through a buffer: what it spoke is read once it has ended."""

    def __init__(self, seance, executable, base, mots):
        self.seance = seance
        self.executable, self.base = executable, base
        with open(mots, encoding="utf-8") as f:
            self.mots = {ligne.strip() for ligne in f if ligne.strip()}
        self.ecrits = graphies(mots)
        self.journal_orca = seance.chemin("orca-debug.log")
        self.ecran = self.programme = self.orca = None
        self.tirage = self.suite = self.mot = None
        self.dit = []

    def attendre(self, condition, quoi, delai=bureau.DELAI):
        return self.programme.attendre_arbre(condition, quoi, delai)

    def demarrer(self):
        self.ecran = self.seance.ecran(1024, 768)
        self.orca = self.seance.processus.lancer(
            ["orca", "--replace", f"--debug-file={self.journal_orca}"], self.ecran.env,
            self.seance.chemin("orca.log"))
        # Orca is there once it has registered with the accessibility bus.
        attendre(lambda: os.path.getsize(self.journal_orca) > 0 if os.path.exists(
            self.journal_orca) else None, "Orca to start")
        time.sleep(3)
        dossier = self.seance.dossier_programme(self.executable, self.base)
        # Against the Champion: its words are spoken too.
        with open(os.path.join(dossier, "Preferences.ini"), "w", encoding="ascii") as f:
            f.write("temps=45\nadversaire=4\n")
        self.programme = bureau.Programme(self.ecran, dossier)
        self.ecran.activer(self.programme.fenetre_principale())
        self.attendre(guide("Cliquez sur Nouvelle partie"), "the game's window")

    def tirer(self):
        self.ecran.touche("ctrl+n")
        self.attendre(guide("Cliquez sur Nouveau jeu"), "the new game")
        self.ecran.touche("ctrl+j")
        self.attendre(guide("Cliquez sur Consonnes ou Voyelles"), "the round")
        self.suite = ["v" if i % 3 == 1 else "c" for i in range(9)]
        self.ecran.xdotool("key", "--delay", 400, *self.suite)
        racine = self.attendre(lambda r: r if all(lettres(r)) else None, "nine tiles drawn")
        self.tirage = lettres(racine)

    def compter(self):
        def decompte(r):
            n = next((n for n in r.tous() if n.description == "secondes restantes" and n.montre),
                     None)
            return n if n is not None and n.nom.isdigit() and int(n.nom) < 29 else None
        self.attendre(decompte, "the countdown past 30 seconds", delai=40)

    def taper(self):
        dispo = collections.Counter(self.tirage)
        self.mot = max((m for m in self.mots if not collections.Counter(m) - dispo),
                       key=lambda m: (len(m), m), default=None)
        verifier(self.mot is not None, f"no word of the list in {''.join(self.tirage)}")
        for lettre in self.mot:
            self.ecran.touche(lettre.lower())
            time.sleep(0.3)
        time.sleep(1)
        self.ecran.touche("ctrl+l")
        time.sleep(1)

    def verifier_mot(self):
        self.ecran.touche("Return")
        self.attendre(guide("Cliquez sur Vérification"), "the stop")
        self.ecran.touche("Return")
        fenetre, _, _ = self.programme.attendre_boite("the verdict box")
        time.sleep(1.5)
        self.programme.fermer_boite(fenetre)
        self.attendre(guide("Cliquez sur Nouveau jeu pour continuer"), "the round over")
        time.sleep(2)

    def finir(self):
        # The nine other rounds left during their draw, then the end.
        for _ in range(10):
            self.ecran.touche("ctrl+j")
            time.sleep(0.4)
        fenetre, _, _ = self.programme.attendre_boite("the end-of-game box")
        self.programme.fermer_boite(fenetre)
        time.sleep(2)
        # The score entry left by its Annuler button's mnemonic.
        self.ecran.touche("alt+a")
        self.attendre(guide("Cliquez sur Nouvelle partie"), "the score entry to close")

    def statistiques(self):
        # The window opens on its figures; the next tab's chart is read as
        # the list of its numbers.
        self.ecran.touche("ctrl+h")
        self.attendre(lambda r: r if r.trouver(nom="Vos chiffres") else None,
                      "the statistics window")
        time.sleep(2.5)
        self.ecran.touche("ctrl+Tab")
        time.sleep(1.5)
        self.ecran.touche("Tab")
        time.sleep(1.5)
        self.ecran.touche("Escape")
        time.sleep(1.5)
        # The definitions of the last round's words: the list's line, then
        # whether the Littré has an article.
        self.ecran.touche("ctrl+d")
        self.attendre(lambda r: r if r.trouver(role="list", nom="Mots de la partie") else None,
                      "the window of definitions")
        time.sleep(2.5)
        self.ecran.touche("Escape")
        time.sleep(1.5)
        self.seance.processus.arreter(self.orca)
        with open(self.journal_orca, encoding="utf-8", errors="replace") as f:
            self.dit = PAROLE.findall(f.read())
        print("  Orca said:")
        for parole in self.dit:
            print(f"    {parole!r}")

    def entendu(self, motif, quoi):
        verifier(any(re.search(motif, p) for p in self.dit), f"Orca did not say {quoi}")

    def ecouter(self):
        for i, lettre in enumerate(self.tirage):
            sorte = "voyelle" if self.suite[i] == "v" else "consonne"
            self.entendu(rf"\b{lettre}, {sorte}, {i + 1} sur 9", f"letter {i + 1}, {lettre}")
        self.entendu(r"Tirage complet : " + " ".join(self.tirage) + r"\. 45 secondes",
                     "the whole draw")
        self.entendu(r"^notification (.* )?30 secondes", "the countdown at 30 seconds")
        self.entendu(r"Mot : " + " ".join(self.mot) + r"\b", f"the word {self.mot}")
        self.entendu(r"Lettres : [A-Z ]+\. Mot : " + " ".join(self.mot), "the tiles on Ctrl+L")
        self.entendu(rf"Le mot {self.mot} figure bien dans le dictionnaire", "the verdict")
        self.entendu(rf"Jeu n° 1 : {len(self.mot)} points\. Mots les plus longs possibles : "
                     r"\d+ lettres?\.", "the round's points and longest words")
        self.entendu(rf"Partie terminée : {len(self.mot)} points\.", "the game's total")
        self.entendu(r"L'adversaire \(Champion\) (a joué [A-ZÀ-ÖØ-ÞŒÆ]+ : \d+ points|n'a trouvé aucun "
                     r"mot)\.", "the opponent's word of the first round")
        self.entendu(rf"Partie terminée : {len(self.mot)} points\..* L'adversaire \(Champion\) a "
                     r"\d+ points : (vous gagnez !|il gagne\.|égalité\.)",
                     "the opponent's total and who won")
        self.entendu(r"Parties jouées : 1\b", "the statistics' first figure")
        graphie = re.escape(self.ecrits.get(self.mot, self.mot))
        self.entendu(rf"{graphie}\s+jeu 1, votre mot", "the first word of the definitions' list")
        self.entendu(rf"{graphie} : (un|\d+) articles? du Littré\.|Le Littré n'a pas d'article "
                     rf"pour {graphie}\.", "whether the Littré has an article for it")
        self.entendu(r"Dernière partie : \d+\u00a0%", "the first line of the chart of shares")


def main():
    if len(sys.argv) != 4:
        sys.exit(f"usage: {sys.argv[0]} VOCADIX VOCADIX.DAT MOTS.TXT")
    mots = os.path.abspath(sys.argv.pop())
    executable, base = bureau.arguments()
    with bureau.Seance(duree_max=170) as seance:
        essais = bureau.Essais(seance)
        a = Aveugle(seance, executable, base, mots)
        for nom, etape in (
                ("Orca runs beside the game's window", a.demarrer),
                ("nine letters drawn by keyboard", a.tirer),
                ("the countdown runs past 30 seconds", a.compter),
                ("the word typed, the tiles asked for with Ctrl+L", a.taper),
                ("the round stopped and verified", a.verifier_mot),
                ("the game left to its end", a.finir),
                ("the statistics opened, their next tab reached by keyboard; the definitions "
                 "opened; Orca stopped",
                 a.statistiques),
                ("Orca spoke each letter, the draw, the countdown, the word, the verdict, "
                 "the longest words and the total", a.ecouter)):
            essais.cas(nom, etape)
        return essais.conclure()


if __name__ == "__main__":
    sys.exit(bureau.executer(main))
