#!/usr/bin/python3
"""Génère mots.txt, la liste des mots admis par Vocadix.

Source : dictionnaire Hunspell « classique » de Grammalecte (paquet Debian
hunspell-fr-classical, /usr/share/hunspell/fr.{aff,dic}, licence MPL-2.0).

unmunch ne sait pas déplier ce dictionnaire (drapeaux longs, champs
morphologiques) : on applique donc nous-mêmes les règles d'affixes en
gardant, pour chaque forme produite, les étiquettes de l'entrée et celles
des affixes qui l'ont fabriquée. Une forme est retenue si au moins une de
ses dérivations est d'une nature admise (voir ADMIS / REFUS plus bas).

Usage :
    /usr/bin/python3 genere_mots.py              # écrit mots.txt à côté
    /usr/bin/python3 genere_mots.py --rapport    # + statistiques, échantillons
    /usr/bin/python3 genere_mots.py --verifie    # + contre-vérification par
                                                 #   hunspell (seul cas où il
                                                 #   est nécessaire)
    /usr/bin/python3 genere_mots.py --formes F   # + formes retenues avant
                                                 #   normalisation, et natures

Bibliothèque standard seulement.
"""

import argparse
import collections
import os
import random
import re
import sys
import time
import unicodedata

DOSSIER = os.path.dirname(os.path.abspath(__file__))
AFF = "/usr/share/hunspell/fr.aff"
DIC = "/usr/share/hunspell/fr.dic"
SORTIE = os.path.join(DOSSIER, "mots.txt")
LONGUEUR_MAX = 9

# --- Natures (valeurs du champ po:) ----------------------------------------
# Toute valeur rencontrée doit figurer dans exactement un des trois
# ensembles : une nouvelle version du dictionnaire avec une étiquette
# inconnue arrête le script au lieu de passer inaperçue.

# Une dérivation portant l'une de ces valeurs est admise (sauf refus).
ADMIS = {
    "nom": "nom", "adj": "adjectif",
    "adv": "adverbe", "negadv": "adverbe", "advint": "adverbe",
    "interj": "interjection",
    "prep": "préposition", "prepv": "préposition",
    "cjco": "conjonction", "cjsub": "conjonction", "cj": "conjonction",
    "det": "déterminant", "detpos": "déterminant", "detind": "déterminant",
    "detdem": "déterminant", "detneg": "déterminant", "detex": "déterminant",
    "nb": "déterminant",            # numéraux cardinaux : deux, vingt, mille
    "prodem": "pronom", "proind": "pronom", "prorel": "pronom",
    "proint": "pronom", "proneg": "pronom", "proadv": "pronom",
    "properobj": "pronom", "propersuj": "pronom",
    "titr": "nom",                  # messieurs, mesdames, monseigneur
    "infi": "infinitif", "ppre": "participe présent",
    "ppas": "participe passé",
}

# Une dérivation portant l'une de ces valeurs est refusée, quoi qu'elle
# porte d'autre.
REFUS = {
    # noms propres : lieux, prénoms, patronymes
    "npr", "prn", "patr", "loc.patr",
    # chiffres romains, formes élidées écrites sans apostrophe (jusqu, qu)
    "nbro", "err",
    # formes conjuguées
    "ipre", "iimp", "ipsi", "ifut", "cond", "spre", "simp", "impe",
    # ponctuation, signes
    "ponc", "sign", "div",
}

# Valeurs qui ne décident rien seules : personne, nombre, mot grammatical,
# classe de verbe (v1_it____a…), morceaux de locutions (statu, priori) et
# éléments de composition (semi, proto) qui ne sont pas des mots isolés.
NEUTRES = {
    "mg", "preverb", "1pe", "2pe", "3pe", "sg", "epi",
    "1sg", "2sg", "3sg", "1pl", "2pl", "3pl", "1jsg", "1isg",
    "pfx", "sfx",
}
NEUTRES_MOTIF = re.compile(r"^(v[0-3].*|loc\..*)$")


