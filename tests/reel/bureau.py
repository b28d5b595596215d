"""A private desktop for the real-window tests.

One `Seance` a script: a throw-away folder, a session bus and the
accessibility bus. Each `Ecran` inside it is an Xvfb display with openbox;
each `Programme` a copy of the game in its own program folder. Everything
started here runs in its own process group and is ended on the way out,
failure or not.

Nothing waits for a fixed time: `attendre` polls a condition until a
deadline, so a loaded machine only makes the tests slower.
"""

import ctypes
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

DELAI = 20.0  # seconds allowed for anything the program is waiting for
PAS = 0.08  # polling period

TITRE = "Vocadix 2.1"


class Echec(Exception):
    """A check that did not hold; the message says what was expected."""


class TempsEcoule(BaseException):
    """The script's own deadline: no `except Exception` on the way may swallow it."""


def attendre(condition, quoi, delai=DELAI, pas=PAS):
    """Returns the first true value of condition(), polled until the deadline."""
    fin = time.monotonic() + delai
    while True:
        valeur = condition()
        if valeur:
            return valeur
        if time.monotonic() > fin:
            raise Echec(f"waited {delai:.0f} s in vain for {quoi}")
        time.sleep(pas)


def verifier(condition, message):
    if not condition:
        raise Echec(message)


# ---------------------------------------------------------------- processes

_libc = ctypes.CDLL(None, use_errno=True)
_PR_SET_PDEATHSIG = 1


def _lier_au_parent():
    # Should this script be killed outright, its children follow it. A polite
    # signal: Xvfb then removes its lock, the bus launcher ends its own bus.
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGTERM)


def _etat(pid):
    """The process state letter from /proc, or None when it is gone."""
    try:
        with open(f"/proc/{pid}/stat", "rb") as f:
            return f.read().rsplit(b")", 1)[1].split()[0].decode()
    except (OSError, IndexError):
        return None


def _vivant(pid):
    return _etat(pid) not in (None, "Z", "X")


def _session(pid):
    try:
        with open(f"/proc/{pid}/stat", "rb") as f:
            return int(f.read().rsplit(b")", 1)[1].split()[4])
    except (OSError, IndexError, ValueError):
        return None


def _signaler_groupe(pgid, sig):
    try:
        os.killpg(pgid, sig)
    except (ProcessLookupError, PermissionError):
        pass


class _Processus:
    """Every process this module started, ended together."""

    def __init__(self):
        self.liste = []
        self._arretes = set()

    def lancer(self, argv, env, journal, **options):
        with open(journal, "ab") as sortie:
            p = subprocess.Popen(
                argv, env=env, stdin=subprocess.DEVNULL, stdout=sortie,
                stderr=subprocess.STDOUT, start_new_session=True,
                preexec_fn=_lier_au_parent, **options)
        self.liste.append(p)
        return p

    def arreter(self, processus):
        """Ends one process group: politely, then by force."""
        _signaler_groupe(processus.pid, signal.SIGTERM)
        try:
            processus.wait(timeout=5)
        except subprocess.TimeoutExpired:
            pass
        _signaler_groupe(processus.pid, signal.SIGKILL)
        try:
            processus.wait(timeout=5)
        except subprocess.TimeoutExpired:
            pass
        self._arretes.add(processus.pid)

    def tout_arreter(self):
        for p in reversed(self.liste):
            if p.pid not in self._arretes:
                self.arreter(p)
        # Helpers started on demand (the accessibility registry) may have
        # left their group but not the session they were born in.
        sessions = {p.pid for p in self.liste}
        for nom in os.listdir("/proc"):
            if nom.isdigit() and int(nom) != os.getpid() and _session(int(nom)) in sessions:
                if _vivant(int(nom)):
                    try:
                        os.kill(int(nom), signal.SIGKILL)
                    except ProcessLookupError:
                        pass
        self.liste.clear()


