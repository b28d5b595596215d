#!/usr/bin/python3
"""Génère les effets sonores de Vocadix (resources/sons/N.wav).

Synthèse additive pure : chaque note est une somme de quelques partiels
sinusoïdaux, chacun avec sa propre décroissance, sous une enveloppe
(attaque en cosinus surélevé, décroissance exponentielle, relâchement qui
atteint exactement zéro). Aucun aléa : deux exécutions donnent les mêmes
octets.

Usage :
    /usr/bin/python3 tools/sons/genere_sons.py            # écrit puis vérifie
    /usr/bin/python3 tools/sons/genere_sons.py --verifie  # vérifie seulement
    /usr/bin/python3 tools/sons/genere_sons.py --sortie DOSSIER

Passage en 8 bits : arrondi simple, sans dither. Un dither TPDF ajouterait
un souffle permanent d'environ un pas de quantification (-48 dB) jusque dans
les queues et les silences, qui doivent rester exactement à 128 ; les sons
sont tous normalisés haut (crête 0,5 à 0,8), donc la distorsion d'arrondi
ne concerne que les derniers pas des queues de décroissance.
"""

import math
import os
import struct
import sys

DEUX_PI = 2.0 * math.pi

# Les partiels au-delà de cette fraction de la fréquence d'échantillonnage
# sont omis : rien ne doit se replier sous Nyquist.
LIMITE_NYQUIST = 0.45

FONDU_DEBUT = 0.003   # s, fondu d'entrée du fichier entier
FONDU_FIN = 0.015     # s, fondu de sortie jusqu'à 128 au dernier échantillon

# Fréquence du partiel le plus aigu réellement joué (pour le bilan).
_plus_aigu = [0.0]


# ----------------------------------------------------------------------------
# Enveloppes : fonctions t -> gain, avec leur durée totale (gain nul ensuite).

class Enveloppe:
    def __init__(self, gain, duree):
        self.gain = gain
        self.duree = duree


def _montee(t, attaque):
    return 0.5 - 0.5 * math.cos(math.pi * t / attaque)


def _chute(u, tau, longueur):
    """Exponentielle décalée pour valoir 1 en 0 et exactement 0 en longueur."""
    if u >= longueur:
        return 0.0
    plancher = math.exp(-longueur / tau)
    return (math.exp(-u / tau) - plancher) / (1.0 - plancher)


def percussive(attaque, tau, longueur=None):
    """Attaque brève puis décroissance exponentielle (frappe, pincement)."""
    if longueur is None:
        longueur = 6.0 * tau

    def gain(t):
        if t < attaque:
            return _montee(t, attaque)
        return _chute(t - attaque, tau, longueur)
    return Enveloppe(gain, attaque + longueur)


def adsr(attaque, declin, maintien, tenue, relache):
    """Note tenue : attaque, déclin exponentiel vers le maintien, puis
    relâchement exponentiel à partir de `tenue` (secondes depuis le début)."""
    longueur_relache = 6.0 * relache

    def niveau(t):
        if t < attaque:
            return _montee(t, attaque)
        return maintien + (1.0 - maintien) * math.exp(-(t - attaque) / declin)

    niveau_tenue = niveau(tenue)

    def gain(t):
        if t < tenue:
            return niveau(t)
        return niveau_tenue * _chute(t - tenue, relache, longueur_relache)
    return Enveloppe(gain, tenue + longueur_relache)


# ----------------------------------------------------------------------------
# Voix additive.

def partiel(rapport, amplitude, tau=None, montee=None):
    """Un partiel : rapport à la fondamentale, amplitude, constante de
    décroissance propre (s) et temps de montée propre (s) facultatifs."""
    return (rapport, amplitude, tau, montee)


