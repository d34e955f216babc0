"""Reading task and hull files, and making tasks, hulls and weights in code:
the values read, and every rejection as the executable's message with its file
and line as values."""

import math
import re
import shutil

import numpy as np
import pytest

import norvika
from conftest import BAD_INPUTS, EXAMPLES, prepared_case


def test_a_task_file_read_gives_its_values():
    task = norvika.read_task(EXAMPLES / "dtmb5415" / "case2-trochoid-crest" / "Norvika.TSK")
    assert (task.ship_length, task.density, task.case) == (142.0, 1.025, 2)
    assert (task.displacement, task.wave_height, task.wave_length_ratio) == (8600.0, 5.68, 1.0)
    assert task.forward_draft is None and task.heel_angle is None
    assert (task.equal_points, task.equal_start, task.equal_end) == (29, 0.0, 142.0)
    assert task.hull_file == "DTMB5415.DAT"
    assert task.hull_path == str(EXAMPLES / "dtmb5415" / "case2-trochoid-crest" / "DTMB5415.DAT")
    assert task.file.endswith("Norvika.TSK")


def test_a_hull_file_read_gives_its_stations_and_contours():
    hull = norvika.read_hull(EXAMPLES / "box-barge" / "case1-level" / "KUTU.DAT")
    assert hull.station_count == 21
    np.testing.assert_array_equal(hull.station_x, np.arange(21) * 5.0)
    x, points = hull.stations[20]
    assert x == 100.0
    np.testing.assert_array_equal(points, [[0, 10, 1], [10, 10, 1]])
    np.testing.assert_array_equal(hull.bow, [[0, 100, 1], [10, 100, 1]])
    # What is read can be made again in code, and runs the same.
    again = norvika.Hull(hull.stations, hull.stern, hull.bow)
    np.testing.assert_array_equal(again.station_x, hull.station_x)
    assert again.file is None


def bad_inputs(status):
    # Cases refused only with their command line (a crest sweep) are the program's own.
    for directory in sorted(BAD_INPUTS.iterdir()):
        if (directory / "arguments").exists():
            continue
        lines = (directory / "expected").read_text().splitlines()
        if lines[0] == status:
            yield pytest.param(directory, lines[1].removeprefix("norvika: "), id=directory.name)


@pytest.mark.parametrize("directory,message", bad_inputs("1"))
def test_a_bad_input_is_refused_with_its_message_file_and_line(directory, message, tmp_path):
    run = prepared_case(directory, tmp_path / "run")
    with pytest.raises(norvika.InputError) as refused:
        norvika.run_directory(run)
    error = refused.value
    assert str(error) == message.replace("{DIR}", str(run))
    at = re.match(r"(\S+) (\d+)\. SATIR: ", message)
    if at:
        assert error.line == int(at.group(2))
        assert error.file.rsplit("/", 1)[-1] == at.group(1)
    else:
        assert error.line is None
    assert isinstance(error, ValueError)


@pytest.mark.parametrize("directory,message", [
    p for p in bad_inputs("1")
    if p.id.startswith("task-") and " SATIR: " in p.values[1] and "DISINDA" not in p.values[1]])
def test_read_task_refuses_as_the_run_does(directory, message, tmp_path):
    run = prepared_case(directory, tmp_path / "run")
    with pytest.raises(norvika.InputError) as refused:
        norvika.read_task(run / "Norvika.TSK")
    assert str(refused.value) == message.replace("{DIR}", str(run))


def test_a_missing_file_names_it_at_no_line(tmp_path):
    with pytest.raises(norvika.InputError) as refused:
        norvika.read_hull(tmp_path / "NONE.DAT")
    assert str(refused.value) == f"NONE.DAT DOSYASI BULUNAMADI: {tmp_path / 'NONE.DAT'}"
    assert (refused.value.file, refused.value.line) == (str(tmp_path / "NONE.DAT"), None)


LEVEL = dict(ship_length=100.0, station_divisions=20, density=1.025, case=1,
             displacement=10250.0, initial_draft=4.0)


