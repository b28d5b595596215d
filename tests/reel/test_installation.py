#!/usr/bin/python3
"""The game installed as a player gets it: installed into a prefix that is
then made read-only, its desktop files validated, and started under Xvfb as
an unprivileged user with a home of his own. A game is played to its end and
its score recorded; after a restart the score is still there, in the
player's data folder, and the installed files are byte for byte unchanged.

Usage: test_installation.py BUILD_FOLDER KEY
"""

import glob
import hashlib
import os
import pwd
import shutil
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import bureau  # noqa: E402
from bureau import TITRE, attendre, verifier  # noqa: E402

ID = "org.zari.Vocadix"
JOUEUR = "nobody"


def empreintes(racine):
    """Every installed file and its SHA-256."""
    vues = {}
    for dossier, _, fichiers in os.walk(racine):
        for nom in fichiers:
            chemin = os.path.join(dossier, nom)
            with open(chemin, "rb") as f:
                vues[os.path.relpath(chemin, racine)] = hashlib.sha256(f.read()).hexdigest()
    return vues


class Installation:
    def __init__(self, seance, construction, cle):
        self.seance, self.construction, self.cle = seance, construction, cle
        # Outside the session's own folder, which the player could not enter.
        self.racine = tempfile.mkdtemp(prefix="vocadix-installe-")
        os.chmod(self.racine, 0o755)
        self.prefixe = os.path.join(self.racine, "usr")
        self.home = os.path.join(self.racine, "home")
        self.avant = None
        self.ecran = None
        self.lancements = 0
        compte = pwd.getpwnam(JOUEUR)
        self.uid, self.gid = compte.pw_uid, compte.pw_gid

    def installer(self):
        r = subprocess.run(["cmake", "--install", self.construction, "--prefix", self.prefixe],
                           capture_output=True, text=True, timeout=120)
        verifier(r.returncode == 0, f"cmake --install failed:\n{r.stdout}{r.stderr}")
        for attendu in ("bin/vocadix", "share/vocadix/Vocadix.dat", "share/vocadix/Vocadix.hlp",
                        f"share/applications/{ID}.desktop", f"share/metainfo/{ID}.metainfo.xml",
                        f"share/icons/hicolor/scalable/apps/{ID}.svg",
                        f"share/icons/hicolor/48x48/apps/{ID}.png", "share/man/man6/vocadix.6.gz"):
            verifier(os.path.isfile(os.path.join(self.prefixe, attendu)), f"{attendu} not installed")
        # The sound player's module, in the game's own folder of libraries.
        verifier(glob.glob(os.path.join(self.prefixe, "lib", "*", "vocadix", "vocadix_son.so")),
                 "lib/<multiarch>/vocadix/vocadix_son.so not installed")
        # Read-only for everyone but root, who is not the player.
        for dossier, sous, fichiers in os.walk(self.prefixe):
            for nom in sous + fichiers:
                chemin = os.path.join(dossier, nom)
                os.chmod(chemin, os.stat(chemin).st_mode & 0o555)
        os.chmod(self.prefixe, 0o555)
        self.avant = empreintes(self.prefixe)

    def valider(self):
        for commande in (["desktop-file-validate",
                          os.path.join(self.prefixe, "share/applications", f"{ID}.desktop")],
                         ["appstreamcli", "validate", "--no-net",
                          os.path.join(self.prefixe, "share/metainfo", f"{ID}.metainfo.xml")]):
            r = subprocess.run(commande, capture_output=True, text=True, timeout=60)
            verifier(r.returncode == 0, f"{commande[0]} failed:\n{r.stdout}{r.stderr}")

    def demarrer(self):
        """The desktop entry's command, as the player, in his own home."""
        with open(os.path.join(self.prefixe, "share/applications", f"{ID}.desktop")) as f:
            commande = next(l.split("=", 1)[1].strip() for l in f if l.startswith("Exec="))
        if not os.path.isdir(self.home):
            os.mkdir(self.home, 0o700)
            os.mkdir(os.path.join(self.home, "run"), 0o700)
            for chemin in (self.home, os.path.join(self.home, "run")):
                os.chown(chemin, self.uid, self.gid)
        if self.ecran is None:
            self.ecran = self.seance.ecran(1024, 768)
        env = dict(self.ecran.env, HOME=self.home, XDG_RUNTIME_DIR=os.path.join(self.home, "run"),
                   PATH=os.path.join(self.prefixe, "bin") + ":/usr/bin:/bin",
                   QT_QPA_PLATFORM="xcb")
        for nom in ("TMPDIR", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS"):
            env.pop(nom, None)
        self.lancements += 1
        journal = self.seance.chemin(f"vocadix-{self.lancements}.log")
        processus = self.seance.processus.lancer(
            [*self.en_joueur(), commande], env, journal, cwd=self.home)
        return processus, journal

    def en_joueur(self):
        """The start of a command run as the player."""
        return ["setpriv", f"--reuid={self.uid}", f"--regid={self.gid}", "--clear-groups", "--"]

    def lancer(self):
        processus, journal = self.demarrer()
        fenetre = attendre(lambda: next((f for f, t in self.ecran.fenetres(processus.pid).items()
                                         if t == TITRE), None), "the installed game's window")
        self.ecran.activer(fenetre)
        return processus, fenetre, journal

    def deux_lancements(self):
        """Two launches in the same instant at a first start, ten times over."""
        dossier = os.path.dirname(self.base_joueur())
        for fois in range(10):
            shutil.rmtree(dossier, ignore_errors=True)
            lances = [self.demarrer(), self.demarrer()]

            def etats():
                vus = {p.pid: self.fenetres(p) for p, _ in lances}
                principaux = [pid for pid, f in vus.items() if TITRE in f.values()]
                refus = [pid for pid, f in vus.items() if f and TITRE not in f.values()]
                return (principaux, refus) if len(principaux) + len(refus) == 2 else None
            principaux, refus = attendre(etats, f"launch pair {fois + 1}: one window, one refusal")
            verifier(len(principaux) == 1,
                     f"launch pair {fois + 1}: {len(principaux)} game windows open")
            (jeu, journal_jeu), = [(p, j) for p, j in lances if p.pid in principaux]
            (autre, journal_autre), = [(p, j) for p, j in lances if p.pid in refus]
            boite, = self.fenetres(autre)
            self.ecran.activer(boite)
            self.ecran.touche("Return")
            attendre(lambda: autre.poll() is not None, "the second copy to end")
            verifier(autre.returncode == 1, f"the second copy ended with {autre.returncode}:\n"
                     f"{bureau._lire(journal_autre)}")
            fenetre = next(f for f, t in self.fenetres(jeu).items() if t == TITRE)
            self.ecran.activer(fenetre)
            self.quitter(jeu, journal_jeu)
            restes = [n for n in os.listdir(dossier) if n != "Vocadix.dat"]
            verifier(not restes, f"launch pair {fois + 1} left {restes}")
            verifier(self.requete("PRAGMA integrity_check;") == ["ok"],
                     f"launch pair {fois + 1}: the player's copy is damaged")
            verifier(int(self.requete("SELECT count(*) FROM DICO;")[0]) > 1000,
                     f"launch pair {fois + 1}: the player's copy has no dictionary")

    def renouvellement_impossible(self):
        """A newer dictionary that cannot be written into the player's copy:
        the game starts on the old one, scores kept, and renews it next time."""
        marque = self.requete("PRAGMA user_version;")
        self.requete("PRAGMA user_version = 7; DELETE FROM DICO WHERE NOM = 'MAISON';"
                     "INSERT INTO SCORES VALUES ('ALICE', 42, '2026-01-02');")
        # Another program of the player's holds the copy's write lock all along.
        tenue = subprocess.Popen([*self.en_joueur(), "sqlcipher", self.base_joueur()],
                                 stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                 stderr=subprocess.STDOUT, text=True)
        tenue.stdin.write(f"PRAGMA key = '{self.cle}';\nBEGIN IMMEDIATE;\n"
                          "SELECT 'tenue' FROM SCORES LIMIT 1;\n")
        tenue.stdin.flush()
        verifier(tenue.stdout.readline().strip() == "tenue", "sqlcipher did not take the lock")
        try:
            processus, _, journal = self.lancer()
            self.quitter(processus, journal)
        finally:
            tenue.stdin.write("COMMIT;\n.quit\n")
            tenue.stdin.close()
            tenue.wait(timeout=30)
        verifier(self.requete("PRAGMA user_version;") == ["7"], "the copy's mark changed")
        verifier(self.requete("SELECT count(*) FROM DICO WHERE NOM = 'MAISON';") == ["0"],
                 "the dictionary was renewed behind the lock")
        vus = self.requete("SELECT NOM, SCORE FROM SCORES;")
        verifier(vus == ["ALICE|42"], f"scores: {vus}")
        processus, _, journal = self.lancer()
        self.quitter(processus, journal)
        vu = self.requete("PRAGMA user_version;")
        verifier(vu == marque, f"the next start did not renew: mark {vu}, expected {marque}")
        verifier(self.requete("SELECT count(*) FROM DICO WHERE NOM = 'MAISON';") == ["1"],
                 "the next start did not bring the new dictionary")
        self.requete("DELETE FROM SCORES;")

    def fenetres(self, processus):
        return self.ecran.fenetres(processus.pid)

    def jouer_une_partie(self):
        processus, principale, journal = self.lancer()
        # A shortcut's click lands a tenth of a second after its key, and a
        # second press meanwhile is the same click: the keys are paced.
        self.ecran.xdotool("key", "--delay", "300", "ctrl+n")
        # Ten rounds left during their draw, then the end of the game.
        self.ecran.xdotool("key", "--delay", "300", *["ctrl+j"] * 11)
        boite = attendre(lambda: next((f for f in self.fenetres(processus)
                                       if f != principale and self.ecran.dialogue(f)), None),
                         "the end-of-game box")
        self.ecran.activer(boite)
        self.ecran.touche("Return")
        dialogue = attendre(lambda: next((f for f in self.fenetres(processus)
                                          if f not in (principale, boite)
                                          and self.ecran.dialogue(f)), None),
                            "the score-entry dialog")
        self.ecran.activer(dialogue)
        self.ecran.xdotool("type", "--delay", "50", "max")
        self.ecran.touche("alt+v")
        attendre(lambda: dialogue not in self.fenetres(processus), "the dialog to close")
        self.quitter(processus, journal)
        verifier(self.scores() == ["MAX|0"], f"scores of the player's copy: {self.scores()}")
        # The sounds of the game were asked for: the installed player was found.
        sortie = bureau._lire(journal)
        verifier("pas de son" not in sortie, f"the installed game has no sound player:\n{sortie}")

    def quitter(self, processus, journal):
        self.ecran.touche("ctrl+q")
        attendre(lambda: processus.poll() is not None, "the game to end")
        verifier(processus.returncode == 0,
                 f"exit status {processus.returncode}:\n{bureau._lire(journal)}")

    def base_joueur(self):
        return os.path.join(self.home, ".local/share/vocadix/Vocadix.dat")

    def requete(self, sql):
        """The rows of statements on the player's copy, run by another program of his."""
        r = subprocess.run([*self.en_joueur(), "sqlcipher", self.base_joueur()],
                           input=f"PRAGMA key = '{self.cle}';\n{sql}\n",
                           capture_output=True, text=True, timeout=30)
        verifier(r.returncode == 0 and "Error" not in r.stderr, f"sqlcipher {sql!r}: {r.stderr}")
        return [l for l in r.stdout.split("\n") if l]

    def scores(self):
        return [l for l in self.requete("SELECT NOM, SCORE FROM SCORES;") if "|" in l]

    def redemarrer(self):
        processus, _, journal = self.lancer()
        self.quitter(processus, journal)
        verifier(self.scores() == ["MAX|0"], f"scores after a restart: {self.scores()}")
        reglages = os.path.join(self.home, ".config/vocadix/Vocadix.ini")
        with open(reglages, "rb") as f:
            verifier(f.read() == b"O\r\nO\r\n", "the player's settings file")
        proprietaire = os.stat(self.base_joueur()).st_uid
        verifier(proprietaire == self.uid, "the player's database is not his")
        apres = empreintes(self.prefixe)
        verifier(apres == self.avant, "installed files changed: " +
                 ", ".join(sorted(set(apres.items()) ^ set(self.avant.items()), key=str)[:5]))

    def nettoyer(self):
        for dossier, sous, _ in os.walk(self.racine):
            for nom in sous:
                os.chmod(os.path.join(dossier, nom), 0o755)
        os.chmod(self.racine, 0o755)
        shutil.rmtree(self.racine, ignore_errors=True)


def main():
    if len(sys.argv) != 3:
        sys.exit(f"usage: {sys.argv[0]} BUILD_FOLDER KEY")
    construction, cle = sys.argv[1], sys.argv[2]
    with bureau.Seance() as seance:
        essais = bureau.Essais(seance)
        i = Installation(seance, construction, cle)
        try:
            for nom, etape in (
                    ("cmake --install lays the game out, then it is made read-only", i.installer),
                    ("the desktop entry and the metainfo validate", i.valider),
                    ("two launches at a first start, ten times: one game, a sound copy",
                     i.deux_lancements),
                    ("a renewal that cannot be written: the game starts on the old dictionary",
                     i.renouvellement_impossible),
                    ("the player plays a game to its end and records his score",
                     i.jouer_une_partie),
                    ("after a restart the score is in his data folder; the install is unchanged",
                     i.redemarrer)):
                essais.cas(nom, etape)
        finally:
            i.nettoyer()
        return essais.conclure()


if __name__ == "__main__":
    sys.exit(bureau.executer(main))