def joue(piste, taux, debut, freq, partiels, enveloppe, volume=1.0,
         vibrato=None, glisse=None, filtre=None):
    """Ajoute une note à `piste` (liste de flottants).

    vibrato : (fréquence Hz, profondeur relative, délai s) ; la profondeur
              s'installe en 0,15 s après le délai.
    glisse  : t -> multiplicateur de fréquence (portamento, chute de hauteur).
    filtre  : (t, fréquence du partiel) -> gain, pour les timbres qui bougent.
    """
    i0 = int(round(debut * taux))
    n = min(int(math.ceil(enveloppe.duree * taux)), len(piste) - i0)
    if n <= 0:
        return
    dt = 1.0 / taux

    # Hauteur instantanée, calculée une fois pour tous les partiels.
    freqs = [0.0] * n
    for k in range(n):
        t = k * dt
        f = freq
        if glisse is not None:
            f *= glisse(t)
        if vibrato is not None:
            vf, prof, delai = vibrato
            if t > delai:
                p = prof * min(1.0, (t - delai) / 0.15)
                f *= 1.0 + p * math.sin(DEUX_PI * vf * (t - delai))
        freqs[k] = f
    fmax = max(freqs)

    limite = LIMITE_NYQUIST * taux
    retenus = [p for p in partiels if p[0] * fmax < limite]
    if retenus:
        _plus_aigu[0] = max(_plus_aigu[0], max(p[0] for p in retenus) * fmax)
    gains = [enveloppe.gain(k * dt) * volume for k in range(n)]

    for rapport, amplitude, tau, montee in retenus:
        phase = 0.0
        amp = amplitude
        facteur = math.exp(-dt / tau) if tau else 1.0
        reste = 1.0   # 1 - montée propre du partiel
        facteur_montee = math.exp(-dt / montee) if montee else 0.0
        pas = DEUX_PI * rapport * dt
        for k in range(n):
            g = gains[k]
            if g != 0.0:
                a = amp * (1.0 - reste)
                if filtre is not None:
                    a *= filtre(k * dt, rapport * freqs[k])
                piste[i0 + k] += g * a * math.sin(phase)
            phase += pas * freqs[k]
            amp *= facteur
            reste *= facteur_montee


def midi(numero):
    return 440.0 * 2.0 ** ((numero - 69) / 12.0)


_NOMS = {'C': 0, 'D': 2, 'E': 4, 'F': 5, 'G': 7, 'A': 9, 'B': 11}


def note(nom):
    """'C5', 'F#4', 'Bb3' -> numéro MIDI."""
    base = _NOMS[nom[0]]
    reste = nom[1:]
    if reste.startswith('#'):
        base += 1
        reste = reste[1:]
    elif reste.startswith('b'):
        base -= 1
        reste = reste[1:]
    return 12 * (int(reste) + 1) + base


def hz(nom):
    return midi(note(nom))


# ----------------------------------------------------------------------------
# Les sons.

def son_nouvelle_partie(taux, n):
    """Arpège majeur montant de do5 à sol6, timbre de célesta qui résonne."""
    piste = [0.0] * n
    timbre = [partiel(1, 1.0, 0.55), partiel(2, 0.35, 0.22),
              partiel(3, 0.12, 0.10), partiel(4.0, 0.05, 0.05)]
    notes = ['C5', 'E5', 'G5', 'C6', 'E6', 'G6']
    for i, nom in enumerate(notes):
        derniere = i == len(notes) - 1
        env = percussive(0.004, 0.40 if derniere else 0.28,
                         1.05 if derniere else 0.9)
        joue(piste, taux, 0.006 + 0.065 * i, hz(nom), timbre, env,
             volume=1.0 - 0.05 * i)
    return piste


def son_double_clic(taux, n):
    """Petit « bloup » doux : sinus qui monte d'une quinte en 30 ms."""
    piste = [0.0] * n
    timbre = [partiel(1, 1.0), partiel(2, 0.12, 0.02), partiel(3, 0.04, 0.01)]
    joue(piste, taux, 0.006, hz('E5'), timbre, percussive(0.003, 0.035, 0.16),
         glisse=lambda t: 1.5 - 0.5 * math.exp(-t / 0.012))
    return piste


