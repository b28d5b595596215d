#!/usr/bin/python3
"""A whole round played in the real window with the keyboard alone: no
pointer event from start to end. The commands come from their shortcuts, the
word is typed, and the tiles, the recap and the verdict are read through the
accessibility tree.

Usage: test_clavier.py VOCADIX VOCADIX.DAT MOTS.TXT
"""

import collections
import os
import sys
import time

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import bureau  # noqa: E402
from bureau import TITRE, verifier  # noqa: E402
from test_manche import guide, lettres, recap, tuiles  # noqa: E402

VOYELLES = set("AEIOUY")


class Partie:
    def __init__(self, seance, executable, base, mots):
        self.seance = seance
        self.executable, self.base = executable, base
        with open(mots, encoding="utf-8") as f:
            self.mots = {ligne.strip() for ligne in f if ligne.strip()}
        self.ecran = self.programme = self.fenetre = None
        self.tirage = self.mot = None

    def attendre(self, condition, quoi):
        return self.programme.attendre_arbre(condition, quoi)

    def touche(self, nom):
        self.ecran.touche(nom)

    def demarrer(self):
        self.ecran = self.seance.ecran(1024, 768)
        dossier = self.seance.dossier_programme(self.executable, self.base)
        self.programme = bureau.Programme(self.ecran, dossier)
        self.fenetre = self.programme.fenetre_principale()
        # Given the focus by the window manager, not by a click.
        self.ecran.activer(self.fenetre)
        self.attendre(guide("Cliquez sur Nouvelle partie"), "the start-up guidance")

    def nouvelle_partie(self):
        self.touche("ctrl+n")
        self.attendre(guide("Cliquez sur Nouveau jeu"), "the guidance after Ctrl+N")
        self.touche("ctrl+j")
        racine = self.attendre(guide("Cliquez sur Consonnes ou Voyelles"),
                               "the guidance after Ctrl+J")
        verifier(racine.trouver(role="label", nom="Jeu n° 1") is not None,
                 "the round counter does not read Jeu n° 1")
        # Nothing hidden is given to a screen reader: no tile yet, no dial.
        caches = [n for n in racine.tous() if not n.montre and n.role != "?"]
        verifier(not caches, f"hidden controls given to a screen reader: {caches}")

    def tirer(self):
        # Nine keys 20 ms apart, faster than a letter's sound: nine letters.
        suite = ["v" if i % 2 else "c" for i in range(9)]
        self.ecran.xdotool("key", "--delay", 20, *suite)
        racine = self.attendre(lambda r: r if all(lettres(r)) else None, "nine tiles drawn")
        self.tirage = lettres(racine)
        for i, (touche, vue) in enumerate(zip(suite, self.tirage)):
            verifier((vue in VOYELLES) == (touche == "v"), f"press {i + 1}, {touche}, drew {vue!r}")
        print(f"  draw {''.join(self.tirage)}")
        self.attendre(guide("Cliquez-glissez pour déplacer les lettres"),
                      "the guidance after the ninth draw")

    def taper(self):
        dispo = collections.Counter(self.tirage)
        self.mot = max((m for m in self.mots if not collections.Counter(m) - dispo),
                       key=lambda m: (len(m), m), default=None)
        verifier(self.mot is not None, f"no word of the list in {''.join(self.tirage)}")
        print(f"  typing {self.mot}")
        for lettre in self.mot:
            self.touche(lettre.lower())
        n = len(self.mot)
        racine = self.attendre(
            lambda r: r if "".join(lettres(r)[:n]) == self.mot else None,
            f"the tiles to begin with {self.mot}")
        for i, tuile in enumerate(tuiles(racine)):
            attendu = f"position {i + 1} sur 9, {'marquée' if i < n else 'non marquée'}"
            verifier(tuile.description == attendu,
                     f"tile {i} reads {tuile.nom!r}, {tuile.description!r}; expected {attendu!r}")
        # Backspace takes the last letter off, and typing it again puts it back.
        self.touche("BackSpace")
        self.attendre(lambda r: r if tuiles(r)[n - 1].description.endswith("non marquée")
                      else None, "Backspace to unmark the last letter")
        self.touche(self.mot[-1].lower())
        self.attendre(lambda r: r if tuiles(r)[n - 1].description.endswith(", marquée")
                      else None, "the last letter typed again")

    def arreter(self):
        # Return in the countdown's last half-second still stops the round.
        def decompte(r):
            n = next((n for n in r.tous() if n.description == "secondes restantes" and n.montre),
                     None)
            return n.nom if n is not None and n.nom == "1" else None
        self.programme.attendre_arbre(decompte, "the countdown's last second", delai=60)
        time.sleep(0.45)
        self.touche("Return")
        racine = self.attendre(guide("Cliquez sur Vérification"), "the guidance after Return")
        verifier(racine.trouver(role="alert") is None, "the time-out box opened after the stop")
        verification = racine.trouver(role="push button", nom="Vérification du mot")
        verifier(verification is not None and verification.actif,
                 f"the verification is not allowed: {verification}")
        vue = recap(racine, "Solutions", 0)
        verifier(vue == self.mot, f"the recap's word reads {vue!r}, expected {self.mot!r}")

    def verifier_mot(self):
        self.touche("Return")
        fenetre, titre, texte = self.programme.attendre_boite("the verdict box")
        verifier(titre == TITRE, f"verdict box title {titre!r}")
        attendu = f"Le mot {self.mot} figure bien dans le dictionnaire"
        verifier(texte.startswith(attendu), f"verdict {texte!r}, expected {attendu!r}…")
        # Return closes the box; the main window has the keyboard again.
        self.programme.fermer_boite(fenetre)
        racine = self.attendre(guide("Cliquez sur Nouveau jeu pour continuer"),
                               "the guidance after the verdict")
        vue = recap(racine, "Points", 0)
        verifier(vue == str(len(self.mot)), f"the recap's points read {vue!r}")
        print(f"  {self.mot} scored {vue}")

    def apropos(self):
        # Ctrl+F1 opens the About dialog, a frameless window: it stands centred
        # over the main window, and its controls are where the screen shows them.
        for fois in range(3):
            self.touche("ctrl+F1")
            racine = self.attendre(lambda r: r if r.trouver(nom="Quitter cet écran") else None,
                                   "the About dialog")
            porte = racine.trouver(nom="Quitter cet écran")
            dialogue = bureau.attendre(
                lambda: next((f for f, t in self.ecran.fenetres(self.programme.pid).items()
                              if t == "A propos de Vocadix"), None), "the About dialog's window")
            x, y, largeur, hauteur = self.ecran.geometrie(dialogue)
            px, py = porte.centre()
            verifier(x <= px < x + largeur and y <= py < y + hauteur,
                     f"opening {fois + 1}: the door reported at {(px, py)}, the dialog at "
                     f"{(x, y, largeur, hauteur)}")
            gx, gy, gl, gh = self.ecran.geometrie(self.fenetre)
            centre = (x + largeur // 2, y + hauteur // 2)
            verifier(abs(centre[0] - (gx + gl // 2)) <= 40 and abs(centre[1] - (gy + gh // 2)) <= 40,
                     f"the dialog's centre {centre}, the window's {(gx + gl // 2, gy + gh // 2)}")
            self.touche("Escape")
            self.attendre(lambda r: None if r.trouver(nom="Quitter cet écran") else r,
                          "Escape to close the About dialog")

    def continuer_puis_quitter(self):
        # The high-score dialog opens with Ctrl+T and closes with Escape.
        self.touche("ctrl+t")
        titre = "Liste des 10 meilleurs scores"
        self.attendre(lambda r: r if r.trouver(nom=titre) else None, "the high-score dialog")
        self.touche("Escape")
        self.attendre(lambda r: None if r.trouver(nom=titre) else r,
                      "Escape to close the high-score dialog")
        # The keyboard still reaches the game after the box and the dialog.
        self.touche("ctrl+j")
        racine = self.attendre(guide("Cliquez sur Consonnes ou Voyelles"),
                               "a new round from Ctrl+J after the box")
        verifier(racine.trouver(role="label", nom="Jeu n° 2") is not None,
                 "the round counter does not read Jeu n° 2")
        self.touche("ctrl+q")
        code = self.programme.attendre_fin()
        verifier(code == 0, f"exit status {code}; output:\n{self.programme.sortie()}")


def main():
    if len(sys.argv) != 4:
        sys.exit(f"usage: {sys.argv[0]} VOCADIX VOCADIX.DAT MOTS.TXT")
    mots = os.path.abspath(sys.argv.pop())
    executable, base = bureau.arguments()
    with bureau.Seance() as seance:
        essais = bureau.Essais(seance)
        p = Partie(seance, executable, base, mots)
        for nom, etape in (
                ("the game starts with the keyboard's focus", p.demarrer),
                ("Ctrl+N and Ctrl+J start a game and its first round", p.nouvelle_partie),
                ("C and V pressed 20 ms apart draw nine letters", p.tirer),
                ("the word is typed, Backspace takes a letter off", p.taper),
                ("Return in the last half-second stops the round on the typed word",
                 p.arreter),
                ("Return verifies it; Return closes the verdict box", p.verifier_mot),
                ("Ctrl+F1 shows the About dialog centred, its controls where they are seen",
                 p.apropos),
                ("Ctrl+T and Escape for the scores, Ctrl+J goes on, Ctrl+Q quits",
                 p.continuer_puis_quitter)):
            essais.cas(nom, etape)
        return essais.conclure()


if __name__ == "__main__":
    sys.exit(bureau.executer(main))
