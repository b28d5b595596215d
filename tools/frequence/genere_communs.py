#!/usr/bin/python3
"""Génère communs.txt : un indice de fréquence (0 à 100) pour les mots du jeu.

Debian n'a pas de liste de fréquences du français : on fabrique une mesure à
partir de trois paquets.

- stardict-xmlittre : le Littré entier (définitions et citations des
  auteurs classiques). Fréquence documentaire : nombre d'articles dont le
  texte contient la forme (une fois par article, pour qu'un mot rare doté
  d'un long article ne passe pas pour courant), et le fait que la forme
  soit une entrée du dictionnaire.
- mythes-fr : le thésaurus de LibreOffice. Nombre de blocs (une vedette et
  ses sens) où la forme apparaît, en vedette ou en synonyme : l'usage
  moderne.
- wfrench : la liste /usr/share/dict/french, simple présence.

Seuls les mots de ../dictionnaire/mots.txt reçoivent une valeur ; une forme
fléchie hérite aussi de son lemme probable (ARMOIRES d'ARMOIRE), moins une
petite pénalité. Pour relier forme et lemme sans se tromper, il faut les
natures des mots (nom, adjectif, participe…) : on les reprend du dépliage
de genere_mots.py sur hunspell-fr-classical, la source de mots.txt. Voir
LISEZMOI.md pour les poids et les chiffres.

Usage :
    /usr/bin/python3 genere_communs.py              # écrit communs.txt à côté
    /usr/bin/python3 genere_communs.py --rapport    # + histogramme, exemples
    /usr/bin/python3 genere_communs.py --racine-littre /tmp/x/stardict-xmlittre

Chaque --racine-… désigne le dossier où le paquet est déplié (dpkg-deb -x)
ou installé ; « / » par défaut. Bibliothèque standard seulement.
"""

import argparse
import collections
import gzip
import hashlib
import math
import os
import random
import re
import struct
import sys
import time
import unicodedata

DOSSIER = os.path.dirname(os.path.abspath(__file__))
MOTS = os.path.join(DOSSIER, "..", "dictionnaire", "mots.txt")
SORTIE = os.path.join(DOSSIER, "communs.txt")

LITTRE = "usr/share/stardict/dic/XMLittre"          # .ifo, .idx, .dict.dz
MYTHES = "usr/share/mythes/thes_fr.dat"
WFRENCH = "usr/share/dict/french"
HUNSPELL = "usr/share/hunspell/fr"                   # .aff, .dic


# --- Normalisation (la même que celle du jeu) --------------------------------

LIGATURES = str.maketrans({"œ": "oe", "Œ": "OE", "æ": "ae", "Æ": "AE"})
LETTRES = re.compile(r"^[A-Z]+$")
# Découpage d'un texte en mots : tout ce qui n'est pas une lettre sépare,
# tiret et apostrophe compris (l'homme → l, homme ; peut-être → peut, être).
MOT = re.compile(r"[^\W\d_]+")


def normalise(forme):
    """MAJUSCULES sans accents ; None si autre chose que A-Z subsiste."""
    decompose = unicodedata.normalize("NFD", forme.translate(LIGATURES))
    mot = "".join(c for c in decompose
                  if unicodedata.category(c) != "Mn").upper()
    return mot if LETTRES.match(mot) else None


class Normaliseur:
    """normalise() avec mémoire : le Littré répète les mêmes formes."""

    def __init__(self, jeu):
        self.jeu = jeu
        self.memo = {}

    def mot_du_jeu(self, forme):
        """Le mot du jeu que donne cette forme, ou None."""
        try:
            return self.memo[forme]
        except KeyError:
            mot = normalise(forme)
            if mot not in self.jeu:
                mot = None
            self.memo[forme] = mot
            return mot


def lit_mots(chemin):
    with open(chemin, encoding="ascii") as f:
        mots = f.read().split("\n")
    if mots and mots[-1] == "":
        mots.pop()
    for m in mots:
        if not LETTRES.match(m):
            raise SystemExit(f"{chemin} : ligne inattendue {m!r}")
    if mots != sorted(mots):
        raise SystemExit(f"{chemin} n'est pas trié par octets")
    return mots


# --- Littré (StarDict) -------------------------------------------------------

