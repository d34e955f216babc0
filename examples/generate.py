#!/usr/bin/env python3
"""Writes the example hulls and task files. The hulls are closed-form shapes
(box barge, parabolic hull, hard-chine hull) so that their results can be
checked by hand; the DTMB 5415 hull is copied from the shared data."""
import math
import os
import shutil
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

# The task file's layout, described once for the program and for this script:
# label lines as they stand, and "{field}" where a value goes.
TASK_LAYOUT = os.path.join(HERE, "..", "src", "model", "task_layout.txt")


def task_file(hull, length, divisions, density, case, values, equal):
    fields = {
        "{hull file}": [hull],
        "{ship length}": [fmt(length)],
        "{station divisions}": [fmt(divisions)],
        "{water density}": [fmt(density)],
        "{case number}": [str(case)],
        "{case values}": [fmt(v) for v in values],
        "{equal spacing}": [", ".join(fmt(v) for v in equal)],
    }
    with open(TASK_LAYOUT, newline="") as f:
        layout = f.read().split("\n")[:-1]
    lines = []
    for line in layout:
        lines += fields[line] if line.startswith("{") else [line]
    return "\r\n".join(lines) + "\r\n"


def fmt(v):
    return ("%.4f" % v).rstrip("0").rstrip(".") if isinstance(v, float) else str(v)


def hull_file(title, stations, stern, bow):
    out = [title]
    for i, (x, points) in enumerate(stations):
        out.append(fmt(x))
        out += ["%s, %s, %d" % (fmt(z), fmt(y), c) for z, y, c in points]
        out.append("0, 0, %d" % (9999 if i == len(stations) - 1 else 99))
    out.append("KIC BODOSLAMA (yukseklik, AP'den boyuna yer, kod)")
    out += ["%s, %s, %d" % (fmt(z), fmt(x), c) for z, x, c in stern] + ["0, 0, 99"]
    out.append("BAS BODOSLAMA (yukseklik, AP'den boyuna yer, kod)")
    out += ["%s, %s, %d" % (fmt(z), fmt(x), c) for z, x, c in bow] + ["0, 0, 99"]
    return "\r\n".join(out) + "\r\n"


def write(directory, name, text):
    os.makedirs(directory, exist_ok=True)
    with open(os.path.join(directory, name), "w", newline="") as f:
        f.write(text)


def cases(folder, hull_name, hull_text, length, divisions, density, tasks):
    for sub, case, values, equal in tasks:
        d = os.path.join(HERE, folder, sub)
        write(d, hull_name, hull_text)
        write(d, "Norvika.TSK", task_file(hull_name, length, divisions, density, case, values, equal))


def box_barge():
    # 100 m x 20 m x 10 m: every section a rectangle of half-breadth 10 m.
    stations = [(5.0 * i, [(0.0, 10.0, 1), (10.0, 10.0, 1)]) for i in range(21)]
    text = hull_file("KUTU DUBA 100 x 20 x 10 m", stations, [(0.0, 0.0, 1), (10.0, 0.0, 1)],
                     [(0.0, 100.0, 1), (10.0, 100.0, 1)])
    # Level draft 5 m: 1.025 * 100 * 20 * 5 = 10250 t.
    cases("box-barge", "KUTU.DAT", text, 100.0, 20, 1.025, [
        ("case1-level", 1, [10250.0, 4.0], [41, 0.0, 100.0]),
        ("case2-trochoid-crest", 2, [10250.0, 4.0, 2.0, 1.0], [0, 0.0, 0.0]),
        ("case3-trochoid-trough", 3, [10250.0, 4.0, 2.0, 1.0], [0, 0.0, 0.0]),
        ("case4-sine-crest", 4, [10250.0, 4.0, 2.0, 1.0], [21, 0.0, 100.0]),
        ("case5-sine-trough", 5, [10250.0, 4.0, 2.0, 1.0], [21, 0.0, 100.0]),
        ("case6-trimmed", 6, [6.0, 4.0], [11, 0.0, 100.0]),
        ("case7-heeled", 7, [5.0, 5.0, 10.0], [21, 0.0, 100.0]),
    ])