@pytest.mark.parametrize("change,message", [
    (dict(ship_length=-5.0), "GEMI BOYU POZITIF OLMALI, -5.000 OKUNDU"),
    (dict(ship_length=math.nan), "GEMI BOYU ICIN SAYI BEKLENIYORDU, 'nan' OKUNDU"),
    (dict(density=math.inf), "SU YOGUNLUGU ICIN EN FAZLA 1000000 BUYUKLUGUNDE BIR SAYI "
                             "BEKLENIYORDU, 'inf' OKUNDU"),
    (dict(displacement=2e6), "ISTENEN DEPLASMAN ICIN EN FAZLA 1000000 BUYUKLUGUNDE BIR SAYI "
                             "BEKLENIYORDU, '2e+06' OKUNDU"),
    (dict(initial_draft=-0.5), "BASLANGIC DRAFTI SIFIR VEYA POZITIF OLMALI, -0.500 OKUNDU"),
    (dict(case=8), "HESAP NO ICIN 1 ILE 7 ARASINDA BIR TAM SAYI BEKLENIYORDU, '8' OKUNDU"),
    (dict(wave_height=5.0), "DALGA YUKSEKLIGI HESAP 1 ICIN VERILMEZ (BU HESAP BU DEGERI KULLANMAZ)"),
    (dict(initial_draft=None), "BASLANGIC DRAFTI BEKLENIYORDU"),
    (dict(equal_points=1), "ESIT ARALIKLI NOKTA SAYISI 0 VEYA 2 ILE 2500 ARASINDA OLMALI, 1 OKUNDU"),
    (dict(equal_points=2501), "ESIT ARALIKLI NOKTA SAYISI 0 VEYA 2 ILE 2500 ARASINDA OLMALI, "
                              "2501 OKUNDU"),
    (dict(equal_points=11, equal_start=50.0, equal_end=10.0),
     "ESIT ARALIKLI SON NOKTA ILK NOKTADAN BUYUK OLMALI (50.000 / 10.000)"),
    (dict(case=7, displacement=None, initial_draft=None, forward_draft=5.0, aft_draft=5.0,
          heel_angle=-90.0), "MEYIL ACISI 90 DERECEDEN KUCUK OLMALI, 90.000 OKUNDU"),
])
def test_a_task_in_code_is_refused_as_its_file_would_be(change, message):
    with pytest.raises(norvika.InputError) as refused:
        norvika.Task(**{**LEVEL, **change})
    assert str(refused.value) == message
    assert (refused.value.file, refused.value.line) == (None, None)


def test_replace_makes_a_new_task_checked_again():
    task = norvika.Task(**LEVEL)
    wave = task.replace(case=2, wave_height=5.0, wave_length_ratio=1.0)
    assert (wave.case, wave.displacement, wave.wave_height) == (2, 10250.0, 5.0)
    assert task.case == 1 and task.wave_height is None
    with pytest.raises(norvika.InputError, match="DALGA YUKSEKLIGI HESAP 1 ICIN VERILMEZ"):
        wave.replace(case=1)
    assert wave.replace(case=1, wave_height=None, wave_length_ratio=None).case == 1
    with pytest.raises(TypeError, match="draught"):
        task.replace(draught=5.0)
    heeled = task.replace(case=7, displacement=None, initial_draft=None, forward_draft=5,
                          aft_draft=5, heel_angle=-10)
    assert heeled.heel_angle == 10.0


SECTION = [(0.0, 10.0, 1), (10.0, 10.0, 1)]
STERN = [(0.0, 0.0, 1), (10.0, 0.0, 1)]
BOW = [(0.0, 100.0, 1), (10.0, 100.0, 1)]


