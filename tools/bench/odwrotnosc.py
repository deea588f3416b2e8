"""The reference of the benchmark: the nodal admittance matrix of a .ZRZ
network built and inverted densely with numpy, timed as a whole process
(what a student's script would do). Usage: odwrotnosc.py PLIK.ZRZ"""
import sys

import numpy as np

w = open(sys.argv[1], encoding="cp1250").read().splitlines()
kol = lambda i: [x for x in w[i].split(";") if x]
n = int(w[2])
Y = np.zeros((n, n), dtype=complex)
def galaz(a, b, z):
    y = 1 / z
    Y[a - 1, a - 1] += y
    if b:
        Y[b - 1, b - 1] += y
        Y[a - 1, b - 1] -= y
        Y[b - 1, a - 1] -= y
for a in kol(4):
    galaz(int(a), 0, 0.04j)
for a in kol(7):
    galaz(int(a), 0, 0.01 + 0.2j)
for a, b in zip(kol(12), kol(13)):
    galaz(int(a), int(b), 0.003 + 0.1j)
for a, b in zip(kol(19), kol(20)):
    galaz(int(a), int(b), 0.009 + 0.03j)
Z = np.linalg.inv(Y)
print(abs(Z[n - 1, n - 1]))
