#!/usr/bin/python3
"""A game's score survives a restart of the program.

The score table is emptied through its own dialog first. A game is then
played to its end by abandoning its ten rounds; the end box gives the score,
the name typed in small letters in the score-entry dialog shows in capitals
and Valider records it. After Quitter, a second start in the same folder
lists the player, his score and today's date in the table of best scores.

Usage: test_scores.py VOCADIX VOCADIX.DAT
"""

import os
import subprocess
import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import bureau  # noqa: E402
import test_manche  # noqa: E402
from bureau import TITRE, Echec, attendre, verifier  # noqa: E402
from test_demarrage import TITRE_VIDE  # noqa: E402
from test_manche import guide  # noqa: E402

TITRE_TABLE = "Liste des 10 meilleurs scores"
CHAMP_NOM = "Entrez votre nom, SVP"
TAILLE_ENREGISTRE = (616, 440)
MANCHES = 10
FIN = "Cette partie est terminée !!\n\nVotre score est de 0 points !"
# Typed as a player would, and as the field must show it.
FRAPPE, NOM = "max", "MAX"
LIGNES, COLONNES = 12, 3


# ------------------------------------------------- the live accessible tree

def vivant(programme, role, nom=None):
    """The live accessible object of that role (and name), or None.

    The snapshots of `bureau` hold names only; a field's text and a table's
    cells are asked of the object itself.
    """
    import pyatspi
    app = programme.application()
    if app is None:
        return None
    app.clear_cache()
    try:
        return pyatspi.findDescendant(
            app, lambda a: a is not None and a.getRoleName() == role
            and (nom is None or a.name == nom))
    except Exception:  # a window closing meanwhile
        return None


def texte_champ(programme):
    """What the name field shows; None while it is not there."""
    champ = vivant(programme, "text", CHAMP_NOM)
    if champ is None:
        return None
    try:
        return champ.queryText().getText(0, -1)
    except Exception:
        return None


def grille(programme):
    """The score grid read cell by cell, rows of texts; None until it is there."""
    table = vivant(programme, "table")
    if table is None:
        return None
    try:
        t = table.queryTable()
        cellules = [[t.getAccessibleAt(ligne, colonne) for colonne in range(t.nColumns)]
                    for ligne in range(t.nRows)]
        roles = {c.getRoleName() for rang in cellules for c in rang}
        verifier(roles == {"table cell"}, f"the grid's cells have the roles {roles}")
        return [[c.name or "" for c in rang] for rang in cellules]
    except Echec:
        raise
    except Exception:
        return None


def table_attendue(*rangs):
    """The grid as it must read: these rows from row 1, row 0 and the rest blank."""
    vide = ["", "", ""]
    return [vide] + [list(r) for r in rangs] + [vide] * (LIGNES - 1 - len(rangs))


def jour(env):
    """Today as the program writes it, in the program's own time zone."""
    r = subprocess.run(["date", "+%d/%m/%Y"], env=env, capture_output=True, text=True,
                       check=True)
    return r.stdout.strip()


