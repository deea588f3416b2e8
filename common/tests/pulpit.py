"""Drives a program on a real X desktop (Xvfb with the openbox window
manager) as a student would, with xdotool, and reads what the window
manager shows: which window is in front and which has the keyboard.

The offscreen platform of the other GUI tests has no window manager, so
stacking and focus can only be seen here.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

NARZEDZIA = ["Xvfb", "openbox", "xdotool", "xprop", "xwininfo"]


class Blad(Exception):
    pass


class Pulpit:
    """An X server of the given size with openbox, and one program on it."""

    def __init__(self, szerokosc, wysokosc, katalog_zrzutow):
        brak = [n for n in NARZEDZIA if shutil.which(n) is None]
        if brak:
            raise Blad("brak narzędzi: " + ", ".join(brak) + " (zainstaluje je scripts/setup)")
        self.szerokosc, self.wysokosc = szerokosc, wysokosc
        self.zrzuty = katalog_zrzutow
        odczyt, zapis = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(zapis), "-screen", "0", f"{szerokosc}x{wysokosc}x24", "-nolisten", "tcp"],
            pass_fds=[zapis], stderr=subprocess.DEVNULL)
        os.close(zapis)
        numer = b""
        with os.fdopen(odczyt, "rb") as f:
            while not numer.endswith(b"\n"):
                c = f.read(1)
                if not c:
                    raise Blad("Xvfb nie wystartował")
                numer += c
        self.env = dict(os.environ)
        self.env["DISPLAY"] = ":" + numer.decode().strip()
        self.env.pop("QT_QPA_PLATFORM", None)
        self.env.setdefault("XDG_RUNTIME_DIR", tempfile.mkdtemp())
        self.openbox = subprocess.Popen(["openbox", "--sm-disable"], env=self.env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.czekaj(lambda: self._x(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]).find("window id") >= 0,
                    "openbox nie wystartował")
        self.program = None

    # --- the X server ---

    def _x(self, argumenty):
        wynik = subprocess.run(argumenty, env=self.env, capture_output=True, text=True)
        return wynik.stdout

    def uruchom(self, argumenty):
        if self.program and self.program.poll() is None:
            self.program.kill()
            self.program.wait()
        self.program = subprocess.Popen(argumenty, env=self.env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.PIPE)

    def zakoncz(self):
        for p in (self.program, self.openbox, self.xvfb):
            if p and p.poll() is None:
                p.kill()
                p.wait()

    def czekaj(self, warunek, opis, limit=8.0):
        koniec = time.time() + limit
        while time.time() < koniec:
            if warunek():
                return
            time.sleep(0.1)
        raise Blad(opis)

    # --- what the window manager shows ---

    def okna(self):
        """The program's mapped windows, bottom first: (id, title, geometry)."""
        linia = self._x(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"])
        if "#" not in linia:
            return []
        wynik = []
        for w in linia.split("#", 1)[1].replace(",", " ").split():
            info = self._x(["xwininfo", "-id", w])
            if "IsViewable" not in info:
                continue
            tytul = self._x(["xdotool", "getwindowname", w]).rstrip("\n")
            wynik.append((int(w, 16), tytul, info))
        return wynik

    def tlo(self, okno):
        """The background: the one window as large as the screen (its empty caption reads as the program's name)."""
        return f"Width: {self.szerokosc}\n" in okno[2] and f"Height: {self.wysokosc}\n" in okno[2]

    def aktywne(self):
        return self._x(["xdotool", "getactivewindow", "getwindowname"]).rstrip("\n")

    def geometria(self, tytul):
        """Left, top, width, height of the inside of the window with this title."""
        for okno in self.okna():
            w, t, info = okno
            if t == tytul and not self.tlo(okno):
                pola = dict(l.strip().split(":", 1) for l in info.splitlines() if ":" in l)
                return tuple(int(pola[k]) for k in ("Absolute upper-left X", "Absolute upper-left Y",
                                                     "Width", "Height"))
        raise Blad(f"nie ma okna \"{tytul}\"")

    # --- what a student does ---

    def klawisze(self, *klawisze):
        for k in klawisze:
            self._x(["xdotool", "key", "--clearmodifiers", k])
            time.sleep(0.15)

    def pisz(self, tekst):
        self._x(["xdotool", "type", "--delay", "40", tekst])

    def klik(self, x, y):
        self._x(["xdotool", "mousemove", str(x), str(y), "sleep", "0.1", "click", "1"])
        time.sleep(0.2)

    def klik_w_oknie(self, tytul, x, y):
        lewo, gora, _, _ = self.geometria(tytul)
        self.klik(lewo + x, gora + y)

    def klik_na_pasku(self, od_prawej=None, od_lewej=None):
        """A button of the background's bar along the bottom edge."""
        y = self.wysokosc - 20
        self.klik(self.szerokosc - od_prawej if od_prawej is not None else od_lewej, y)

    def zrzut(self, nazwa):
        if shutil.which("import"):
            self._x(["import", "-window", "root", os.path.join(self.zrzuty, nazwa + ".png")])

    # --- checks ---

    def stan(self):
        okna = self.okna()
        nazwy = ["(tło)" if self.tlo(o) else o[1] for o in okna]
        return f"okna od spodu: {nazwy}, aktywne: \"{self.aktywne()}\""

    def sprawdz(self, opis, na_wierzchu, aktywne):
        """Waits until `na_wierzchu` is the top window of the program and
        `aktywne` has the keyboard, with the background under all others."""

        def dobrze():
            okna = self.okna()
            if not okna or okna[-1][1] != na_wierzchu or self.tlo(okna[-1]) or self.aktywne() != aktywne:
                return False
            tla = [i for i, o in enumerate(okna) if self.tlo(o)]
            return not tla or tla[0] == 0

        try:
            self.czekaj(dobrze, opis)
        except Blad:
            self.zrzut("blad")
            raise Blad(f"{opis}: oczekiwano na wierzchu \"{na_wierzchu}\" i aktywnego \"{aktywne}\"; "
                       f"jest: {self.stan()}")
        if self.program and self.program.poll() is not None:
            raise Blad(f"{opis}: program się zakończył")


def Wykonaj(tytul_testu, program, rozmiary, scenariusz):
    """Runs `scenariusz(pulpit, program)` on a desktop of each size; a list
    of steps, each (description, action, expected top window, expected active)."""
    zrzuty = tempfile.mkdtemp(prefix="pulpit-")
    bledy = 0
    for szer, wys in rozmiary:
        pulpit = Pulpit(szer, wys, zrzuty)
        try:
            for opis, akcja, na_wierzchu, aktywne in scenariusz(pulpit, program):
                poczatek = time.time()
                akcja()
                pulpit.sprawdz(f"{szer}x{wys}: {opis}", na_wierzchu, aktywne)
                if os.environ.get("PULPIT_CZASY"):
                    print(f"  {time.time() - poczatek:5.1f} s  {opis}")
            print(f"{tytul_testu} {szer}x{wys}: dobrze")
        except Blad as b:
            print(f"{tytul_testu}: {b} (zrzut ekranu w {zrzuty})", file=sys.stderr)
            bledy += 1
        finally:
            pulpit.zakoncz()
    return 1 if bledy else 0
