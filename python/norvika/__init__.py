"""Norvika's calculation core for scripts and notebooks.

Read or make a task and a hull, run the case and get its results as numbers and
NumPy arrays, as the ``norvika`` executable computes them (the same numbers, no
file written)::

    import norvika

    task = norvika.read_task("examples/dtmb5415/case2-trochoid-crest")
    hull = norvika.read_hull(task.hull_path)
    result = norvika.run(task, hull)
    result.displacement, result.lcb          # t, m from AP
    result.station_x, result.buoyancy        # m from AP, t/m

Inputs the executable rejects raise :class:`InputError` (with ``file`` and
``line``); a calculation that stops raises :class:`CalculationStop` with the
program's message. Calculations release the interpreter's lock, so a thread
pool runs many at once; tasks, hulls and results compare by value (==), copy
and pickle, so a process pool (or Dask) runs them too. The arrays handed back
are read-only.
"""

import functools

from . import _core
from ._core import (
    BalanceHistory,
    CalculationStop,
    EqualSpacing,
    Hull,
    Hydrostatics,
    InputError,
    Result,
    RuleWaveLoads,
    Stability,
    Strength,
    StrengthCondition,
    Sweep,
    Task,
    __version__,
)


def _by_name(function):
    """The core's function under this package's name. Pickle sends a function
    by its module and name, which the core's own functions do not carry; a
    process pool sends the function it maps that way."""

    @functools.wraps(function)
    def call(*args, **kwargs):
        return function(*args, **kwargs)

    call.__module__ = __name__
    call.__qualname__ = function.__name__
    return call


bonjean = _by_name(_core.bonjean)
hydrostatics = _by_name(_core.hydrostatics)
read_hull = _by_name(_core.read_hull)
read_task = _by_name(_core.read_task)
run = _by_name(_core.run)
run_directory = _by_name(_core.run_directory)
stability = _by_name(_core.stability)

__all__ = [
    "BalanceHistory",
    "CalculationStop",
    "EqualSpacing",
    "Hull",
    "Hydrostatics",
    "InputError",
    "Result",
    "RuleWaveLoads",
    "Stability",
    "Strength",
    "StrengthCondition",
    "Sweep",
    "Task",
    "__version__",
    "bonjean",
    "hydrostatics",
    "read_hull",
    "read_task",
    "run",
    "run_directory",
    "stability",
]