def son_tirage(taux, n):
    """Tape de bois : modes inharmoniques d'une barre libre, très amortis,
    plus un mode grave de la table ; légère chute de hauteur à l'impact."""
    piste = [0.0] * n
    f0 = 620.0
    modes = [partiel(1.0, 1.0, 0.030), partiel(2.756, 0.45, 0.012),
             partiel(5.404, 0.15, 0.006)]
    impact = lambda t: 1.0 + 0.04 * math.exp(-t / 0.006)
    joue(piste, taux, 0.006, f0, modes, percussive(0.0012, 0.6, 0.2),
         glisse=impact)
    joue(piste, taux, 0.006, 190.0, [partiel(1, 1.0), partiel(2, 0.2)],
         percussive(0.0015, 0.025, 0.15), volume=0.55, glisse=impact)
    return piste


def _cuivre(nharm):
    # Timbre de cuivre : harmoniques en 1/n, les aigus entrent un peu après.
    return [partiel(k, 1.0 / k ** 1.1, None, 0.004 + 0.006 * k)
            for k in range(1, nharm + 1)]


def son_mot_trouve(taux, n):
    """Fanfare de trompettes : sol4 do5 mi5 sol5 — mi5 sol5 tenu sur un
    accord de do majeur avec basse."""
    piste = [0.0] * n
    cuivre = _cuivre(7)
    courtes = [(0.010, 'G4'), (0.140, 'C5'), (0.270, 'E5')]
    for t, nom in courtes:
        joue(piste, taux, t, hz(nom), cuivre,
             adsr(0.012, 0.05, 0.7, 0.10, 0.02))
    joue(piste, taux, 0.400, hz('G5'), cuivre,
         adsr(0.012, 0.08, 0.7, 0.26, 0.02))
    joue(piste, taux, 0.400, hz('E5'), cuivre,
         adsr(0.012, 0.08, 0.7, 0.26, 0.02), volume=0.45)
    joue(piste, taux, 0.720, hz('E5'), cuivre,
         adsr(0.012, 0.05, 0.7, 0.10, 0.02))
    # Accord final tenu puis éteint doucement.
    finale = 0.850
    tenue = 1.25
    # Vibratos de vitesses un peu différentes : des musiciens, pas un clone.
    for nom, vol, vf in [('G5', 0.65, 5.6), ('E5', 0.3, 5.1), ('C5', 0.26, 4.7)]:
        joue(piste, taux, finale, hz(nom), cuivre,
             adsr(0.015, 0.5, 0.55, tenue, 0.08), volume=vol,
             vibrato=(vf, 0.006, 0.18))
    for nom, vol in [('C3', 0.3), ('C4', 0.16)]:
        joue(piste, taux, finale, hz(nom), _cuivre(8),
             adsr(0.02, 0.5, 0.5, tenue, 0.08), volume=vol)
    return piste


def son_alarme(taux, n):
    """Alarme à deux tons (si5 / fa#5) quatre fois, timbre d'anche."""
    piste = [0.0] * n
    timbre = [partiel(1, 1.0), partiel(2, 0.22), partiel(3, 0.25),
              partiel(4, 0.06)]
    for i in range(4):
        nom = 'B5' if i % 2 == 0 else 'F#5'
        joue(piste, taux, 0.006 + 0.18 * i, hz(nom), timbre,
             adsr(0.006, 0.05, 0.8, 0.135, 0.006))
    return piste


def son_nouvelle_manche(taux, n):
    """Carillon « ding-dong » montant : mi5 puis si5, partiels de cloche."""
    piste = [0.0] * n
    cloche = [partiel(1.0, 1.0, 0.55), partiel(1.003, 0.35, 0.55),
              partiel(2.0, 0.45, 0.30), partiel(2.76, 0.22, 0.12),
              partiel(5.40, 0.07, 0.04), partiel(0.5, 0.12, 0.7)]
    joue(piste, taux, 0.006, hz('E5'), cloche, percussive(0.003, 0.5, 1.5),
         volume=0.9)
    joue(piste, taux, 0.300, hz('B5'), cloche, percussive(0.003, 0.45, 1.48))
    return piste


