#!/usr/bin/python3
"""Two games played by keyboard are kept whole in the history, the
statistics window shows them, and a kill -9 while a game is being written
leaves the history with that game whole or not at all.

Each game draws ten rounds; the first round's longest word of the list is
typed, stopped and verified, the others are left by Ctrl+J. The first game's
score is recorded under a name. The button beside the dial opens the window
once the second game is over; its figures are read through the
accessibility tree. Then the program is started again three times in the
same folder and killed at the end of a game: twice while the game's rows
are being written (the file's rollback journal seen on disk), once after.
Each time the earlier games and the scores are still there, untouched, and
the last game has its ten rounds or is absent.

Usage: test_statistiques.py VOCADIX VOCADIX.DAT MOTS.TXT CLE
"""

import collections
import ctypes
import os
import select
import signal
import struct
import subprocess
import sys
import threading
import time

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import bureau  # noqa: E402
import test_clavier  # noqa: E402
from bureau import Echec, attendre, verifier  # noqa: E402
from test_demarrage import TITRE_VIDE  # noqa: E402
from test_manche import guide, lettres  # noqa: E402
from test_scores import vivant  # noqa: E402

TITRE = "Statistiques de vos parties"
BOUTON = "Voir les statistiques de vos parties"
MANCHES = 10


def chiffres(programme):
    """The lines of the window's list of figures; None until it is there."""
    liste = vivant(programme, "list", "Vos chiffres")
    if liste is None:
        return None
    try:
        return [liste.getChildAtIndex(i).name for i in range(liste.childCount)]
    except Exception:  # the window closing meanwhile
        return None


class Guetteur(threading.Thread):
    """Kills a process as soon as a file of a folder is made or written (inotify)."""

    # A journal left empty by an earlier rollback is written, not made.
    IN_MODIFY, IN_CREATE = 0x2, 0x100

    def __init__(self, dossier, nom, pid):
        super().__init__(daemon=True)
        self.nom, self.pid = nom.encode(), pid
        self.libc = ctypes.CDLL("libc.so.6", use_errno=True)
        self.fd = self.libc.inotify_init1(os.O_CLOEXEC)
        verifier(self.fd >= 0 and self.libc.inotify_add_watch(
            self.fd, os.fsencode(dossier), self.IN_CREATE | self.IN_MODIFY) >= 0, "inotify refused")
        self.vu = False
        self.start()

    def run(self):
        while select.select([self.fd], [], [], 10)[0]:
            donnees = os.read(self.fd, 4096)
            while donnees:
                _, _, _, longueur = struct.unpack_from("iIII", donnees)
                nom = donnees[16:16 + longueur].rstrip(b"\0")
                donnees = donnees[16 + longueur:]
                if nom == self.nom:
                    os.kill(self.pid, signal.SIGKILL)
                    self.vu = True
                    return

    def attendre(self):
        self.join()
        os.close(self.fd)
        return self.vu