# Intertitres des articles (<b><big>…</big></b>) : on écarte l'historique
# (ancien français des XIe–XVIe siècles : li, cil, mout…) et l'étymologie
# (latin, grec, italien…), qui feraient compter des formes étrangères au
# français moderne. Le reste (définitions, citations, remarques,
# synonymes, proverbes, supplément) est gardé.
INTERTITRE = re.compile(r"<b><big>(.*?)</big></b>", re.S)
ECARTES = {"HISTORIQUE", "ÉTYMOLOGIE"}
INTERTITRES_CONNUS = ECARTES | {
    "SUPPLÉMENT AU DICTIONNAIRE", "REMARQUE", "REMARQUES", "SYNONYME",
    "PROVERBE", "PROVERBES"}
# Auteur (rouge) et référence de l'œuvre (vert) après chaque citation :
# RACINE, LA FONT., CORN., « Cid, III, 1 » ne sont pas des emplois des mots.
AUTEUR_OEUVRE = re.compile(
    r'<span foreground="#(?:B22222|556B2F)">.*?</span>', re.S)
# En-tête de l'article : prononciation syllabée (mê-zon), nature (s. f.),
# conjugaison abrégée.
ENTETE = re.compile(r"<small>.*?</small>", re.S)
BALISE = re.compile(r"<[^>]*>")
# « Terme de botanique », « Terme de marine » : étiquette de domaine en tête
# de 37 000 sens (39 639 « Terme » contre 2 938 « terme »). Comptée, elle
# mettait TERME au-dessus de ET et de QUE.
ETIQUETTES = {"Terme"}
BALISES_CONNUES = re.compile(
    r'^</?(?:i|b|big|small)>$|^<span foreground="#(?:0000CD|B22222|556B2F)">$'
    r"|^</span>$")


def lit_index_stardict(chemin):
    """[(vedette, position, taille)] d'un .idx StarDict (positions 32 bits)."""
    with open(chemin, "rb") as f:
        idx = f.read()
    entrees = []
    i = 0
    while i < len(idx):
        nul = idx.index(b"\0", i)
        position, taille = struct.unpack(">II", idx[nul + 1:nul + 9])
        entrees.append((idx[i:nul].decode("utf-8"), position, taille))
        i = nul + 9
    return entrees


def lit_ifo(chemin):
    champs = {}
    with open(chemin, encoding="utf-8") as f:
        for ligne in f:
            if "=" in ligne:
                cle, valeur = ligne.rstrip("\n").split("=", 1)
                champs[cle] = valeur
    return champs


def vedette_simple(vedette):
    """Mot de tête d'une vedette du Littré (SINGULIER, IÈRE → SINGULIER ;
    AIR.2 → AIR ; ABSENTER (S') → ABSENTER), normalisé ; None s'il n'est pas
    un mot simple (PRIME SAUT, CONTRE-VÉRITÉ)."""
    tete = re.split(r"[,.(!]", vedette, maxsplit=1)[0].strip()
    return normalise(tete) if tete else None


def feminin_vedette(vedette):
    """(féminin, masculin) d'une vedette « MASCULIN, FIN » du Littré,
    normalisés : CHANTEUR, EUSE → (CHANTEUSE, CHANTEUR) ; LION, ONNE →
    (LIONNE, LION). La fin remplace le masculin depuis la dernière
    occurrence de sa première lettre. None si la vedette n'a pas cette
    forme."""
    m = re.match(r"^([^,.(!;]+),\s*([^,.(!;]+)", vedette)
    if not m:
        return None
    masculin = normalise(m.group(1).strip())
    fin = normalise(m.group(2).strip())
    if not masculin or not fin:
        return None
    i = masculin.rfind(fin[0])
    if i < 0:
        return None
    return masculin[:i] + fin, masculin


