#!/usr/bin/python3
"""Starting and leaving the game in a real window.

The first copy opens its maximised main window; a second copy from the same
folder is refused with its box and leaves the first alone; closing the main
window through the window manager saves the options and ends the program
cleanly. On a screen narrower than 800 pixels the game refuses to start; at
800 it starts.

Usage: test_demarrage.py VOCADIX VOCADIX.DAT
"""

import os
import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import bureau  # noqa: E402
from bureau import TITRE, verifier  # noqa: E402

REFUS_SECOND = "L'application est déjà en mémoire !!\n\nUtiliser la barre des taches"
REFUS_ECRAN = "Ce logiciel nécessite un moniteur réglé en 800*600 minimum !!"
# Qt puts the program's name in the title bar of a window whose title is empty.
TITRE_VIDE = ("", "vocadix")
OPTIONS_INCHANGEES = b"O\r\nO\r\n"


def reglages(dossier):
    return os.path.join(dossier, "Vocadix.ini")


def premier_lancement(ecran, dossier):
    programme = bureau.Programme(ecran, dossier)
    fenetre = programme.fenetre_principale()
    bureau.attendre(lambda: programme.maximisee(fenetre), "openbox to maximise the main window")
    racine = programme.attendre_arbre(
        lambda r: r if r.trouver(role="label", nom="Cliquez sur Nouvelle partie") else None,
        'the guidance line "Cliquez sur Nouvelle partie"')
    cadre = racine.trouver(role="frame")
    verifier(cadre is not None and cadre.nom == TITRE,
             f"accessible frame {cadre!r}, expected one named {TITRE!r}")
    verifier(not os.path.exists(reglages(dossier)), "Vocadix.ini written at start-up")
    return programme


def refus(programme, titre_attendu, texte_attendu):
    """The program shows only its refusal box, closes on Return and exits with 1."""
    fenetre, titre, texte = programme.attendre_boite("the refusal box")
    verifier(texte == texte_attendu, f"box text {texte!r}, expected {texte_attendu!r}")
    verifier(titre in titre_attendu, f"box title {titre!r}, expected one of {titre_attendu!r}")
    racine = programme.arbre()
    verifier(racine is not None and racine.trouver(role="frame") is None,
             "a main window is shown beside the refusal box")
    programme.fermer_boite(fenetre)
    code = programme.attendre_fin()
    verifier(code == 1, f"exit status {code}, expected 1; output:\n{programme.sortie()}")


def second_exemplaire(ecran, dossier, premier):
    second = bureau.Programme(ecran, dossier)
    refus(second, TITRE_VIDE, REFUS_SECOND)
    verifier(premier.en_marche(), "the first copy ended with the second")
    verifier(ecran.visible(premier.principale), "the first copy's main window is gone")
    verifier(premier.arbre() is not None, "the first copy no longer answers")
    verifier(not os.path.exists(reglages(dossier)), "the refused copy wrote Vocadix.ini")


def fermeture(ecran, dossier, programme):
    ecran.activer(programme.principale)
    ecran.touche("alt+F4")  # openbox's Close
    code = programme.attendre_fin()
    verifier(code == 0, f"exit status {code}, expected 0; output:\n{programme.sortie()}")
    with open(reglages(dossier), "rb") as f:
        contenu = f.read()
    verifier(contenu == OPTIONS_INCHANGEES,
             f"Vocadix.ini holds {contenu!r}, expected {OPTIONS_INCHANGEES!r}")


def sans_module_de_son(seance, ecran, executable, base):
    """Without its sound module the game starts, and says once it has no sound."""
    dossier = seance.dossier_programme(executable, base)
    os.remove(os.path.join(dossier, "vocadix_son.so"))
    programme = premier_lancement(ecran, dossier)
    ecran.activer(programme.principale)
    ecran.touche("ctrl+n")
    racine = programme.attendre_arbre(
        lambda r: r if r.trouver(role="label", nom="Cliquez sur Nouveau jeu") else None,
        "the new game without sound")
    avis = next((n for n in racine.tous() if n.role == "label" and n.montre
                 and n.nom.startswith("Son indisponible : ")), None)
    verifier(avis is not None and "vocadix_son.so est introuvable" in avis.nom,
             f"the player is not told the game is mute: {avis}")
    verifier(racine.trouver(role="alert") is None, "a box opened for the missing sound")
    fermeture(ecran, dossier, programme)


# Screen widths either side of the 800-pixel limit, and whether the game starts.
LARGEURS = ((799, False), (800, True))


def largeur_ecran(seance, ecran, executable, base, accepte):
    dossier = seance.dossier_programme(executable, base)
    if accepte:
        fermeture(ecran, dossier, premier_lancement(ecran, dossier))
    else:
        refus(bureau.Programme(ecran, dossier), (TITRE,), REFUS_ECRAN)
        verifier(not os.path.exists(reglages(dossier)), "Vocadix.ini written by a refused start")


def main():
    executable, base = bureau.arguments()
    with bureau.Seance() as seance:
        essais = bureau.Essais(seance)
        ecran = seance.ecran(1024, 768)
        dossier = seance.dossier_programme(executable, base)
        premier = essais.cas("first copy opens its maximised window", premier_lancement,
                             ecran, dossier)
        essais.cas("second copy is refused, first runs on", second_exemplaire,
                   ecran, dossier, premier)
        essais.cas("closing through the window manager saves the options", fermeture,
                   ecran, dossier, premier)
        essais.nouvelle_suite()
        essais.cas("without its sound module the game says it is mute", sans_module_de_son,
                   seance, ecran, executable, base)
        ecran.arreter()
        for largeur, accepte in LARGEURS:
            essais.nouvelle_suite()
            ecran = seance.ecran(largeur, 600)
            essais.cas(f"a screen {largeur} pixels wide is {'accepted' if accepte else 'refused'}",
                       largeur_ecran, seance, ecran, executable, base, accepte)
            ecran.arreter()  # after any diagnostics, which photograph it
        return essais.conclure()


if __name__ == "__main__":
    sys.exit(bureau.executer(main))
