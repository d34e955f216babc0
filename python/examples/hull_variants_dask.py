"""Beam variants of the DTMB 5415 on a trochoidal wave, run on Dask.

Each variant scales every station's half-breadths by a factor (0.90 to 1.10
of the model's beam; the stem and stern contours stay as they are) and runs
the example's strength task (a trochoid of height 5.68 m and length L, 8600 t
with its illustrative weights) with the crest amidships (case 2, hogging) and
with the trough amidships (case 3, sagging). A narrower hull floats deeper for
the same weight and carries the wave differently, while the rule's wave
moments grow with the beam. The variants run on a Dask cluster
(dask.distributed): the task, the hull and the weights are sent to the
workers once, each worker makes its variants and runs them, and the Results
(pickled) come back. The table (pandas) is printed and written as CSV beside a
matplotlib plot of the mean level and the wave-induced moments against the
beam factor.

    python python/examples/hull_variants_dask.py [PICTURE.png] [--scheduler ADDRESS]

Without --scheduler a local cluster of two worker processes is started; with
it the study goes to the cluster whose scheduler listens at ADDRESS
(tcp://host:8786), whose workers have norvika installed.
"""

import argparse
from pathlib import Path

import numpy as np
import pandas as pd

import norvika

EXAMPLE = Path(__file__).resolve().parents[2] / "examples" / "dtmb5415" / "strength-trochoid-crest"
G = 9.81  # m/s2: t m to kN m


def widened(hull, factor):
    """The hull with every station's half-breadths times `factor`."""
    return norvika.Hull([(x, points * [1.0, factor, 1.0]) for x, points in hull.stations],
                        hull.stern, hull.bow)


def run_variant(task, hull, weights, factor):
    """The runs of one beam variant, crest and trough amidships: two norvika.Results."""
    variant = widened(hull, factor)
    return norvika.run(task, variant, weights), norvika.run(task.replace(case=3), variant, weights)


def variants(factors, client=None):
    """The runs of the beam variants (crest, trough), in the order of `factors`:
    on the Dask client's cluster, or one after another in this process without one."""
    task = norvika.read_task(EXAMPLE)
    hull = norvika.read_hull(task.hull_path)
    # The blocks (x1, x2, w1, w2) of the weights file, which the workers need not see.
    weights = np.loadtxt(EXAMPLE / "Norvika.AGR", skiprows=1, delimiter=",", ndmin=2)
    if client is None:
        return [run_variant(task, hull, weights, f) for f in factors]
    # The shared inputs go to every worker once, not once per variant.
    task, hull, weights = client.scatter([task, hull, weights], broadcast=True)
    n = len(factors)
    return client.gather(client.map(run_variant, [task] * n, [hull] * n, [weights] * n,
                                    list(factors)))


def table(factors, results):
    """One row per variant: its mean level on the crest, its wave-induced hogging
    (crest) and sagging (trough) moments beside the rule's and their ratios."""
    rows = []
    for factor, (crest, trough) in zip(factors, results):
        rule = crest.strength.rule
        hogging = crest.strength.wave_hogging[0] * G
        sagging = trough.strength.wave_sagging[0] * G
        rows.append({
            "beam_factor": factor,
            "mean_level_m": crest.mean_draft,
            "wave_hogging_kNm": hogging,
            "rule_hogging_kNm": rule.hogging,
            "hogging_ratio": hogging / rule.hogging,
            "wave_sagging_kNm": sagging,
            "rule_sagging_kNm": rule.sagging,
            "sagging_ratio": sagging / rule.sagging,
        })
    return pd.DataFrame(rows)


def plot(frame, path):
    import matplotlib

    matplotlib.use("Agg")
    import matplotlib.pyplot as plt

    figure, (level, moment) = plt.subplots(2, 1, sharex=True, figsize=(7.5, 6.5))
    level.plot(frame["beam_factor"], frame["mean_level_m"], "o-", color="tab:blue")
    level.set_ylabel("mean level, crest amidships (m)")
    level.set_title("DTMB 5415 beam variants on a trochoid, H = 5.68 m, \u03bb = L, 8600 t")
    level.grid(True, alpha=0.3)
    for column, colour, label in [
            ("wave_hogging_kNm", "tab:red", "wave-induced hogging (crest amidships)"),
            ("wave_sagging_kNm", "tab:purple", "wave-induced sagging (trough amidships)")]:
        moment.plot(frame["beam_factor"], frame[column] / 1e3, "o-", color=colour, label=label)
    for column in ["rule_hogging_kNm", "rule_sagging_kNm"]:
        moment.plot(frame["beam_factor"], frame[column] / 1e3, "--", color="0.3")
    moment.plot([], [], "--", color="0.3", label="rule wave moments (IACS UR S11)")
    moment.axhline(0.0, color="0.6", linewidth=0.8)
    moment.set_xlabel("beam factor (half-breadths times)")
    moment.set_ylabel("bending moment (MN m)")
    moment.grid(True, alpha=0.3)
    moment.legend(loc="center right")
    figure.tight_layout()
    figure.savefig(path, dpi=110)
    plt.close(figure)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("picture", nargs="?", default="hull-variants-dtmb5415.png")
    parser.add_argument("--scheduler", help="address of a running Dask scheduler")
    arguments = parser.parse_args()
    from distributed import Client, LocalCluster

    factors = np.round(np.linspace(0.90, 1.10, 11), 3)
    if arguments.scheduler:
        with Client(arguments.scheduler) as client:
            results = variants(factors, client)
    else:
        with LocalCluster(n_workers=2, threads_per_worker=1, dashboard_address=None) as cluster, \
                Client(cluster) as client:
            results = variants(factors, client)
    frame = table(factors, results)
    with pd.option_context("display.width", 120, "display.float_format", "{:.3f}".format):
        print(frame.to_string(index=False))
    picture = Path(arguments.picture)
    frame.to_csv(picture.with_suffix(".csv"), index=False)
    plot(frame, picture)
    print(f"wrote {picture} and {picture.with_suffix('.csv')}")


if __name__ == "__main__":
    main()