def son_mot_refuse(taux, n):
    """« Wa-wa-wa-waaah » triste : quatre notes descendantes par demi-tons
    (sol3 fa#3 fa3 mi3) d'un cuivre bouché dont la sourdine s'ouvre et se
    referme ; la dernière vibre et s'affaisse."""
    piste = [0.0] * n
    harm = [partiel(k, 1.0 / k) for k in range(1, 17)]
    noms = ['G3', 'F#3', 'F3', 'E3']
    pas = 0.19
    for i, nom in enumerate(noms):
        derniere = i == len(noms) - 1
        duree = 0.40 if derniere else pas - 0.02

        def filtre(t, f, d=duree):
            u = min(1.0, t / d)
            # La sourdine s'ouvre vite puis se referme lentement.
            ouverture = math.sin(math.pi * u ** 0.6)
            fc = 280.0 + 850.0 * ouverture
            ecart = math.log2(f / fc)
            # Sourdine fermée : plus sombre et plus faible.
            return (0.06 + math.exp(-ecart * ecart / (2 * 0.5 ** 2))) \
                * (0.45 + 0.55 * ouverture)

        vib = (6.0, 0.018, 0.12) if derniere else None
        chute = (lambda t: 1.0 - 0.05 * max(0.0, t - 0.15) / 0.3) \
            if derniere else None
        joue(piste, taux, 0.006 + pas * i, hz(nom), harm,
             adsr(0.02, 0.2, 0.7, duree, 0.025 if derniere else 0.012),
             vibrato=vib, glisse=chute, filtre=filtre)
    return piste


# Air du tableau des records : forme AABA, 4 mesures par phrase, en do majeur.
# Mélodie : (note ou 'r' pour un silence, durée en temps).
_A_DEBUT = [
    [('E5', 1), ('G5', 1), ('C6', 1), ('G5', .5), ('E5', .5)],
    [('F5', 1), ('A5', 1), ('C6', .5), ('A5', .5), ('F5', 1)],
    [('G5', 1.5), ('F5', .5), ('E5', 1), ('D5', 1)],
]
_A_OUVERT = [('D5', 1), ('E5', .5), ('F5', .5), ('G5', 2)]
# Cadence sur do, relancée par mi-sol vers le la du pont.
_A_FERME = [('C5', 2), ('E5', 1), ('G5', 1)]
_PONT = [
    [('A5', 1), ('C6', 1), ('B5', .5), ('A5', .5), ('E5', 1)],
    [('F5', 1), ('A5', 1), ('G5', .5), ('F5', .5), ('D5', 1)],
    [('E5', 1), ('G5', .5), ('A5', .5), ('B5', 1), ('G5', 1)],
    [('A5', .5), ('G5', .5), ('F5', .5), ('E5', .5), ('D5', 2)],
]
_FIN = [('E5', .5), ('G5', .5), ('C6', 3)]

# Accords par mesure : (basse temps 1, basse temps 3, notes de l'accord).
_ACCORDS = {
    'C': ('C3', 'G2', ['E4', 'G4', 'C5']),
    'F': ('F2', 'C3', ['F4', 'A4', 'C5']),
    'G': ('G2', 'D3', ['D4', 'G4', 'B4']),
    'G7': ('G2', 'D3', ['D4', 'F4', 'B4']),
    'Am': ('A2', 'E3', ['E4', 'A4', 'C5']),
    'Dm': ('D3', 'A2', ['D4', 'F4', 'A4']),
    'Em': ('E3', 'B2', ['E4', 'G4', 'B4']),
}


def _air():
    """Renvoie la liste des mesures : (mélodie, accord)."""
    a_ouvert = list(zip(_A_DEBUT + [_A_OUVERT], ['C', 'F', 'G', 'G7']))
    a_ferme = list(zip(_A_DEBUT + [_A_FERME], ['C', 'F', 'G', 'C']))
    pont = list(zip(_PONT, ['Am', 'Dm', 'Em', 'G7']))
    fin = list(zip(_A_DEBUT + [_FIN], ['C', 'F', 'G', 'C']))
    return a_ouvert + a_ferme + pont + fin