def nature_po(valeur):
    """Classe une valeur po: en 'admis', 'refus' ou 'neutre'."""
    valeur = valeur.rstrip("!")     # po:3pl! : variante marquée, même sens
    if valeur in ADMIS:
        return "admis"
    if valeur in REFUS:
        return "refus"
    if valeur in NEUTRES or NEUTRES_MOTIF.match(valeur):
        return "neutre"
    raise SystemExit(f"étiquette po:{valeur} inconnue : décider de son sort")


# --- Lecture du fichier d'affixes -------------------------------------------

class Regle:
    __slots__ = ("drapeau", "suffixe", "retire", "ajoute",
                 "suite", "condition", "etiquettes")

    def __init__(self, drapeau, suffixe, retire, ajoute, suite,
                 condition, etiquettes):
        self.drapeau = drapeau
        self.suffixe = suffixe
        self.retire = retire
        self.ajoute = ajoute
        self.suite = suite            # drapeaux de continuation
        self.condition = condition    # regex compilée, ou None
        self.etiquettes = etiquettes  # tuple de champs morphologiques

    def applique(self, mot):
        """Forme obtenue depuis mot, ou None si la règle ne s'applique pas."""
        if self.suffixe:
            if not mot.endswith(self.retire):
                return None
            if self.condition and not self.condition.search(mot):
                return None
            base = mot[:len(mot) - len(self.retire)] if self.retire else mot
            return base + self.ajoute
        if not mot.startswith(self.retire):
            return None
        if self.condition and not self.condition.match(mot):
            return None
        return self.ajoute + mot[len(self.retire):]


def condition_regex(cond, suffixe):
    """Traduit une condition Hunspell ([abc], [^abc], ., lettres) en regex."""
    if cond == ".":
        return None
    morceaux = []
    i = 0
    while i < len(cond):
        c = cond[i]
        if c == "[":
            fin = cond.index("]", i + 1)
            dedans = cond[i + 1:fin]
            nie = dedans.startswith("^")
            if nie:
                dedans = dedans[1:]
            classe = "".join(re.escape(x) for x in dedans)
            morceaux.append("[" + ("^" if nie else "") + classe + "]")
            i = fin + 1
        elif c == ".":
            morceaux.append(".")
            i += 1
        else:
            morceaux.append(re.escape(c))
            i += 1
    motif = "".join(morceaux)
    return re.compile(motif + "$" if suffixe else motif)


def decoupe_drapeaux(texte, type_drapeau, alias):
    if not texte:
        return frozenset()
    if alias and texte.isdigit():
        return alias[int(texte) - 1]
    if type_drapeau == "long":
        if len(texte) % 2:
            raise SystemExit(f"drapeaux longs de longueur impaire : {texte!r}")
        return frozenset(texte[i:i + 2] for i in range(0, len(texte), 2))
    if type_drapeau == "UTF-8" or type_drapeau == "char":
        return frozenset(texte)
    if type_drapeau == "num":
        return frozenset(texte.split(","))
    raise SystemExit(f"FLAG {type_drapeau} non pris en charge")


