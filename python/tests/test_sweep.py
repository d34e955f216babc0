"""The crest sweep from Python: the numbers of the TARAMA.TXT and of the
sweep table of MUKAVEMET.SON that `norvika --batch --sweep 8` writes, read
from those files here, and the program's refusals."""

import re
import shutil
import subprocess

import numpy as np
import pytest

import norvika
from conftest import BAD_INPUTS, EXAMPLES, assert_printed, columns

STRENGTH = EXAMPLES / "dtmb5415" / "strength-trochoid-crest"


@pytest.fixture(scope="module")
def program_run(tmp_path_factory, norvika_program):
    """The strength example's directory after `norvika --batch --sweep 8`."""
    run = tmp_path_factory.mktemp("sweep") / "run"
    shutil.copytree(STRENGTH, run)
    subprocess.run([norvika_program, "--batch", "--sweep", "8", str(run)], check=True,
                   capture_output=True, timeout=600)
    return run


def sweep_table(report):
    """The rows of MUKAVEMET.SON's sweep table, as printed fields, and its worst
    values as (value, x, crest) by name."""
    lines = report.decode("ascii").split("\r\n")
    start = next(i for i, line in enumerate(lines) if line.startswith(" DALGA TEPESI TARAMASI"))
    rules = [i for i in range(start, len(lines)) if lines[i].startswith("=====")]
    rows = [lines[i].split() for i in range(rules[0] + 1, rules[1])]
    text = "\n".join(lines[rules[1]:])
    worst = {}
    for name, label in [("hogging", "KAMBURLASMA MOMENTI"), ("sagging", "SARKMA MOMENTI"),
                        ("positive_shear", r"KESME KUVVETI \(\+\)"),
                        ("negative_shear", r"KESME KUVVETI \(-\)")]:
        m = re.search(label + r"\s+=\s+(\S+) t.*x =\s+(\S+) m.*\n\s+TEPE x =\s+(\S+) m", text)
        worst[name] = m.groups()
    return rows, worst


@pytest.fixture(scope="module")
def swept():
    task = norvika.read_task(STRENGTH)
    return task, norvika.run(task, norvika.read_hull(task.hull_path), STRENGTH / "Norvika.AGR",
                             sweep=8).sweep


def test_the_envelopes_are_the_programs_tarama_txt(program_run, swept):
    _, sweep = swept
    table = columns((program_run / "TARAMA.TXT").read_bytes())
    for column, values in [
            ("x_m", sweep.x), ("SF_wave_max_t", sweep.sf_max), ("SF_max_crest_m", sweep.sf_max_crest),
            ("SF_wave_min_t", sweep.sf_min), ("SF_min_crest_m", sweep.sf_min_crest),
            ("BM_wave_max_tm", sweep.bm_max), ("BM_max_crest_m", sweep.bm_max_crest),
            ("BM_wave_min_tm", sweep.bm_min), ("BM_min_crest_m", sweep.bm_min_crest),
            ("SF_rule_pos_kN", sweep.sf_rule_positive), ("SF_rule_neg_kN", sweep.sf_rule_negative),
            ("BM_rule_hog_kNm", sweep.bm_rule_hogging), ("BM_rule_sag_kNm", sweep.bm_rule_sagging)]:
        assert_printed(values, table[column], column)
        assert not values.flags.writeable, column


def test_the_ratios_are_the_programs_and_their_largest_is_the_reports(program_run, swept):
    _, sweep = swept
    table = columns((program_run / "TARAMA.TXT").read_bytes())
    text = (program_run / "MUKAVEMET.SON").read_bytes().decode("ascii")
    printed = re.findall(r"EN BUYUK ORAN = (\S+)\s+x =\s+(\S+) m. AP 'den\s+TEPE x =\s+(\S+)", text)
    for i, (name, column) in enumerate([("hogging", "bm_max"), ("sagging", "bm_min"),
                                        ("positive_shear", "sf_max"),
                                        ("negative_shear", "sf_min")]):
        ratios = getattr(sweep, column + "_ratio")
        shown = table[{"sf_max": "SF_max_ratio", "sf_min": "SF_min_ratio",
                       "bm_max": "BM_max_ratio", "bm_min": "BM_min_ratio"}[column]]
        assert [t == "nan" for t in shown] == list(np.isnan(ratios)), column
        assert_printed(ratios[~np.isnan(ratios)], [t for t in shown if t != "nan"], column)
        largest = getattr(sweep, f"largest_{name}_ratio")
        assert largest[0] == np.nanmax(ratios)
        assert_printed(largest, printed[i], name)