def son_records(taux, n):
    """Petit air enjoué AABA de 16 mesures : mélodie chantante, basse pincée
    sur les temps 1 et 3, accords brefs sur 2 et 4 ; la dernière mesure
    monte jusqu'au do6 tenu qui s'éteint avec l'accord final."""
    piste = [0.0] * n
    temps = 0.44
    chant = [partiel(1, 1.0), partiel(2, 0.4), partiel(3, 0.18),
             partiel(4, 0.07), partiel(5, 0.03)]
    basse = [partiel(1, 1.0), partiel(2, 0.5, 0.3), partiel(3, 0.25, 0.15),
             partiel(4, 0.1, 0.08)]
    accord = [partiel(1, 1.0), partiel(2, 0.3, 0.08), partiel(3, 0.1, 0.05)]
    mesures = _air()
    depart = 0.02
    for m, (melodie, nom_accord) in enumerate(mesures):
        t0 = depart + 4 * temps * m
        derniere = m == len(mesures) - 1
        # Mélodie.
        t = t0
        for nom, duree in melodie:
            if nom != 'r':
                longue = derniere and duree >= 3
                tenue = 2.6 if longue else duree * temps * 0.88
                env = adsr(0.012, 0.9 if longue else 0.15,
                           0.35 if longue else 0.6, tenue,
                           0.15 if longue else 0.04)
                vib = (5.2, 0.004, 0.2) if duree * temps >= 0.4 else None
                joue(piste, taux, t, hz(nom), chant, env, volume=0.38,
                     vibrato=vib)
            t += duree * temps
        # Accompagnement.
        b1, b3, notes = _ACCORDS[nom_accord]
        if derniere:
            joue(piste, taux, t0, hz(b1), basse,
                 percussive(0.006, 0.8, 3.0), volume=0.36)
            for i, nm in enumerate(notes):
                joue(piste, taux, t0 + temps + 0.03 * i, hz(nm), accord,
                     percussive(0.006, 0.6, 2.4), volume=0.09)
            continue
        joue(piste, taux, t0, hz(b1), basse,
             percussive(0.006, 0.3, 1.8 * temps), volume=0.28)
        joue(piste, taux, t0 + 2 * temps, hz(b3), basse,
             percussive(0.006, 0.3, 1.8 * temps), volume=0.25)
        for battue in (1, 3):
            for nm in notes:
                joue(piste, taux, t0 + battue * temps, hz(nm), accord,
                     percussive(0.005, 0.08, 0.35), volume=0.1)
    return piste


def son_stop(taux, n):
    """Coup de tampon : choc grave dont la hauteur tombe de 150 à 55 Hz,
    claquement boisé bref, puis ton net quarte sol5 + do6 qui s'éteint."""
    piste = [0.0] * n
    chute = lambda t: (55.0 + 95.0 * math.exp(-t / 0.025)) / 150.0
    joue(piste, taux, 0.006, 150.0,
         [partiel(1, 1.0), partiel(2, 0.5, 0.05), partiel(3, 0.2, 0.03)],
         percussive(0.002, 0.08, 0.45), glisse=chute)
    joue(piste, taux, 0.006, 880.0,
         [partiel(1, 1.0, 0.012), partiel(2.3, 0.5, 0.008)],
         percussive(0.001, 0.5, 0.06), volume=0.3)
    ton = [partiel(1, 1.0, 0.35), partiel(2, 0.4, 0.15), partiel(3, 0.15, 0.07),
           partiel(4, 0.05, 0.04)]
    for nom, vol in [('G5', 0.32), ('C6', 0.3)]:
        joue(piste, taux, 0.070, hz(nom), ton,
             adsr(0.006, 0.08, 0.55, 0.16, 0.12), volume=vol)
    return piste


# numéro, taux, échantillons, fabrique, crête visée, titre INAM, place du LIST
SONS = [
    (1, 11025, 16973, son_nouvelle_partie, 0.75, 'Nouvelle partie', 'avant'),
    (2, 11025, 10896, son_double_clic, 0.5, None, None),
    (3, 11025, 4129, son_tirage, 0.6, None, None),
    (4, 11025, 30720, son_mot_trouve, 0.8, 'Mot trouvé', 'apres'),
    (5, 11025, 8632, son_alarme, 0.55, None, None),
    (6, 11025, 20212, son_nouvelle_manche, 0.7, None, None),
    (7, 8403, 9876, son_mot_refuse, 0.75, None, None),
    (8, 8000, 248461, son_records, 0.7, 'Meilleurs scores', 'apres'),
    (9, 11025, 27231, son_stop, 0.8, None, None),
]


