"""norvika.stability: the box barge's closed forms, the program's golden cross
curves and GZ values, the refusals in the program's words."""

import math
import pickle

import numpy as np
import pytest

import norvika
from conftest import GOLDEN, assert_printed, columns


def box_stability(box_hull, **keywords):
    return norvika.stability(box_hull, ship_length=100.0, density=1.025, **keywords)


@pytest.mark.parametrize("kg", [5.0, 8.0])
def test_box_barge_is_wall_sided_below_its_deck_edge(box_hull, kg):
    # At T = 5 m of its 10 m depth: BM = B^2 / 12 T, KB = T / 2; the deck edge
    # immerses (and the bilge emerges) at arctan(5 / 10).
    result = box_stability(box_hull, kg=kg, draft=5.0)
    bm = 20.0**2 / (12 * 5.0)
    gm = 2.5 + bm - kg
    assert result.gm0 == pytest.approx(gm, abs=1e-9)
    assert result.deck_edge_angle == pytest.approx(math.degrees(math.atan(0.5)), abs=1e-6)
    below = (result.gz_heels > 0) & (result.gz_heels < result.deck_edge_angle)
    phi = np.radians(result.gz_heels[below])
    closed_form = np.sin(phi) * (gm + bm / 2 * np.tan(phi) ** 2)
    np.testing.assert_allclose(result.gz[below], closed_form, rtol=1e-3)
    assert all(passes for _, _, passes, _ in result.criteria.values())


def test_values_are_the_programs_and_stay_as_they_are(box_hull):
    # The box barge example's arguments (examples/box-barge/stability).
    result = box_stability(box_hull, drafts=[2.5, 5, 7.5], kg=5, draft=5, flooding_angle=35,
                           wind_area=500, wind_lever=6)
    kn = columns((GOLDEN / "box-barge/stability/KN.TXT").read_bytes())
    assert_printed(result.kn.ravel(), kn["KN_m"], "KN")
    gz = columns((GOLDEN / "box-barge/stability/GZ.TXT").read_bytes())
    assert_printed(result.gz, gz["GZ_m"], "GZ")
    assert result.vanishing_angle == pytest.approx(90.0, abs=1e-6)
    with pytest.raises(ValueError):
        result.kn[0, 1] = 0.0
    with pytest.raises(TypeError):
        result.criteria["gm0"] = (0, 0, True, True)
    assert pickle.loads(pickle.dumps(result)) == result
    assert box_stability(box_hull, drafts=[2.5, 5]) != result


@pytest.mark.parametrize("keywords, message", [
    ({}, "give the cross curves' displacements or drafts"),
    ({"drafts": [5], "heels": [-5, 10]},
     "heels: expected a heel angle from 0 to 180 degrees, got -5"),
    ({"drafts": [5], "heels": [10, 5]}, "heels: the heels must rise, 5 follows a heel of 10.000"),
    ({"drafts": [5], "fsm": 100}, "fsm: belongs to a loading condition: give kg"),
    ({"kg": 5}, "kg: give the loading condition's displacement or draft"),
    ({"kg": 5, "draft": 5, "wind_area": 500}, "wind_area: give the wind's wind_lever too"),
    ({"displacements": [20500]}, "DEPLASMAN 20500.0 ton: GEMI GUVERTESINE KADAR BATIK"),
    ({"kg": 10.5, "displacement": 10250}, "KG = 10.500 m GUVERTENIN USTUNDE"),
    ({"kg": 10, "draft": 9}, "KONDISYON DEVRILIYOR"),
])
def test_refusals_are_the_programs(box_hull, keywords, message):
    with pytest.raises(norvika.InputError, match=message):
        box_stability(box_hull, **keywords)