def littre(racine, norm, stats):
    """(mot -> nombre d'articles où il figure, ensemble des vedettes,
    couples (féminin, masculin) donnés par les vedettes)."""
    base = os.path.join(racine, LITTRE)
    ifo = lit_ifo(base + ".ifo")
    if ifo.get("sametypesequence") != "g" or "idxoffsetbits" in ifo:
        raise SystemExit(f"{base}.ifo : format StarDict inattendu")
    entrees = lit_index_stardict(base + ".idx")
    if len(entrees) != int(ifo["wordcount"]):
        raise SystemExit(f"{base}.idx : {len(entrees)} vedettes, "
                         f"{ifo['wordcount']} annoncées")
    with gzip.open(base + ".dict.dz") as f:        # dictzip se lit en gzip
        texte = f.read()
    # Une balise imprévue changerait ce qui est compté : on s'arrête.
    inconnues = {b for b in set(BALISE.findall(texte.decode("utf-8")))
                 if not BALISES_CONNUES.match(b)}
    if inconnues:
        raise SystemExit(f"balises inconnues du Littré : {sorted(inconnues)}")

    vedettes = set()
    feminins = set()
    for vedette, _, _ in entrees:
        mot = vedette_simple(vedette)
        if mot:
            vedettes.add(mot)
        couple = feminin_vedette(vedette)
        if couple and couple[0] in norm.jeu and couple[1] in norm.jeu:
            feminins.add(couple)

    # Plusieurs vedettes (ACCENTUÉE et non accentuée, ou masculin et
    # féminin) partagent un même article : on compte par article.
    articles = sorted({(p, t) for _, p, t in entrees})
    fin = 0
    for p, t in articles:
        if p < fin or p + t > len(texte):
            raise SystemExit(f"{base}.idx : articles qui se chevauchent")
        fin = p + t

    compte = collections.Counter()
    mot_du_jeu = norm.mot_du_jeu
    intertitres = collections.Counter()
    for p, t in articles:
        article = texte[p:p + t].decode("utf-8")
        morceaux = INTERTITRE.split(article)
        gardes = [morceaux[0]]
        for titre, contenu in zip(morceaux[1::2], morceaux[2::2]):
            intertitres[titre] += 1
            if titre not in INTERTITRES_CONNUS:
                raise SystemExit(f"intertitre inconnu du Littré : {titre!r}")
            if titre not in ECARTES:
                gardes.append(contenu)
        propre = BALISE.sub(" ", ENTETE.sub(" ", AUTEUR_OEUVRE.sub(
            " ", " ".join(gardes))))
        propre = propre.replace("&lt;", "<").replace("&gt;", ">") \
                       .replace("&amp;", "&")
        vus = set()
        for forme in set(MOT.findall(propre)):
            # Tout en capitales : noms d'auteurs sans balise (LEGOARANT),
            # renvois et rappels de la vedette, chiffres romains.
            if len(forme) > 1 and forme.isupper() or forme in ETIQUETTES:
                continue
            mot = mot_du_jeu(forme)
            if mot:
                vus.add(mot)
        compte.update(vus)
    stats["littre_vedettes"] = len(entrees)
    stats["littre_articles"] = len(articles)
    stats["littre_octets"] = len(texte)
    stats["littre_intertitres"] = dict(intertitres)
    stats["littre_feminins"] = len(feminins)
    return compte, vedettes, feminins


# --- Thésaurus (MyThes) ------------------------------------------------------

def mythes(racine, norm, stats):
    """mot -> nombre de blocs du thésaurus où il figure.

    Le fichier alterne « vedette|n » et n lignes « (Nature)|syn|syn… ». Un
    bloc est une vedette et ses sens ; chaque mot compte une fois par bloc,
    qu'il y soit vedette ou synonyme, seul ou dans une locution
    (« homme de lettres », « plier(se) »)."""
    chemin = os.path.join(racine, MYTHES)
    compte = collections.Counter()
    blocs = 0
    with open(chemin, encoding="utf-8") as f:
        if f.readline().strip() != "UTF-8":
            raise SystemExit(f"{chemin} : codage UTF-8 attendu en tête")
        lignes = f.read().split("\n")
    i = 0
    while i < len(lignes):
        if not lignes[i]:
            i += 1
            continue
        vedette, _, nombre = lignes[i].rpartition("|")
        if not vedette or not nombre.isdigit():
            raise SystemExit(f"{chemin}:{i + 2} : vedette attendue")
        n = int(nombre)
        formes = set(MOT.findall(vedette))
        for ligne in lignes[i + 1:i + 1 + n]:
            nature, _, synonymes = ligne.partition("|")
            if not nature.startswith("("):
                raise SystemExit(f"{chemin} : sens mal formé {ligne!r}")
            formes.update(MOT.findall(synonymes))
        vus = {m for m in map(norm.mot_du_jeu, formes) if m}
        compte.update(vus)
        blocs += 1
        i += 1 + n
    stats["mythes_blocs"] = blocs
    return compte


