#!/usr/bin/python3
"""One round played in the real window with real mouse events.

New game, new round, nine draws (consonants and vowels in turn), a drag of
the second letter onto the fifth, a double-click on the fifth letter, Stop,
verification, and the recap. The verdict is checked against the word list
the game database is made from.

Usage: test_manche.py VOCADIX VOCADIX.DAT MOTS.TXT
"""

import os
import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import bureau  # noqa: E402
from bureau import TITRE, Echec, attendre, verifier  # noqa: E402

VOYELLES = set("AEIOUY")
BLANC, GRIS = (255, 255, 255), (192, 192, 192)
OPTIONS_INCHANGEES = b"O\r\nO\r\n"

# Consonant, vowel, consonant...: neighbouring tiles always differ, so the
# drag below can never leave the letters as they were.
TIRAGES = [("Tirage des consonnes", False) if i % 2 == 0 else ("Tirage des voyelles", True)
           for i in range(9)]
ORIGINE, CIBLE = 1, 4  # the drag; the double-click is on CIBLE too


# ------------------------------------------------------- reading the window

def tuiles(racine):
    """The nine tiles, in order: the panel that holds nine labels."""
    for n in racine.tous():
        if n.role == "label" and len(n.enfants) == 9 and \
                all(e.role == "label" for e in n.enfants):
            return n.enfants
    raise Echec("no panel of nine letter tiles in the accessibility tree")


def lettres(racine):
    return [t.nom if t.montre else None for t in tuiles(racine)]


def recap(racine, colonne, rang=0):
    """A cell of the recap: the column is found by its heading."""
    entete = racine.trouver(role="label", nom=colonne)
    verifier(entete is not None, f'no recap heading "{colonne}"')
    x, y = entete.etendue[:2]
    cellules = sorted((n for n in racine.tous()
                       if n.role == "label" and n.montre and n.etendue[0] == x
                       and n.etendue[1] > y), key=lambda n: n.etendue[1])
    verifier(len(cellules) > rang, f'recap column "{colonne}" has {len(cellules)} rows')
    return cellules[rang].nom


def guide(texte):
    """A condition: the guidance line reads `texte`."""
    return lambda r: r if r.trouver(role="label", nom=texte) else None