def parabolic_hull():
    # y = b(x) * (2 z/T0 - (z/T0)^2) below T0 = 6 m, wall-sided above to 10 m,
    # b(x) = 5 (1 - (2x/L - 1)^2), L = 100 m. Volume to T0: 4/9 * B * L * T0
    # = 2666.667 m3, 2733.333 t at 1.025 t/m3.
    t0, depth, length, half = 6.0, 10.0, 100.0, 5.0
    stations = []
    for i in range(21):
        x = 5.0 * i
        b = half * (1.0 - (2.0 * x / length - 1.0) ** 2)
        pts = [(z, b * (2.0 * z / t0 - (z / t0) ** 2), 1) for z in (0.0, 1.0, 2.0, 3.0, 4.0, 5.0)]
        pts += [(t0, b, 0), (8.0, b, 1), (depth, b, 1)]
        stations.append((x, pts))
    stern = [(z, 0.0, 1) for z in (0.0, 5.0, 10.0)]
    bow = [(z, length, 1) for z in (0.0, 5.0, 10.0)]
    text = hull_file("PARABOLIK FORM (WIGLEY TIPI) L=100 B=10 T0=6 D=10", stations, stern, bow)
    cases("parabolic-hull", "PARABOL.DAT", text, length, 20, 1.025, [
        ("case1-level", 1, [2733.333, 5.0], [51, 0.0, 100.0]),
        ("case2-trochoid-crest", 2, [2000.0, 4.0, 2.0, 1.0], [0, 0.0, 0.0]),
        ("case3-trochoid-trough", 3, [2000.0, 4.0, 2.0, 1.0], [0, 0.0, 0.0]),
        ("case6-trimmed", 6, [5.0, 5.0], [0, 0.0, 0.0]),
    ])


def hard_chine_hull():
    # A 24 m patrol boat: deadrise bottom to a chine (code 0), flared side
    # to the deck edge (code 0 at the knuckle below the bulwark).
    length = 24.0
    stations = []
    for i in range(13):
        x = 2.0 * i
        s = x / length
        keel = 0.0 if s < 0.7 else 0.9 * ((s - 0.7) / 0.3) ** 2
        chine_y = 2.6 * (1.0 - (max(s - 0.55, 0.0) / 0.45) ** 2) + 0.05
        chine_z = keel + 0.35 + 0.6 * s + (0.8 * ((s - 0.7) / 0.3) if s > 0.7 else 0.0)
        deck = 3.2 + 0.6 * s
        knuckle_z = deck - 0.5
        pts = [(keel, 0.0, 1), ((keel + chine_z) / 2, chine_y / 2, 1), (chine_z, chine_y, 0),
               ((chine_z + knuckle_z) / 2, chine_y + 0.2, 1), (knuckle_z, chine_y + 0.3, 0),
               (deck, chine_y + 0.3, 1)]
        stations.append((x, pts))
    stern = [(z, 0.0, 1) for z in (0.0, 1.5, 3.2)]
    bow = [(0.9, 24.0, 1), (2.0, 24.4, 1), (3.8, 25.0, 1)]
    text = hull_file("SERT KOSELI (HARD CHINE) KARAKOL BOTU L=24 m", stations, stern, bow)
    cases("hard-chine", "CHINE.DAT", text, length, 12, 1.025, [
        ("case1-level", 1, [60.0, 1.0], [25, 0.0, 24.0]),
        ("case4-sine-crest", 4, [60.0, 1.0, 0.6, 1.0], [0, 0.0, 0.0]),
        ("case6-trimmed", 6, [1.0, 1.4], [0, 0.0, 0.0]),
    ])


def dtmb5415(shared):
    src = os.path.join(shared, "data", "dtmb5415", "DTMB5415.DAT")
    with open(src, newline="") as f:
        text = f.read()
    cases("dtmb5415", "DTMB5415.DAT", text, 142.0, 20, 1.025, [
        ("case1-level", 1, [8600.0, 5.0], [29, 0.0, 142.0]),
        ("case2-trochoid-crest", 2, [8600.0, 5.0, 5.68, 1.0], [29, 0.0, 142.0]),
        ("case3-trochoid-trough", 3, [8600.0, 5.0, 5.68, 1.0], [29, 0.0, 142.0]),
        ("case6-trimmed", 6, [6.15, 6.15], [29, 0.0, 142.0]),
        ("case7-heeled", 7, [6.15, 6.15, -15.0], [29, 0.0, 142.0]),
    ])


# An illustrative weight distribution of the DTMB 5415 at 8600 t, made up for
# the strength examples: not the ship's published weights. Blocks of
# "x1, x2, w1, w2" (m from AP, t/m); the hull structure reaches aft of AP
# over the transom, where there is no buoyancy.
DTMB5415_WEIGHTS = [
    ("hull structure", -1.4, 142.0, 20.0, 13.0),
    ("hull structure, midbody", 20.0, 120.0, 12.0, 12.0),
    ("machinery", 48.0, 96.0, 24.0, 24.0),
    ("deckhouse and masts", 40.0, 98.0, 8.0, 8.0),
    ("fuel and water", 30.0, 110.0, 18.0, 18.0),
    ("stores, crew, ammunition", 15.0, 130.0, 5.0, 5.0),
    ("sonar and forward weapons", 112.0, 132.0, 10.0, 6.0),
    ("outfit and systems", 5.0, 135.0, 9.56, 9.56),
]


