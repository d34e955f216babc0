#!/usr/bin/env python3
"""Writes the benchmark run directory: the hull of bench/balance_bench.cpp
(150 m, 100 stations of 50 points, a U section widening from the keel, the
beam falling off towards the ends) with a task for a trochoidal crest, case 2,
and 143 equally spaced points.  Usage: make_run.py DIR"""
import os
import sys

def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    length, depth, stations, points = 150.0, 14.0, 100, 50
    lines = ["BENCHMARK HULL 150 m, 100 STATIONS x 50 POINTS"]
    for i in range(stations):
        x = length * i / (stations - 1)
        beam = 11.0 * (1.0 - (2.0 * x / length - 1.0) ** 4) + 0.2
        lines.append(f"{x:.6f}")
        for j in range(points):
            z = depth * j / (points - 1)
            lines.append(f"{z:.6f}, {beam * (z / depth) ** 0.3:.6f}, 1")
        lines.append("0, 0, " + ("9999" if i == stations - 1 else "99"))
    lines += ["STERN", "0, 0, 1", f"{depth}, 0, 1", "0, 0, 99",
              "BOW", f"0, {length}, 1", f"{depth}, {length}, 1", "0, 0, 99"]
    with open(os.path.join(out, "BENCH.DAT"), "w", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")
    task = ["LABEL"] * 12 + ["BENCH.DAT"] + ["LABEL"] * 6 + ["150", "LABEL", "20", "LABEL", "1.025"]
    task += ["LABEL"] * 37 + ["2", "20000", "5", "7.5", "1"] + ["LABEL"] * 4 + ["143, 0, 150"]
    with open(os.path.join(out, "Norvika.TSK"), "w", newline="\r\n") as f:
        f.write("\n".join(task) + "\n")

main()