class Historique(test_clavier.Partie):
    def __init__(self, seance, executable, base, mots, cle):
        super().__init__(seance, executable, base, mots)
        self.cle = cle
        self.dossier = None
        self.totaux, self.mots_trouves = [], []

    def demarrer(self):
        self.ecran = self.seance.ecran(1024, 768)
        self.dossier = self.seance.dossier_programme(self.executable, self.base)
        self.lancer()

    def lancer(self):
        self.programme = bureau.Programme(self.ecran, self.dossier)
        self.fenetre = self.programme.fenetre_principale()
        self.ecran.activer(self.fenetre)
        self.attendre(guide("Cliquez sur Nouvelle partie"), "the start-up guidance")

    def requete(self, sql):
        """The rows of statements on the game's file, run by another program."""
        r = subprocess.run(["sqlcipher", os.path.join(self.dossier, "Vocadix.dat")],
                           input=f"PRAGMA key = '{self.cle}';\n{sql}\n",
                           capture_output=True, text=True, timeout=30)
        verifier(r.returncode == 0 and "Error" not in r.stderr, f"sqlcipher {sql!r}: {r.stderr}")
        return [l for l in r.stdout.split("\n") if l]

    # -- a game by keyboard

    def jeu(self, k, avec_mot):
        self.touche("ctrl+j")
        compte = f"Jeu n° {k}"
        self.attendre(lambda r: r if r.trouver(role="label", nom=compte)
                      and guide("Cliquez sur Consonnes ou Voyelles")(r) else None,
                      f"round {k} to start")
        suite = ["v" if i % 2 else "c" for i in range(9)]
        self.ecran.xdotool("key", "--delay", 20, *suite)
        racine = self.attendre(lambda r: r if all(lettres(r)) else None, f"round {k}'s draw")
        self.tirage = lettres(racine)
        if not avec_mot:
            return 0
        dispo = collections.Counter(self.tirage)
        self.mot = max((m for m in self.mots if not collections.Counter(m) - dispo),
                       key=lambda m: (len(m), m))
        for lettre in self.mot:
            self.touche(lettre.lower())
        n = len(self.mot)
        self.attendre(lambda r: r if "".join(lettres(r)[:n]) == self.mot else None,
                      f"the tiles to begin with {self.mot}")
        self.touche("Return")
        self.attendre(guide("Cliquez sur Vérification"), "the stop")
        self.touche("Return")
        fenetre, _, texte = self.programme.attendre_boite("the verdict box")
        verifier(" figure bien " in texte, f"the verdict reads {texte!r}")
        self.programme.fermer_boite(fenetre)
        self.attendre(guide("Cliquez sur Nouveau jeu pour continuer"), "the guidance")
        print(f"  round {k}: {''.join(self.tirage)}, {self.mot} scores {n}")
        return n

    def jouer(self, nom=None):
        self.touche("ctrl+n")
        self.attendre(guide("Cliquez sur Nouveau jeu"), "the guidance after Ctrl+N")
        total = sum(self.jeu(k, k == 1) for k in range(1, MANCHES + 1))
        self.totaux.append(total)
        self.mots_trouves.append(self.mot)
        self.touche("ctrl+j")
        fenetre, _, texte = self.programme.attendre_boite("the end-of-game box")
        verifier(texte.endswith(f"Votre score est de {total} points !"), f"end box {texte!r}")
        self.programme.fermer_boite(fenetre)
        dialogue = attendre(lambda: next((f for f, t in self.ecran.fenetres(self.programme.pid)
                                          .items() if t in TITRE_VIDE and f != self.fenetre
                                          and self.ecran.dialogue(f)), None),
                            "the score-entry dialog")
        self.ecran.activer(dialogue)
        if nom:
            self.ecran.xdotool("type", nom)
        bouton = self.attendre(lambda r: r.trouver(role="push button",
                                                   nom="Valider" if nom else "Annuler"),
                               "the score-entry dialog's button")
        self.ecran.cliquer(*bouton.centre())
        self.attendre(guide("Cliquez sur Nouvelle partie"), "the score entry to close")

    def deux_parties(self):
        self.jouer("max")
        self.jouer()

    def fenetre_statistiques(self):
        bouton = self.attendre(lambda r: r.trouver(role="push button", nom=BOUTON),
                               f'the button "{BOUTON}" once the game is over')
        self.ecran.cliquer(*bouton.centre())
        moyenne = f"{sum(self.totaux) / 2:.1f}".replace(".", ",")
        mot = max(self.mots_trouves, key=len)
        attendues = ["Parties jouées : 2", f"Total moyen : {moyenne} points",
                     f"Plus long mot trouvé : {mot} ({len(mot)} lettres)",
                     "Série de jours en cours : 1 jour"]
        try:
            attendre(lambda: (chiffres(self.programme) or None) and
                     all(a in chiffres(self.programme) for a in attendues), "the figures")
        except Echec:
            raise Echec(f"the figures read {chiffres(self.programme)}, expected "
                        f"{attendues} among them") from None
        print(f"  read: {chiffres(self.programme)}")
        fenetre = next(f for f, t in self.ecran.fenetres(self.programme.pid).items() if t == TITRE)
        largeur, hauteur = self.ecran.geometrie(fenetre)[2:]
        verifier(largeur <= 800 and hauteur <= 600, f"the window is {largeur}x{hauteur}")
        self.ecran.garder_capture("statistiques")
        self.touche("Escape")
        attendre(lambda: not self.ecran.visible(fenetre), "Escape to close the window")

    def historique_garde(self):
        self.touche("ctrl+q")
        verifier(self.programme.attendre_fin() == 0, "Ctrl+Q did not end the program")
        parties = self.requete("SELECT ID, TOTAL, FINIE, (SELECT count(*) FROM JEUX "
                               "WHERE PARTIE = ID) FROM PARTIES ORDER BY ID;")
        attendues = [f"{i + 1}|{t}|1|10" for i, t in enumerate(self.totaux)]
        verifier(parties == attendues, f"PARTIES reads {parties}, expected {attendues}")
        mots = self.requete("SELECT MOT FROM JEUX WHERE NUMERO = 1 ORDER BY PARTIE;")
        verifier(mots == self.mots_trouves, f"the first rounds' words read {mots}")
        self.avant = self.etat()

    def etat(self):
        return (self.requete("SELECT * FROM SCORES;"),
                self.requete("SELECT * FROM PARTIES ORDER BY ID;"),
                self.requete("SELECT * FROM JEUX ORDER BY PARTIE, NUMERO;"))

    def tuer(self, pendant_ecriture):
        self.lancer()
        self.touche("ctrl+n")
        self.attendre(guide("Cliquez sur Nouveau jeu"), "the guidance after Ctrl+N")
        for k in range(1, MANCHES + 1):
            self.jeu(k, False)
        self.touche("ctrl+j")
        fenetre, _, _ = self.programme.attendre_boite("the end-of-game box")
        # The game is written once its end box is closed, while the score
        # entry opens: the file's journal is made as its transaction opens,
        # and the program is killed the moment the system says so.
        guetteur = Guetteur(self.dossier, "Vocadix.dat-journal", self.programme.pid) \
            if pendant_ecriture else None
        self.ecran.activer(fenetre)
        self.ecran.touche("Return")
        if guetteur:
            verifier(guetteur.attendre(), "the game was never written")
        else:
            attendre(lambda: any(t in TITRE_VIDE and f != self.fenetre
                                 for f, t in self.ecran.fenetres(self.programme.pid).items()),
                     "the score-entry dialog")
            time.sleep(0.3)
        os.kill(self.programme.pid, signal.SIGKILL)
        self.programme.attendre_fin()
        controle = self.requete("PRAGMA integrity_check;")
        verifier(controle == ["ok"], f"the file is damaged: {controle}")
        scores, parties, jeux = self.etat()
        verifier(scores == self.avant[0], f"SCORES changed: {scores}")
        verifier(parties[:len(self.avant[1])] == self.avant[1], "an earlier game changed")
        verifier(jeux[:len(self.avant[2])] == self.avant[2], "an earlier round changed")
        nouvelles = len(parties) - len(self.avant[1])
        verifier(nouvelles in (0, 1), f"{nouvelles} games were added")
        verifier(len(jeux) - len(self.avant[2]) == 10 * nouvelles,
                 f"{len(jeux) - len(self.avant[2])} rounds for {nouvelles} new game")
        verifier(pendant_ecriture or nouvelles == 1, "the game written before the kill is lost")
        print(f"  killed {'during' if pendant_ecriture else 'after'} the write: "
              f"{'the game is whole' if nouvelles else 'no trace of the game'}")
        self.avant = (scores, parties, jeux)


def main():
    if len(sys.argv) != 5:
        sys.exit(f"usage: {sys.argv[0]} VOCADIX VOCADIX.DAT MOTS.TXT CLE")
    cle = sys.argv.pop()
    mots = os.path.abspath(sys.argv.pop())
    executable, base = bureau.arguments()
    with bureau.Seance(duree_max=170) as seance:
        essais = bureau.Essais(seance)
        h = Historique(seance, executable, base, mots, cle)
        for nom, etape, *arguments in (
                ("the game starts", h.demarrer),
                ("two games of ten rounds are played by keyboard", h.deux_parties),
                ("the button beside the dial opens the statistics of both",
                 h.fenetre_statistiques),
                ("the file holds both games with their twenty rounds", h.historique_garde),
                ("kill -9 while a game is written: whole or absent, the rest untouched",
                 h.tuer, True),
                ("kill -9 again while a game is written", h.tuer, True),
                ("kill -9 once the game is written: it is there", h.tuer, False)):
            essais.cas(nom, etape, *arguments)
        return essais.conclure()


if __name__ == "__main__":
    sys.exit(bureau.executer(main))