class PartieScores(test_manche.Partie):
    """A game played to its end without a word, then the score table."""

    def __init__(self, seance, executable, base):
        super().__init__(seance, executable, base, os.devnull)  # no word is judged here
        self.jours = set()

    def dialogue(self, titres):
        """The X id of the program's dialog whose title is one of `titres`."""
        def ouvert():
            for fenetre, titre in self.ecran.fenetres(self.programme.pid).items():
                if fenetre != self.programme.principale and titre in titres \
                        and self.ecran.dialogue(fenetre):
                    return fenetre
            return None
        return attendre(ouvert, f"a dialog titled {' or '.join(map(repr, titres))}")

    def fermeture(self, fenetre, quoi):
        attendre(lambda: not self.ecran.visible(fenetre), f"{quoi} to close")

    def bouton_dialogue(self, nom):
        """Clicks a push button of the open dialog, once it is shown and enabled."""
        b = self.attendre(lambda r: next((n for n in r.tous() if n.role == "push button"
                                          and n.nom == nom and n.montre and n.actif), None),
                          f'the dialog button "{nom}"')
        self.ecran.cliquer(*b.centre())

    def lire_table(self, attendue, quoi):
        """Waits for the grid to read `attendue`; says what it read otherwise."""
        try:
            return attendre(lambda: grille(self.programme) == attendue, quoi)
        except Echec as echec:
            raise Echec(f"{echec}; it reads {grille(self.programme)}") from None

    # -- the steps

    def vider_table(self):
        self.cliquer("Tableau des scores")
        fenetre = self.dialogue((TITRE_TABLE,))
        attendre(lambda: grille(self.programme), "the score grid in the accessibility tree")
        forme = grille(self.programme)
        verifier(len(forme) == LIGNES and all(len(r) == COLONNES for r in forme),
                 f"a grid of {len(forme)} rows of {[len(r) for r in forme]} cells, "
                 f"expected {LIGNES} of {COLONNES}")
        self.bouton_dialogue("Remise à zéro")
        self.lire_table(table_attendue(), "the emptied grid")
        self.bouton_dialogue("Ok")
        self.fermeture(fenetre, "the score table")
        self.attendre(guide("Cliquez sur Nouveau jeu"), "the guidance after the score table")

    def abandonner(self):
        for k in range(1, MANCHES + 1):
            self.cliquer("Nouveau jeu")
            compte = f"Jeu n° {k}"
            # The guidance already reads the same after the first round: the
            # counter alone tells the click has been handled.
            self.attendre(lambda r: r if r.trouver(role="label", nom=compte) else None,
                          f'the round counter "{compte}"')
            self.attendre(guide("Cliquez sur Consonnes ou Voyelles"),
                          f"the guidance of round {k}")

    def finir(self):
        self.jours.add(jour(self.seance.env))
        self.cliquer("Nouveau jeu")
        fenetre, titre, texte = self.programme.attendre_boite("the end-of-game box")
        verifier(titre == TITRE, f"end box title {titre!r}, expected {TITRE!r}")
        verifier(texte == FIN, f"end box text {texte!r}, expected {FIN!r}")
        self.programme.fermer_boite(fenetre)

    def dialogue_enregistre(self):
        fenetre = self.dialogue(TITRE_VIDE)
        geometrie = self.ecran.xdotool("getwindowgeometry", fenetre)
        taille = "x".join(map(str, TAILLE_ENREGISTRE))
        verifier(f"Geometry: {taille}" in geometrie,
                 f"score-entry dialog {geometrie.split('Geometry:')[-1].strip()}, "
                 f"expected {taille}")
        attendre(lambda: texte_champ(self.programme) is not None, f'the field "{CHAMP_NOM}"')
        texte = texte_champ(self.programme)
        verifier(texte == "", f"the name field starts with {texte!r}")
        return fenetre

    def taper_nom(self, fenetre):
        self.ecran.activer(fenetre)
        self.ecran.xdotool("type", FRAPPE)
        try:
            attendre(lambda: texte_champ(self.programme) == NOM, f'the name field to show "{NOM}"')
        except Echec as echec:
            raise Echec(f"{echec}; it shows {texte_champ(self.programme)!r}") from None

    def valider(self, fenetre):
        self.bouton_dialogue("Valider")
        self.fermeture(fenetre, "the score-entry dialog")
        self.jours.add(jour(self.seance.env))
        self.attendre(guide("Cliquez sur Nouvelle partie"), "the guidance after Valider")
        self.bouton("Nouveau jeu", actif=False)
        self.bouton("Nouvelle partie")

    def relancer(self):
        self.programme = bureau.Programme(self.ecran, self.dossier)
        self.programme.fenetre_principale()
        self.attendre(guide("Cliquez sur Nouvelle partie"), "the start-up guidance")

    def table_gardee(self):
        self.cliquer("Tableau des scores")
        fenetre = self.dialogue((TITRE_TABLE,))
        lue = attendre(lambda: grille(self.programme), "the score grid in the accessibility tree")
        # A game played across midnight may carry either day.
        attendues = [table_attendue((NOM, "0", j)) for j in sorted(self.jours)]
        try:
            attendre(lambda: grille(self.programme) in attendues, "the recorded score")
        except Echec:
            raise Echec(f"the grid reads {grille(self.programme) or lue}, expected "
                        f"{' or '.join(map(str, attendues))}") from None
        return fenetre

    def fermer_table(self, fenetre):
        self.bouton_dialogue("Ok")
        self.fermeture(fenetre, "the score table")
        self.attendre(guide("Cliquez sur Nouvelle partie"), "the guidance after the score table")


def main():
    executable, base = bureau.arguments()
    with bureau.Seance() as seance:
        essais = bureau.Essais(seance)
        p = PartieScores(seance, executable, base)
        etat = {}
        for nom, etape in (
                ("the game starts, then a new game", p.demarrer),
                ("Remise à zéro empties the score table", p.vider_table),
                (f"{MANCHES} rounds abandoned one after the other", p.abandonner),
                ("one more Nouveau jeu ends the game with 0 points", p.finir),
                ("the score-entry dialog opens, untitled, 616x440, its field empty",
                 lambda: etat.update(enregistre=p.dialogue_enregistre())),
                (f'"{FRAPPE}" typed in the field shows as "{NOM}"',
                 lambda: p.taper_nom(etat["enregistre"])),
                ("Valider closes the dialog and asks for a new game",
                 lambda: p.valider(etat["enregistre"])),
                ("Quitter ends the program", p.quitter),
                ("the program starts again in the same folder", p.relancer),
                (f"the table lists {NOM}, 0 and today's date in row 1",
                 lambda: etat.update(table=p.table_gardee())),
                ("Ok closes the table", lambda: p.fermer_table(etat["table"])),
                ("Quitter ends the restarted program", p.quitter)):
            essais.cas(nom, etape)
        return essais.conclure()


if __name__ == "__main__":
    sys.exit(bureau.executer(main))
