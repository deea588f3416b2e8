"""zwarcia on a real desktop (Xvfb + openbox): after every step the window
the student works in is in front and has the keyboard, the background is
behind everything, the results window stays above the wizard and the
charts above the results, and Escape or Enter act in the window in front.

Usage: pulpit_test.py ZWARCIA EXAMPLES_DIR
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "common", "tests"))
from pulpit import Wykonaj  # noqa: E402

ZWARCIA, PRZYKLADY = sys.argv[1], sys.argv[2]
ZAD1 = os.path.join(PRZYKLADY, "zwarcia", "ZAD1.ZRZ")
WYKRES = "Wykres X/R"
SYSTEMY = "Reaktancja systemów"
SCHEMAT = "Schemat symulowanego układu"
POMOC = "Pomoc — zwarcia"


def scenariusz(p, program):
    W, H = p.szerokosc, p.wysokosc
    tlo = lambda: p.klik(30, H - 80)  # the background, clear of every window

    def oblicz():
        for wartosc in ("2", "110", "0,5"):
            p.pisz(wartosc)
            p.klawisze("Return")
        p.klawisze("Return")  # "Oblicz"

    return [
        ("start on an exercise", lambda: p.uruchom([program, ZAD1]), "Zwarcia", "Zwarcia"),
        ("compute", oblicz, "Zwarcia", "Zwarcia"),
        ("Enter after the run opens the results", lambda: p.klawisze("Return"), "WYNIKI", "WYNIKI"),
        ("a peak factor out of range", lambda: p.pisz("3"), "BŁĄD !!!", "BŁĄD !!!"),
        ("OK returns to the results", lambda: p.klawisze("Return"), "WYNIKI", "WYNIKI"),
        ("the background with the results open", tlo, "WYNIKI", "WYNIKI"),
        # κ = 1,8 enables m; five Tabs from the κ box reach the chart button.
        ("the κ chart", lambda: (p.pisz("1,8"), p.klawisze("Tab", "Tab", "Tab", "Tab", "Tab", "space")),
         WYKRES, WYKRES),
        ("the background with the chart open", tlo, WYKRES, "WYNIKI"),
        ("Escape in the results asks", lambda: p.klawisze("Escape"), "Koniec", "Koniec"),
        ("Enter answers No", lambda: p.klawisze("Return"), WYKRES, "WYNIKI"),
        ("a click on the chart's panel", lambda: p.klik_w_oknie(WYKRES, 60, p.geometria(WYKRES)[3] - 15),
         WYKRES, WYKRES),
        ("Escape closes the chart only", lambda: p.klawisze("Escape"), "WYNIKI", "WYNIKI"),
        ("Escape and Yes close the results", lambda: p.klawisze("Escape", "alt+t"), "Zwarcia", "Zwarcia"),
        ("a table in the inspector", lambda: p.klik_w_oknie("Zwarcia", 45 + 86, 60 + 13), SYSTEMY, SYSTEMY),
        ("Escape closes the inspector only", lambda: p.klawisze("Escape"), "Zwarcia", "Zwarcia"),
        ("\"Schemat układu\"", lambda: p.klik_na_pasku(od_lewej=175), SCHEMAT, SCHEMAT),
        ("the background brings the wizard in front of the scheme", tlo, "Zwarcia", "Zwarcia"),
        ("a click on the scheme", lambda: p.klik_w_oknie(SCHEMAT, 20, 20), SCHEMAT, SCHEMAT),
        ("Escape closes the scheme", lambda: p.klawisze("Escape"), "Zwarcia", "Zwarcia"),
        ("F1 in the wizard opens the help", lambda: p.klawisze("F1"), POMOC, POMOC),
        ("the background brings the wizard in front of the help", tlo, "Zwarcia", "Zwarcia"),
        ("\"Pomoc\" brings the help in front", lambda: p.klik_na_pasku(od_lewej=60), POMOC, POMOC),
        ("Escape closes the help", lambda: p.klawisze("Escape"), "Zwarcia", "Zwarcia"),
        ("the background's \"Zamknij\" asks", lambda: p.klik_na_pasku(od_prawej=70), "Koniec", "Koniec"),
        ("Enter answers No: the program goes on", lambda: p.klawisze("Return"), "Zwarcia", "Zwarcia"),
        ("start without an exercise", lambda: p.uruchom([program]), "Zwarcia", "Zwarcia"),
        # Enter on the welcome page goes on to the node count, where an empty box is refused.
        ("Enter on the welcome page, Enter again", lambda: p.klawisze("Return", "Return"), "Błąd !!!", "Błąd !!!"),
        ("OK", lambda: p.klawisze("Return"), "Zwarcia", "Zwarcia"),
    ]


sys.exit(Wykonaj("zwarcia", ZWARCIA, [(1280, 800), (1024, 768)], scenariusz))
