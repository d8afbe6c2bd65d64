#!/usr/bin/env python3
"""Writes examples/panel.f1: two longwall panels mined step by step in a flat
seam, with the pillar between them. Deterministic: the same file every run.

Usage: tools/make_example.py [OUTPUT]
"""
import math
import sys

COLUMNS, ROWS, STEPS = 80, 60, 8
CELL, ORIGIN_X, ORIGIN_Y = 5.0, 1000.0, 2000.0
DEPTH = 400.0                       # m of cover
OVERBURDEN = DEPTH * 0.025          # MPa, 25 kN/m3
PANELS = [(8, 24), (33, 50)]        # rows of the two panels (pillar between)
START, ADVANCE = 6, 8               # first mined column, columns mined per step

ITEMS = [("Vertical Stress", "MPa"), ("Convergence", "mm"), ("Overburden Stress", "MPa"),
         ("Horizontal Stress", "MPa"), ("Energy Release Rate", "MJ/m^3"), ("Safety Factor", "-")]


def mined(ix, iy, step):
    face = START + ADVANCE * step
    return any(lo <= iy <= hi for lo, hi in PANELS) and START <= ix < face


def distance_to_goaf(ix, iy, step):
    """Distance in cells from element (ix, iy) to the nearest mined element, capped."""
    best = 99.0
    for jx in range(max(0, ix - 10), min(COLUMNS, ix + 11)):
        for jy in range(max(0, iy - 10), min(ROWS, iy + 11)):
            if mined(jx, jy, step):
                best = min(best, math.hypot(jx - ix, jy - iy))
    return best


def element(ix, iy, step):
    ripple = 0.03 * math.sin(0.7 * ix + 1.3 * iy) * math.cos(0.11 * ix * iy + step)
    if mined(ix, iy, step):
        # Goaf: the caved rock takes up load again behind the face.
        age = START + ADVANCE * step - ix
        sv = OVERBURDEN * (0.05 + 0.6 * (1 - math.exp(-age / 12.0))) * (1 + ripple)
        conv = 1800.0 * (1 - math.exp(-age / 4.0)) * (1 + ripple)
        sh = 0.2 * sv
        energy = 0.0
        safety = 0.0
    else:
        d = distance_to_goaf(ix, iy, step)
        pillar = PANELS[0][1] < iy < PANELS[1][0] and START + ADVANCE * step > ix >= START
        abutment = 2.2 * math.exp(-(d - 1) / 3.0) if d < 99 else 0.0
        sv = OVERBURDEN * (1 + abutment + (1.5 if pillar else 0.0)) * (1 + ripple)
        conv = 40.0 * math.exp(-(d - 1) / 2.5) * (1 + ripple) if d < 99 else 0.0
        sh = 0.6 * OVERBURDEN + 0.3 * (sv - OVERBURDEN)
        energy = 0.5 * (sv - OVERBURDEN) ** 2 / 25000.0
        safety = 60.0 / sv
    return [sv, conv, OVERBURDEN, sh, energy, safety]


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else "examples/panel.f1"
    with open(path, "w", newline="\n") as out:
        out.write(f"{STEPS}, 0, {CELL:.1f}, {COLUMNS}, {ROWS}, {ORIGIN_X:.1f}, {ORIGIN_Y:.1f}\n")
        out.write(f"{len(ITEMS)}, " + ", ".join(name for name, _ in ITEMS) + "\n")
        out.write(f"{len(ITEMS)}, " + ", ".join(unit for _, unit in ITEMS) + "\n")
        for step in range(1, STEPS + 1):
            for ix in range(COLUMNS):
                for iy in range(ROWS):
                    out.write(", ".join(f"{v:.5E}" for v in element(ix, iy, step)) + "\n")


if __name__ == "__main__":
    main()