class Affixes:
    def __init__(self, chemin):
        self.type_drapeau = "char"
        self.options = {}
        self.alias_drapeaux = []      # AF
        self.alias_morpho = []        # AM
        self.regles = collections.defaultdict(list)   # drapeau -> [Regle]
        self.croise = {}
        self.est_suffixe = {}
        lignes = open(chemin, encoding="utf-8").read().splitlines()
        en_tete = {}
        for ligne in lignes:
            champs = ligne.split()
            if not champs or champs[0].startswith("#"):
                continue
            cle = champs[0]
            if cle == "SET" and champs[1] != "UTF-8":
                raise SystemExit("seul SET UTF-8 est pris en charge")
            elif cle == "FLAG":
                self.type_drapeau = champs[1]
            elif cle in ("COMPLEXPREFIXES", "COMPOUNDFLAG", "COMPOUNDRULE",
                         "COMPOUNDBEGIN", "COMPOUNDMIDDLE", "COMPOUNDEND"):
                raise SystemExit(f"{cle} non pris en charge")
            elif cle in ("NEEDAFFIX", "FORBIDDENWORD", "CIRCUMFIX",
                         "KEEPCASE", "NOSUGGEST", "ONLYINCOMPOUND",
                         "PSEUDOROOT"):
                self.options[cle] = champs[1]
            elif cle == "AF" and len(champs) >= 2 and not champs[1].isdigit():
                self.alias_drapeaux.append(
                    decoupe_drapeaux(champs[1], self.type_drapeau, None))
            elif cle == "AM" and len(champs) >= 2 and not champs[1].isdigit():
                self.alias_morpho.append(tuple(champs[1:]))
            elif cle in ("PFX", "SFX"):
                drapeau = champs[1]
                if drapeau not in en_tete:
                    # ligne d'en-tête : PFX drapeau Y|N nombre
                    en_tete[drapeau] = int(champs[3])
                    self.croise[drapeau] = champs[2] == "Y"
                    self.est_suffixe[drapeau] = cle == "SFX"
                    continue
                self.regles[drapeau].append(self._regle(cle, champs))
        if self.options.get("PSEUDOROOT"):
            self.options.setdefault("NEEDAFFIX", self.options["PSEUDOROOT"])
        for drapeau, nombre in en_tete.items():
            if len(self.regles[drapeau]) != nombre:
                raise SystemExit(f"{drapeau} : {nombre} règles annoncées, "
                                 f"{len(self.regles[drapeau])} lues")
        self.besoin_affixe = self.options.get("NEEDAFFIX")
        self.interdit = self.options.get("FORBIDDENWORD")
        self.casse_fixe = self.options.get("KEEPCASE")
        # Mécanismes absents de ce dictionnaire et donc non dépliés ici :
        # s'ils apparaissent dans une nouvelle version, on s'arrête.
        self.non_geres = {self.options.get(c)
                          for c in ("CIRCUMFIX", "ONLYINCOMPOUND")} - {None}
        for d, regles in self.regles.items():
            for r in regles:
                if r.suite & self.non_geres:
                    raise SystemExit(f"{d} : CIRCUMFIX/ONLYINCOMPOUND non gérés")
                if r.suffixe and any(self.est_suffixe.get(x) for x in r.suite):
                    raise SystemExit(f"{d} : double suffixe non géré")
                if not r.suffixe and any(self.est_suffixe.get(x) is False
                                         for x in r.suite):
                    raise SystemExit(f"{d} : double préfixe non géré")

    def _regle(self, cle, champs):
        drapeau, retire, ajoute, cond = champs[1], champs[2], champs[3], champs[4]
        suite = ""
        if "/" in ajoute:
            ajoute, suite = ajoute.split("/", 1)
        retire = "" if retire == "0" else retire
        ajoute = "" if ajoute == "0" else ajoute
        etiquettes = tuple(champs[5:])
        if self.alias_morpho and len(etiquettes) == 1 and etiquettes[0].isdigit():
            etiquettes = self.alias_morpho[int(etiquettes[0]) - 1]
        return Regle(drapeau, cle == "SFX", retire, ajoute,
                     decoupe_drapeaux(suite, self.type_drapeau,
                                      self.alias_drapeaux),
                     condition_regex(cond, cle == "SFX"), etiquettes)

    def drapeaux(self, texte):
        return decoupe_drapeaux(texte, self.type_drapeau, self.alias_drapeaux)


# --- Lecture du dictionnaire -------------------------------------------------

def lit_dictionnaire(chemin, aff):
    """Rend la liste (mot, drapeaux, étiquettes) des entrées."""
    entrees = []
    with open(chemin, encoding="utf-8") as f:
        f.readline()                  # nombre d'entrées
        for ligne in f:
            champs = ligne.split()
            if not champs:
                continue
            tete, etiquettes = champs[0], tuple(champs[1:])
            if aff.alias_morpho and len(etiquettes) == 1 and etiquettes[0].isdigit():
                etiquettes = aff.alias_morpho[int(etiquettes[0]) - 1]
            # Le premier caractère n'est jamais le séparateur (mot « / »).
            barre = tete.find("/", 1)
            while barre > 0 and tete[barre - 1] == "\\":
                barre = tete.find("/", barre + 1)
            if barre > 0:
                mot, drapeaux = tete[:barre], aff.drapeaux(tete[barre + 1:])
            else:
                mot, drapeaux = tete, frozenset()
            if drapeaux & aff.non_geres:
                raise SystemExit(f"{mot} : CIRCUMFIX/ONLYINCOMPOUND non gérés")
            entrees.append((mot.replace("\\/", "/"), drapeaux, etiquettes))
    return entrees


