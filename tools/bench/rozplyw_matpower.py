"""An independent load flow of a MATPOWER case, the reference Kreator's
solution of an imported grid is held against: MATPOWER's branch model
(series admittance on the "to" side of the tap, the tap and phase shift at
the "from" end, half the charging at each end), bus shunts, the generator
setpoints Vg held at PV and slack buses, no reactive limits, and the polar
Newton-Raphson of MATPOWER's runpf with its defaults: the case's Vm and Va
as the start, every bus's power balanced to 1e-8 pu. Numpy and scipy only.

Usage: rozplyw_matpower.py CASE.m [--bez-przesuniec] [--kreator WYNIK.json]
  --bez-przesuniec  drops every phase shift (angle = 0), as the importer's
                    option of that name does
  --kreator F.json  compares with Kreator's batch output of the imported
                    exercise (node k is the k-th row of mpc.bus): each
                    bus's |U| in per unit of its baseKV and its angle, both
                    against the slack bus; exits 1 above 1e-4 pu or 0,01 deg
Prints the iterations, the largest mismatch, and the largest differences
from the voltages stored in the case's bus table (and from Kreator's).
"""
import json
import re
import sys

import numpy as np
import scipy.sparse as sp
import scipy.sparse.linalg as spl


def macierz(tekst, pole, kolumny):
    """The rows of mpc.POLE: comments dropped, rows ended by ";" or a line end."""
    m = re.search(r"mpc\.%s\s*=\s*\[(.*?)\]" % pole, tekst, re.S)
    if not m:
        sys.exit("brak macierzy mpc." + pole)
    wiersze = []
    for linia in m.group(1).split("\n"):
        for wiersz in linia.split("%")[0].split(";"):
            liczby = [float(x) for x in wiersz.replace(",", " ").split()]
            if liczby:
                wiersze.append(liczby[:kolumny])
    return np.array(wiersze)


