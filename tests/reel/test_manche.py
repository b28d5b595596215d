#!/usr/bin/python3
"""Rounds played in the real window with real mouse events.

First round: new game, new round, nine draws (consonants and vowels in
turn), a drag of the second letter onto the fifth, a double-click on the
fifth letter, Stop, verification and the recap. The verdict is checked
against the word list the game database is made from.

Second round: the letters are dragged, one insertion at a time, into the
longest word of the list they can make, which must then score its length.

Usage: test_manche.py VOCADIX VOCADIX.DAT MOTS.TXT
"""

import collections
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
# first round's drag can never leave the letters as they were.
TIRAGES = [("Tirage des consonnes", False) if i % 2 == 0 else ("Tirage des voyelles", True)
           for i in range(9)]
ORIGINE, CIBLE = 1, 4  # the first round's drag; its double-click is on CIBLE
# Longest word the second round builds: each letter may cost a drag, and the
# countdown runs meanwhile.
LONGUEUR_MAX = 5


# ------------------------------------------------------- reading the window

def tuiles(racine):
    """The nine tiles, in order, each read as "position N sur 9, ..."."""
    vues = lettres_lues(racine)
    verifier(all(t is not None for t in vues), f"tiles shown: {[t and t.nom for t in vues]}")
    return vues


def lettres_lues(racine):
    """The tiles a screen reader is given, by position; None where it is given none."""
    vues = [None] * 9
    for n in racine.tous():
        if n.role == "label" and n.montre and n.description.startswith("position "):
            vues[int(n.description.split()[1]) - 1] = n
    return vues


def lettres(racine):
    return [t.nom if t is not None else None for t in lettres_lues(racine)]


def recap(racine, colonne, rang):
    """A cell of the recap: the column is found by its heading."""
    entete = racine.trouver(role="label", nom=colonne)
    verifier(entete is not None, f'no recap heading "{colonne}"')
    x, y = entete.etendue[:2]
    cellules = sorted((n for n in racine.tous()
                       if n.role == "label" and n.montre and n.etendue[0] == x
                       and n.etendue[1] > y), key=lambda n: n.etendue[1])
    verifier(len(cellules) > rang, f'recap column "{colonne}" has {len(cellules)} rows')
    return cellules[rang].nom


def plus_longs(mots, tirage):
    """Every word of the list of the greatest length the draw allows, by brute force."""
    dispo = collections.Counter(tirage)
    possibles = [m for m in mots if not collections.Counter(m) - dispo]
    n = max(map(len, possibles), default=0)
    return n, sorted(m for m in possibles if len(m) == n)


def graphies(mots):
    """The accented spelling of each word that has one, from the table beside
    the word list's folder (MOT GRAPHIE a line)."""
    chemin = os.path.join(os.path.dirname(mots), os.pardir, "formes", "accents.txt")
    with open(chemin, encoding="utf-8") as f:
        return dict(ligne.split() for ligne in f if ligne.strip())


def revelation_attendue(mots, tirage, mot, ecrits=None):
    """The text the game gives a round's longest words, in full, each written
    with its accents when `ecrits` gives them."""
    n, meilleurs = plus_longs(mots, tirage)
    if n == 0:
        return "Aucun mot du dictionnaire ne s'écrit avec ce tirage."
    trouve = mot in meilleurs
    montres = ([mot] + [m for m in meilleurs if m != mot] if trouve else meilleurs)[:5]
    ecrits = ecrits or {}
    texte = f"Mots les plus longs possibles : {n} lettre{'s' if n > 1 else ''}.\n" \
        f"{', '.join(ecrits.get(m, m) for m in montres)}"
    autres = len(meilleurs) - 5
    if autres > 0:
        texte += " et 1 autre" if autres == 1 else f" et {autres} autres"
    texte += "."
    if trouve:
        texte += "\nVotre mot en fait partie !"
    return texte


def guide(texte):
    """A condition: the guidance line reads `texte`."""
    return lambda r: r if r.trouver(role="label", nom=texte) else None


def inserer(suite, origine, cible):
    """The letters after a drag from `origine` onto `cible`: an insertion."""
    suite = list(suite)
    suite.insert(cible, suite.pop(origine))
    return suite