class Manche:
    def __init__(self, seance, executable, base, mots):
        self.seance = seance
        self.executable, self.base, self.mots = executable, base, mots
        self.ecran = None
        self.programme = None
        self.tirage = None
        self.mot = None
        self.trouve = None

    def attendre(self, condition, quoi):
        return self.programme.attendre_arbre(condition, quoi)

    def bouton(self, nom, actif=True):
        """Waits for a command of the bar to be enabled (or not); returns it."""
        def pret(racine):
            b = racine.trouver(nom=nom)
            return b if b is not None and b.role in ("push button", "check box") \
                and b.actif == actif else None
        return self.attendre(pret, f'the button "{nom}" {"enabled" if actif else "disabled"}')

    def cliquer(self, nom):
        self.ecran.cliquer(*self.bouton(nom).centre())

    # -- the cases

    def demarrer(self):
        self.ecran = self.seance.ecran(1024, 768)
        dossier = self.seance.dossier_programme(self.executable, self.base)
        self.dossier = dossier
        self.programme = bureau.Programme(self.ecran, dossier)
        self.programme.fenetre_principale()
        self.attendre(guide("Cliquez sur Nouvelle partie"), "the start-up guidance")

    def nouvelle_partie(self):
        self.cliquer("Nouvelle partie")
        self.attendre(guide("Cliquez sur Nouveau jeu"), "the guidance after a new game")
        self.bouton("Nouveau jeu")
        self.cliquer("Nouveau jeu")
        racine = self.attendre(guide("Cliquez sur Consonnes ou Voyelles"),
                               "the guidance after a new round")
        verifier(racine.trouver(role="label", nom="Jeu n° 1") is not None,
                 'the round counter does not read "Jeu n° 1"')
        verifier(lettres(racine) == [None] * 9, f"tiles shown before any draw: {lettres(racine)}")

    def tirer(self):
        for i, (commande, voyelle) in enumerate(TIRAGES):
            self.cliquer(commande)
            racine = self.attendre(lambda r: r if lettres(r)[i] else None, f"tile {i} drawn")
            vues = lettres(racine)
            verifier(all(vues[:i + 1]) and not any(vues[i + 1:]),
                     f"after draw {i + 1} the tiles show {vues}")
            verifier(len(vues[i]) == 1 and (vues[i] in VOYELLES) == voyelle,
                     f'"{commande}" drew {vues[i]!r}')
        self.tirage = vues
        racine = self.attendre(guide("Cliquez-glissez pour déplacer les lettres"),
                               "the guidance after the ninth draw")
        for commande in ("Tirage des consonnes", "Tirage des voyelles"):
            verifier(not racine.trouver(nom=commande).actif, f'"{commande}" still enabled')
        verifier(racine.trouver(nom="Arrêt").actif, '"Arrêt" not enabled after the draw')
        vue = recap(racine, "Tirages")
        verifier(vue == "".join(self.tirage), f"recap draw {vue!r}, tiles {self.tirage}")

    def glisser(self):
        attendu = list(self.tirage)
        attendu.insert(CIBLE, attendu.pop(ORIGINE))
        racine = self.programme.arbre()
        depart, arrivee = tuiles(racine)[ORIGINE].centre(), tuiles(racine)[CIBLE].centre()
        self.ecran.glisser(depart, arrivee)
        try:
            self.attendre(lambda r: r if lettres(r) == attendu else None,
                          f"the letters {''.join(self.tirage)} to become {''.join(attendu)}")
        except Echec as echec:
            raise Echec(f"{echec}; they read {lettres(self.programme.arbre())}") from None
        self.tirage_deplace = attendu
        print(f"  draw {''.join(self.tirage)}, after the drag {''.join(attendu)}")

    def marquer(self):
        racine = self.programme.arbre()
        etendues = [t.etendue for t in tuiles(racine)]

        def fonds():
            capture = self.ecran.capture()
            # Two corners inside the frame, clear of the letter.
            vus = []
            for x, y, l, h in etendues:
                coins = {capture.pixel(x + 4, y + 4), capture.pixel(x + l - 5, y + 4)}
                vus.append(coins.pop() if len(coins) == 1 else tuple(coins))
            return vus

        vus = fonds()
        verifier(vus == [GRIS] * 9, f"backgrounds before the double-click: {vus}")
        self.ecran.double_cliquer(*tuiles(racine)[CIBLE].centre())
        attendus = [BLANC if i <= CIBLE else GRIS for i in range(9)]
        try:
            attendre(lambda: fonds() == attendus, f"tiles 0 to {CIBLE} white, the rest grey")
        except Echec as echec:
            raise Echec(f"{echec}; backgrounds seen: {fonds()}") from None
        self.attendre(guide("Cliquez sur Stop pour terminer"), "the guidance after marking")
        self.mot = "".join(self.tirage_deplace[:CIBLE + 1])

    def arreter(self):
        self.cliquer("Arrêt")
        racine = self.attendre(guide("Cliquez sur Vérification"), "the guidance after Stop")
        self.bouton("Vérification du mot")
        self.bouton("Arrêt", actif=False)
        vue = recap(self.programme.arbre(), "Solutions")
        verifier(vue == self.mot, f"recap word {vue!r}, expected {self.mot!r}")
        del racine

    def verifier_mot(self):
        with open(self.mots, encoding="utf-8") as f:
            self.trouve = self.mot in {ligne.strip() for ligne in f}
        print(f"  word {self.mot}, {'in' if self.trouve else 'not in'} the word list")
        self.cliquer("Vérification du mot")
        fenetre, titre, texte = self.programme.attendre_boite("the verdict box")
        verifier(titre == TITRE, f"verdict box title {titre!r}, expected {TITRE!r}")
        debut = f"Le mot {self.mot} "
        verifier(texte.startswith(debut), f"verdict {texte!r} does not start with {debut!r}")
        # The two verdicts, and the one the word list calls for.
        verdicts = {True: f"{debut}figure bien dans le dictionnaire",
                    False: f"{debut}ne figure pas dans le dictionnaire"}
        verifier(texte.startswith(verdicts[self.trouve]),
                 f"verdict {texte!r} for a word {'in' if self.trouve else 'not in'} the list")
        self.programme.fermer_boite(fenetre)

    def bilan(self):
        points = str(len(self.mot)) if self.trouve else "0"
        racine = self.attendre(guide("Cliquez sur Nouveau jeu pour continuer"),
                               "the guidance after the verdict")
        self.bouton("Vérification du mot", actif=False)
        for colonne, attendu in (("Tirages", "".join(self.tirage)),
                                 ("Solutions", self.mot), ("Points", points)):
            vue = recap(racine, colonne)
            verifier(vue == attendu, f'recap "{colonne}" reads {vue!r}, expected {attendu!r}')
        score = f"{points} points"
        verifier((racine.trouver(role="label", nom=score) is not None) == self.trouve,
                 f'score panel {"missing" if self.trouve else "shows"} "{score}"')

    def quitter(self):
        self.cliquer("Quitter")
        code = self.programme.attendre_fin()
        verifier(code == 0, f"exit status {code}, expected 0; output:\n{self.programme.sortie()}")
        with open(os.path.join(self.dossier, "Vocadix.ini"), "rb") as f:
            contenu = f.read()
        verifier(contenu == OPTIONS_INCHANGEES, f"Vocadix.ini holds {contenu!r}")


def main():
    if len(sys.argv) != 4:
        sys.exit(f"usage: {sys.argv[0]} VOCADIX VOCADIX.DAT MOTS.TXT")
    mots = os.path.abspath(sys.argv.pop())
    executable, base = bureau.arguments()
    with bureau.Seance() as seance:
        essais = bureau.Essais(seance)
        manche = Manche(seance, executable, base, mots)
        for nom, etape in (
                ("the game starts", manche.demarrer),
                ("new game, then new round", manche.nouvelle_partie),
                ("nine draws, consonants and vowels in turn", manche.tirer),
                (f"a drag of tile {ORIGINE} onto tile {CIBLE} inserts the letter", manche.glisser),
                (f"a double-click on tile {CIBLE} marks tiles 0 to {CIBLE}", manche.marquer),
                ("Stop takes the marked word", manche.arreter),
                ("the verdict box judges the word", manche.verifier_mot),
                ("the recap shows the draw, the word and the points", manche.bilan),
                ("Quitter ends the program and saves the options", manche.quitter)):
            essais.cas(nom, etape)
        return essais.conclure()


if __name__ == "__main__":
    sys.exit(main())