@pytest.mark.parametrize("stations,stern,message", [
    ([(0.0, SECTION), (100.0, [(0, 10, 1), (10, math.nan, 1)])], STERN,
     "2. POSTA 2. KAYIT YARI GENISLIK ICIN SAYI BEKLENIYORDU, 'nan' OKUNDU"),
    ([(0.0, SECTION), (100.0, [(10, 10, 1), (0, 10, 1)])], STERN,
     "2. POSTA 2. NOKTA: YUKSEKLIK BIR ONCEKI NOKTADAN BUYUK OLMALI (10.000 / 0.000)"),
    ([(0.0, SECTION), (0.0, SECTION)], STERN,
     "2. POSTA: POSTA YERI BIR ONCEKI POSTADAN BUYUK OLMALI (0.000 / 0.000)"),
    ([(0.0, SECTION)], STERN,
     "EN AZ 2 POSTA BEKLENIYORDU, 1 POSTA OKUNDU (9999 KODU SON POSTAYI BITIRIR)"),
    ([], STERN, "EN AZ 2 POSTA BEKLENIYORDU, 0 POSTA OKUNDU (9999 KODU SON POSTAYI BITIRIR)"),
    ([(0.0, SECTION), (100.0, [])], STERN, "2. POSTA: EN AZ 2 NOKTA BEKLENIYORDU, 0 NOKTA OKUNDU"),
    ([(0.0, SECTION), (100.0, SECTION)], [],
     "KIC BODOSLAMA: EN AZ 1 NOKTA BEKLENIYORDU, 0 NOKTA OKUNDU"),
    ([(0.0, SECTION), (100.0, [(0, 10, 1.5), (10, 10, 1)])], STERN,
     "2. POSTA 1. KAYIT KOD ICIN TAM SAYI BEKLENIYORDU (0 KIRIK NOKTA, 99 POSTA SONU, "
     "9999 SON POSTA), '1.5' OKUNDU"),
    ([(0.0, SECTION), (100.0, SECTION)], [(0, 0, 9999)],
     "KIC BODOSLAMA 1. KAYIT KOD 99 VE 9999 EGRI SONU KODLARIDIR, NOKTA KODU OLAMAZ"),
    ([(0.0, SECTION), (100.0, SECTION)], np.zeros((3, 2)),
     "stern: an array of shape (n, 3) was expected, got shape (3, 2)"),
    ([(0.0, SECTION), (100.0, SECTION)], None, "stern: numbers were expected, got None"),
    ([(None, SECTION), (100.0, SECTION)], STERN, "stations[0] x: numbers were expected, got None"),
    (np.zeros((3, 2)), STERN, "stations[0] points: an array of shape (n, 3) was expected, "
                              "got shape ()"),
    (None, STERN, "stations: a sequence of pairs (x, points) was expected"),
    ([(0.0, SECTION), (100.0, [(0, 10), (10, 10, 1)])], STERN, "stations[1] points: numbers were expected"),
    ([(0.0, SECTION), 100.0], STERN, "stations[1]: a pair (x, points) was expected"),
    ([(0.0, SECTION), ([1.0, 2.0], SECTION)], STERN,
     "stations[1]: the station's position x must be one number"),
    ([(float(i), SECTION) for i in range(101)], STERN, "EN FAZLA 100 POSTA OKUNABILIR"),
    ([(0.0, SECTION), (100.0, np.c_[np.arange(10**6.0), np.ones(10**6), np.ones(10**6)])], STERN,
     "2. POSTA: EN FAZLA 249 NOKTA OKUNABILIR"),
])
def test_a_hull_in_code_is_refused_as_its_file_would_be(stations, stern, message):
    with pytest.raises(norvika.InputError) as refused:
        norvika.Hull(stations, stern, BOW)
    assert str(refused.value) == message
    assert (refused.value.file, refused.value.line) == (None, None)


@pytest.mark.parametrize("given", [
    lambda stations: stations,
    lambda stations: (station for station in stations),
    lambda stations: np.array(stations, dtype=object),
    lambda stations: [(np.float32(x), np.asfortranarray(points)) for x, points in stations],
])
def test_a_hull_from_any_iterable_of_stations_is_the_list_s(given):
    # Items made as they are asked for (a generator's, an object array's rows)
    # must be held while they are read, not freed under the reader.
    stations = [(x, np.array(SECTION)) for x in (0.0, 50.0, 100.0)]
    hull = norvika.Hull(given(stations), STERN, BOW)
    np.testing.assert_array_equal(hull.station_x, [0.0, 50.0, 100.0])
    for (x, points), (expected_x, expected) in zip(hull.stations, stations):
        assert x == expected_x
        np.testing.assert_array_equal(points, expected)