def _executer(argv, env, delai=10):
    return subprocess.run(argv, env=env, stdin=subprocess.DEVNULL, capture_output=True,
                          text=True, timeout=delai)


# ------------------------------------------------------------------ session

class Seance:
    """The throw-away folder, session bus and accessibility bus of one script."""

    def __init__(self, duree_max=150):
        self.duree_max = duree_max
        # For a developer: a screenshot after every case, and the files kept.
        self.captures = bool(os.environ.get("VOCADIX_REEL_CAPTURES"))
        self.dossier = tempfile.mkdtemp(prefix="vocadix-reel-")
        self.processus = _Processus()
        self._numero = 0
        self.echec = False
        self.ecrans, self.programmes = [], []
        self.env = self._environnement()

    def _environnement(self):
        # A clean environment: nothing of the caller's desktop leaks in.
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin")}
        for nom in ("run", "home", "tmp"):
            os.mkdir(os.path.join(self.dossier, nom), 0o700)
        pulse = os.path.join(self.dossier, "pulse-client.conf")
        with open(pulse, "w") as f:
            # No sound server here, and none to be spawned behind our back.
            f.write("autospawn = no\n")
        env.update(
            XDG_RUNTIME_DIR=os.path.join(self.dossier, "run"),
            HOME=os.path.join(self.dossier, "home"),
            TMPDIR=os.path.join(self.dossier, "tmp"),
            PULSE_CLIENTCONFIG=pulse,
            LANG="C.UTF-8",
            LC_ALL="C.UTF-8",
        )
        return env

    def chemin(self, nom):
        return os.path.join(self.dossier, nom)

    def __enter__(self):
        signal.signal(signal.SIGTERM, _sortir_sur_signal)
        # CTest's timeout kills outright: fail first, with diagnostics and cleanup.
        signal.signal(signal.SIGALRM, _trop_long)
        signal.alarm(self.duree_max)
        try:
            self._demarrer_bus()
        except BaseException:
            self.__exit__(*sys.exc_info())
            raise
        return self

    def __exit__(self, type_exc, exc, trace):
        signal.alarm(0)
        self.processus.tout_arreter()
        if type_exc is None and not self.echec and not self.captures:
            shutil.rmtree(self.dossier, ignore_errors=True)
        else:
            print(f"  (files kept in {self.dossier})", flush=True)
        return False

    def _demarrer_bus(self):
        adresse = self.chemin("bus-session")
        fd = os.open(adresse, os.O_WRONLY | os.O_CREAT, 0o600)
        try:
            bus = self.processus.lancer(
                ["dbus-daemon", "--session", "--nofork", f"--print-address={fd}"],
                self.env, self.chemin("dbus.log"), pass_fds=(fd,))
        finally:
            os.close(fd)

        def lue():
            verifier(bus.poll() is None, "the session bus stopped: " + _lire(self.chemin("dbus.log")))
            with open(adresse) as f:
                ligne = f.readline()
            return ligne.strip() if ligne.endswith("\n") else None

        self.env["DBUS_SESSION_BUS_ADDRESS"] = attendre(lue, "the session bus address")

        lanceur = self.processus.lancer(
            ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
            self.env, self.chemin("at-spi.log"))

        def adresse_a11y():
            verifier(lanceur.poll() is None,
                     "the accessibility bus launcher stopped: " + _lire(self.chemin("at-spi.log")))
            # Asking before the launcher owns the name would activate a second one.
            proprietaire = _executer(
                ["gdbus", "call", "--session", "--dest", "org.freedesktop.DBus",
                 "--object-path", "/org/freedesktop/DBus",
                 "--method", "org.freedesktop.DBus.NameHasOwner", "org.a11y.Bus"], self.env)
            if "true" not in proprietaire.stdout:
                return None
            r = _executer(["gdbus", "call", "--session", "--dest", "org.a11y.Bus",
                           "--object-path", "/org/a11y/bus",
                           "--method", "org.a11y.Bus.GetAddress"], self.env)
            m = re.match(r"\('(.+)',\)", r.stdout.strip())
            return m.group(1) if m else None

        # The program finds the accessibility bus through the session bus
        # (Qt 6.4 given AT_SPI_BUS_ADDRESS never shows up on it). This process
        # names it outright: the library keeps the first bus it finds.
        os.environ["AT_SPI_BUS_ADDRESS"] = attendre(adresse_a11y, "the accessibility bus address")
        for cle in ("DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR"):
            os.environ[cle] = self.env[cle]
        os.environ.pop("DISPLAY", None)

    def ecran(self, largeur, hauteur):
        ecran = Ecran(self, largeur, hauteur)
        self.ecrans.append(ecran)
        return ecran

    def diagnostiquer(self):
        """What a developer needs after a failure: screens, trees, program output."""
        self.echec = True
        for ecran in self.ecrans:
            if ecran.en_marche():
                print(f"  screen :{ecran.numero} saved as {ecran.garder_capture('echec')}")
        for programme in self.programmes:
            etat = "running" if programme.en_marche() else f"exit {programme.processus.returncode}"
            print(f"  program {programme.pid} ({etat}), output:")
            for ligne in programme.sortie().splitlines()[-15:]:
                print("    " + ligne)
            if programme.en_marche():
                try:
                    arbre = programme.arbre()
                except Exception as erreur:
                    arbre = None
                    print(f"    accessibility tree unreadable: {erreur}")
                if arbre is not None:
                    chemin = self.chemin(f"arbre-{programme.pid}.txt")
                    with open(chemin, "w") as f:
                        f.write("\n".join(arbre.decrire()) + "\n")
                    print(f"    accessibility tree saved as {chemin}")
        sys.stdout.flush()

    def dossier_programme(self, executable, base):
        """A fresh program folder holding a copy of the game and its database."""
        self._numero += 1
        dossier = self.chemin(f"programme{self._numero}")
        os.mkdir(dossier)
        shutil.copy2(executable, os.path.join(dossier, "vocadix"))
        shutil.copy2(base, os.path.join(dossier, "Vocadix.dat"))
        # The sound player's module, as the build folder has it.
        module = os.path.join(os.path.dirname(executable), "vocadix_son.so")
        if os.path.isfile(module):
            shutil.copy2(module, dossier)
        return dossier


