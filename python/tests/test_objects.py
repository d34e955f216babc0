"""Tasks, hulls and results as values a study moves between processes: equal
when their values are, pickled and copied whole, their arrays read-only, and
runs on a process pool and on a Dask cluster giving the results of a loop."""

import copy
import multiprocessing
import pickle
import runpy
from concurrent.futures import ProcessPoolExecutor

import numpy as np
import pytest

import norvika
from conftest import EXAMPLES, SOURCE, example_inputs

STRENGTH = EXAMPLES / "dtmb5415" / "strength-trochoid-crest"


@pytest.fixture(scope="module")
def swept():
    """A run with every part: history, equally spaced values, strength, sweep."""
    task = norvika.read_task(STRENGTH)
    return norvika.run(task, norvika.read_hull(task.hull_path), STRENGTH / "Norvika.AGR", sweep=4)


def parts(value):
    """The value and every value object reachable from it by its properties."""
    found = [value]
    for name in dir(type(value)):
        if isinstance(getattr(type(value), name), property) and not name.startswith("_"):
            inner = getattr(value, name)
            if type(inner).__module__ == "norvika._core":
                found += parts(inner)
    return found


ROUND_TRIPS = {
    "pickle": lambda v: pickle.loads(pickle.dumps(v)),
    "copy": copy.copy,
    "deepcopy": copy.deepcopy,
}


def inputs():
    for name in ["box-barge/case1-level", "dtmb5415/case7-heeled", "hard-chine/case4-sine-crest"]:
        task = norvika.read_task(EXAMPLES / name)
        yield pytest.param(task, task.replace(density=task.density + 0.001), id=f"task {name}")
        hull = norvika.read_hull(task.hull_path)
        # The same records made in code: equal values, but not from the file.
        yield pytest.param(hull, norvika.Hull(hull.stations, hull.stern, hull.bow),
                           id=f"hull {name}")
    level = norvika.Task(ship_length=100.0, station_divisions=20, density=1.025, case=1,
                         displacement=10250.0, initial_draft=4.0)
    yield pytest.param(level, level.replace(density=1.0), id="task in code")
    section = [(0.0, 10.0, 1), (10.0, 10.0, 1)]
    box = [[(0.0, section), (100.0, section)], [(0, 0, 1), (10, 0, 1)], [(0, 100, 1), (10, 100, 1)]]
    wider = [(0.0, section), (100.0, [(0.0, 10.0, 1), (10.0, 10.5, 1)])]
    yield pytest.param(norvika.Hull(*box), norvika.Hull(wider, *box[1:]), id="hull in code")


@pytest.mark.parametrize("how", ROUND_TRIPS)
@pytest.mark.parametrize("value,other", inputs())
def test_tasks_and_hulls_come_back_equal_and_differ_from_others(value, other, how):
    again = ROUND_TRIPS[how](value)
    assert again == value and hash(again) == hash(value) and not again != value
    assert again.file == value.file and repr(again) == repr(value)
    # A hull made again in code, or a task with a value changed, is another value.
    assert other != value and again != other
    assert {value, again, other} == {value, other}


@pytest.mark.parametrize("how", ROUND_TRIPS)
def test_a_result_comes_back_whole_and_equal(swept, how):
    again = ROUND_TRIPS[how](swept)
    assert again == swept and again is not swept
    assert again.files == swept.files and set(again.files) >= {"TARAMA.TXT", "MUKAVEMET.SON"}
    for before, after in zip(parts(swept), parts(again)):
        assert type(after) is type(before) and after == before
        for name, value in vars(type(after)).items():
            if isinstance(value, property) and isinstance(getattr(after, name), np.ndarray):
                np.testing.assert_array_equal(getattr(after, name), getattr(before, name))
                assert not getattr(after, name).flags.writeable, f"{type(after).__name__}.{name}"


def test_results_differ_when_a_value_does(swept, box_hull):
    task = norvika.Task(ship_length=100.0, station_divisions=20, density=1.025, case=1,
                        displacement=10250.0, initial_draft=4.0)
    one, same, heavier = (norvika.run(task, box_hull), norvika.run(task, box_hull),
                          norvika.run(task.replace(displacement=10260.0), box_hull))
    assert one == same and one != heavier and one != swept
    assert one.history != heavier.history
    with pytest.raises(TypeError, match="unhashable"):
        hash(one)


def test_nothing_a_result_hands_out_takes_a_write(swept, box_hull):
    arrays = {f"{type(p).__name__}.{name}": getattr(p, name) for p in parts(swept)
              for name, v in vars(type(p)).items()
              if isinstance(v, property) and isinstance(getattr(p, name), np.ndarray)}
    table = norvika.hydrostatics(box_hull, [2.0, 4.0], ship_length=100.0, density=1.0)
    arrays |= {f"Hydrostatics.{k}": v for k, v in table.to_dict().items()}
    arrays |= {"Hull.station_x": box_hull.station_x, "Hull.bow": box_hull.bow,
               "Hull.stations[0]": box_hull.stations[0][1]}
    assert len(arrays) > 60
    for name, array in arrays.items():
        with pytest.raises(ValueError, match="read-only"):
            array[0] = 1.0
        assert not array.flags.writeable, name
    with pytest.raises(TypeError):
        swept.files["Norvika.SON"] = b""
    assert pickle.loads(pickle.dumps(table)) == table


def test_a_process_pool_maps_run_as_a_loop_does():
    tasks, hulls, weights = zip(*example_inputs([
        "dtmb5415/strength-trochoid-crest", "parabolic-hull/case3-trochoid-trough",
        "box-barge/case1-level", "dtmb5415/case7-heeled"]))
    expected = list(map(norvika.run, tasks, hulls, weights))
    # A pool hangs at its end on a call it could not send, so what it sends is tried first.
    assert pickle.loads(pickle.dumps((norvika.run, tasks, hulls, weights)))[1] == tasks
    # Spawned processes get the function and its arguments by pickle, as on every system.
    with ProcessPoolExecutor(max_workers=2,
                             mp_context=multiprocessing.get_context("spawn")) as pool:
        results = list(pool.map(norvika.run, tasks, hulls, weights))
    assert results == expected


@pytest.mark.filterwarnings("ignore::DeprecationWarning")
def test_the_dask_example_gives_on_two_workers_what_a_loop_gives():
    distributed = pytest.importorskip("distributed")
    pytest.importorskip("pandas")
    example = runpy.run_path(str(SOURCE / "python/examples/hull_variants_dask.py"),
                             run_name="hull_variants_dask")
    factors = [0.9, 1.0, 1.1]
    loop = example["variants"](factors)
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                                  dashboard_address=None) as cluster, \
            distributed.Client(cluster) as client:
        on_dask = example["variants"](factors, client)
        assert len(client.scheduler_info()["workers"]) == 2
    assert on_dask == loop
    frame = example["table"](factors, on_dask)
    # A wider hull floats shallower for the same weight.
    assert frame["mean_level_m"].is_monotonic_decreasing
    assert (frame["hogging_ratio"] > 0).all() and (frame["sagging_ratio"] > 0).all()