@pytest.mark.parametrize("weights,message", [
    ([(0, 100, 80, 80), (50, 50, 1, 1)], "2. AGIRLIK KAYDI X2 X1 'DEN BUYUK OLMALI (50.000 / 50.000)"),
    ([(0, 100, -1, 80)], "1. AGIRLIK KAYDI AGIRLIK (t/m) NEGATIF OLAMAZ (-1.000 / 80.000)"),
    ([(0, 100, math.nan, 80)], "1. AGIRLIK KAYDI W1 ICIN SAYI BEKLENIYORDU, 'nan' OKUNDU"),
    ([], "EN AZ 1 AGIRLIK KAYDI (x1, x2, w1, w2) BEKLENIYORDU"),
    (np.tile([0.0, 100.0, 1.0, 1.0], (10**6, 1)), "EN FAZLA 500 AGIRLIK KAYDI OKUNABILIR"),
    ([(0, 100, 80)], "weights: an array of shape (n, 4) was expected, got shape (1, 3)"),
    ([(0, 100, 102.5, 102.5)] * 2,
     "AGIRLIK DAGILIMI: TOPLAM AGIRLIK W = 20500.0 ton ISTENEN DEPLASMANDAN (10250.0 ton, "
     "HESAP DEGERLERI) %0.5 'TEN FAZLA FARKLI"),
])
def test_weights_in_code_are_refused_as_their_file_would_be(box_hull, weights, message):
    with pytest.raises(norvika.InputError) as refused:
        norvika.run(norvika.Task(**LEVEL), box_hull, weights)
    assert str(refused.value) == message


def test_a_weights_file_is_refused_with_its_line(box_hull):
    path = BAD_INPUTS / "weights-negative-weight" / "Norvika.AGR"
    with pytest.raises(norvika.InputError) as refused:
        norvika.run(norvika.read_task(BAD_INPUTS / "weights-negative-weight"), box_hull, path)
    assert refused.value.file == str(path)
    assert str(refused.value).startswith(f"Norvika.AGR {refused.value.line}. SATIR: ")


def refusals_of_values_no_number():
    box = [(0.0, SECTION), (100.0, SECTION)]
    level = norvika.Task(**LEVEL)

    def hull(points=SECTION, stern=STERN):
        return lambda: norvika.Hull([(0.0, SECTION), (100.0, points)], stern, BOW)

    def weights(rows):
        return lambda: norvika.run(level, norvika.Hull(box, STERN, BOW), rows)

    def task(**change):
        return lambda: norvika.Task(**{**LEVEL, **change})

    # None where a number belongs is a number left out (InputError, as a file's blank would be).
    none = "a number was expected, got None"
    yield "None in a point", hull([(0, 10, 1), (10, None, 1)]), norvika.InputError, \
        f"stations[1] points[1][1]: {none}"
    yield "None in a contour", hull(stern=[(0, 0, 1), (10, 0, None)]), norvika.InputError, \
        f"stern[1][2]: {none}"
    yield "None in weights", weights([(0, 100, None, 102.5)]), norvika.InputError, \
        f"weights[0][2]: {none}"
    # Values whose conversion would invent a number: TypeError naming them.
    yield "bool in a point", hull([(0, 10, 1), (10, 10, True)]), TypeError, \
        "stations[1] points[1][2]: a number was expected, got True (bool)"
    yield "numpy bool in a point", hull([(0, 10, 1), (10, np.bool_(True), 1)]), TypeError, \
        "stations[1] points[1][1]: a number was expected, got True (bool_)"
    yield "bytes in a contour", hull(stern=[(0, 0, 1), (b"10", 0, 1)]), TypeError, \
        "stern[1][0]: a number was expected, got b'10' (bytes)"
    yield "text in a point", hull([(0, 10, 1), (10, "10", 1)]), TypeError, \
        "stations[1] points[1][1]: a number was expected, got '10' (str)"
    yield "text for a contour", hull(stern="abc"), TypeError, \
        "stern: a number was expected, got 'abc' (str)"
    yield "complex in weights", weights([(0, 100, 102.5 + 1j, 102.5)]), TypeError, \
        "weights[0][2]: a number was expected, got (102.5+1j) (complex)"
    yield "bool array of weights", weights(np.ones((1, 4), dtype=bool)), TypeError, \
        "weights: numbers were expected, got an array of bool"
    yield "bool drafts", lambda: norvika.hydrostatics(norvika.Hull(box, STERN, BOW), [True],
                                                      ship_length=100, density=1), TypeError, \
        "drafts[0]: a number was expected, got True (bool)"
    yield "bool length", task(ship_length=True), TypeError, \
        "ship_length: a number was expected, got True (bool)"
    yield "bytes density", task(density=b"1.025"), TypeError, \
        "density: a number was expected, got b'1.025' (bytes)"
    yield "complex displacement", lambda: level.replace(displacement=1j), TypeError, \
        "displacement: a number was expected, got 1j (complex)"
    yield "bool density of hydrostatics", lambda: norvika.hydrostatics(
        norvika.Hull(box, STERN, BOW), ship_length=100, density=True), TypeError, \
        "density: a number was expected, got True (bool)"
    yield "bool steps of Bonjean", lambda: norvika.bonjean(norvika.Hull(box, STERN, BOW), True), \
        TypeError, "steps: a whole number was expected, got True (bool)"
    # A case is a whole number, in a new task and in a changed one alike.
    for name, make in [("Task", lambda **c: norvika.Task(**{**LEVEL, **c})),
                       ("replace", level.replace)]:
        yield f"{name} case 2.5", lambda make=make: make(case=2.5), TypeError, \
            "case: a whole number was expected, got 2.5 (float)"
        yield f"{name} case None", lambda make=make: make(case=None), TypeError, \
            "case: a whole number was expected, got None (NoneType)"
        yield f"{name} equal points '11'", lambda make=make: make(equal_points="11"), TypeError, \
            "equal_points: a whole number was expected, got '11' (str)"


