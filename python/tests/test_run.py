"""Runs: closed forms of hulls made in code, stops with the program's
message, runs after a failed run, and many runs on threads at once."""

import math
import re
import shutil
import subprocess
from concurrent.futures import ThreadPoolExecutor

import numpy as np
import pytest

import norvika
from conftest import BAD_INPUTS, EXAMPLES, example_inputs

BOX = dict(ship_length=100.0, station_divisions=20, density=1.025)


def test_a_box_floats_level_at_its_draft(box_hull):
    # 100 x 20 m box: 10250 t at 1.025 t/m3 is 10000 m3, a draft of 5 m.
    result = norvika.run(norvika.Task(**BOX, case=1, displacement=10250.0, initial_draft=4.0,
                                      equal_points=11, equal_start=0.0, equal_end=100.0),
                         box_hull)
    assert result.mean_draft == pytest.approx(5.0, abs=1e-4)
    np.testing.assert_allclose(result.section_area, 100.0, atol=2e-3)
    np.testing.assert_allclose(result.buoyancy, 102.5, atol=2e-3)
    assert result.displacement == pytest.approx(10250.0, abs=0.01)
    assert result.lcb == pytest.approx(50.0, abs=1e-9)
    np.testing.assert_allclose(result.equal_spacing.buoyancy, 102.5, atol=2e-3)
    assert result.tcb is None and result.strength is None
    assert len(result.history) >= 2 and result.history.displacement[-1] == result.displacement
    assert set(result.files) == {"Norvika.SON", "SEPHIYE.TXT"}


def test_a_trimmed_box_has_its_wedge_forward(box_hull):
    # Tf 6, Ta 4: the trapezoid's centre is at L (2 Tf + Ta) / (3 (Tf + Ta)) = 53.333 m.
    result = norvika.run(norvika.Task(**BOX, case=6, forward_draft=6.0, aft_draft=4.0), box_hull)
    assert result.displacement == pytest.approx(10250.0, rel=1e-12)
    assert result.lcb == pytest.approx(100.0 * 16.0 / 30.0, rel=1e-12)
    np.testing.assert_allclose(result.waterline, 4.0 + 0.02 * result.station_x, rtol=1e-12)
    assert result.mean_draft is None and result.history is None


def test_the_wigley_hull_holds_four_ninths_of_its_box():
    # y = B/2 (1 - (2x/L - 1)^2) (1 - (z/T)^2): volume 4/9 B L T.
    length, breadth, depth = 100.0, 10.0, 6.0
    stations = []
    for x in np.linspace(0.0, length, 41):
        along = 1.0 - (2.0 * x / length - 1.0) ** 2
        z = np.linspace(0.0, depth, 25)
        stations.append((x, np.c_[z, breadth / 2 * along * (1 - (1 - z / depth) ** 2), np.ones(25)]))
    hull = norvika.Hull(stations, [(0, 0, 1), (depth, 0, 1)], [(0, length, 1), (depth, length, 1)])
    result = norvika.run(norvika.Task(ship_length=length, station_divisions=40, density=1.0,
                                      case=6, forward_draft=depth, aft_draft=depth), hull)
    assert result.displacement == pytest.approx(4 / 9 * breadth * length * depth, rel=2e-3)


def test_weights_given_as_rows_are_the_weights_file():
    directory = EXAMPLES / "dtmb5415" / "strength-trochoid-crest"
    task = norvika.read_task(directory)
    hull = norvika.read_hull(task.hull_path)
    from_file = norvika.run(task, hull, directory / "Norvika.AGR")
    lines = (directory / "Norvika.AGR").read_text().splitlines()[1:]
    rows = [[float(v) for v in line.replace(",", " ").split()] for line in lines if line.strip()]
    from_rows = norvika.run(task, hull, np.array(rows))
    np.testing.assert_array_equal(from_rows.strength.bm, from_file.strength.bm)
    np.testing.assert_array_equal(from_rows.strength.bm_wave, from_file.strength.bm_wave)
    assert from_rows.strength.weight == from_file.strength.weight
    s = from_file.strength
    # The wave moment's extremes are on the curve, and the crest hogs.
    assert s.wave_hogging[0] == pytest.approx(s.bm_wave.max(), rel=1e-3)
    assert s.wave_hogging[0] > 0 and s.rule.applies and s.rule.hogging > 0
    # Both extremes of the shear force, each where the curve has it: between the table's
    # rows the curve may reach a little further than any row.
    for (value, place), extreme in ((s.positive_shear, np.argmax), (s.negative_shear, np.argmin)):
        row = extreme(s.sf)
        assert abs(value) >= abs(s.sf[row]) and value == pytest.approx(s.sf[row], rel=5e-3)
        assert place == pytest.approx(s.x[row], abs=0.02 * task.ship_length)
    assert s.positive_shear[0] > 0 > s.negative_shear[0]
    assert s.rule.block_coefficient == max(0.6, s.rule.computed_block_coefficient)
    assert abs(s.end_moment) <= 1e-5 * s.weight * task.ship_length


