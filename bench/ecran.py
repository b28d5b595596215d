"""What both window benchmarks share: a private X display with a window
manager, throw-away program folders, and programs whose stderr moments
("vocadix-mesure <moment> <ms>") are read as they come.

Every process started here is in its own session and is ended by its process
group when the benchmark ends, normally or not."""

import os
import queue
import shutil
import signal
import subprocess
import tempfile
import threading
import time

LARGEUR, HAUTEUR = 1024, 768


class Echec(Exception):
    pass


def finir(processus, delai=3.0):
    """Ends a process started here and everything it started."""
    for sig in (signal.SIGTERM, signal.SIGKILL):
        if processus.poll() is not None:
            break
        try:
            os.killpg(processus.pid, sig)
        except ProcessLookupError:
            break
        try:
            processus.wait(delai)
        except subprocess.TimeoutExpired:
            pass
    # What the leader left behind in its group goes with it.
    try:
        os.killpg(processus.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass


def _interrompre(signum, _cadre):
    raise KeyboardInterrupt(f"signal {signum}")


def proteger_signaux():
    """SIGTERM and SIGHUP unwind like Ctrl-C, so the finally blocks end
    the processes."""
    for sig in (signal.SIGTERM, signal.SIGHUP):
        signal.signal(sig, _interrompre)


class Ecran:
    """Xvfb on the first free display (-displayfd picks it) with openbox."""

    def __init__(self):
        self.processus = []
        self.affichage = None

    def __enter__(self):
        lecture, ecriture = os.pipe()
        try:
            xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(ecriture), "-screen", "0",
                 f"{LARGEUR}x{HAUTEUR}x24", "-nolisten", "tcp"],
                pass_fds=(ecriture,), stdout=subprocess.DEVNULL,
                stderr=subprocess.DEVNULL, start_new_session=True)
            self.processus.append(xvfb)
            os.close(ecriture)
            ecriture = None
            with os.fdopen(lecture, "rb") as tube:
                lecture = None
                numero = tube.readline().strip()
            if not numero:
                raise Echec("Xvfb n'a pas démarré")
            self.affichage = ":" + numero.decode()
            self.processus.append(subprocess.Popen(
                ["openbox"], env=self.environnement(),
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                start_new_session=True))
            self._attendre_gestionnaire()
            return self
        except BaseException:
            self.__exit__(None, None, None)
            raise
        finally:
            for fd in (lecture, ecriture):
                if fd is not None:
                    os.close(fd)

    def __exit__(self, *_):
        for processus in reversed(self.processus):
            finir(processus)
        self.processus.clear()

    def environnement(self, **ajouts):
        env = dict(os.environ)
        env.pop("WAYLAND_DISPLAY", None)
        env.update(DISPLAY=self.affichage, QT_QPA_PLATFORM="xcb", **ajouts)
        return env

    def _attendre_gestionnaire(self, delai=20.0):
        # openbox announces itself on the root window once it manages it.
        fin = time.monotonic() + delai
        while time.monotonic() < fin:
            sortie = subprocess.run(
                ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                env=self.environnement(), capture_output=True, text=True)
            if "window id" in sortie.stdout:
                return
            time.sleep(0.1)
        raise Echec("openbox ne gère pas l'écran")

    def xdotool(self, *arguments):
        subprocess.run(["xdotool", *arguments], env=self.environnement(),
                       check=True, stdout=subprocess.DEVNULL)

    def cliquer(self, x, y):
        self.xdotool("mousemove", str(x), str(y), "click", "1")

    def attendre_fenetre(self, titre, delai=30.0):
        """Waits until a visible window named `titre` covers the screen's
        width (shown and maximised by openbox): clicks land where expected."""
        fin = time.monotonic() + delai
        while time.monotonic() < fin:
            ids = subprocess.run(
                ["xdotool", "search", "--onlyvisible", "--name", f"^{titre}$"],
                env=self.environnement(), capture_output=True, text=True).stdout.split()
            for fenetre in ids:
                geometrie = subprocess.run(
                    ["xdotool", "getwindowgeometry", fenetre],
                    env=self.environnement(), capture_output=True, text=True).stdout
                for ligne in geometrie.splitlines():
                    if "Geometry:" in ligne:
                        largeur = int(ligne.split()[-1].split("x")[0])
                        if largeur >= LARGEUR * 0.9:
                            return fenetre
            time.sleep(0.1)
        raise Echec(f"pas de fenêtre « {titre} » agrandie en {delai:.0f} s")

    def capturer(self, fichier):
        subprocess.run(["import", "-window", "root", fichier],
                       env=self.environnement(), check=True)