# ----------------------------------------------------------------------------
# Passage en 8 bits et écriture RIFF.

def vers_octets(piste, taux, crete):
    """Normalise la crête, applique les fondus d'extrémité et arrondit."""
    n = len(piste)
    pic = max(abs(x) for x in piste)
    echelle = crete / pic if pic > 0 else 0.0
    n_debut = max(1, int(FONDU_DEBUT * taux))
    n_fin = max(1, int(FONDU_FIN * taux))
    sortie = bytearray(n)
    for i, x in enumerate(piste):
        g = echelle
        if i < n_debut:
            g *= _montee(i, n_debut)
        restant = n - 1 - i
        if restant < n_fin:
            g *= _montee(restant, n_fin)
        sortie[i] = 128 + int(round(x * g * 127.0))
    return bytes(sortie)


def morceau(etiquette, contenu):
    """Un chunk RIFF, suivi d'un octet de bourrage si sa taille est impaire."""
    b = etiquette + struct.pack('<I', len(contenu)) + contenu
    if len(contenu) % 2:
        b += b'\0'
    return b


def image_wav(taux, echantillons, titre=None, place=None):
    fmt = morceau(b'fmt ', struct.pack('<HHIIHH', 1, 1, taux, taux, 1, 8))
    data = morceau(b'data', echantillons)
    morceaux = [fmt, data]
    if titre is not None:
        info = morceau(b'LIST', b'INFO' + morceau(
            b'INAM', titre.encode('utf-8') + b'\0'))
        morceaux.insert(1 if place == 'avant' else 2, info)
    corps = b'WAVE' + b''.join(morceaux)
    return b'RIFF' + struct.pack('<I', len(corps)) + corps


def genere(dossier):
    """Écrit les fichiers ; renvoie {numéro: partiel le plus aigu en Hz}."""
    os.makedirs(dossier, exist_ok=True)
    aigus = {}
    for num, taux, n, fabrique, crete, titre, place in SONS:
        _plus_aigu[0] = 0.0
        piste = fabrique(taux, n)
        assert len(piste) == n
        aigus[num] = _plus_aigu[0]
        image = image_wav(taux, vers_octets(piste, taux, crete), titre, place)
        with open(os.path.join(dossier, '%d.wav' % num), 'wb') as f:
            f.write(image)
    # Quasi-silence qui coupe la musique : un seul échantillon à 129.
    with open(os.path.join(dossier, '11.wav'), 'wb') as f:
        f.write(image_wav(11025, bytes([129])))
    return aigus


# ----------------------------------------------------------------------------
# Vérification : relit chaque fichier en parcourant ses chunks, sans rien
# reprendre du code d'écriture.

class Defaut(Exception):
    """Fichier produit non conforme."""


def exige(condition, message):
    # Pas d'assert : la vérification doit tenir aussi sous python3 -O.
    if not condition:
        raise Defaut(message)


def lit_chunks(image):
    """Liste de (étiquette, contenu) ; lève Defaut si mal formé."""
    exige(image[:4] == b'RIFF', 'pas de RIFF')
    taille = struct.unpack('<I', image[4:8])[0]
    exige(taille == len(image) - 8,
          'taille RIFF %d pour %d octets' % (taille, len(image)))
    exige(image[8:12] == b'WAVE', 'pas de WAVE')
    chunks = []
    pos = 12
    while pos < len(image):
        exige(pos + 8 <= len(image), 'en-tête de chunk tronqué')
        etiquette = image[pos:pos + 4]
        t = struct.unpack('<I', image[pos + 4:pos + 8])[0]
        fin = pos + 8 + t
        exige(fin <= len(image), 'chunk %r déborde' % etiquette)
        if t % 2:
            exige(fin < len(image),
                  'octet de bourrage manquant après %r' % etiquette)
            exige(image[fin] == 0, 'octet de bourrage non nul')
            fin += 1
        chunks.append((etiquette, image[pos + 8:pos + 8 + t]))
        pos = fin
    return chunks