# --- wfrench -----------------------------------------------------------------

def wfrench(racine, norm, stats):
    """Mots du jeu présents dans /usr/share/dict/french (formes avec tiret ou
    apostrophe écartées)."""
    chemin = os.path.join(racine, WFRENCH)
    presents = set()
    lignes = 0
    with open(chemin, encoding="utf-8") as f:
        for ligne in f:
            forme = ligne.strip()
            lignes += 1
            if forme and MOT.fullmatch(forme):
                mot = norm.mot_du_jeu(forme)
                if mot:
                    presents.add(mot)
    stats["wfrench_lignes"] = lignes
    return presents


# --- Lemmes probables --------------------------------------------------------

# Une forme fléchie se lit aussi facilement que son lemme : ARMOIRES vaut au
# moins ARMOIRE moins une petite pénalité. Les natures de chaque mot
# (celles que genere_mots.py tire du dictionnaire Hunspell) rendent les
# règles sûres : une fin de mot ne suffit pas, il faut que les deux mots
# aient les natures qui vont avec la flexion. Sans elles, AMOURE (participe
# passé) hériterait d'AMOUR, TOUTS de TOUT, ENFANT d'ENFER, SU de SOIR.
# Chaque pas mène à un mot du jeu ; trois pas au plus, pénalités cumulées
# (VIEILLES → VIEILLE → VIEUX).

NOM, ADJ, PPAS, PPRE, INFI, ADV = ("nom", "adjectif", "participe passé",
                                   "participe présent", "infinitif",
                                   "adverbe")
GRAMMATICAUX = {"préposition", "pronom", "déterminant", "conjonction"}

PENALITE_PLURIEL = 2
PENALITE_FEMININ = 3
PENALITE_PARTICIPE = 4      # + 1 par accord retiré (CHANTEES → CHANTER : 6)

PLURIEL = (("S", ""), ("X", ""), ("AUX", "AL"), ("AUX", "AIL"))
FEMININ_ADJ = (
    ("E", ""), ("EUSE", "EUX"), ("EUSE", "EUR"), ("TRICE", "TEUR"),
    ("IVE", "IF"), ("ELLE", "EL"), ("ELLE", "EAU"), ("ENNE", "EN"),
    ("ONNE", "ON"), ("ANNE", "AN"), ("ETTE", "ET"), ("OTTE", "OT"),
    ("ILLE", "IL"), ("IEILLE", "IEUX"), ("SSE", "S"), ("SSE", "X"),
    ("OUCE", "OUX"), ("CHE", "C"), ("CQUE", "C"), ("GUE", "G"),
    ("OLLE", "OU"))
# Noms : pas de règle de fin (« E » relierait MERE à MER, « ETTE » GALETTE
# à GALET, « IERE » PANIERE à PANIER, « EUSE » COULEUSE à COULEUR) ; seuls
# les couples que donnent les vedettes du Littré (CHANTEUR, EUSE ; LION,
# ONNE) sont pris.
# Participe (passé au masculin singulier, ou présent) → infinitif. Dans
# l'ordre : le premier infinitif trouvé l'emporte (AVOYANT va à AVOYER par
# -ANT/-ER avant d'aller à AVOIR par -YANT/-IR).
PASSE = (("E", "ER"), ("I", "IR"), ("I", "IRE"), ("U", "RE"), ("U", "IR"),
         ("U", "OIR"), ("IT", "IRE"), ("ERT", "RIR"), ("ORT", "OURIR"),
         ("INT", "INDRE"), ("IS", "ETTRE"), ("IS", "ENDRE"), ("OS", "ORE"))
PRESENT = (("EANT", "ER"), ("ANT", "ER"), ("ISSANT", "IR"), ("YANT", "IRE"),
           ("YANT", "IR"), ("GNANT", "NDRE"), ("SANT", "RE"), ("VANT", "RE"),
           ("ENANT", "ENDRE"), ("ISSANT", "ITRE"), ("ANT", "IR"),
           ("ANT", "RE"), ("ANT", "OIR"))