def _sortir_sur_signal(numero, _trame):
    # Whoever stops the run still gets every process ended.
    raise SystemExit(f"stopped by signal {numero}")


def _trop_long(_numero, _trame):
    raise TempsEcoule()


def _lire(chemin, fin=4000):
    try:
        with open(chemin, "rb") as f:
            return f.read().decode("utf-8", "replace")[-fin:]
    except OSError:
        return ""


# ------------------------------------------------------------------- screen

def _affichage_libre():
    for n in range(70, 100):
        verrou = f"/tmp/.X{n}-lock"
        if os.path.exists(f"/tmp/.X11-unix/X{n}") and not os.path.exists(verrou):
            continue
        try:
            with open(verrou) as f:
                pid = int(f.read().strip())
        except FileNotFoundError:
            yield n
            continue
        except (OSError, ValueError):
            continue
        if not _vivant(pid):
            yield n  # Xvfb itself clears a stale lock


class Ecran:
    """An Xvfb display of the given size, managed by openbox."""

    def __init__(self, seance, largeur, hauteur):
        self.seance = seance
        self.largeur, self.hauteur = largeur, hauteur
        self.numero = None
        self._demarrer_xvfb()
        self.env = dict(seance.env, DISPLAY=f":{self.numero}")
        self._demarrer_openbox()
        self._captures = 0

    def en_marche(self):
        return self._xvfb.poll() is None

    def arreter(self):
        """Ends the programs on this screen, openbox, then the server."""
        for programme in self.seance.programmes:
            if programme.ecran is self:
                self.seance.processus.arreter(programme.processus)
        self.seance.processus.arreter(self._openbox)
        self.seance.processus.arreter(self._xvfb)

    def _demarrer_xvfb(self):
        journal = self.seance.chemin("xvfb.log")
        for n in _affichage_libre():
            lecture, ecriture = os.pipe()
            try:
                xvfb = self.seance.processus.lancer(
                    ["Xvfb", f":{n}", "-screen", "0", f"{self.largeur}x{self.hauteur}x24",
                     "-nolisten", "tcp", "-noreset", "-displayfd", str(ecriture)],
                    self.seance.env, journal, pass_fds=(ecriture,))
            finally:
                os.close(ecriture)
            # The display number comes through the pipe once the server
            # accepts clients; an early end of the pipe means it gave up.
            recu = b""
            fin = time.monotonic() + DELAI
            os.set_blocking(lecture, False)
            while not recu.endswith(b"\n") and time.monotonic() < fin:
                try:
                    morceau = os.read(lecture, 16)
                except BlockingIOError:
                    time.sleep(PAS)
                    continue
                if not morceau:
                    break
                recu += morceau
            os.close(lecture)
            if recu.strip() == str(n).encode():
                self.numero, self._xvfb = n, xvfb
                return
            self.seance.processus.arreter(xvfb)
        raise Echec("no free display between :70 and :99 for Xvfb: " + _lire(journal))

    def _demarrer_openbox(self):
        openbox = self._openbox = self.seance.processus.lancer(
            ["openbox", "--sm-disable"], self.env, self.seance.chemin("openbox.log"))

        def pret():
            verifier(openbox.poll() is None,
                     "openbox stopped: " + _lire(self.seance.chemin("openbox.log")))
            r = _executer(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], self.env)
            return "window id" in r.stdout

        attendre(pret, "openbox to manage the display")

    # -- input, as a person at the keyboard and mouse

    def xdotool(self, *arguments):
        r = _executer(["xdotool", *map(str, arguments)], self.env)
        verifier(r.returncode == 0, f"xdotool {' '.join(map(str, arguments))}: {r.stderr.strip()}")
        return r.stdout

    # No --sync on moves: it waits forever when the pointer is already there,
    # and the server applies fake input in order anyway.
    def cliquer(self, x, y):
        self.xdotool("mousemove", x, y, "click", 1)

    def double_cliquer(self, x, y):
        self.xdotool("mousemove", x, y, "click", "--repeat", 2, "--delay", 80, 1)

    def glisser(self, depart, arrivee, etapes=8):
        """Press, move in steps, release: the way a hand drags."""
        (x0, y0), (x1, y1) = depart, arrivee
        # One xdotool for the whole gesture: on a loaded machine a process a
        # step would stretch it. The pauses only give the drag loop motion to
        # follow; the caller waits for the result itself.
        geste = ["mousemove", x0, y0, "mousedown", 1]
        for i in range(1, etapes + 1):
            geste += ["sleep", 0.03, "mousemove", round(x0 + (x1 - x0) * i / etapes),
                      round(y0 + (y1 - y0) * i / etapes)]
        self.xdotool(*geste, "sleep", 0.1, "mouseup", 1)

    def touche(self, nom):
        self.xdotool("key", nom)

    # -- windows

    def fenetres(self, pid):
        """Visible top-level windows of a process, as {id: title}."""
        def liste():
            r = _executer(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid),
                           "--name", ""], self.env)
            # Status 1 with nothing said is "none found". xdotool walks the
            # whole tree and gives up (BadWindow) when any window, of any
            # program, goes away meanwhile: then it is asked again.
            return r if r.returncode in (0, 1) and not r.stderr.strip() else None

        r = attendre(liste, "a complete list of windows from xdotool")
        fenetres = {}
        for ligne in r.stdout.split():
            nom = _executer(["xdotool", "getwindowname", ligne], self.env)
            if nom.returncode == 0:
                fenetres[int(ligne)] = nom.stdout.rstrip("\n")
        return fenetres

    def visible(self, fenetre):
        """Whether one window is shown, asked of that window alone."""
        r = _executer(["xwininfo", "-id", str(fenetre)], self.env)
        return r.returncode == 0 and "Map State: IsViewable" in r.stdout

    def geometrie(self, fenetre):
        """Where a window's inside stands on the screen: (x, y, width, height)."""
        r = _executer(["xwininfo", "-id", str(fenetre)], self.env)
        verifier(r.returncode == 0, f"xwininfo {fenetre:#x}: {r.stderr.strip()}")
        valeurs = {}
        for ligne in r.stdout.splitlines():
            cle, _, valeur = ligne.strip().partition(":")
            valeurs[cle] = valeur.strip()
        return tuple(int(valeurs[c]) for c in ("Absolute upper-left X", "Absolute upper-left Y",
                                               "Width", "Height"))

    def dialogue(self, fenetre):
        r = _executer(["xprop", "-id", str(fenetre), "_NET_WM_WINDOW_TYPE"], self.env)
        return "_NET_WM_WINDOW_TYPE_DIALOG" in r.stdout

    def fenetre_active(self):
        r = _executer(["xdotool", "getactivewindow"], self.env)
        return int(r.stdout) if r.returncode == 0 and r.stdout.strip() else None

    def activer(self, fenetre):
        """Brings a window to the front and waits until it has the focus."""
        def active():
            if self.fenetre_active() == fenetre:
                return True
            _executer(["xdotool", "windowactivate", str(fenetre)], self.env)
            return False
        attendre(active, f"window {fenetre:#x} to take the focus")

    # -- the other eye

    def capture(self):
        """The screen as it is now."""
        brut = self.seance.chemin("ecran.rgb")
        r = _executer(["import", "-display", self.env["DISPLAY"], "-window", "root",
                       "-depth", "8", f"rgb:{brut}"], self.env, delai=30)
        verifier(r.returncode == 0, "screenshot failed: " + r.stderr)
        with open(brut, "rb") as f:
            return Capture(f.read(), self.largeur, self.hauteur)

    def garder_capture(self, nom):
        """Saves the screen as a PNG among the kept files; returns its path."""
        self._captures += 1
        chemin = self.seance.chemin(f"ecran{self.numero}-{self._captures:02d}-{nom}.png")
        _executer(["import", "-display", self.env["DISPLAY"], "-window", "root", chemin],
                  self.env, delai=30)
        return chemin


