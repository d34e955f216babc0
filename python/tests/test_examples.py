"""Every shipped example through the module gives the executable's results:
its result files byte for byte as the golden records hold them, and the
module's numbers and arrays as those files print them."""

import numpy as np
import pytest

import norvika
from conftest import (EXAMPLES, GOLDEN, assert_printed, columns, hydrostatics_examples,
                      report_tables, report_value, run_examples)


def run_example(name):
    directory = EXAMPLES / name
    task = norvika.read_task(directory)
    hull = norvika.read_hull(task.hull_path)
    weights = directory / "Norvika.AGR"
    return norvika.run(task, hull, weights if weights.exists() else None)


def test_every_example_is_there():
    assert len(run_examples()) >= 19
    assert len(hydrostatics_examples()) == 3


@pytest.mark.parametrize("name", run_examples())
def test_files_are_the_golden_records(name):
    result = run_example(name)
    expected = {f.name: f.read_bytes() for f in (GOLDEN / name).iterdir()
                if f.name in ("Norvika.SON", "SEPHIYE.TXT", "MUKAVEMET.SON", "MUKAVEMET.TXT")}
    assert result.files == expected


@pytest.mark.parametrize("name", run_examples())
def test_numbers_are_the_printed_ones(name):
    result = run_example(name)
    report = (GOLDEN / name / "Norvika.SON").read_bytes()
    stations, distributions = report_tables(report)
    assert_printed(result.station_x, [s[0] for s in stations], "station x")
    assert_printed(result.waterline, [s[1] for s in stations], "waterline")
    assert_printed(result.section_area, [s[2] for s in stations], "section area")
    assert_printed(result.buoyancy, [d[1] for d in distributions[0]], "buoyancy")
    assert_printed([result.displacement],
                   [report_value(report, r"POSTADAKI DEPLASMAN =\s+(\S+) ton")], "displacement")
    assert_printed([result.lcb], [report_value(report, r"LCB 'nin (?:BOYUNA )?YERI =\s+(\S+) m")],
                   "LCB")
    tcb = report_value(report, r"LCB 'nin ENINE  YERI =\s+(\S+) m")
    assert (result.tcb is None) == (tcb is None)
    if tcb is not None:
        assert_printed([result.tcb], [tcb], "TCB")
    if result.equal_spacing is not None:
        values = (GOLDEN / name / "SEPHIYE.TXT").read_bytes().decode("ascii").split()
        assert_printed(result.equal_spacing.buoyancy, values, "equally spaced")
        assert_printed(result.equal_spacing.x, [d[0] for d in distributions[1]], "equal x")
    else:
        assert len(distributions) == 1
    if result.history is not None:
        assert result.history.displacement[-1] == result.displacement
        assert result.history.draft[-1] == result.mean_draft
    strength = result.strength
    assert (strength is None) == (not (GOLDEN / name / "MUKAVEMET.TXT").exists())
    if strength is not None:
        table = columns((GOLDEN / name / "MUKAVEMET.TXT").read_bytes())
        for column, values in [("x_m", strength.x), ("w_t/m", strength.w), ("b_t/m", strength.b),
                               ("q_t/m", strength.q), ("SF_t", strength.sf),
                               ("BM_tm", strength.bm)]:
            assert_printed(values, table[column], column)
        if "BM_wave_tm" in table:
            assert_printed(strength.bm_still_water, table["BM_still_tm"], "BM still")
            assert_printed(strength.bm_wave, table["BM_wave_tm"], "BM wave")
        else:
            assert strength.bm_wave is None and strength.wave_hogging is None


def hydrostatics_arguments(name):
    """The drafts, trim and density the example's norvika-hydrostatics.args gives."""
    path = EXAMPLES / name / "norvika-hydrostatics.args"
    args = path.read_text().split() if path.exists() else []
    options = dict(zip(args[::2], args[1::2]))
    drafts = options.get("--drafts")
    if drafts and ":" in drafts:
        start, stop, step = map(float, drafts.split(":"))
        drafts = np.round(np.arange(start, stop + step / 2, step), 9)
    elif drafts:
        drafts = [float(d) for d in drafts.split(",")]
    kg = options.get("--kg")
    return drafts, float(options.get("--trim", 0.0)), kg and float(kg)


@pytest.mark.parametrize("name", hydrostatics_examples())
def test_hydrostatics_are_the_golden_table(name):
    task = norvika.read_task(EXAMPLES / name)
    hull = norvika.read_hull(task.hull_path)
    drafts, trim, kg = hydrostatics_arguments(name)
    table = norvika.hydrostatics(hull, drafts, ship_length=task.ship_length,
                                 density=task.density, trim=trim, kg=kg)
    golden = columns((GOLDEN / name / "HIDROSTATIK.TXT").read_bytes())
    names = ["draft", "forward_draft", "aft_draft", "volume", "displacement", "lcb", "kb",
             "waterplane_area", "lcf", "tpc", "bmt", "bml", "kmt", "kml", "mct",
             "waterline_length", "waterline_breadth", "midship_area", "cb", "cp", "cm", "cwp",
             "wetted_surface", "cb_wl", "cp_wl", "cwp_wl", "lcb_from_midship", "lcb_percent",
             "lcf_from_midship", "lcf_percent", "largest_section_area", "largest_section_x",
             "fresh_water_displacement", "gmt", "gml"]
    assert list(table.to_dict()) == names
    for column, printed in zip(names, golden.values()):
        assert_printed(getattr(table, column), printed, column)

    bonjean = columns((GOLDEN / name / "BONJEAN.TXT").read_bytes())
    stations = norvika.bonjean(hull)
    assert [str(s["station"]) for s in stations for _ in s["z"]] == bonjean["station"]
    for key, column in [("z", "z_m"), ("area", "area_m2"), ("moment", "moment_m3")]:
        assert_printed(np.concatenate([s[key] for s in stations]), bonjean[column], column)