# Les adverbes en -ment ne sont pas reliés à leur adjectif : c'est une
# dérivation, et MEMEMENT, DUMENT, JEUNEMENT, SACREMENT y gagneraient la
# valeur de MEME, DU, JEUNE, SACRE.
# Ce qui doit rester du mot avant la fin remplacée : deux lettres pour
# pluriels et féminins ; une pour les participes, que les natures suffisent
# à garder (MIS → METTRE, VU → VOIR, MORT → MOURIR).
RADICAL_MIN = 2
RADICAL_MIN_PARTICIPE = 1


def remplace_fin(mot, regles, radical_min=RADICAL_MIN):
    for fin, par in regles:
        if mot.endswith(fin) and len(mot) - len(fin) >= radical_min:
            yield mot[:len(mot) - len(fin)] + par


def lemme_nominal(natures):
    """Un lemme qui peut porter pluriel ou féminin : pas un mot grammatical
    (TOUT, CONTRE, LE), pas un simple adverbe (NON)."""
    if natures & GRAMMATICAUX:
        return False
    return not (ADV in natures and ADJ not in natures)


def pas_de_flexion(mot, natures, feminins, premier):
    """(lemme, pénalité) atteints en un pas depuis mot ; feminins : couples
    (féminin, masculin) du Littré ; premier : mot est la forme de départ."""
    n = natures[mot]
    if n & {NOM, ADJ}:
        for l in remplace_fin(mot, PLURIEL):
            nl = natures.get(l)
            if not nl or not lemme_nominal(nl):
                continue
            if mot.endswith("X") and not mot.endswith("AUX") \
                    and not l.endswith("U"):
                continue            # SIMPLEX n'est pas un pluriel
            if l.endswith(("S", "X", "Z")):
                continue            # PROCES est invariable : PROCESS n'en
                                    # est pas le pluriel
            if mot.endswith("US") and l + "X" in natures:
                continue            # LIEUS (le poisson), FEUS : le pluriel
                                    # courant est LIEUX, FEUX
            if INFI in nl:
                continue            # MANGERS, DESIGNERS : la valeur de
                                    # l'infinitif vient du verbe
            if (NOM in n and NOM in nl) or \
                    (ADJ in n and ADJ in nl and PPAS not in nl):
                yield l, PENALITE_PLURIEL
    if ADJ in n:
        for l in remplace_fin(mot, FEMININ_ADJ):
            nl = natures.get(l)
            # Un participe passé va à son infinitif (plus bas) : TETEE ne
            # doit pas hériter de TETE, la tête, par tété.
            if not nl or ADJ not in nl or PPAS in nl or not lemme_nominal(nl):
                continue
            # -ÉE → -É : sans accents, l'adjectif en -é se confond avec un
            # nom en -e (genré et genre, lettré et lettre, racé et race).
            if mot.endswith("EE") and NOM in nl:
                continue
            yield l, PENALITE_FEMININ
    if NOM in n:
        for f, l in feminins.get(mot, ()):
            nl = natures.get(l)
            if nl and NOM in nl and lemme_nominal(nl) \
                    and not mot.endswith("EE"):
                yield l, PENALITE_FEMININ
    if not premier:
        # Le participe ne mène à l'infinitif que depuis la forme elle-même :
        # TUANTS ne vaut que TUANT (adjectif), pas TUER.
        return
    if PPAS in n:
        for masculin, accords in ((mot, 0), (mot[:-1], 1), (mot[:-2], 2)):
            if accords == 1 and not mot.endswith(("S", "E")):
                continue
            if accords == 2 and not mot.endswith("ES"):
                continue
            # Le masculin singulier doit exister comme participe : VOUES ne
            # passe pas par VOU (→ VOIR), ni ECRIES par ECRI (→ ECRIRE).
            if accords and PPAS not in natures.get(masculin, ()):
                continue
            infinitif = premier_infinitif(masculin, PASSE, natures)
            if infinitif:
                yield infinitif, PENALITE_PARTICIPE + accords
    if PPRE in n:
        infinitif = premier_infinitif(mot, PRESENT, natures)
        if infinitif:
            yield infinitif, PENALITE_PARTICIPE


