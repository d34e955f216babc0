"""Reading task and hull files, and making tasks, hulls and weights in code:
the values read, and every rejection as the executable's message with its file
and line as values."""

import math
import re

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
    ([(0.0, SECTION), (100.0, SECTION)], "abc", "stern: numbers were expected"),
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