class Partie:
    def __init__(self, seance, executable, base, mots):
        self.seance = seance
        self.executable, self.base = executable, base
        with open(mots, encoding="utf-8") as f:
            self.mots = {ligne.strip() for ligne in f if ligne.strip()}
        # No list, no words to judge, and no spellings either.
        self.ecrits = graphies(mots) if mots != os.devnull else {}
        self.ecran = self.programme = self.dossier = None
        self.rang = -1  # the round under way, from 0
        self.score = 0
        self.tirage = self.lettres = self.mot = None
        self.points = 0  # of the round under way
        self.a_marquer = None  # tile the double-click ends the word on

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

    def fonds(self, etendues):
        """Tile backgrounds on screen: two corners inside the frame, clear of the letter."""
        capture = self.ecran.capture()
        vus = []
        for x, y, l, h in etendues:
            coins = {capture.pixel(x + 4, y + 4), capture.pixel(x + l - 5, y + 4)}
            vus.append(coins.pop() if len(coins) == 1 else tuple(coins))
        return vus

    # -- the steps of a game

    def demarrer(self):
        self.ecran = self.seance.ecran(1024, 768)
        self.dossier = self.seance.dossier_programme(self.executable, self.base)
        self.programme = bureau.Programme(self.ecran, self.dossier)
        self.programme.fenetre_principale()
        self.attendre(guide("Cliquez sur Nouvelle partie"), "the start-up guidance")
        self.cliquer("Nouvelle partie")
        self.attendre(guide("Cliquez sur Nouveau jeu"), "the guidance after a new game")

    def nouveau_jeu(self):
        self.cliquer("Nouveau jeu")
        self.rang += 1
        racine = self.attendre(guide("Cliquez sur Consonnes ou Voyelles"),
                               "the guidance after a new round")
        compte = f"Jeu n° {self.rang + 1}"
        verifier(racine.trouver(role="label", nom=compte) is not None,
                 f'the round counter does not read "{compte}"')
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
        self.tirage = self.lettres = vues
        print(f"  draw {''.join(vues)}")
        racine = self.attendre(guide("Cliquez-glissez pour déplacer les lettres"),
                               "the guidance after the ninth draw")
        for commande in ("Tirage des consonnes", "Tirage des voyelles"):
            verifier(not racine.trouver(nom=commande).actif, f'"{commande}" still enabled')
        verifier(racine.trouver(nom="Arrêt").actif, '"Arrêt" not enabled after the draw')
        vue = recap(racine, "Tirages", self.rang)
        verifier(vue == "".join(vues), f"recap draw {vue!r}, tiles {vues}")

    def glisser(self, origine, cible):
        attendu = inserer(self.lettres, origine, cible)
        racine = self.programme.arbre()
        self.ecran.glisser(tuiles(racine)[origine].centre(), tuiles(racine)[cible].centre())
        try:
            self.attendre(lambda r: r if lettres(r) == attendu else None,
                          f"the letters {''.join(self.lettres)} to become {''.join(attendu)}")
        except Echec as echec:
            raise Echec(f"{echec}; they read {lettres(self.programme.arbre())}") from None
        self.lettres = attendu

    def marquer(self, k):
        etendues = [t.etendue for t in tuiles(self.programme.arbre())]
        vus = self.fonds(etendues)
        verifier(vus == [GRIS] * 9, f"backgrounds before the double-click: {vus}")
        x, y, l, h = etendues[k]
        self.ecran.double_cliquer(x + l // 2, y + h // 2)
        attendus = [BLANC if i <= k else GRIS for i in range(9)]
        try:
            attendre(lambda: self.fonds(etendues) == attendus, f"tiles 0 to {k} white, the rest grey")
        except Echec as echec:
            raise Echec(f"{echec}; backgrounds seen: {self.fonds(etendues)}") from None
        self.attendre(guide("Cliquez sur Stop pour terminer"), "the guidance after marking")
        self.mot = "".join(self.lettres[:k + 1])

    def arreter(self):
        self.cliquer("Arrêt")
        self.attendre(guide("Cliquez sur Vérification"), "the guidance after Stop")
        self.bouton("Vérification du mot")
        self.bouton("Arrêt", actif=False)
        vue = recap(self.programme.arbre(), "Solutions", self.rang)
        verifier(vue == self.mot, f"recap word {vue!r}, expected {self.mot!r}")

    def verifier_mot(self):
        trouve = self.mot in self.mots
        print(f"  word {self.mot}, {'in' if trouve else 'not in'} the word list")
        self.cliquer("Vérification du mot")
        fenetre, titre, texte = self.programme.attendre_boite("the verdict box")
        verifier(titre == TITRE, f"verdict box title {titre!r}, expected {TITRE!r}")
        debut = f"Le mot {self.mot} "
        verifier(texte.startswith(debut), f"verdict {texte!r} does not start with {debut!r}")
        # The two verdicts, and the one the word list calls for.
        verdicts = {True: f"{debut}figure bien dans le dictionnaire",
                    False: f"{debut}ne figure pas dans le dictionnaire"}
        verifier(texte.startswith(verdicts[trouve]),
                 f"verdict {texte!r} for a word {'in' if trouve else 'not in'} the list")
        self.points = len(self.mot) if trouve else 0
        if trouve:
            gain = f"vous marquez {self.points} points"
            verifier(gain in texte, f"verdict {texte!r} does not say {gain!r}")
        self.score += self.points
        self.programme.fermer_boite(fenetre)

    def bilan(self):
        racine = self.attendre(guide("Cliquez sur Nouveau jeu pour continuer"),
                               "the guidance after the verdict")
        self.bouton("Vérification du mot", actif=False)
        for colonne, attendu in (("Tirages", "".join(self.tirage)),
                                 ("Solutions", self.mot), ("Points", str(self.points))):
            vue = recap(racine, colonne, self.rang)
            verifier(vue == attendu, f'recap "{colonne}" row {self.rang} reads {vue!r}, '
                                     f'expected {attendu!r}')
        # Beside the recap, the longest words the draw allowed, read back
        # through the accessibility tree.
        entete = racine.trouver(role="label", nom="Les plus longs")
        verifier(entete is not None, "no column of the longest words beside the recap")
        n, _ = plus_longs(self.mots, self.tirage)
        cellules = sorted((c for c in racine.tous() if c.role == "label" and c.montre
                           and c.etendue[0] == entete.etendue[0]
                           and c.etendue[1] > entete.etendue[1]), key=lambda c: c.etendue[1])
        verifier(len(cellules) > self.rang, f"{len(cellules)} rows of longest words")
        cellule = cellules[self.rang]
        attendue = revelation_attendue(self.mots, self.tirage, self.mot, self.ecrits)
        verifier(cellule.description == attendue,
                 f"longest words of row {self.rang}: {cellule.description!r}, "
                 f"expected {attendue!r}")
        debut = f"{n} : " if n else "aucun mot"
        verifier(cellule.nom.startswith(debut), f"longest words cell reads {cellule.nom!r}")
        print(f"  longest words: {cellule.description!r}")
        # The score panel stays empty until a word scores.
        score = f"{self.score} points"
        verifier((racine.trouver(role="label", nom=score) is not None) == (self.score > 0),
                 f'score panel {"missing" if self.score else "shows"} "{score}"')

    def quitter(self):
        self.cliquer("Quitter")
        code = self.programme.attendre_fin()
        verifier(code == 0, f"exit status {code}, expected 0; output:\n{self.programme.sortie()}")
        with open(os.path.join(self.dossier, "Vocadix.ini"), "rb") as f:
            contenu = f.read()
        verifier(contenu == OPTIONS_INCHANGEES, f"Vocadix.ini holds {contenu!r}")

    # -- the two rounds

    def deplacer_une_lettre(self):
        self.glisser(ORIGINE, CIBLE)
        print(f"  after the drag {''.join(self.lettres)}")

    def composer(self):
        """Drags the letters into the longest word of the list they make."""
        dispo = collections.Counter(self.lettres)
        mot = max((m for m in self.mots if len(m) <= LONGUEUR_MAX
                   and not collections.Counter(m) - dispo), key=lambda m: (len(m), m),
                  default=None)
        verifier(mot is not None and len(mot) >= 2,
                 f"the list has no word of two letters or more in {''.join(self.lettres)}")
        print(f"  building {mot}")
        for p, lettre in enumerate(mot):
            # Letters before p are in place; fetch this one from the rest.
            origine = self.lettres.index(lettre, p)
            if origine != p:
                self.glisser(origine, p)
        verifier("".join(self.lettres[:len(mot)]) == mot,
                 f"the tiles read {''.join(self.lettres)} after building {mot}")
        self.a_marquer = len(mot) - 1


def main():
    if len(sys.argv) != 4:
        sys.exit(f"usage: {sys.argv[0]} VOCADIX VOCADIX.DAT MOTS.TXT")
    mots = os.path.abspath(sys.argv.pop())
    executable, base = bureau.arguments()
    with bureau.Seance() as seance:
        essais = bureau.Essais(seance)
        p = Partie(seance, executable, base, mots)
        for nom, etape in (
                ("the game starts, then a new game", p.demarrer),
                ("round 1: new round", p.nouveau_jeu),
                ("round 1: nine draws, consonants and vowels in turn", p.tirer),
                (f"round 1: a drag of tile {ORIGINE} onto tile {CIBLE} inserts the letter",
                 p.deplacer_une_lettre),
                (f"round 1: a double-click on tile {CIBLE} marks tiles 0 to {CIBLE}",
                 lambda: p.marquer(CIBLE)),
                ("round 1: Stop takes the marked word", p.arreter),
                ("round 1: the verdict box judges the word", p.verifier_mot),
                ("round 1: the recap shows the draw, the word and the points", p.bilan),
                ("round 2: new round", p.nouveau_jeu),
                ("round 2: nine draws", p.tirer),
                ("round 2: drags build the longest word of the list", p.composer),
                ("round 2: a double-click marks the word", lambda: p.marquer(p.a_marquer)),
                ("round 2: Stop takes the marked word", p.arreter),
                ("round 2: the verdict box accepts the word", p.verifier_mot),
                ("round 2: the recap and the score count the word", p.bilan),
                ("Quitter ends the program and saves the options", p.quitter)):
            essais.cas(nom, etape)
        return essais.conclure()


if __name__ == "__main__":
    sys.exit(bureau.executer(main))