# --- Dépliage -----------------------------------------------------------------

def deplie(mot, drapeaux, aff):
    """Produit (forme, règles) pour chaque forme que Hunspell accepte.

    Combinaisons de Hunspell utiles ici : racine seule (sans NEEDAFFIX),
    un suffixe, un préfixe, un préfixe et un suffixe. Ces deux derniers se
    combinent s'ils sont tous deux croisables (Y) et si chacun est porté par
    la racine ou par la continuation de l'autre ; la forme ne vaut que si
    l'un des deux au moins n'exige pas d'autre affixe (NEEDAFFIX en
    continuation). Les autres mécanismes sont refusés à la lecture.
    """
    besoin = aff.besoin_affixe
    if aff.interdit in drapeaux:
        return
    if besoin not in drapeaux:
        yield mot, ()

    cache = {}

    def suffixes(d):
        if d not in cache:
            formes = []
            for r in aff.regles[d]:
                f = r.applique(mot)
                if f is not None:
                    formes.append((f, r))
            cache[d] = formes
        return cache[d]

    prefixes = set()
    for d in sorted(drapeaux):
        if aff.est_suffixe.get(d) is True:
            for f, r in suffixes(d):
                if besoin not in r.suite:
                    yield f, (r,)
                prefixes.update(x for x in r.suite
                                if aff.est_suffixe.get(x) is False)
        elif aff.est_suffixe.get(d) is False:
            prefixes.add(d)

    for dp in sorted(prefixes):
        sur_racine = dp in drapeaux
        for p in aff.regles[dp]:
            if sur_racine:
                f = p.applique(mot)
                if f is not None and besoin not in p.suite:
                    yield f, (p,)
            if not aff.croise[dp]:
                continue
            ds = {d for d in drapeaux | p.suite
                  if aff.est_suffixe.get(d) is True and aff.croise[d]}
            for d in sorted(ds):
                for f_s, s in suffixes(d):
                    if not sur_racine and dp not in s.suite:
                        continue
                    if besoin in s.suite and besoin in p.suite:
                        continue
                    f = p.applique(f_s)
                    if f is not None:
                        yield f, (p, s)


def valeurs_po(etiquettes):
    return [e[3:] for e in etiquettes if e.startswith("po:")]


def natures(etiquettes):
    """Natures admises portées par une dérivation ([] si refusée)."""
    valeurs = valeurs_po(etiquettes)
    sorts = [nature_po(v) for v in valeurs]
    if "refus" in sorts:
        return []
    return sorted({ADMIS[v.rstrip("!")] for v, s in zip(valeurs, sorts)
                   if s == "admis"})


# --- Normalisation ------------------------------------------------------------

LIGATURES = {"œ": "oe", "Œ": "OE", "æ": "ae", "Æ": "AE"}
LETTRES = re.compile(r"^[A-Z]+$")
HORS_JEU = re.compile(r"[-'’. \d]")
MINUSCULES = re.compile(r"^[a-zàâäéèêëîïôöùûüÿçœæ]+$")


def normalise(forme):
    """MAJUSCULES sans accents ; None si autre chose que A-Z subsiste."""
    for lig, rempl in LIGATURES.items():
        forme = forme.replace(lig, rempl)
    # NFD et non NFKD : les exposants (1ᵉʳ) ne doivent pas devenir des lettres
    decompose = unicodedata.normalize("NFD", forme)
    sans_accent = "".join(c for c in decompose
                          if unicodedata.category(c) != "Mn")
    mot = sans_accent.upper()
    return mot if LETTRES.match(mot) else None


