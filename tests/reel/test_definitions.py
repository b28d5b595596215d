#!/usr/bin/python3
"""A revealed word's definition, opened by mouse and by keyboard, offline.

One round is played by keyboard in a window wide enough for the column of
the longest words: the longest word of the list the draw allows is typed,
stopped and verified. A click on the round's cell of that column opens the
window of definitions on its first word, read through the accessibility
tree: the word with its accents, and either the Littré's articles with
their source or, for a word it lacks, the offer of the Wiktionnaire.
Escape closes it; Ctrl+D opens it again on the same round's words.

Usage: test_definitions.py VOCADIX VOCADIX.DAT MOTS.TXT
"""

import os
import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import bureau  # noqa: E402
from bureau import verifier  # noqa: E402
from test_manche import graphies, guide, plus_longs  # noqa: E402
from test_statistiques import Historique  # noqa: E402

TITRE = "Définitions des mots de la partie"
SOURCE = "Source : Littré (1863–1877)"
LITTRE = "/usr/share/stardict/dic/XMLittre.ifo"


class Definitions(Historique):
    def __init__(self, seance, executable, base, mots):
        super().__init__(seance, executable, base, mots, cle=None)
        self.ecrits = graphies(mots)
        self.premier = None

    def demarrer(self):
        self.ecran = self.seance.ecran(1280, 800)
        self.dossier = self.seance.dossier_programme(self.executable, self.base)
        self.lancer()

    def manche(self):
        self.touche("ctrl+n")
        self.attendre(guide("Cliquez sur Nouveau jeu"), "the guidance after Ctrl+N")
        self.jeu(1, True)
        _, meilleurs = plus_longs(self.mots, self.tirage)
        # The player's word first when it is one of them, as the cell writes it.
        self.premier = self.mot if self.mot in meilleurs else meilleurs[0]

    def definition(self, quoi):
        """The window of definitions once it shows the first word; its tree."""
        graphie = self.ecrits.get(self.premier, self.premier)

        def montree(r):
            texte = r.trouver(nom=f"Définition de {graphie}")
            titre = r.trouver(role="label", nom=graphie)
            return (texte, r) if texte and titre else None
        texte, racine = self.attendre(montree, f"the definition of {graphie} ({quoi})")
        source = racine.trouver(role="label", nom=SOURCE)
        web = racine.trouver(role="push button", nom="Voir sur le Wiktionnaire (en ligne)")
        if os.path.exists(LITTRE):
            verifier("n'est pas installé" not in texte.description,
                     f"the Littré is installed, yet: {texte.description!r}")
        if source is not None:
            verifier(web is None, "an article found, and the Wiktionnaire offered")
            verifier(texte.description.startswith(graphie) and "du Littré" in texte.description,
                     f"the definition is described as {texte.description!r}")
        else:
            verifier(web is not None, f"neither an article nor the Wiktionnaire for {graphie}")
        liste = racine.trouver(role="list", nom="Mots de la partie")
        verifier(liste is not None, "no list of the game's words")
        print(f"  {quoi}: {graphie}, {texte.description!r}")
        return racine

    def fermer(self):
        self.touche("Escape")
        self.attendre(lambda r: r if r.trouver(role="list", nom="Mots de la partie") is None
                      else None, "the window of definitions to close")

    def souris(self):
        racine = self.attendre(guide("Cliquez sur Nouveau jeu pour continuer"), "the guidance")
        entete = racine.trouver(role="label", nom="Les plus longs")
        verifier(entete is not None, "no column of the longest words")
        cellules = sorted((c for c in racine.tous() if c.role == "label" and c.montre
                           and c.etendue[0] == entete.etendue[0]
                           and c.etendue[1] > entete.etendue[1]), key=lambda c: c.etendue[1])
        x, y, _, hauteur = cellules[0].etendue
        # On the length before the first word: the cell's first word.
        self.ecran.cliquer(x + 3, y + hauteur // 2)
        self.definition("by a click on the revealed words")
        self.ecran.garder_capture("definitions")
        self.fermer()

    def clavier(self):
        self.ecran.activer(self.fenetre)
        self.touche("ctrl+d")
        self.definition("by Ctrl+D")
        self.fermer()


def main():
    if len(sys.argv) != 4:
        sys.exit(f"usage: {sys.argv[0]} VOCADIX VOCADIX.DAT MOTS.TXT")
    mots = os.path.abspath(sys.argv.pop())
    executable, base = bureau.arguments()
    with bureau.Seance(duree_max=120) as seance:
        essais = bureau.Essais(seance)
        d = Definitions(seance, executable, base, mots)
        for nom, etape in (
                ("the game starts", d.demarrer),
                ("a round is played and its longest words revealed", d.manche),
                ("a click on a revealed word opens its definition", d.souris),
                ("Ctrl+D opens the last round's words", d.clavier)):
            essais.cas(nom, etape)
        return essais.conclure()


if __name__ == "__main__":
    sys.exit(bureau.executer(main))