def test_the_rule_length_and_scantling_draft_are_the_programs_options(tmp_path, norvika_program):
    directory = EXAMPLES / "dtmb5415" / "strength-trochoid-crest"
    task = norvika.read_task(directory)
    hull = norvika.read_hull(task.hull_path)
    given = norvika.run(task, hull, directory / "Norvika.AGR", rule_length=140.0,
                        scantling_draft=6.5)
    assert (given.strength.rule.length, given.strength.rule.draft) == (140.0, 6.5)
    run = tmp_path / "run"
    shutil.copytree(directory, run)
    subprocess.run([norvika_program, "--batch", "--rule-length", "140", "--scantling-draft", "6.5",
                    str(run)], check=True, capture_output=True, timeout=600)
    assert given.files["MUKAVEMET.SON"] == (run / "MUKAVEMET.SON").read_bytes()
    with pytest.raises(norvika.InputError, match="^rule_length: expected the rule length L"):
        norvika.run(task, hull, directory / "Norvika.AGR", rule_length=0.0)
    with pytest.raises(TypeError):
        norvika.run(task, hull, directory / "Norvika.AGR", scantling_draft="6.5")


def stops():
    for directory in sorted(BAD_INPUTS.glob("stop-*")):
        if (directory / "arguments").exists():
            continue
        lines = (directory / "expected").read_text().splitlines()
        yield pytest.param(directory, lines[1].removeprefix("norvika: "), id=directory.name)


@pytest.mark.parametrize("directory,message", stops())
def test_a_stop_raises_the_programs_message(directory, message):
    with pytest.raises(norvika.CalculationStop) as stopped:
        norvika.run_directory(directory)
    title, _, text = message.partition(": ")
    assert (stopped.value.title, str(stopped.value)) == (title, text)


def test_a_deck_under_water_stops_and_the_next_run_is_whole(box_hull):
    heavy = norvika.Task(**BOX, case=1, displacement=30000.0, initial_draft=4.0)
    with pytest.raises(norvika.CalculationStop) as stopped:
        norvika.run(heavy, box_hull)
    assert str(stopped.value) == ("  30000.0 ton BASLANGIC DEPLASMANI FAZLA GELDI. DEPLASMAN "
                                  "DEGERINI YENIDEN GIRIN")
    good = heavy.replace(displacement=10250.0)
    first = norvika.run(good, box_hull)
    with pytest.raises(norvika.InputError):
        norvika.run(good, box_hull, [(0, 100, math.nan, 1)])
    again = norvika.run(good, box_hull)
    assert again.files == first.files


def test_many_runs_on_threads_give_the_results_of_one_after_another():
    cases = example_inputs(["dtmb5415/strength-trochoid-crest", "dtmb5415/case7-heeled",
                            "parabolic-hull/case3-trochoid-trough", "hard-chine/case4-sine-crest"])
    expected = [norvika.run(*case).files for case in cases]
    work = [cases[i % len(cases)] for i in range(48)]
    with ThreadPoolExecutor(max_workers=8) as pool:
        results = list(pool.map(lambda case: norvika.run(*case), work))
    for i, result in enumerate(results):
        assert result.files == expected[i % len(cases)], f"run {i}"


def test_stops_and_refusals_on_threads_are_those_of_one_after_another(box_hull):
    # Each ending raises in its own thread while the others compute: no
    # message, title or file may leak from one run into another.
    good = norvika.Task(**BOX, case=1, displacement=10250.0, initial_draft=4.0)
    endings = [
        lambda: norvika.run(good.replace(displacement=30000.0), box_hull),
        lambda: norvika.run(good, box_hull, [(0, 100, math.nan, 1)]),
        lambda: norvika.run(good, box_hull),
    ]

    def ending(i):
        try:
            return ("completed", endings[i % len(endings)]().files)
        except (norvika.CalculationStop, norvika.InputError) as e:
            return (type(e).__name__, str(e), getattr(e, "title", None))

    expected = [ending(i) for i in range(len(endings))]
    assert [e[0] for e in expected] == ["CalculationStop", "InputError", "completed"]
    with ThreadPoolExecutor(max_workers=8) as pool:
        results = list(pool.map(ending, range(90)))
    for i, result in enumerate(results):
        assert result == expected[i % len(endings)], f"run {i}"