def test_each_position_and_the_worst_are_the_programs_summary(program_run, swept):
    task, sweep = swept
    rows, worst = sweep_table((program_run / "MUKAVEMET.SON").read_bytes())
    assert len(rows) == len(sweep.crest) == 8
    assert sweep.wave_length == task.wave_length_ratio * task.ship_length
    for i, row in enumerate(rows):
        assert_printed([sweep.crest[i], sweep.crest[i] / task.ship_length, sweep.mean_draft[i],
                        sweep.trim[i]], row[:4], f"position {i}")
        printed = iter(row[4:])
        for name in ["hogging", "sagging", "positive_shear", "negative_shear"]:
            value, x = getattr(sweep, name)[i], getattr(sweep, name + "_x")[i]
            shown, place = next(printed), next(printed)
            if shown == "-":
                # Within the balance's noise: the position does not load the ship that way.
                assert abs(value) < 1e-3 * abs(getattr(sweep, "worst_" + name)[0]), (i, name)
            else:
                assert_printed([value, x], [shown, place], f"position {i} {name}")
    for name, printed in worst.items():
        assert_printed(getattr(sweep, "worst_" + name), printed, "worst " + name)


def program_sweeps():
    for directory in sorted(BAD_INPUTS.iterdir()):
        arguments = directory / "arguments"
        if arguments.exists() and arguments.read_text().split()[0] == "--sweep":
            status, *message = (directory / "expected").read_text().splitlines()[:2]
            count = arguments.read_text().split()[1]
            given = int(count) if re.fullmatch(r"-?\d+", count) else count
            yield pytest.param(directory, given, status, "".join(message), id=directory.name)


@pytest.mark.parametrize("directory,given,status,message", program_sweeps())
def test_a_sweep_is_refused_or_stopped_as_the_program_does(directory, given, status, message):
    task = norvika.read_task(directory)
    weights = directory / "Norvika.AGR"
    run = lambda: norvika.run(task, norvika.read_hull(task.hull_path),
                              weights if weights.exists() else None, sweep=given)
    if status == "0":
        assert len(run().sweep.crest) == given
    elif status == "2":
        with pytest.raises(norvika.CalculationStop) as stopped:
            run()
        assert f"{stopped.value.title}: {stopped.value}" == message
    elif "--sweep: expected the number of crest positions" in message:
        # The number itself: the program's words, naming the keyword.
        with pytest.raises(TypeError if isinstance(given, str) else norvika.InputError) as refused:
            run()
        assert str(refused.value) == message.removeprefix("norvika: --")
    else:
        # A sweep the run cannot make: said in the module's words, naming the keyword.
        with pytest.raises(norvika.InputError, match=r"^sweep: the crest sweep "):
            run()


@pytest.mark.parametrize("given,error", [(2.0, TypeError), (True, TypeError),
                                         (np.int64(8), None), (np.float64(8), TypeError)])
def test_a_sweep_takes_whole_numbers_only(box_hull, given, error):
    task = norvika.Task(ship_length=100.0, station_divisions=20, density=1.025, case=4,
                        displacement=10250.0, initial_draft=4.0, wave_height=2.0,
                        wave_length_ratio=1.0)
    weights = [(0.0, 100.0, 102.5, 102.5)]
    if error is None:
        assert len(norvika.run(task, box_hull, weights, sweep=given).sweep.crest) == 8
    else:
        with pytest.raises(error, match=r"^sweep: expected the number of crest positions, a whole "
                                        r"number from 2 to 1000, got '"):
            norvika.run(task, box_hull, weights, sweep=given)