def premier_infinitif(forme, regles, natures):
    for l in remplace_fin(forme, regles, RADICAL_MIN_PARTICIPE):
        if l in natures and INFI in natures[l]:
            return l
    return None


PAS_MAX = 3


def lemmes(mot, natures, feminins):
    """{lemme: pénalité cumulée la plus faible} des lemmes probables du mot
    (le mot lui-même exclu)."""
    meilleurs = {}
    front = {mot: 0}
    for pas in range(PAS_MAX):
        suivant = {}
        for forme, cumul in sorted(front.items()):
            for lemme, penalite in pas_de_flexion(forme, natures, feminins,
                                                     pas == 0):
                total = cumul + penalite
                if lemme != mot and total < meilleurs.get(lemme, 1 << 30):
                    meilleurs[lemme] = total
                    suivant[lemme] = total
        front = suivant
    return meilleurs


# Preuve par l'absence : un lemme présent dans au moins 200 articles du
# Littré dont la forme fléchie paraît dans moins d'un sur 200 de ceux-là
# n'est pas une flexion courante (SANGS, GLOIRES, CIELS : 1 455, 1 138,
# 1 417 articles pour le lemme, 1, 2, 5 pour la forme), ou la parenté est
# fausse (FEUE, FEUES : feu, la défunte, et non le feu ; FUTS : fût et
# fut). Ne vaut pas pour un participe : l'emploi d'un verbe se répartit
# entre toutes ses formes conjuguées (AIMEES 2 articles, AIMER 456).
GARDE = 200


def flexion_trop_rare(n_forme, n_lemme):
    return n_lemme >= GARDE and n_forme * GARDE < n_lemme


# --- Indice ------------------------------------------------------------------

# Poids des signaux (somme 100). Les comptes passent en échelle
# logarithmique, log(1 + n) / log(1 + saturation), plafonnée à 1 : chaque
# facteur 10 sur le compte rapporte à peu près autant.
#
# Le Littré pèse le plus : c'est le seul vrai corpus (78 000 articles,
# 100 Mo de définitions et de citations), et la fréquence documentaire y
# sépare bien MAISON (1 653 articles) d'ARMOIRE (68) et de NOULET (2). Il
# sature à 10 000 articles (une trentaine de mots outils : DE, QUI, LA…).
# Le thésaurus vient ensuite : plus petit (36 000 blocs), mais moderne, il
# corrige le XIXe siècle du Littré (VELO, CINEMA n'ont que lui) ; il
# sature à 60 blocs (0,9 % des mots). wfrench ne dit que
# « ce mot existe » (74 % des mots du jeu y sont) : il départage un peu ce
# qu'aucune autre source ne cite (TOLUOL 10, WASABI 0). Être une vedette du
# Littré, soi-même ou par son lemme, vaut 5 : ZYGOMA, NOULET passent
# devant les mots que le Littré ignore.
POIDS_LITTRE = 50       # articles du Littré contenant le mot
POIDS_MYTHES = 35       # blocs du thésaurus contenant le mot
POIDS_WFRENCH = 10      # présent dans /usr/share/dict/french
POIDS_VEDETTE = 5       # le mot ou un de ses lemmes est une vedette du Littré
SATURATION_LITTRE = 10000
SATURATION_MYTHES = 60


def echelle(n, saturation):
    return min(1.0, math.log1p(n) / math.log1p(saturation))


class Fiche:
    """Ce que l'on sait d'un mot : signaux, valeur propre, indice."""
    __slots__ = ("littre", "mythes", "wfrench", "vedette", "propre",
                 "indice", "lemme")