def main(argv):
    bez = "--bez-przesuniec" in argv
    kreator = argv[argv.index("--kreator") + 1] if "--kreator" in argv else None
    tekst = open(argv[1], encoding="utf-8", errors="replace").read()
    base = float(re.search(r"mpc\.baseMVA\s*=\s*([0-9.eE+-]+)", tekst).group(1))
    bus, gen, br = macierz(tekst, "bus", 13), macierz(tekst, "gen", 10), macierz(tekst, "branch", 11)
    n = len(bus)
    nr = {int(b): i for i, b in enumerate(bus[:, 0])}
    gen = gen[gen[:, 7] > 0]
    br = br[br[:, 10] > 0]

    f = np.array([nr[int(x)] for x in br[:, 0]])
    t = np.array([nr[int(x)] for x in br[:, 1]])
    ys = 1 / (br[:, 2] + 1j * br[:, 3])
    tap = np.where(br[:, 8] == 0, 1.0, br[:, 8]) * np.exp(1j * np.deg2rad(0 if bez else br[:, 9]))
    ytt = ys + 0.5j * br[:, 4]
    yff = ytt / (tap * np.conj(tap))
    yft, ytf = -ys / np.conj(tap), -ys / tap
    Y = sp.csr_matrix(
        (np.concatenate([yff, ytt, yft, ytf]), (np.concatenate([f, t, f, t]), np.concatenate([f, t, t, f]))),
        shape=(n, n))
    Y = Y + sp.diags((bus[:, 4] + 1j * bus[:, 5]) / base)

    g = np.array([nr[int(x)] for x in gen[:, 0]])
    S = np.zeros(n, complex)
    np.add.at(S, g, (gen[:, 1] + 1j * gen[:, 2]) / base)
    S -= (bus[:, 2] + 1j * bus[:, 3]) / base
    # A PV bus without a generator in service is a PQ bus, as runpf makes it.
    typ = bus[:, 1].astype(int)
    ma = np.zeros(n, bool)
    ma[g] = True
    typ = np.where((typ == 2) & ~ma, 1, typ)
    ref = np.nonzero(typ == 3)[0]
    pv, pq = np.nonzero(typ == 2)[0], np.nonzero(typ == 1)[0]
    pvpq = np.concatenate([pv, pq])

    V = bus[:, 7] * np.exp(1j * np.deg2rad(bus[:, 8]))
    # The first generator of a bus sets its magnitude, as runpf does.
    pierwszy = {}
    for k, vg in zip(g, gen[:, 5]):
        pierwszy.setdefault(k, vg)
    for k, vg in pierwszy.items():
        if typ[k] != 1:
            V[k] = vg * V[k] / abs(V[k])

    def niezbilansowanie(V):
        mis = V * np.conj(Y @ V) - S
        return np.concatenate([mis[pvpq].real, mis[pq].imag])

    F = niezbilansowanie(V)
    it = 0
    while np.max(np.abs(F)) > 1e-8 and it < 20:
        it += 1
        I = Y @ V
        Vn = V / np.abs(V)
        dVm = sp.diags(V) @ (Y @ sp.diags(Vn)).conj() + sp.diags(np.conj(I) * Vn)
        dVa = 1j * sp.diags(V) @ (sp.diags(I) - Y @ sp.diags(V)).conj()
        dVm, dVa = sp.csr_matrix(dVm), sp.csr_matrix(dVa)
        J = sp.bmat([[dVa[pvpq][:, pvpq].real, dVm[pvpq][:, pq].real],
                     [dVa[pq][:, pvpq].imag, dVm[pq][:, pq].imag]], format="csc")
        dx = -spl.spsolve(J, F)
        Va, Vm = np.angle(V), np.abs(V)
        Va[pvpq] += dx[:len(pvpq)]
        Vm[pq] += dx[len(pvpq):]
        V = Vm * np.exp(1j * Va)
        F = niezbilansowanie(V)
    zbiezny = np.max(np.abs(F)) <= 1e-8
    print("Newton-Raphson: %d iteracji, największe niezbilansowanie %.2e j.w.%s"
          % (it, np.max(np.abs(F)), "" if zbiezny else " (NIE ZBIEŻNY)"))
    if not zbiezny:
        return 1

    kat = np.rad2deg(np.angle(V) - np.angle(V[ref[0]]))
    Vm = np.abs(V)
    # The bus table's voltages are no solution of this data if they differ.
    kat_tab = bus[:, 8] - bus[ref[0], 8]
    print("Od napięć z tabeli szyn przypadku: |ΔVm| do %.2e j.w. (szyna %d), |ΔVa| do %.3f° (szyna %d)"
          % (np.max(np.abs(Vm - bus[:, 7])), bus[np.argmax(np.abs(Vm - bus[:, 7])), 0],
             np.max(np.abs(kat - kat_tab)), bus[np.argmax(np.abs(kat - kat_tab)), 0]))
    pv_vm = np.abs(bus[pv, 7] - np.abs(V[pv]))
    if len(pv):
        print("  z tego w szynach PV (Vm tabeli wobec Vg): do %.2e j.w." % np.max(pv_vm))
    if not kreator:
        return 0

    wynik = json.load(open(kreator))
    wezly = wynik["nodes"][:n]  # auxiliary nodes, if any, follow the buses
    uk = np.array([w["u_kv"] for w in wezly]) / bus[:, 9]
    kk = np.rad2deg(np.array([w["angle_rad"] for w in wezly]))
    kk -= kk[ref[0]]
    dv, dk = np.abs(uk - Vm), np.abs(kk - kat)
    print("Od rozwiązania programu Kreator (%s, %d iteracji): |ΔU| do %.2e j.w. (szyna %d), kąt do %.2e° (szyna %d)"
          % (wynik["method"], wynik["iterations"], np.max(dv), bus[np.argmax(dv), 0], np.max(dk),
             bus[np.argmax(dk), 0]))
    return 0 if np.max(dv) <= 1e-4 and np.max(dk) <= 0.01 else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