# Abréviations et symboles en minuscules que le dictionnaire étiquette comme
# des mots ordinaires (po:nom, po:adv, po:prep) sans les marquer autrement.
# Relevées à la main parmi les entrées courtes invariables.
ABREVIATIONS = {
    "av", "avr", "bibl", "chap", "circ", "coll", "cos", "cosh", "cotan",
    "déc", "div", "dpi", "éd", "env", "étym", "févr", "fig", "hab", "ibid",
    "janv", "juil", "litt", "ln", "nov", "oct", "pt", "réf", "rel", "sin",
    "sinh", "suppl", "tanh", "tél", "vs",
}


def refus_entree(mot, drapeaux, etiquettes, aff):
    """Raison de refuser toute l'entrée, ou None."""
    if mot in ABREVIATIONS:
        return "abréviation non marquée (janv, env, vs…)"
    if aff.casse_fixe in drapeaux:
        return "symbole (KEEPCASE : unités, km, kg, dB…)"
    if any(c.isupper() for c in mot):
        return "majuscule (nom propre, sigle, symbole)"
    if len(mot) == 1 and mot.isalpha() and natures(etiquettes) == ["nom"]:
        return "nom d'une lettre (un b, un x)"
    return None


# --- Programme principal -------------------------------------------------------

def genere(aff_chemin=AFF, dic_chemin=DIC, rapport=False, garde_refus=False):
    aff = Affixes(aff_chemin)
    entrees = lit_dictionnaire(dic_chemin, aff)

    # forme brute -> natures admises ; formes refusées qui auraient pu
    # donner un mot du jeu (lettres minuscules seulement) -> raison du refus
    admises = collections.defaultdict(set)
    refusees = {}
    stats = collections.Counter()
    compte_po = collections.Counter()
    exemples_refus = collections.defaultdict(list)
    memo = {}  # (étiquettes, règles) -> natures

    for mot, drapeaux, etiq in entrees:
        for v in valeurs_po(etiq):
            compte_po[v] += 1
        raison_entree = refus_entree(mot, drapeaux, etiq, aff)
        for forme, regles in deplie(mot, drapeaux, aff):
            stats["dérivations"] += 1
            if raison_entree:
                raison = raison_entree
                if len(exemples_refus[raison]) < 12:
                    exemples_refus[raison].append(forme)
            else:
                cle = (etiq, regles)
                nat = memo.get(cle)
                if nat is None:
                    nat = memo[cle] = natures(
                        etiq + tuple(e for r in regles for e in r.etiquettes))
                if nat:
                    # Inutile de garder ce qui ne peut devenir un mot du jeu
                    # (élisions surtout : elles sont un tiers des dérivations).
                    if HORS_JEU.search(forme):
                        stats["dérivations admises avec tiret, apostrophe, "
                              "chiffre, point ou espace"] += 1
                    else:
                        admises[forme].update(nat)
                    continue
                raison = "nature refusée"
            if garde_refus and MINUSCULES.match(forme):
                refusees.setdefault(forme, set()).add(raison)

    mots = {}
    retenues = {}                     # forme brute -> natures
    for forme, nat in admises.items():
        norm = normalise(forme)
        if norm is None:
            stats["formes avec d'autres caractères"] += 1
            if len(exemples_refus["autres caractères"]) < 30:
                exemples_refus["autres caractères"].append(forme)
            continue
        if not 1 <= len(norm) <= LONGUEUR_MAX:
            stats["formes trop longues"] += 1
            continue
        mots.setdefault(norm, set()).update(nat)
        retenues[forme] = nat

    if rapport:
        print(f"entrées du dictionnaire : {len(entrees)}")
        print(f"formes d'une nature admise, sans tiret ni apostrophe… : "
              f"{len(admises)}")
        print(f"  dont retenues (avant normalisation) : {len(retenues)}")
        for cle in sorted(stats):
            print(f"  {cle} : {stats[cle]}")
        print("valeurs po: des entrées :")
        for v, n in compte_po.most_common():
            if not v.startswith("v"):
                print(f"  {v:12} {n:6}  {nature_po(v)}")
        print(f"  (classes de verbe v… : "
              f"{sum(n for v, n in compte_po.items() if v.startswith('v'))})")
        print("refus, exemples :")
        for raison, ex in exemples_refus.items():
            print(f"  {raison} : {' '.join(ex)}")
    for forme in admises:
        refusees.pop(forme, None)
    return mots, retenues, refusees