class Installation:
    """The game installed by `cmake --install` into a throw-away prefix, and a
    player's home for it: the installed layout a packaged game starts in."""

    def __init__(self, construction):
        self.racine = tempfile.mkdtemp(prefix="vocadix-bench-installe-")
        prefixe = os.path.join(self.racine, "usr")
        r = subprocess.run(["cmake", "--install", construction, "--prefix", prefixe],
                           capture_output=True, text=True)
        if r.returncode != 0:
            shutil.rmtree(self.racine, ignore_errors=True)
            raise Echec(f"cmake --install : {r.stderr.strip()}")
        self.executable = os.path.join(prefixe, "bin", "vocadix")
        home = os.path.join(self.racine, "home")
        os.makedirs(os.path.join(home, "run"), mode=0o700)
        self.env = {"HOME": home, "XDG_RUNTIME_DIR": os.path.join(home, "run"),
                    "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
                    "XDG_CONFIG_HOME": os.path.join(home, ".config")}

    def programme(self):
        return (self.executable, [], True, self.env)

    def __enter__(self):
        return self

    def __exit__(self, *_):
        shutil.rmtree(self.racine, ignore_errors=True)


def annexes_du_jeu(construction):
    """The files a copy of the game takes beside its executable: its
    database, and its sound module where the build has one."""
    bin_ = os.path.join(construction, "bin")
    annexes = [os.path.join(bin_, "Vocadix.dat")]
    module = os.path.join(bin_, "vocadix_son.so")
    if os.path.isfile(module):
        annexes.append(module)
    return annexes


class Programme:
    """One run of an executable copied, with the files it needs, into a
    throw-away folder (the game refuses a second start from one folder);
    or, with `en_place`, of an installed executable where it lies, with the
    environment `env` adds (the player's home)."""

    def __init__(self, ecran, executable, annexes=(), en_place=False, env=None):
        self.ecran = ecran
        self.env = env or {}
        self.dossier = tempfile.mkdtemp(prefix="vocadix-bench-")
        if en_place:
            self.chemin = executable
        else:
            for fichier in (executable, *annexes):
                shutil.copy2(fichier, self.dossier)
            self.chemin = os.path.join(self.dossier, os.path.basename(executable))
        self.processus = None
        self.moments = queue.Queue()
        self.autres_lignes = []

    def demarrer(self):
        """Starts the program; returns time.monotonic() just before exec."""
        env = self.ecran.environnement(**self.env)
        avant = time.monotonic()
        self.processus = subprocess.Popen(
            [self.chemin], cwd=self.dossier, env=env, stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
            start_new_session=True)
        self._lecteur = threading.Thread(target=self._lire, daemon=True)
        self._lecteur.start()
        return avant

    def _lire(self):
        for ligne in self.processus.stderr:
            mots = ligne.decode(errors="replace").split()
            if len(mots) == 3 and mots[0] == "vocadix-mesure":
                self.moments.put((mots[1], float(mots[2]) / 1000.0))
            else:
                self.autres_lignes.append(ligne.decode(errors="replace").rstrip())
        self.moments.put((None, None))

    def attendre(self, moment, delai):
        """Seconds on the monotonic clock at which the program printed
        `moment`; the moments printed before it are passed over."""
        fin = time.monotonic() + delai
        while True:
            reste = fin - time.monotonic()
            if reste <= 0:
                raise Echec(f"pas de « {moment} » en {delai:.0f} s")
            try:
                nom, instant = self.moments.get(timeout=reste)
            except queue.Empty:
                continue
            if nom is None:
                self.moments.put((None, None))  # for any later wait
                raise Echec(f"le programme s'est arrêté avant « {moment} » : "
                            + " | ".join(self.autres_lignes[-5:]))
            if nom == moment:
                return instant

    def __enter__(self):
        return self

    def __exit__(self, *_):
        if self.processus is not None:
            finir(self.processus)
            self._lecteur.join(5)
        shutil.rmtree(self.dossier, ignore_errors=True)