def indices(mots, natures, compte_littre, vedettes, feminins, compte_mythes,
            presents):
    """mot -> Fiche. L'indice est max(valeur propre, valeur propre d'un
    lemme − pénalité), arrondi ; 0 seulement si ni le mot ni ses lemmes ne
    sont rencontrés dans aucune source."""
    par_feminin = collections.defaultdict(list)
    for f, m in sorted(feminins):
        par_feminin[f].append((f, m))
    parents = {m: lemmes(m, natures, par_feminin) for m in mots}
    fiches = {}
    for m in mots:
        x = Fiche()
        x.littre = compte_littre.get(m, 0)
        x.mythes = compte_mythes.get(m, 0)
        x.wfrench = m in presents
        x.vedette = m in vedettes or any(l in vedettes for l in parents[m])
        x.propre = (POIDS_LITTRE * echelle(x.littre, SATURATION_LITTRE)
                    + POIDS_MYTHES * echelle(x.mythes, SATURATION_MYTHES)
                    + POIDS_WFRENCH * x.wfrench
                    + POIDS_VEDETTE * x.vedette)
        fiches[m] = x
    for m in mots:
        x = fiches[m]
        valeur, x.lemme = x.propre, None
        for l, penalite in sorted(parents[m].items()):
            if INFI not in natures[l] and \
                    flexion_trop_rare(x.littre, fiches[l].littre):
                continue
            if fiches[l].propre - penalite > valeur:
                valeur, x.lemme = fiches[l].propre - penalite, l
        x.indice = int(math.floor(valeur + 0.5))
        if valeur > 0:
            x.indice = max(1, x.indice)
    return fiches


# --- Natures des mots (genere_mots.py) ---------------------------------------

def natures_du_jeu(racine, mots):
    """mot -> natures, par le dépliage de genere_mots.py (importé tel quel)
    sur le dictionnaire Hunspell dont mots.txt est tiré."""
    sys.path.insert(0, os.path.join(DOSSIER, "..", "dictionnaire"))
    sys.dont_write_bytecode = True      # rien à écrire dans ../dictionnaire
    import genere_mots
    base = os.path.join(racine, HUNSPELL)
    natures, _, _ = genere_mots.genere(base + ".aff", base + ".dic")
    if set(natures) != set(mots):
        raise SystemExit(f"{base}.aff/.dic ne redonnent pas mots.txt : "
                         "pas la même version de hunspell-fr-classical ?")
    return {m: frozenset(natures[m]) for m in mots}


# --- Rapport -----------------------------------------------------------------

COURANTS = ("MAISON ARBRE CHIEN MANGER ROUGE PETIT TABLE POINT EAU PAIN "
            "FEMME ENFANT ECOLE VOITURE JARDIN").split()
FLECHIS = "ARMOIRES PETITES CHEVAUX YEUX CHANTEES MANGEANT LIONNE".split()
MODERNES = "TELEPHONE VELO CINEMA RADIO PIZZA FOOTBALL KAYAK".split()
RARES = "TOLUOL NOULET ABACULE ZYGOMA ACONIT ABSIDE GABION TAXONOMIE".split()


def empreinte(chemin):
    h = hashlib.sha256()
    with open(chemin, "rb") as f:
        for bloc in iter(lambda: f.read(1 << 20), b""):
            h.update(bloc)
    return h.hexdigest()


def decrit(m, fiches):
    x = fiches[m]
    lemme = f" ← {x.lemme}" if x.lemme else ""
    return (f"{m:10} {x.indice:3}  (Littré {x.littre}, thésaurus {x.mythes}, "
            f"wfrench {'oui' if x.wfrench else 'non'}, vedette "
            f"{'oui' if x.vedette else 'non'}, propre {x.propre:.1f}{lemme})")


