"""Kreator on a real desktop (Xvfb + openbox): after every step the window
the student works in is in front and has the keyboard, the background is
behind everything, and Escape or Enter act in that window.

Usage: pulpit_test.py KREATOR EXAMPLES_DIR
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "common", "tests"))
from pulpit import Wykonaj  # noqa: E402

KREATOR, PRZYKLADY = sys.argv[1], sys.argv[2]
ZAD1 = os.path.join(PRZYKLADY, "kreator", "ZAD1.ZRM")
TABELA_LINII = "Rezystancja, reaktancja i susceptancja linii"
POMOC = "Pomoc — Kreator"
ZBIEZNOSC = "Zbieżność obliczeń"


def scenariusz(p, program):
    W, H = p.szerokosc, p.wysokosc
    tlo = lambda: p.klik(30, H - 80)  # the background, clear of every window
    zamknij_wyniki = lambda: p.klawisze("alt+F4", "alt+t")  # asks first: the report is unsaved

    def dane_wezla_bilansujacego():
        for wartosc in ("1", "117", "0,0001", "1,5"):
            p.pisz(wartosc)
            p.klawisze("Return")
        p.klawisze("Return")  # "Oblicz"; node 6 has no type: a notice first

    return [
        ("start on an exercise", lambda: p.uruchom([program, ZAD1]), "Kreator", "Kreator"),
        ("compute", dane_wezla_bilansujacego, "Uwaga !!!", "Uwaga !!!"),
        ("OK on the notice", lambda: p.klawisze("Return"), "Kreator", "Kreator"),
        ("a click on the background", tlo, "Kreator", "Kreator"),
        ("\"Otrzymane wyniki\"", lambda: p.klik_na_pasku(od_prawej=150), "WYNIKI", "WYNIKI"),
        ("the background with the results open", tlo, "WYNIKI", "WYNIKI"),
        ("closing the unsaved results asks", lambda: p.klawisze("alt+F4"), "Koniec", "Koniec"),
        ("Enter answers No", lambda: p.klawisze("Return"), "WYNIKI", "WYNIKI"),
        ("Yes closes the results", zamknij_wyniki, "Kreator", "Kreator"),
        ("Enter after the run opens the results", lambda: p.klawisze("Return"), "WYNIKI", "WYNIKI"),
        ("closed again", zamknij_wyniki, "Kreator", "Kreator"),
        # "Zbieżność", the seventh button of the final panel (second row): the chart over the wizard.
        ("\"Zbieżność\" opens the chart", lambda: p.klik_w_oknie("Kreator", 180, 140), ZBIEZNOSC, ZBIEZNOSC),
        ("Escape closes the chart", lambda: p.klawisze("Escape"), "Kreator", "Kreator"),
        ("a table in the inspector", lambda: p.klik_w_oknie("Kreator", 65, 105), TABELA_LINII, TABELA_LINII),
        # The background gives the keyboard to the wizard; the inspector stays above it.
        ("the background with the inspector open", tlo, TABELA_LINII, "Kreator"),
        ("a click on the inspector", lambda: p.klik_w_oknie(TABELA_LINII, 60, 60), TABELA_LINII, TABELA_LINII),
        ("Escape closes the inspector only", lambda: p.klawisze("Escape"), "Kreator", "Kreator"),
        ("\"Schemat układu\"", lambda: p.klik_na_pasku(od_lewej=175),
         "Schemat symulowanego układu", "Schemat symulowanego układu"),
        ("Escape closes the scheme", lambda: p.klawisze("Escape"), "Kreator", "Kreator"),
        ("\"Pomoc\"", lambda: p.klik_na_pasku(od_lewej=60), POMOC, POMOC),
        ("Escape closes the help", lambda: p.klawisze("Escape"), "Kreator", "Kreator"),
        ("F1 in the wizard", lambda: p.klawisze("F1"), POMOC, POMOC),
        ("Escape again", lambda: p.klawisze("Escape"), "Kreator", "Kreator"),
        ("the background's \"Zamknij\" asks", lambda: p.klik_na_pasku(od_prawej=70), "Koniec", "Koniec"),
        ("Enter answers No: the program goes on", lambda: p.klawisze("Return"), "Kreator", "Kreator"),
        ("start without an exercise", lambda: p.uruchom([program]), "Kreator", "Kreator"),
        # Enter on the welcome page goes on to the node count, where an empty box is refused.
        ("Enter on the welcome page, Enter again", lambda: p.klawisze("Return", "Return"), "Błąd !!!", "Błąd !!!"),
        ("OK", lambda: p.klawisze("Return"), "Kreator", "Kreator"),
        ("to the line page, the catalogue", lambda: (p.pisz("3"), p.klawisze("Return"), p.pisz("2"), p.klawisze("Return"),
                                                     p.pisz("0"), p.klawisze("Return", "alt+s")),
         "Katalog linii", "Katalog linii"),
        ("Escape closes the catalogue only", lambda: p.klawisze("Escape"), "Kreator", "Kreator"),
        # A 110 kV line of any length, 10 km typed, inserted as "L9" of two lines.
        ("a wrong row number", lambda: (p.klawisze("alt+s", "Down", "Tab", "Tab", "Tab", "Tab"), p.pisz("10"),
                                        p.klawisze("Tab", "Tab", "ctrl+a"), p.pisz("L9"), p.klawisze("Return")),
         "Błąd !!!", "Błąd !!!"),
        ("OK returns to the catalogue", lambda: p.klawisze("Return"), "Katalog linii", "Katalog linii"),
        ("Escape closes it", lambda: p.klawisze("Escape"), "Kreator", "Kreator"),
    ]


sys.exit(Wykonaj("Kreator", KREATOR, [(1280, 800), (1024, 768)], scenariusz))