def verifie(dossier):
    attendus = [(num, taux, n, titre, place)
                for num, taux, n, _, _, titre, place in SONS]
    attendus.append((11, 11025, 1, None, None))
    lignes = []
    for num, taux, n, titre, place in attendus:
        with open(os.path.join(dossier, '%d.wav' % num), 'rb') as f:
            image = f.read()
        try:
            lignes.append(_verifie_image(image, num, taux, n, titre, place))
        except Defaut as e:
            raise Defaut('%d.wav : %s' % (num, e))
    return lignes


def _verifie_image(image, num, taux, n, titre, place):
    chunks = lit_chunks(image)
    etiquettes = [c[0] for c in chunks]
    exige(etiquettes[:1] == [b'fmt '], 'fmt doit venir en premier')
    exige(etiquettes.count(b'fmt ') == 1 and etiquettes.count(b'data') == 1,
          'chunks %r' % etiquettes)
    fmt = dict(chunks)[b'fmt ']
    exige(len(fmt) == 16, 'fmt de %d octets' % len(fmt))
    champs = struct.unpack('<HHIIHH', fmt)
    # PCM, mono, taux, débit = taux, bloc d'un octet, 8 bits.
    exige(champs == (1, 1, taux, taux, 1, 8), 'fmt %r' % (champs,))
    data = dict(chunks)[b'data']
    exige(len(data) == n, '%d échantillons au lieu de %d' % (len(data), n))
    if titre is None:
        exige(b'LIST' not in etiquettes, 'LIST inattendu')
    else:
        exige(b'LIST' in etiquettes, 'LIST absent')
        avant = etiquettes.index(b'LIST') < etiquettes.index(b'data')
        exige(avant == (place == 'avant'), 'LIST mal placé')
        info = dict(chunks)[b'LIST']
        exige(info[:4] == b'INFO', 'LIST sans INFO')
        sous = lit_chunks(b'RIFF' + struct.pack('<I', len(info))
                          + b'WAVE' + info[4:])
        nom = dict(sous).get(b'INAM', b'')
        exige(nom.endswith(b'\0') and nom[:-1].decode('utf-8') == titre,
              'INAM %r' % nom)
    bas, haut = min(data), max(data)
    if num == 11:
        exige(data == bytes([129]), '%r au lieu de 129' % data)
    else:
        exige(0 < bas and haut < 255, 'valeurs extrêmes %d / %d' % (bas, haut))
        exige(max(128 - bas, haut - 128) <= 0.85 * 127 + 0.5,
              'crête au-delà de 0,85')
        exige(abs(data[0] - 128) <= 2 and abs(data[-1] - 128) <= 2,
              'extrémités %d / %d' % (data[0], data[-1]))
    return '%2d.wav  %5d Hz  %6d éch.  %6.3f s  min %3d  max %3d%s' % (
        num, taux, n, n / taux, bas, haut,
        '  INAM « %s » (%s data)' % (titre, 'avant' if place == 'avant'
                                       else 'après') if titre else '')


def main(args):
    ici = os.path.dirname(os.path.abspath(__file__))
    dossier = os.path.normpath(os.path.join(ici, '..', '..', 'resources', 'sons'))
    if '--sortie' in args:
        dossier = args[args.index('--sortie') + 1]
    aigus = {}
    if '--verifie' not in args:
        aigus = genere(dossier)
    try:
        lignes = verifie(dossier)
    except Defaut as e:
        print('ÉCHEC :', e)
        return 1
    for ligne in lignes:
        print(ligne)
    for num, taux, *_ in SONS:
        if num in aigus:
            print('%2d.wav  partiel le plus aigu %4.0f Hz = %.3f × taux'
                  % (num, aigus[num], aigus[num] / taux))
    print('OK :', dossier)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