@pytest.mark.parametrize("make,error,message",
                         [pytest.param(*r[1:], id=r[0]) for r in refusals_of_values_no_number()])
def test_a_value_that_is_no_number_is_refused_as_what_it_is(make, error, message):
    with pytest.raises(error) as refused:
        make()
    assert type(refused.value) is error and str(refused.value) == message
    if error is norvika.InputError:
        assert (refused.value.file, refused.value.line) == (None, None)


class Interrupting:
    """A number whose conversion is interrupted, or fails."""

    def __init__(self, exception):
        self.exception = exception

    def __float__(self):
        raise self.exception


@pytest.mark.parametrize("exception", [KeyboardInterrupt, SystemExit, GeneratorExit, ValueError])
@pytest.mark.parametrize("where", ["point", "station x", "weights", "drafts", "task", "replace"])
def test_an_interruption_while_a_number_is_read_goes_through(box_hull, where, exception):
    value = Interrupting(exception("stop"))
    level = norvika.Task(**LEVEL)
    call = {
        "point": lambda: norvika.Hull([(0.0, SECTION), (100.0, [(0, 10, 1), (10, value, 1)])],
                                      STERN, BOW),
        "station x": lambda: norvika.Hull([(0.0, SECTION), (value, SECTION)], STERN, BOW),
        "weights": lambda: norvika.run(level, box_hull, [(0, 100, value, 102.5)]),
        "drafts": lambda: norvika.hydrostatics(box_hull, [1.0, value], ship_length=100, density=1),
        "task": lambda: norvika.Task(**{**LEVEL, "ship_length": value}),
        "replace": lambda: level.replace(initial_draft=value),
    }[where]
    if issubclass(exception, Exception):
        # A failing conversion is a refused value, the failure kept as its cause.
        with pytest.raises(norvika.InputError, match=r"expected, converting .* ValueError: stop$") \
                as refused:
            call()
        assert isinstance(refused.value.__cause__, exception)
    else:
        with pytest.raises(exception) as raised:
            call()
        assert type(raised.value) is exception and str(raised.value) == "stop"