class Capture:
    def __init__(self, octets, largeur, hauteur):
        verifier(len(octets) == largeur * hauteur * 3,
                 f"screenshot of {len(octets)} bytes for a {largeur}x{hauteur} screen")
        self.octets, self.largeur = octets, largeur

    def pixel(self, x, y):
        i = (y * self.largeur + x) * 3
        return tuple(self.octets[i:i + 3])


# ------------------------------------------------------------------ program

class Programme:
    """One copy of the game running on an Ecran."""

    def __init__(self, ecran, dossier, nom="vocadix"):
        self.ecran = ecran
        self.dossier = dossier
        self.journal = ecran.seance.chemin(f"{nom}-{len(ecran.seance.programmes) + 1}.log")
        env = dict(ecran.env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.processus = ecran.seance.processus.lancer(
            [os.path.join(dossier, "vocadix")], env, self.journal, cwd=ecran.seance.dossier)
        self.pid = self.processus.pid
        self.principale = None
        ecran.seance.programmes.append(self)

    def en_marche(self):
        return self.processus.poll() is None

    def attendre_fin(self, delai=DELAI):
        def finie():
            return self.processus.poll() is not None
        attendre(finie, f"program {self.pid} to exit")
        return self.processus.returncode

    def sortie(self):
        return _lire(self.journal)

    def application(self):
        """The program's root in the accessibility tree, once it is there."""
        import pyatspi
        bureau = pyatspi.Registry.getDesktop(0)
        # No main loop runs here to apply the bus's change signals to the
        # library's cache: it is dropped before every read instead.
        bureau.clear_cache()
        for i in range(bureau.childCount):
            try:
                app = bureau.getChildAtIndex(i)
                if app is not None and app.get_process_id() == self.pid:
                    return app
            except Exception:
                continue
        return None

    def arbre(self):
        """A fresh snapshot of the program's accessibility tree (None before it exists)."""
        app = self.application()
        if app is None:
            return None
        return Noeud.lire(app)

    def attendre_arbre(self, condition, quoi, delai=DELAI):
        """Polls snapshots of the tree until condition(snapshot) gives a value."""
        def essai():
            racine = self.arbre()
            return condition(racine) if racine is not None else None
        try:
            return attendre(essai, quoi, delai)
        except Echec as echec:
            # An unexpected box (the countdown ran out, a database error) is
            # the likeliest reason: say so.
            racine = self.arbre()
            alerte = racine.trouver(role="alert") if racine is not None else None
            if alerte is None:
                raise
            raise Echec(f"{echec}; a message box is open: {alerte.nom!r}") from None

    def fenetre_principale(self):
        """The X id of the main window, once it is shown."""
        def trouvee():
            for fenetre, titre in self.ecran.fenetres(self.pid).items():
                if titre == TITRE and self._est_principale(fenetre):
                    return fenetre
            return None
        self.principale = attendre(trouvee, f'the main window "{TITRE}" of program {self.pid}')
        return self.principale

    def attendre_boite(self, quoi, delai=DELAI):
        """The message box the program shows, as (X window, title, text)."""
        def montree():
            racine = self.arbre()
            alerte = racine.trouver(role="alert") if racine is not None else None
            if alerte is None:
                return None
            texte = next((n.nom for n in alerte.tous() if n.role == "label" and n.nom), None)
            # Tooltips are windows of the program too; boxes are dialogs.
            fenetres = {f: t for f, t in self.ecran.fenetres(self.pid).items()
                        if f != self.principale and self.ecran.dialogue(f)}
            if texte is None or len(fenetres) != 1:
                return None
            (fenetre, titre), = fenetres.items()
            return fenetre, titre, texte
        return attendre(montree, quoi, delai)

    def fermer_boite(self, fenetre):
        """Closes a message box with Return, as the player would."""
        self.ecran.activer(fenetre)
        self.ecran.touche("Return")

        def fermee():
            racine = self.arbre()
            return racine is None or racine.trouver(role="alert") is None
        attendre(fermee, "the message box to close")

    def maximisee(self, fenetre):
        r = _executer(["xprop", "-id", str(fenetre), "_NET_WM_STATE"], self.ecran.env)
        return "_NET_WM_STATE_MAXIMIZED_VERT" in r.stdout and \
            "_NET_WM_STATE_MAXIMIZED_HORZ" in r.stdout

    def _est_principale(self, fenetre):
        # Message boxes are transient for their owner; the main window is not.
        r = _executer(["xprop", "-id", str(fenetre), "WM_TRANSIENT_FOR"], self.ecran.env)
        return "window id" not in r.stdout


class Noeud:
    """A plain copy of one accessible object and its descendants.

    Read in one go, so that a check sees one consistent state and never a
    value left in the library's cache from before the last event.
    """

    def __init__(self, role, nom, actif, montre, etendue, enfants, description=""):
        self.role, self.nom, self.actif, self.montre = role, nom, actif, montre
        self.etendue, self.enfants, self.description = etendue, enfants, description

    @staticmethod
    def lire(accessible):
        import pyatspi
        accessible.clear_cache()
        return Noeud._lire(accessible, pyatspi, racine=True)

    @staticmethod
    def _lire(a, pyatspi, racine=False):
        try:
            etat = a.getState()
            montre = etat.contains(pyatspi.STATE_SHOWING)
            etendue, enfants = (0, 0, 0, 0), []
            # What is hidden holds nothing shown: its inside is not read.
            if montre or racine:
                try:
                    e = a.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                    etendue = (e.x, e.y, e.width, e.height)
                except NotImplementedError:
                    pass
                enfants = [a.getChildAtIndex(i) for i in range(a.childCount)]
            return Noeud(a.getRoleName(), a.name or "", etat.contains(pyatspi.STATE_ENABLED),
                         montre, etendue,
                         [Noeud._lire(c, pyatspi) for c in enfants if c is not None],
                         a.description or "")
        except Exception as erreur:
            # The object went away while it was read.
            return Noeud("?", f"<{erreur}>", False, False, (0, 0, 0, 0), [])

    def tous(self):
        yield self
        for enfant in self.enfants:
            yield from enfant.tous()

    def trouver(self, role=None, nom=None, montre=True):
        for n in self.tous():
            if (role is None or n.role == role) and (nom is None or n.nom == nom) \
                    and (not montre or n.montre):
                return n
        return None

    def centre(self):
        x, y, l, h = self.etendue
        return x + l // 2, y + h // 2

    def __repr__(self):
        return f"<{self.role} {self.nom!r} {self.etendue}{'' if self.actif else ' disabled'}>"

    def decrire(self, profondeur=0):
        lignes = ["  " * profondeur + repr(self)]
        for enfant in self.enfants:
            lignes += enfant.decrire(profondeur + 1)
        return lignes


# ------------------------------------------------------------------ running

class Essais:
    """Runs named checks in order; after a failure the rest are skipped,
    since each builds on the state the previous ones left."""

    def __init__(self, seance):
        self.seance = seance
        self.reussis = self.rates = self.sautes = 0
        self.arret = False
        self.hors_delai = False

    def nouvelle_suite(self):
        """The cases that follow do not build on the ones before."""
        self.arret = self.hors_delai

    def cas(self, nom, fonction, *arguments):
        if self.arret:
            print(f"SKIP {nom}", flush=True)
            self.sautes += 1
            return None
        debut = time.monotonic()
        try:
            resultat = fonction(*arguments)
        except Echec as erreur:
            self._rate(nom, str(erreur))
            return None
        except TempsEcoule:
            self.hors_delai = True
            self._rate(nom, f"the script ran past its {self.seance.duree_max} s")
            return None
        except Exception as erreur:  # a broken helper is a failure too, not a crash
            self._rate(nom, f"{type(erreur).__name__}: {erreur}")
            return None
        print(f"PASS {nom} ({time.monotonic() - debut:.1f} s)", flush=True)
        if self.seance.captures:
            for ecran in self.seance.ecrans:
                if ecran.en_marche():
                    print(f"  screen :{ecran.numero} saved as {ecran.garder_capture('cas')}")
        self.reussis += 1
        return resultat

    def _rate(self, nom, message):
        print(f"FAIL {nom}: {message}", flush=True)
        self.rates += 1
        self.arret = True
        try:
            self.seance.diagnostiquer()
        except Exception as erreur:
            print(f"  (diagnostics failed: {erreur})")

    def conclure(self):
        ligne = f"{self.reussis} passed, {self.rates} failed"
        if self.sautes:
            ligne += f", {self.sautes} skipped"
        print(ligne, flush=True)
        return 0 if self.rates == 0 and self.sautes == 0 else 1


def arguments():
    """The executable and database given on the command line."""
    if len(sys.argv) != 3:
        sys.exit(f"usage: {sys.argv[0]} VOCADIX VOCADIX.DAT")
    executable, base = map(os.path.abspath, sys.argv[1:])
    for chemin in (executable, base):
        if not os.path.isfile(chemin):
            sys.exit(f"missing: {chemin}")
    return executable, base


def executer(principal):
    """Runs a script's main; a desktop that cannot be set up fails plainly."""
    try:
        return principal()
    except Echec as echec:
        print(f"FAIL setting up the desktop: {echec}", flush=True)
        return 1