def hunspell(options, formes):
    """Passe les formes à hunspell -d fr avec ces options ; rend sa sortie."""
    import subprocess
    dico = os.path.splitext(AFF)[0]
    env = dict(os.environ, LC_ALL="C.UTF-8")
    sortie = subprocess.run(["hunspell", "-d", dico] + options,
                            input="\n".join(formes) + "\n", text=True,
                            encoding="utf-8", env=env,
                            capture_output=True, check=True)
    return sortie.stdout


def analyses(formes):
    """forme -> natures admises que lui trouve hunspell -m (toutes analyses)."""
    resultat = collections.defaultdict(set)
    for ligne in hunspell(["-m"], formes).splitlines():
        champs = ligne.split()
        if champs:
            resultat[champs[0]].update(natures(champs[1:]))
    return resultat


def verifie(retenues, refusees):
    """Contre-vérifie le dépliage avec hunspell (qui n'est requis qu'ici)."""
    formes = sorted(retenues)
    rejets = hunspell(["-l"], formes).split()
    print(f"hunspell -l : {len(rejets)} forme(s) retenue(s) sur {len(formes)}"
          f" inconnue(s) de hunspell {' '.join(rejets[:20])}")

    nat_h = analyses(formes)
    sans = [f for f in formes if not nat_h.get(f)]
    print(f"hunspell -m : {len(sans)} forme(s) retenue(s) sans analyse "
          f"de nature admise : {' '.join(sans[:30])}")
    ecarts = collections.Counter()
    for f in formes:
        for n in retenues[f] - nat_h.get(f, set()):
            ecarts[n] += 1
    print(f"  natures attribuées ici mais absentes de hunspell -m : "
          f"{dict(ecarts) or 'aucune'}")

    candidates = sorted(refusees)
    nat_h = analyses(candidates)
    par_raison = collections.defaultdict(list)
    for f in candidates:
        if nat_h.get(f):
            par_raison[" + ".join(sorted(refusees[f]))].append(f)
    print(f"formes refusées ici (minuscules seulement) : {len(candidates)}")
    print("  dont avec une analyse hunspell de nature admise, par raison :")
    for raison, liste in sorted(par_raison.items()):
        print(f"    {raison} : {len(liste)}  ex. {' '.join(liste[:25])}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--formes", help="écrit les formes retenues brutes "
                        "(avant normalisation) et leurs natures dans ce fichier")
    parser.add_argument("--rapport", action="store_true",
                        help="affiche statistiques et échantillons")
    parser.add_argument("--verifie", action="store_true",
                        help="contre-vérifie les formes avec hunspell")
    args = parser.parse_args()

    debut = time.monotonic()
    mots, retenues, refusees = genere(rapport=args.rapport,
                                      garde_refus=args.verifie)

    liste = sorted(mots, key=lambda m: m.encode("ascii"))
    with open(SORTIE, "w", encoding="ascii", newline="\n") as f:
        for m in liste:
            f.write(m + "\n")

    if args.formes:
        with open(args.formes, "w", encoding="utf-8", newline="\n") as f:
            for forme in sorted(retenues):
                f.write(forme + "\t" + ",".join(sorted(retenues[forme])) + "\n")

    par_longueur = collections.Counter(len(m) for m in liste)
    print(f"{len(liste)} mots écrits dans {os.path.relpath(SORTIE)}")
    print("par longueur : " + ", ".join(
        f"{n}:{par_longueur[n]}" for n in range(1, LONGUEUR_MAX + 1)))
    if args.rapport:
        par_nature = collections.defaultdict(list)
        for m in liste:
            for n in mots[m]:
                par_nature[n].append(m)
        alea = random.Random(7)
        print("par nature (un mot peut en avoir plusieurs) :")
        for n in sorted(par_nature):
            ex = alea.sample(par_nature[n], min(8, len(par_nature[n])))
            print(f"  {n:18} {len(par_nature[n]):6}  ex. {' '.join(ex)}")
    print(f"durée : {time.monotonic() - debut:.1f} s")
    if args.verifie:
        verifie(retenues, refusees)


if __name__ == "__main__":
    sys.exit(main())
