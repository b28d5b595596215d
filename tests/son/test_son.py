#!/usr/bin/python3
"""Real-audio check of LecteurSon.

Starts a PulseAudio server of its own with a null sink, records the sink's
monitor while JoueSons plays a script of the game's sounds through the real
LecteurSon, then compares the recording with the wave files:
  - each sound comes out whole, at its own rate (11025, 8403 and 8000 Hz),
    without gaps, and stops where the file ends;
  - a sound started while another plays cuts it: no mix, and silence once the
    new one is over although the old one would still sound;
  - the one-sample sound played over the long tune leaves silence.

Usage: test_son.py <JoueSons> <folder of the .wav files>
"""

import array
import cmath
import ctypes
import math
import operator
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback
import wave

# The recording is taken at the sink's own rate: the monitor then hands over
# the very samples the sink mixed. Resampling them again would shift each
# sound by its own fraction of a sample and blur the comparisons.
TAUX = 48000
PUITS = "vocadix_essai"

# (sound, milliseconds after start). 9 comes while 4 still plays; 4, 7 and 8
# get time to show they play whole at 11025, 8403 and 8000 Hz; 11 (a single
# sample) comes while 8, a 31 s tune, plays.
SCRIPT = ((4, 0), (9, 800), (4, 3800), (7, 7200), (8, 9000), (11, 11500))
FIN = 13500

CORRELATION_MIN = 0.9  # a faithful recording measures above 0.99
GAIN_ECART = 0.3  # largest departure of a window's gain from the sound's own
RESTE_MAX = 0.1  # share of a cut sound still allowed in the recording
SILENCE = 0.005  # RMS of full scale; the sounds play at about 0.2
ATTENTE_MAX = 0.25  # seconds Jouer may take; the shortest sound here lasts 1.2 s


def secondes(n):
    return int(round(n * TAUX))


# ---------------------------------------------------------------- signals


def fft(valeurs, inverse=False):
    """Radix-2 FFT of a list whose length is a power of two."""
    a = list(valeurs)
    n = len(a)
    j = 0
    for i in range(1, n):
        bit = n >> 1
        while j & bit:
            j ^= bit
            bit >>= 1
        j |= bit
        if i < j:
            a[i], a[j] = a[j], a[i]
    signe = 1 if inverse else -1
    taille = 2
    while taille <= n:
        moitie = taille // 2
        pas = cmath.exp(signe * 2j * math.pi / taille)
        tours = [pas ** k for k in range(moitie)]
        for debut in range(0, n, taille):
            for k in range(moitie):
                u = a[debut + k]
                v = a[debut + k + moitie] * tours[k]
                a[debut + k] = u + v
                a[debut + k + moitie] = u - v
        taille *= 2
    if inverse:
        a = [v / n for v in a]
    return a


def correlations(signal_, modele):
    """Normalised cross-correlation of modele at every lag inside signal_."""
    n, m = len(signal_), len(modele)
    if n < m:
        return []
    taille = 1
    while taille < n + m:
        taille *= 2
    s = fft(list(signal_) + [0.0] * (taille - n))
    t = fft(list(modele) + [0.0] * (taille - m))
    produit = fft([x * y.conjugate() for x, y in zip(s, t)], inverse=True)
    norme_modele = math.sqrt(sum(v * v for v in modele))
    cumul = [0.0]
    for v in signal_:
        cumul.append(cumul[-1] + v * v)
    resultat = []
    for k in range(n - m + 1):
        energie = cumul[k + m] - cumul[k]
        resultat.append(produit[k].real / (norme_modele * math.sqrt(energie))
                        if energie > 1e-12 and norme_modele > 0 else 0.0)
    return resultat


REDUCTION = 4


def reduire(valeurs):
    """Sums of REDUCTION consecutive samples: a coarse low-pass and decimation."""
    return [math.fsum(valeurs[i:i + REDUCTION])
            for i in range(0, len(valeurs) - REDUCTION + 1, REDUCTION)]


def produit_scalaire(a, b):
    return math.fsum(map(operator.mul, a, b))


def rms(a):
    return math.sqrt(produit_scalaire(a, a) / len(a)) if len(a) else 0.0


