#!/usr/bin/python3
"""Génère accents.txt et lemmes.txt, ce que le jeu montre et cherche de ses
mots : la graphie accentuée de chacun, et les lemmes dont il est une forme.

Source : le dictionnaire Hunspell « classique » de Grammalecte dont
../dictionnaire/mots.txt est tiré (paquet Debian hunspell-fr-classical,
licence MPL-2.0), déplié par ../dictionnaire/genere_mots.py, importé tel
quel : chaque forme admise y vient d'une entrée, son lemme.

- accents.txt : « MOT Graphie » pour chaque mot de mots.txt qui n'a qu'une
  graphie dans le dictionnaire et dont cette graphie n'est pas le mot
  lui-même, en capitales (ELEVE ÉLÈVE ; OEUVRE ŒUVRE). Un mot de deux graphies (PECHE :
  pêche, péché, pèche) n'y est pas : il reste sans accents ; une graphie en
  deux lettres à côté de sa ligature (oeuvre, œuvre) ne compte pas.
- lemmes.txt : « MOT LEMME [LEMME…] » pour chaque mot de mots.txt qui est
  la forme d'une autre entrée que lui-même (NOIRES NOIR ; ENTENDU
  ENTENDRE), les lemmes en capitales sans accents, comme les vedettes du
  Littré, triés.

Usage :
    /usr/bin/python3 genere_formes.py [--racine-hunspell /]

Bibliothèque standard seulement ; ASCII pour lemmes.txt, UTF-8 pour
accents.txt, fins de ligne LF, ordre de mots.txt.
"""

import argparse
import collections
import os
import sys

DOSSIER = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(DOSSIER, "..", "dictionnaire"))
sys.dont_write_bytecode = True  # rien à écrire dans ../dictionnaire
import genere_mots  # noqa: E402

HUNSPELL = "usr/share/hunspell/fr"
MOTS = os.path.join(DOSSIER, "..", "dictionnaire", "mots.txt")


def formes_et_lemmes(aff_chemin, dic_chemin):
    """mot du jeu -> graphies brutes, et mot du jeu -> lemmes, sur les
    seules dérivations que genere_mots.py admet."""
    aff = genere_mots.Affixes(aff_chemin)
    entrees = genere_mots.lit_dictionnaire(dic_chemin, aff)
    graphies = collections.defaultdict(set)
    lemmes = collections.defaultdict(set)
    memo = {}
    for mot, drapeaux, etiq in entrees:
        if genere_mots.refus_entree(mot, drapeaux, etiq, aff):
            continue
        lemme = genere_mots.normalise(mot)
        for forme, regles in genere_mots.deplie(mot, drapeaux, aff):
            cle = (etiq, regles)
            nat = memo.get(cle)
            if nat is None:
                nat = memo[cle] = genere_mots.natures(
                    etiq + tuple(e for r in regles for e in r.etiquettes))
            if not nat or genere_mots.HORS_JEU.search(forme):
                continue
            norm = genere_mots.normalise(forme)
            if norm is None or not 1 <= len(norm) <= genere_mots.LONGUEUR_MAX:
                continue
            graphies[norm].add(forme)
            if lemme is not None:
                lemmes[norm].add(lemme)
    return graphies, lemmes


def sans_doublets(graphies):
    """Les graphies, moins celles qui ne diffèrent d'une autre que par une
    ligature écrite en deux lettres (oeuvre à côté d'œuvre)."""
    def deliee(g):
        return g.replace("œ", "oe").replace("æ", "ae")
    return {g for g in graphies if not any(h != g and deliee(h) == g for h in graphies)}


def main():
    options = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    options.add_argument("--racine-hunspell", default="/",
                         help="racine où est installé (ou déplié) hunspell-fr-classical")
    args = options.parse_args()
    base = os.path.join(args.racine_hunspell, HUNSPELL)
    with open(MOTS, encoding="ascii") as f:
        mots = [ligne.rstrip("\n") for ligne in f if ligne.strip()]
    graphies, lemmes = formes_et_lemmes(base + ".aff", base + ".dic")
    if set(graphies) != set(mots):
        raise SystemExit(f"{base}.aff/.dic ne redonnent pas mots.txt : "
                         "pas la même version de hunspell-fr-classical ?")

    accents = lignes_lemmes = 0
    with open(os.path.join(DOSSIER, "accents.txt"), "w", encoding="utf-8", newline="\n") as a, \
            open(os.path.join(DOSSIER, "lemmes.txt"), "w", encoding="ascii", newline="\n") as l:
        for mot in mots:
            uniques = sans_doublets(graphies[mot])
            if len(uniques) == 1:
                graphie = next(iter(uniques))
                if graphie.upper() != mot:
                    a.write(f"{mot} {graphie.upper()}\n")
                    accents += 1
            autres = sorted(lemmes[mot] - {mot})
            if autres:
                l.write(f"{mot} {' '.join(autres)}\n")
                lignes_lemmes += 1
    deux = sum(1 for m in mots if len(sans_doublets(graphies[m])) > 1)
    print(f"{len(mots)} mots : {accents} graphies accentuées gardées, {deux} mots de "
          f"plusieurs graphies laissés sans accents, {lignes_lemmes} mots avec des lemmes")


if __name__ == "__main__":
    main()