def rapport(mots, fiches, stats, entrees):
    print("entrées :")
    for chemin in entrees:
        print(f"  {chemin}  sha256 {empreinte(chemin)}")
    print(f"Littré : {stats['littre_vedettes']} vedettes, "
          f"{stats['littre_articles']} articles, {stats['littre_octets']} "
          f"octets ; intertitres {stats['littre_intertitres']} ; "
          f"{stats['littre_feminins']} couples masculin/féminin")
    print(f"thésaurus : {stats['mythes_blocs']} blocs ; wfrench : "
          f"{stats['wfrench_lignes']} lignes")
    n = len(mots)
    def proportion(k):
        return f"{k} ({100 * k / n:.1f} %)"
    x = fiches.values()
    print(f"mots du jeu : {n}")
    print(f"  dans un article du Littré au moins : "
          f"{proportion(sum(1 for f in x if f.littre))}")
    print(f"  dans le thésaurus : {proportion(sum(1 for f in x if f.mythes))}")
    print(f"  dans wfrench : {proportion(sum(1 for f in x if f.wfrench))}")
    print(f"  vedettes du Littré (ou par leur lemme) : "
          f"{proportion(sum(1 for f in x if f.vedette))}")
    print(f"  relevés par leur lemme : "
          f"{proportion(sum(1 for f in x if f.lemme))}")
    print(f"  indice 0 (rencontrés dans aucune source) : "
          f"{proportion(sum(1 for f in x if f.indice == 0))}")

    print("histogramme de l'indice :")
    tranches = [(0, 0)] + [(1, 9)] + [(d, d + 9) for d in range(10, 90, 10)] \
        + [(90, 100)]
    plus = max(sum(1 for f in x if a <= f.indice <= b) for a, b in tranches)
    for a, b in tranches:
        k = sum(1 for f in x if a <= f.indice <= b)
        nom = "0" if a == b else f"{a}–{b}"
        print(f"  {nom:>6}  {k:6}  {100 * k / n:5.1f} %  "
              f"{'#' * round(50 * k / plus)}")

    alea = random.Random(1863)          # première livraison du Littré
    print("exemples tirés au hasard par tranche :")
    for a, b in tranches[1:]:
        dedans = [m for m in mots if a <= fiches[m].indice <= b]
        choix = sorted(alea.sample(dedans, min(14, len(dedans))))
        print(f"  {a:>2}–{b:<3} " + " ".join(
            f"{m}:{fiches[m].indice}" for m in choix))
    print("les 40 premiers :")
    tete = sorted(mots, key=lambda m: (-fiches[m].indice, m))[:40]
    print("  " + " ".join(f"{m}:{fiches[m].indice}" for m in tete))
    for titre, liste in (("courants", COURANTS), ("fléchis", FLECHIS),
                         ("modernes", MODERNES), ("rares", RARES)):
        print(f"{titre} :")
        for m in liste:
            if m in fiches:
                print("  " + decrit(m, fiches))


# --- Programme principal -----------------------------------------------------

def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    for option, paquet in (("littre", "stardict-xmlittre"),
                           ("mythes", "mythes-fr"),
                           ("wfrench", "wfrench"),
                           ("hunspell", "hunspell-fr-classical")):
        parser.add_argument(f"--racine-{option}", default="/",
                            metavar="DOSSIER",
                            help=f"racine du paquet {paquet} (défaut /)")
    parser.add_argument("--mots", default=MOTS, help="liste des mots du jeu")
    parser.add_argument("--sortie", default=SORTIE, help="fichier écrit")
    parser.add_argument("--rapport", action="store_true",
                        help="affiche histogramme, exemples et sources")
    args = parser.parse_args()

    base = os.path.join(args.racine_littre, LITTRE)
    hun = os.path.join(args.racine_hunspell, HUNSPELL)
    entrees = [base + ".ifo", base + ".idx", base + ".dict.dz",
               os.path.join(args.racine_mythes, MYTHES),
               os.path.join(args.racine_wfrench, WFRENCH),
               hun + ".aff", hun + ".dic", args.mots]
    absents = [c for c in entrees if not os.path.isfile(c)]
    if absents:
        raise SystemExit("introuvable : " + ", ".join(absents) + " (paquet "
                         "non installé ? voir les options --racine-…)")

    debut = time.monotonic()
    mots = lit_mots(args.mots)
    jeu = set(mots)
    norm = Normaliseur(jeu)
    stats = {}
    compte_littre, vedettes, feminins = littre(args.racine_littre, norm, stats)
    compte_mythes = mythes(args.racine_mythes, norm, stats)
    presents = wfrench(args.racine_wfrench, norm, stats)
    natures = natures_du_jeu(args.racine_hunspell, mots)
    fiches = indices(mots, natures, compte_littre, vedettes, feminins,
                     compte_mythes, presents)

    lignes = [f"{m} {fiches[m].indice}\n" for m in mots if fiches[m].indice]
    with open(args.sortie, "w", encoding="ascii", newline="\n") as f:
        f.writelines(lignes)
    duree = time.monotonic() - debut

    if args.rapport:
        rapport(mots, fiches, stats, entrees)
    print(f"{len(lignes)} mots d'indice non nul écrits dans "
          f"{os.path.relpath(args.sortie)} (sha256 {empreinte(args.sortie)})")
    print(f"durée : {duree:.1f} s")


if __name__ == "__main__":
    sys.exit(main())
