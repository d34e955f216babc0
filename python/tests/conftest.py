"""Shared helpers of the module's tests: the source tree's examples, golden
records and broken inputs, and numbers compared to the digits printed."""

import os
import re
import shutil
from pathlib import Path

import pytest

SOURCE = Path(__file__).resolve().parents[2]
EXAMPLES = SOURCE / "examples"
GOLDEN = SOURCE / "tests" / "golden"
BAD_INPUTS = SOURCE / "tests" / "inputs" / "bad"


def prepared_case(source, run):
    """A copy of a case of tests/inputs/bad in `run`, links kept, with the lines
    its `generated` file names made (inputs too big to keep in the tree)."""
    shutil.copytree(source, run, symlinks=True)
    (run / "expected").unlink()
    generated = run / "generated"
    if generated.exists():
        for entry in generated.read_text().splitlines():
            name, line, count, text = entry.split()
            lines = (run / name).read_bytes().split(b"\n")
            lines[int(line) - 1] = text.encode() * int(count)
            (run / name).write_bytes(b"\n".join(lines))
        generated.unlink()
    return run


def run_examples():
    """The examples norvika runs (not those of norvika-hydrostatics or norvika-stability),
    as 'hull/case'."""
    return sorted(
        f"{d.parent.name}/{d.name}"
        for d in EXAMPLES.glob("*/*")
        if (d / "Norvika.TSK").exists() and not (d / "norvika-hydrostatics.args").exists()
        and not (d / "norvika-stability.args").exists()
    )


def hydrostatics_examples():
    return sorted(f"{d.parent.name}/{d.name}" for d in EXAMPLES.glob("*/hydrostatics"))


def example_inputs(names):
    """(task, hull, weights file or None) of each example named 'hull/case'."""
    import norvika

    inputs = []
    for name in names:
        task = norvika.read_task(EXAMPLES / name)
        weights = EXAMPLES / name / "Norvika.AGR"
        inputs.append((task, norvika.read_hull(task.hull_path),
                       weights if weights.exists() else None))
    return inputs


def decimals(text):
    """Digits after the point of a printed number."""
    return len(text.split(".")[1]) if "." in text else 0


def assert_printed(values, printed, what):
    """Each value equals its printed number to the printed digits (half a unit
    of the last digit, and a hair for the rounding of the printed value)."""
    assert len(values) == len(printed), f"{what}: {len(values)} values, {len(printed)} printed"
    for i, (value, text) in enumerate(zip(values, printed)):
        tolerance = 0.5 * 10.0 ** -decimals(text) * (1 + 1e-9) + 1e-12 * abs(value)
        assert abs(value - float(text)) <= tolerance, f"{what}[{i}]: {value!r} printed as {text}"


NUMBER = r"(-?\d+\.\d+)"


def report_tables(report):
    """The station table (no, x, waterline, area) and the two distribution
    tables (no, x, t/m: at the stations, at the equally spaced points) of a
    Norvika.SON, as printed text."""
    lines = report.decode("ascii").split("\r\n")
    stations, distributions, current = [], [], None
    for line in lines:
        if line.startswith(" POSTA NO"):
            current = stations
        elif "SEPHIYE DAGILIMI" in line or "ESIT ARALIKLI NOKTALARDA" in line:
            current = []
            distributions.append(current)
        elif current is stations and (m := re.fullmatch(rf"\s+\d+\s+{NUMBER}\s+{NUMBER}\s+{NUMBER}", line)):
            stations.append(m.groups())
        elif current is not None and current is not stations and (
                m := re.fullmatch(rf"\s*\d+\s+{NUMBER}\s+{NUMBER}", line)):
            current.append(m.groups())
    return stations, distributions


def report_value(report, pattern):
    m = re.search(pattern, report.decode("ascii"))
    return m.group(1) if m else None


def columns(table_bytes):
    """A whitespace-separated table under one header line, as printed text by column."""
    lines = table_bytes.decode("ascii").split("\r\n")
    header = lines[0].split()
    rows = [line.split() for line in lines[1:] if line.strip()]
    return {name: [row[i] for row in rows] for i, name in enumerate(header)}


@pytest.fixture
def box_hull():
    """A box of half-breadth 10 m, depth 10 m and length 100 m, 21 stations."""
    import norvika

    section = [(0.0, 10.0, 1), (10.0, 10.0, 1)]
    return norvika.Hull([(5.0 * i, section) for i in range(21)],
                        stern=[(0.0, 0.0, 1), (10.0, 0.0, 1)],
                        bow=[(0.0, 100.0, 1), (10.0, 100.0, 1)])


@pytest.fixture(scope="session")
def norvika_program():
    """The norvika program of the build, to compare with: NORVIKA_PROGRAM, else
    build/app/norvika (scripts/test.sh builds it before these tests)."""
    program = Path(os.environ.get("NORVIKA_PROGRAM", SOURCE / "build" / "app" / "norvika"))
    if not os.access(program, os.X_OK):
        pytest.skip(f"the norvika program is not built ({program}); scripts/build.sh builds it")
    return program
