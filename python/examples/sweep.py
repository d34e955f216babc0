"""Displacement sweep of the DTMB 5415 on a trochoidal wave crest.

For displacements from 7000 t to 10000 t, the example's task (case 2: a
trochoid of height 5.68 m and length L, crest amidships) is run with its
illustrative weight distribution scaled to each displacement. The results go
into a pandas table (printed, and written as CSV beside the picture) and a
matplotlib plot of the LCB and of the wave-induced bending moment against the
displacement, saved as a PNG.

    python python/examples/sweep.py [PICTURE.png]
"""

import sys
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

import numpy as np
import pandas as pd

import norvika

EXAMPLE = Path(__file__).resolve().parents[2] / "examples" / "dtmb5415" / "strength-trochoid-crest"
G = 9.81  # m/s2: t m to kN m


def read_weights(path):
    """The weights file's blocks (x1, x2, w1, w2) as rows."""
    lines = Path(path).read_text().splitlines()[1:]
    numbers = np.array(" ".join(lines).replace(",", " ").split(), dtype=float)
    return numbers.reshape(-1, 4)


def sweep(displacements):
    """One row per displacement (t): the run's LCB, mean level and the strength
    step's wave-induced hogging moment beside the rule's."""
    task = norvika.read_task(EXAMPLE)
    hull = norvika.read_hull(task.hull_path)
    blocks = read_weights(EXAMPLE / "Norvika.AGR")
    weight = float(np.sum((blocks[:, 2] + blocks[:, 3]) / 2 * (blocks[:, 1] - blocks[:, 0])))

    def one(displacement):
        scaled = blocks * [1.0, 1.0, displacement / weight, displacement / weight]
        result = norvika.run(task.replace(displacement=displacement), hull, scaled)
        strength = result.strength
        moment, place = strength.wave_hogging
        return {
            "displacement_t": result.displacement,
            "mean_level_m": result.mean_draft,
            "lcb_m": result.lcb,
            "wave_hogging_kNm": moment * G,
            "at_m": place,
            "rule_hogging_kNm": strength.rule.hogging,
            "ratio": moment * G / strength.rule.hogging,
        }

    # The runs leave the interpreter free: a thread pool runs them side by side.
    with ThreadPoolExecutor() as pool:
        return pd.DataFrame(list(pool.map(one, displacements)))


def plot(table, path):
    import matplotlib

    matplotlib.use("Agg")
    import matplotlib.pyplot as plt

    figure, (lcb, moment) = plt.subplots(2, 1, sharex=True, figsize=(7.5, 6.5))
    lcb.plot(table["displacement_t"], table["lcb_m"], "o-", color="tab:blue")
    lcb.set_ylabel("LCB (m from AP)")
    lcb.set_title("DTMB 5415 on a trochoidal crest, H = 5.68 m, \u03bb = L")
    lcb.grid(True, alpha=0.3)
    moment.plot(table["displacement_t"], table["wave_hogging_kNm"] / 1e3, "o-", color="tab:red",
                label="computed wave-induced hogging moment")
    moment.plot(table["displacement_t"], table["rule_hogging_kNm"] / 1e3, "--", color="0.3",
                label="rule wave moment (IACS UR S11)")
    moment.set_xlabel("displacement (t)")
    moment.set_ylabel("bending moment (MN m)")
    moment.set_ylim(bottom=0)
    moment.grid(True, alpha=0.3)
    moment.legend(loc="lower right")
    figure.tight_layout()
    figure.savefig(path, dpi=110)
    plt.close(figure)


def main():
    picture = Path(sys.argv[1] if len(sys.argv) > 1 else "sweep-dtmb5415.png")
    table = sweep(np.linspace(7000.0, 10000.0, 13))
    with pd.option_context("display.width", 120, "display.float_format", "{:.3f}".format):
        print(table.to_string(index=False))
    table.to_csv(picture.with_suffix(".csv"), index=False)
    plot(table, picture)
    print(f"wrote {picture} and {picture.with_suffix('.csv')}")


if __name__ == "__main__":
    main()