def correlation(a, b):
    denominateur = math.sqrt(produit_scalaire(a, a) * produit_scalaire(b, b))
    return produit_scalaire(a, b) / denominateur if denominateur > 0 else 0.0


def morceau(valeurs, debut, longueur):
    """valeurs[debut:debut+longueur], zeros where it runs outside."""
    avant = max(0, -debut)
    partie = valeurs[max(0, debut):max(0, debut + longueur)]
    return [0.0] * avant + partie + [0.0] * (longueur - avant - len(partie))


def reechantillonner(valeurs, taux):
    """Band-limited conversion to TAUX (Hann-windowed sinc, 32 taps)."""
    if taux == TAUX:
        return list(valeurs)
    demi = 16
    coupure = min(1.0, TAUX / taux)
    noyaux = {}
    bord = [0.0] * demi
    etendu = bord + list(valeurs) + bord
    sortie = []
    for i in range(len(valeurs) * TAUX // taux):
        entier, phase = divmod(i * taux, TAUX)
        noyau = noyaux.get(phase)
        if noyau is None:
            fraction = phase / TAUX
            noyau = []
            for k in range(-demi + 1, demi + 1):
                d = fraction - k
                x = math.pi * d * coupure
                sinc = coupure if abs(x) < 1e-12 else coupure * math.sin(x) / x
                noyau.append(sinc * (0.5 + 0.5 * math.cos(math.pi * d / demi)))
            noyaux[phase] = noyau
        sortie.append(math.fsum(map(operator.mul, noyau,
                                    etendu[entier + 1:entier + 2 * demi + 1])))
    return sortie


class Son:
    """A wave file of the game: its samples as they are and at TAUX."""

    def __init__(self, dossier, numero, duree_utile=None):
        with wave.open(os.path.join(dossier, f"{numero}.wav")) as fichier:
            if fichier.getsampwidth() != 1 or fichier.getnchannels() != 1:
                raise ValueError(f"{numero}.wav : mono 8 bits attendu")
            self.taux = fichier.getframerate()
            octets = fichier.readframes(fichier.getnframes())
        self.numero = numero
        self.brut = [(b - 128) / 128 for b in octets]
        self.duree = len(self.brut) / self.taux
        # The long tune is only compared over the part the script lets play.
        utile = self.brut if duree_utile is None else self.brut[:int(duree_utile * self.taux)]
        self.echantillons = reechantillonner(utile, self.taux)

    def niveau(self, debut, fin):
        """RMS the file has between two times in seconds."""
        return rms(self.brut[max(0, int(debut * self.taux)):max(0, int(fin * self.taux))])


# ---------------------------------------------------------------- processes


def _mourir_avec_le_parent():
    # A test killed on timeout must not leave its server or recorder behind.
    try:
        ctypes.CDLL(None).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG
    except (OSError, AttributeError):
        pass


class Processus:
    """The processes this test starts, ended in reverse order whatever happens."""

    def __init__(self):
        self.liste = []

    def lancer(self, commande, **options):
        processus = subprocess.Popen(commande, preexec_fn=_mourir_avec_le_parent, **options)
        self.liste.append(processus)
        return processus

    def arreter(self, processus, delai=5):
        if processus.poll() is None:
            processus.terminate()
            try:
                processus.wait(delai)
            except subprocess.TimeoutExpired:
                processus.kill()
                processus.wait()

    def tout_arreter(self):
        for processus in reversed(self.liste):
            self.arreter(processus)


class Echec(Exception):
    pass


def _interrompu(numero, _cadre):
    raise Echec(f"interrompu par le signal {numero}")


def enregistrer(joue_sons, dossier, processus):
    """Runs the script under a private server; returns the recording, the
    plays as JoueSons reports them and the time of the end."""
    environnement = dict(os.environ)
    environnement.update({
        "HOME": dossier,
        "XDG_RUNTIME_DIR": dossier,
        "XDG_CONFIG_HOME": dossier,
        "PULSE_RUNTIME_PATH": dossier,
        "PULSE_STATE_PATH": dossier,
        "PULSE_SERVER": "unix:" + os.path.join(dossier, "native"),
        "PULSE_CLIENTCONFIG": os.path.join(dossier, "client.conf"),
    })
    with open(os.path.join(dossier, "client.conf"), "w") as fichier:
        # No shared-memory ring buffer between player and server: libpulse's
        # handling of it aborts now and then as a client disconnects
        # ("p->srb == srb" in pstream.c), which says nothing of the player.
        fichier.write("autospawn = no\nenable-shm = no\nenable-memfd = no\n")
    configuration = os.path.join(dossier, "serveur.pa")
    with open(configuration, "w") as fichier:
        # A desktop-like sink, so every sound goes through the server's
        # resampler as it would on a real card.
        fichier.write(f"load-module module-null-sink sink_name={PUITS} rate={TAUX} channels=2\n"
                      f"set-default-sink {PUITS}\n"
                      "load-module module-native-protocol-unix auth-anonymous=1 "
                      f"socket={os.path.join(dossier, 'native')}\n")
    journal = os.path.join(dossier, "pulseaudio.log")
    with open(journal, "w") as sortie:
        # Running as root (CI) only earns a warning without --system.
        serveur = processus.lancer(
            ["pulseaudio", "-n", "--daemonize=no", "--system=no", "--exit-idle-time=-1",
             "--disallow-exit", "--use-pid-file=no", "--realtime=no", "--high-priority=no",
             "-F", configuration],
            env=environnement, stdout=sortie, stderr=subprocess.STDOUT, cwd=dossier)

    limite = time.monotonic() + 20
    while True:
        if serveur.poll() is not None:
            raise Echec("PulseAudio s'est arrêté au démarrage :\n"
                        + open(journal).read()[-2000:])
        try:
            info = subprocess.run(["pactl", "info"], env=environnement, capture_output=True,
                                  text=True, timeout=5)
            if info.returncode == 0 and f"Default Sink: {PUITS}" in info.stdout:
                break
        except subprocess.TimeoutExpired:
            pass
        if time.monotonic() > limite:
            raise Echec("PulseAudio n'accepte pas de connexion après 20 s")
        time.sleep(0.2)

    # The recorder's latency sets how far ahead the null sink mixes. A stream
    # that starts or stops makes the sink mix that stretch again, but the
    # monitor has already handed it over: the recording then misses the
    # first moments of each sound (about the latency: 20 ms at 20 ms, whole
    # sounds at the default 2 s) although a card would play them. 5 ms keeps
    # that below a millisecond.
    brut = os.path.join(dossier, "enregistrement.raw")
    with open(brut, "wb") as sortie:
        enregistreur = processus.lancer(
            ["parec", "-d", PUITS + ".monitor", "--format=s16le", f"--rate={TAUX}",
             "--channels=1", "--raw", "--latency-msec=5"],
            env=environnement, stdout=sortie, stderr=subprocess.DEVNULL)
    limite = time.monotonic() + 10
    while os.path.getsize(brut) < secondes(0.2) * 2:
        if enregistreur.poll() is not None or time.monotonic() > limite:
            raise Echec("parec n'enregistre pas le moniteur du puits")
        time.sleep(0.05)

    commande = [joue_sons] + [f"{son}@{instant}" for son, instant in SCRIPT] + [f"fin@{FIN}"]
    joueur = processus.lancer(commande, env=environnement, stdout=subprocess.PIPE,
                              stderr=subprocess.PIPE, text=True)
    try:
        sortie_joueur, erreurs_joueur = joueur.communicate(timeout=FIN / 1000 + 60)
    except subprocess.TimeoutExpired:
        raise Echec("JoueSons ne s'est pas terminé")
    time.sleep(0.3)  # the last moments reach the recorder
    processus.arreter(enregistreur)

    jeux, fin = [], None
    for ligne in sortie_joueur.splitlines():
        mots = ligne.split()
        if mots[:1] == ["jeu"] and len(mots) == 5:
            jeux.append({"son": int(mots[1]), "avant": float(mots[2]), "apres": float(mots[3]),
                         "ok": mots[4] == "ok"})
        elif mots[:1] == ["fin"]:
            fin = float(mots[1])
    print("JoueSons :", " | ".join(sortie_joueur.splitlines()[:1]), flush=True)
    if joueur.returncode != 0 or fin is None or len(jeux) != len(SCRIPT):
        raise Echec(f"JoueSons a échoué (code {joueur.returncode}) :\n{sortie_joueur}{erreurs_joueur}")
    refuses = [j["son"] for j in jeux if not j["ok"]]
    if refuses:
        raise Echec(f"LecteurSon::Jouer a refusé les sons {refuses}")

    valeurs = array.array("h")
    with open(brut, "rb") as fichier:
        valeurs.frombytes(fichier.read())
    return [v / 32768 for v in valeurs], jeux, fin


# ---------------------------------------------------------------- analysis


class Analyse:
    def __init__(self, enregistrement, jeux, fin, sons):
        self.rec = enregistrement
        self.jeux = jeux
        self.fin = fin
        self.sons = sons
        self.debuts = {}  # index of a play -> sample where it starts
        self.pics = {}  # index of a play -> correlation of its opening there
        self.gains = {}  # index of a play -> its level over the file's

        # The recording is silent before the first sound; its first loud
        # sample, refined by correlation, ties the player's clock to samples.
        premier = next((i for i, v in enumerate(enregistrement) if abs(v) > 0.02), None)
        if premier is None:
            raise Echec("l'enregistrement est muet")
        self.trouver(0, premier - secondes(0.5), premier + secondes(0.1))
        self.origine = self.debuts[0] - secondes(jeux[0]["avant"])
        # The first sound also waits for the server connection, so the others
        # may come a good deal earlier than its delay predicts.
        precedent = self.debuts[0]
        for k in range(1, len(jeux)):
            if len(sons[jeux[k]["son"]].echantillons) >= secondes(0.25):
                prevu = self.indice(jeux[k]["avant"])
                self.trouver(k, max(prevu - secondes(0.7), precedent + secondes(0.1)),
                             prevu + secondes(0.7))
                precedent = self.debuts[k]

    def indice(self, instant):
        """Sample of the recording at a time of the player's clock."""
        return self.origine + secondes(instant)

    def trouver(self, k, debut, fin):
        """Where the opening of play k lies between two samples: searched on
        sums of REDUCTION samples, which is far cheaper, then to the sample."""
        modele = self.sons[self.jeux[k]["son"]].echantillons[:secondes(0.25)]
        debut = max(0, debut)
        valeurs = correlations(reduire(self.rec[debut:fin + len(modele)]), reduire(modele))
        if not valeurs:
            raise Echec(f"le son {self.jeux[k]['son']} tombe hors de l'enregistrement")
        approche = debut + REDUCTION * max(range(len(valeurs)), key=valeurs.__getitem__)
        mesures = {position: correlation(morceau(self.rec, position, len(modele)), modele)
                   for position in range(max(0, approche - REDUCTION), approche + REDUCTION + 1)}
        self.debuts[k] = max(mesures, key=mesures.__getitem__)
        self.pics[k] = mesures[self.debuts[k]]

    def fenetres(self, k, duree, pas=0.05):
        """(offset, recording, file) over the first duree seconds of play k."""
        son = self.sons[self.jeux[k]["son"]].echantillons
        largeur = secondes(pas)
        for decalage in range(0, min(secondes(duree), len(son)) - largeur + 1, largeur):
            yield (decalage, morceau(self.rec, self.debuts[k] + decalage, largeur),
                   son[decalage:decalage + largeur])

    def gain(self, k, duree):
        gains = sorted(produit_scalaire(r, s) / produit_scalaire(s, s)
                       for _, r, s in self.fenetres(k, duree) if rms(s) > 0.02)
        return gains[len(gains) // 2] if gains else 0.0

    def silence(self, debut, fin, plafond):
        """Loudest 100 ms window between two samples, and whether all stay
        under plafond(start of window)."""
        pire, tenu = 0.0, True
        largeur = secondes(0.1)
        for position in range(debut, fin - largeur + 1, largeur):
            niveau = rms(morceau(self.rec, position, largeur))
            pire = max(pire, niveau)
            tenu = tenu and niveau <= plafond(position)
        return pire, tenu


def verifier_lecture(analyse, k, duree, puis_silence):
    """Play k matches its file window by window at the found start: the right
    rate, no gap or repeat (either shifts all that follows), a steady level;
    played whole, it is followed by silence."""
    son = analyse.sons[analyse.jeux[k]["son"]]
    duree = min(duree, son.duree)
    mesures, defauts = [], []
    gain = analyse.gain(k, duree)
    analyse.gains[k] = gain
    if analyse.pics[k] < CORRELATION_MIN:
        defauts.append(f"début introuvable (corrélation {analyse.pics[k]:.3f})")
    if not 1 - 2 * GAIN_ECART <= gain <= 1 + 2 * GAIN_ECART:
        defauts.append(f"niveau {gain:.2f} fois celui du fichier")
    pire = (1.0, 0)
    for decalage, r, s in analyse.fenetres(k, duree):
        if rms(s) <= 0.02:  # fades carry too little to compare
            continue
        c = correlation(r, s)
        g = produit_scalaire(r, s) / produit_scalaire(s, s)
        mesures.append(c)
        pire = min(pire, (c, decalage))
        if c < CORRELATION_MIN or abs(g - gain) > GAIN_ECART * gain:
            defauts.append(f"à {decalage / TAUX:.2f} s : corrélation {c:.3f}, gain {g:.2f}")
    texte = (f"{son.taux} Hz, corrélation min {pire[0]:.3f} (à {pire[1] / TAUX:.2f} s) sur {len(mesures)} "
             f"fenêtres de 50 ms, gain {gain:.2f}")
    if puis_silence:
        debut = analyse.debuts[k] + len(son.echantillons) + secondes(0.03)
        if analyse.pics.get(k + 1, 0.0) >= CORRELATION_MIN:
            fin = analyse.debuts[k + 1] - secondes(0.05)
        else:
            fin = analyse.indice(analyse.jeux[k + 1]["avant"]) - secondes(0.1)
        niveau, tenu = analyse.silence(debut, fin, lambda _: SILENCE)
        texte += f" ; après la fin, niveau max {niveau:.4f} sur {(fin - debut) / TAUX:.2f} s"
        if not tenu or fin - debut < secondes(0.3):
            defauts.append(f"pas de silence après la fin du fichier (niveau {niveau:.4f})")
    return not defauts, texte, defauts


def verifier_coupure(analyse, k_ancien, k_nouveau):
    """The new sound replaces the old one: fit the recording, 20 ms at a time,
    as a mix of both files and find where the old one's share drops to zero."""
    ancien = analyse.sons[analyse.jeux[k_ancien]["son"]]
    nouveau = analyse.sons[analyse.jeux[k_nouveau]["son"]]
    o_ancien, o_nouveau = analyse.debuts[k_ancien], analyse.debuts[k_nouveau]
    # Gains only scale what is reported; one from a failed play stays sane.
    g_ancien = min(max(analyse.gains.get(k_ancien) or analyse.gain(k_ancien, 0.5), 0.1), 2.0)
    g_nouveau = min(max(analyse.gain(k_nouveau, 0.4), 0.0), 2.0)
    defauts = []
    if analyse.pics[k_nouveau] < CORRELATION_MIN:
        defauts.append(f"{nouveau.numero} introuvable ou mêlé (corrélation {analyse.pics[k_nouveau]:.3f})")
    ouverture = correlation(morceau(analyse.rec, o_nouveau, secondes(0.35)),
                            nouveau.echantillons[:secondes(0.35)])
    if ouverture < CORRELATION_MIN:
        defauts.append(f"les 0,35 s suivantes ne sont pas {nouveau.numero} seul "
                       f"(corrélation {ouverture:.3f})")

    # The old sound would sound up to where its file fades.
    fin_ancien = o_ancien + secondes(ancien.duree - 0.5)
    largeur = secondes(0.02)
    parts = []
    for position in range(o_nouveau - secondes(0.2), fin_ancien - largeur + 1, largeur):
        r = morceau(analyse.rec, position, largeur)
        a = morceau(ancien.echantillons, position - o_ancien, largeur)
        n = morceau(nouveau.echantillons, position - o_nouveau, largeur)
        aa, nn, an = produit_scalaire(a, a), produit_scalaire(n, n), produit_scalaire(a, n)
        if aa < largeur * 0.02 ** 2:
            continue
        determinant = aa * nn - an * an
        if nn < 1e-9 or determinant < 0.05 * aa * nn:
            part = produit_scalaire(r, a) / aa if nn < 1e-9 else None
        else:
            ra, rn = produit_scalaire(r, a), produit_scalaire(r, n)
            part = (ra * nn - rn * an) / determinant
        if part is not None:
            parts.append((position, part / g_ancien))
    coupure = None
    for position, part in reversed(parts):
        if abs(part) >= RESTE_MAX:
            break
        coupure = position
    reste = max((abs(p) for pos, p in parts if pos >= o_nouveau + secondes(0.03)), default=0.0)
    if coupure is None or coupure > o_nouveau + secondes(0.03):
        defauts.append(f"{ancien.numero} continue sous {nouveau.numero} "
                       f"(part jusqu'à {reste:.2f} de son niveau)")
    elif coupure < o_nouveau - secondes(0.15):
        defauts.append(f"{ancien.numero} s'est tu {(o_nouveau - coupure) / TAUX * 1000:.0f} ms "
                       f"avant {nouveau.numero}")

    # Once the new sound has died away, silence, where the old one would
    # still play at full level.
    debut = o_nouveau + secondes(0.6)

    def plafond(position):
        t_nouveau = (position - o_nouveau) / TAUX
        return SILENCE + g_nouveau * nouveau.niveau(t_nouveau, t_nouveau + 0.1)

    niveau, tenu = analyse.silence(debut, fin_ancien, plafond)
    attendu = ancien.niveau((debut - o_ancien) / TAUX, (fin_ancien - o_ancien) / TAUX) * g_ancien
    if not tenu:
        defauts.append(f"pas de silence après {nouveau.numero} (niveau {niveau:.4f}, "
                       f"{ancien.numero} aurait donné {attendu:.3f})")
    texte = (f"{ancien.numero} coupé à {((coupure or o_nouveau) - o_nouveau) / TAUX * 1000:+.0f} ms "
             f"du début de {nouveau.numero}, part restante max {reste:.3f}, ouverture de "
             f"{nouveau.numero} {ouverture:.3f} ; ensuite niveau max {niveau:.4f} "
             f"sur {(fin_ancien - debut) / TAUX:.2f} s où {ancien.numero} aurait donné {attendu:.3f}")
    return not defauts, texte, defauts


def verifier_silence_apres(analyse, k_long, k_bref):
    """A sound with nothing audible, played over a long one, stops it: the long
    one plays until about then, and silence follows until the end."""
    long_ = analyse.sons[analyse.jeux[k_long]["son"]]
    o_long = analyse.debuts[k_long]
    g_long = min(max(analyse.gains.get(k_long) or analyse.gain(k_long, 1.0), 0.1), 2.0)
    # The long sound's own start delay, not the first sound's, places the
    # moment the short one was played.
    prevu = o_long + secondes(analyse.jeux[k_bref]["avant"] - analyse.jeux[k_long]["avant"])
    fin = o_long + secondes(analyse.fin - analyse.jeux[k_long]["avant"]) - secondes(0.1)
    defauts = []

    # Where the long sound falls silent, 20 ms at a time.
    largeur = secondes(0.02)
    arret = None
    for position in range(fin - largeur, prevu - secondes(1.0), -largeur):
        if rms(morceau(analyse.rec, position, largeur)) > SILENCE:
            arret = position + largeur
            break
    if arret is None:
        defauts.append(f"{long_.numero} muet dans la seconde avant {analyse.jeux[k_bref]['son']}")
        arret = prevu
    elif abs(arret - prevu) > secondes(0.3):
        defauts.append(f"{long_.numero} s'arrête à {(arret - prevu) / TAUX * 1000:+.0f} ms "
                       f"du jeu de {analyse.jeux[k_bref]['son']}")

    niveau, tenu = analyse.silence(arret, fin, lambda _: SILENCE)
    attendu = g_long * long_.niveau((arret - o_long) / TAUX, (fin - o_long) / TAUX)
    if fin - arret < secondes(1.5):
        defauts.append(f"silence de {max(0, fin - arret) / TAUX:.2f} s seulement avant la fin")
    elif not tenu:
        defauts.append(f"le silence ne tient pas jusqu'à la fin (niveau {niveau:.4f})")
    texte = (f"{long_.numero} s'arrête à {(arret - prevu) / TAUX * 1000:+.0f} ms du jeu de "
             f"{analyse.jeux[k_bref]['son']}, puis niveau max {niveau:.4f} sur "
             f"{(fin - arret) / TAUX:.2f} s où {long_.numero} aurait donné {attendu:.3f}")
    return not defauts, texte, defauts


def verifier_sans_attente(analyse):
    """Jouer hands the sound over and returns: waiting for the end would
    hold the game for seconds."""
    durees = [(j["apres"] - j["avant"], j["son"]) for j in analyse.jeux]
    pire, son = max(durees)
    defauts = [f"Jouer({j['son']}) a pris {(j['apres'] - j['avant']) * 1000:.0f} ms"
               for j in analyse.jeux if j["apres"] - j["avant"] > ATTENTE_MAX]
    return not defauts, f"Jouer a pris au plus {pire * 1000:.0f} ms (son {son})", defauts


def ecrire_wave(chemin, valeurs):
    with wave.open(chemin, "wb") as fichier:
        fichier.setnchannels(1)
        fichier.setsampwidth(2)
        fichier.setframerate(TAUX)
        fichier.writeframes(array.array(
            "h", (max(-32768, min(32767, int(v * 32768))) for v in valeurs)).tobytes())


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    joue_sons, dossier_sons = sys.argv[1], sys.argv[2]
    for signe in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(signe, _interrompu)

    # (name, check, arguments: indexes into SCRIPT, then for a play the
    # seconds compared and whether silence must follow the file's end)
    cas = (
        ("4 sort, premières 0,5 s", verifier_lecture, (0, 0.5, False)),
        ("4 en entier puis silence", verifier_lecture, (2, 99.0, True)),
        ("7 en entier puis silence", verifier_lecture, (3, 99.0, True)),
        ("8 sur 2 s", verifier_lecture, (4, 2.0, False)),
        ("9 joué pendant 4 le coupe", verifier_coupure, (0, 1)),
        ("11 joué pendant 8 laisse le silence", verifier_silence_apres, (4, 5)),
        ("Jouer rend la main sans attendre", verifier_sans_attente, ()),
    )
    dossier = tempfile.mkdtemp(prefix="sonreel-")
    processus = Processus()
    reussis, echoues = 0, 0
    garder = False
    try:
        sons = {numero: Son(dossier_sons, numero, 3.0 if numero == 8 else None)
                for numero in {son for son, _ in SCRIPT}}
        enregistrement, jeux, fin = enregistrer(joue_sons, dossier, processus)
        processus.tout_arreter()
        ecrire_wave(os.path.join(dossier, "enregistrement.wav"), enregistrement)
        analyse = Analyse(enregistrement, jeux, fin, sons)
        for k, jeu in enumerate(jeux):
            if k in analyse.debuts:
                retard = (analyse.debuts[k] - analyse.indice(jeu["avant"])) / TAUX * 1000
                print(f"  son {jeu['son']} trouvé à {analyse.debuts[k] / TAUX:.3f} s de "
                      f"l'enregistrement ({retard:+.0f} ms / premier son), "
                      f"corrélation {analyse.pics[k]:.3f}")
        for nom, verification, arguments in cas:
            ok, texte, defauts = verification(analyse, *arguments)
            print(f"{'ok   ' if ok else 'ÉCHEC'} {nom} : {texte}")
            for defaut in defauts[:6]:
                print(f"        - {defaut}")
            if len(defauts) > 6:
                print(f"        - … et {len(defauts) - 6} autres")
            reussis += ok
            echoues += not ok
    except Echec as erreur:
        print(f"ÉCHEC : {erreur}")
        echoues = len(cas) - reussis
    except Exception:  # a fault of this script still ends in a verdict
        traceback.print_exc()
        echoues = len(cas) - reussis
    finally:
        processus.tout_arreter()
        garder = echoues > 0
        if garder:
            print(f"Enregistrement et journal du serveur gardés dans {dossier}")
        else:
            shutil.rmtree(dossier, ignore_errors=True)
    print(f"{reussis} passed, {echoues} failed")
    return 1 if echoues else 0


if __name__ == "__main__":
    sys.exit(main())