def weights_file(title, blocks):
    lines = [title]
    for name, x1, x2, w1, w2 in blocks:
        lines.append("%g, %g, %g, %g" % (x1, x2, w1, w2))
    return "\r\n".join(lines) + "\r\n"


def dtmb5415_strength(shared):
    src = os.path.join(shared, "data", "dtmb5415", "DTMB5415.DAT")
    with open(src, newline="") as f:
        text = f.read()
    tasks = [
        ("strength-still-water", 1, [8600.0, 5.0], [0, 0.0, 0.0]),
        ("strength-trochoid-crest", 2, [8600.0, 5.0, 5.68, 1.0], [0, 0.0, 0.0]),
        ("strength-trochoid-trough", 3, [8600.0, 5.0, 5.68, 1.0], [0, 0.0, 0.0]),
    ]
    cases("dtmb5415", "DTMB5415.DAT", text, 142.0, 20, 1.025, tasks)
    agr = weights_file("DTMB 5415 ORNEK AGIRLIK DAGILIMI (TEMSILI, YAYIMLANMIS DEGIL) 8600 t",
                       DTMB5415_WEIGHTS)
    for sub, _, _, _ in tasks:
        write(os.path.join(HERE, "dtmb5415", sub), "Norvika.AGR", agr)


# The hydrostatics examples: the task file holds the ship length, the density
# and the hull file's name (its case is the trimmed waterline at the design
# draft on an even keel, which norvika evaluates to the same displacement and
# LCB as the curves of form there); norvika-hydrostatics.args holds the
# arguments the example is run with, one a line.
HYDROSTATICS_ARGS = {
    "box-barge": ["--kg", "6"],
    "parabolic-hull": ["--drafts", "0.5:9.5:0.5"],
    "dtmb5415": ["--drafts", "1,2,3,4,5,5.5,6,6.15,6.5,7,8,9,10"],
}


def hydrostatics_examples(shared):
    box = os.path.join(HERE, "box-barge", "case1-level", "KUTU.DAT")
    parabolic = os.path.join(HERE, "parabolic-hull", "case1-level", "PARABOL.DAT")
    dtmb = os.path.join(shared, "data", "dtmb5415", "DTMB5415.DAT")
    for folder, hull_name, source, length, draft in [
        ("box-barge", "KUTU.DAT", box, 100.0, 5.0),
        ("parabolic-hull", "PARABOL.DAT", parabolic, 100.0, 6.0),
        ("dtmb5415", "DTMB5415.DAT", dtmb, 142.0, 6.15),
    ]:
        with open(source, newline="") as f:
            text = f.read()
        cases(folder, hull_name, text, length, 20, 1.025, [("hydrostatics", 6, [draft, draft], [0, 0.0, 0.0])])
        args = "".join(a + "\n" for a in HYDROSTATICS_ARGS[folder])
        write(os.path.join(HERE, folder, "hydrostatics"), "norvika-hydrostatics.args", args)


# The stability examples: the hydrostatics examples' task and hull files, run by
# norvika-stability with the arguments norvika-stability.args holds, one a line:
# cross curves at three drafts and a loading condition at the design draft. The
# DTMB 5415's KG is the published one; its windage area and lever are round
# estimates for the example (the hull above the waterline with a deckhouse).
STABILITY_ARGS = {
    "box-barge": ["--drafts", "2.5,5,7.5", "--kg", "5", "--draft", "5", "--flooding-angle", "35",
                  "--wind-area", "500", "--wind-lever", "6"],
    "dtmb5415": ["--drafts", "5,6.15,7", "--kg", "7.555", "--draft", "6.15", "--wind-area", "1800",
                 "--wind-lever", "9", "--bilge-keel-area", "40"],
}


def stability_examples():
    for folder, hull_name in [("box-barge", "KUTU.DAT"), ("dtmb5415", "DTMB5415.DAT")]:
        source = os.path.join(HERE, folder, "hydrostatics")
        target = os.path.join(HERE, folder, "stability")
        for name in (hull_name, "Norvika.TSK"):
            with open(os.path.join(source, name), newline="") as f:
                write(target, name, f.read())
        args = "".join(a + "\n" for a in STABILITY_ARGS[folder])
        write(target, "norvika-stability.args", args)


if __name__ == "__main__":
    box_barge()
    parabolic_hull()
    hard_chine_hull()
    shared = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "..", "shared")
    dtmb5415(shared)
    dtmb5415_strength(shared)
    hydrostatics_examples(shared)
    stability_examples()