# A refusal of each function that takes a language, and how it is raised: a displacement
# too heavy for the box, a draft over its deck, a displacement beyond its closed hull.
REFUSED_IN_A_LANGUAGE = {
    "run": (lambda hull, **kw: norvika.run(
        norvika.Task(**BOX, case=1, displacement=30000.0, initial_draft=4.0), hull, **kw),
        norvika.CalculationStop),
    "hydrostatics": (lambda hull, **kw: norvika.hydrostatics(
        hull, [11.0], ship_length=100.0, density=1.025, **kw), norvika.InputError),
    "stability": (lambda hull, **kw: norvika.stability(
        hull, ship_length=100.0, density=1.025, displacements=[20500], **kw), norvika.InputError),
}


@pytest.mark.parametrize("function", REFUSED_IN_A_LANGUAGE)
@pytest.mark.parametrize("language,refusal,said", [
    ("tr", None, {"run": "30000.0 ton BASLANGIC DEPLASMANI FAZLA",
                  "hydrostatics": "DRAFT T = 11.000 m: 1. POSTADA SU HATTI GUVERTEYI ASIYOR",
                  "stability": "DEPLASMAN 20500.0 ton: GEMI GUVERTESINE KADAR BATIK"}),
    ("en", None, {"run": "30000.0 t: THE STARTING DISPLACEMENT IS TOO LARGE",
                  "hydrostatics": "DRAFT T = 11.000 m: THE WATERLINE IS ABOVE THE DECK AT STATION 1",
                  "stability": "DISPLACEMENT 20500.0 t: IMMERSED TO ITS DECK"}),
    ("de", ValueError, "language: expected 'tr' or 'en', got 'de'"),
    ("", ValueError, "language: expected 'tr' or 'en', got ''"),
    ("EN", ValueError, "language: expected 'tr' or 'en', got 'EN'"),
    (1, TypeError, "language: expected 'tr' or 'en', got 1"),
    (None, TypeError, "language: expected 'tr' or 'en', got None"),
])
def test_each_function_refuses_in_the_language_asked_and_no_other(
        box_hull, function, language, refusal, said):
    call, stop = REFUSED_IN_A_LANGUAGE[function]
    with pytest.raises(Exception) as raised:
        call(box_hull, language=language)
    # Exactly: an InputError is a ValueError too.
    assert type(raised.value) is (refusal or stop)
    assert (said if refusal else said[function]) in str(raised.value)


def test_a_run_in_english_has_the_numbers_of_the_turkish_one(box_hull):
    task = norvika.Task(**BOX, case=1, displacement=10250.0, initial_draft=4.0)
    turkish = norvika.run(task, box_hull)
    english = norvika.run(task, box_hull, language="en")
    numbers = lambda text: re.findall(rb"-?[0-9]+(?:\.[0-9]+)?", text)
    for name, text in turkish.files.items():
        assert numbers(english.files[name]) == numbers(text), name
    assert b"DEPLASMAN" in turkish.files["Norvika.SON"]
    assert b"DEPLASMAN" not in english.files["Norvika.SON"]
    assert english.displacement == turkish.displacement
    heavy = task.replace(displacement=30000.0)
    with pytest.raises(norvika.CalculationStop, match="THE STARTING DISPLACEMENT IS TOO LARGE"):
        norvika.run(heavy, box_hull, language="en")


def test_the_input_files_messages_follow_the_language(box_hull, tmp_path):
    task = norvika.Task(**BOX, case=1, displacement=10250.0, initial_draft=4.0)
    (tmp_path / "Norvika.AGR").write_text("WEIGHTS\n50, 40, 1, 1\n")
    for weights, where in [(tmp_path / "Norvika.AGR", "Norvika.AGR LINE 2: "), ([(50, 40, 1, 1)], "")]:
        with pytest.raises(norvika.InputError) as refused:
            norvika.run(task, box_hull, weights=weights, language="en")
        assert str(refused.value) == where + "WEIGHT RECORD 1 X2 MUST BE GREATER THAN X1 (50.000 / 40.000)"
    with pytest.raises(norvika.InputError) as refused:
        norvika.run_directory(tmp_path, language="en")
    assert str(refused.value) == f"Norvika.TSK NOT FOUND: {tmp_path / 'Norvika.TSK'}"