@pytest.mark.parametrize("call,message,file", [
    pytest.param(lambda d: norvika.read_task(""),
     "path: an empty name where a task file or a run directory was expected", None, id="empty task"),
    pytest.param(lambda d: norvika.read_hull(b""),
                 "path: an empty name where a hull file was expected", None, id="empty hull"),
    pytest.param(lambda d: norvika.run_directory(""),
                 "directory: an empty name where a run directory or its task file was expected",
                 None, id="empty directory"),
    pytest.param(lambda d: norvika.read_task("a" * 5000),
                 f"{'a' * 5000} DOSYASI BULUNAMADI: {{cwd}}/{'a' * 5000}", "{cwd}/" + "a" * 5000,
                 id="name too long"),
    pytest.param(lambda d: norvika.read_task(d / ("a" * 300) / "Norvika.TSK"),
                 f"Norvika.TSK DOSYASI BULUNAMADI: {{d}}/{'a' * 300}/Norvika.TSK",
                 f"{{d}}/{'a' * 300}/Norvika.TSK", id="directory name too long"),
    pytest.param(lambda d: norvika.read_task("Norvika\0.TSK"),
                 "path: a name holding a NUL character names no file", None, id="NUL"),
    pytest.param(lambda d: norvika.run_directory(d / "KUTU.DAT"),
                 "'{d}/KUTU.DAT' is neither a run directory nor a task file Norvika.TSK",
                 "{d}/KUTU.DAT", id="hull file as run directory"),
])
def test_a_path_that_names_no_input_is_refused_naming_it(call, message, file, tmp_path,
                                                        monkeypatch):
    shutil.copytree(EXAMPLES / "box-barge" / "case1-level", tmp_path / "run")
    monkeypatch.chdir(tmp_path)
    with pytest.raises(norvika.InputError) as refused:
        call(tmp_path / "run")
    places = {"cwd": str(tmp_path), "d": str(tmp_path / "run")}
    assert str(refused.value) == message.format(**places)
    assert refused.value.file == (file and file.format(**places)) and refused.value.line is None


def test_a_run_directory_may_be_named_by_its_task_file(tmp_path, monkeypatch):
    directory = EXAMPLES / "box-barge" / "case1-level"
    expected = norvika.run_directory(directory)
    assert norvika.run_directory(directory / "Norvika.TSK") == expected
    monkeypatch.chdir(directory)
    assert norvika.run_directory("Norvika.TSK") == expected
    assert norvika.read_task("Norvika.TSK") == norvika.read_task(directory)


# Each entry that reads or checks an input, refusing one: (bad input of tests/inputs/bad or
# None, the call given that input's directory and a language).
REFUSED_IN_EITHER_LANGUAGE = {
    "read_task": ("task-case-8", lambda run, **kw: norvika.read_task(run / "Norvika.TSK", **kw)),
    "read_task missing": (None, lambda run, **kw: norvika.read_task(run / "Norvika.TSK", **kw)),
    "read_hull": ("hull-heights-decreasing",
                  lambda run, **kw: norvika.read_hull(run / "KUTU.DAT", **kw)),
    "Task": (None, lambda run, **kw: norvika.Task(**{**LEVEL, "initial_draft": -0.5}, **kw)),
    "Task.replace": (None, lambda run, **kw: norvika.Task(**LEVEL).replace(
        case=7, initial_draft=None, forward_draft=5.0, aft_draft=4.5, heel_angle=10.0, **kw)),
    "Hull": (None, lambda run, **kw: norvika.Hull(
        [(0.0, SECTION), (100.0, [(10, 10, 1), (0, 10, 1)])], STERN, BOW, **kw)),
}


@pytest.mark.parametrize("entry", REFUSED_IN_EITHER_LANGUAGE)
def test_an_input_is_refused_in_english_with_the_turkish_numbers(entry, tmp_path):
    bad, call = REFUSED_IN_EITHER_LANGUAGE[entry]
    run = prepared_case(BAD_INPUTS / bad, tmp_path / "run") if bad else tmp_path
    refusals = {}
    for language in ["tr", "en"]:
        with pytest.raises(norvika.InputError) as refused:
            call(run, language=language)
        refusals[language] = refused.value
    turkish, english = refusals["tr"], refusals["en"]
    numbers = lambda error: re.findall(r"-?[0-9]+(?:\.[0-9]+)?", str(error))
    assert numbers(english) == numbers(turkish)
    assert (english.file, english.line) == (turkish.file, turkish.line)
    # No word of the Turkish message stays, but the names of files and the run directory.
    words = lambda text: set(re.findall(r"[A-Za-z]{3,}", text))
    names = words(str(run)) | {"Norvika", "TSK", "KUTU", "DAT"}
    assert words(str(english)) & words(str(turkish)) <= names, english
