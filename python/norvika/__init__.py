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
pool runs many at once.
"""

from ._core import (
    BalanceHistory,
    CalculationStop,
    EqualSpacing,
    Hull,
    Hydrostatics,
    InputError,
    Result,
    RuleWaveLoads,
    Strength,
    StrengthCondition,
    Task,
    __version__,
    bonjean,
    hydrostatics,
    read_hull,
    read_task,
    run,
    run_directory,
)

__all__ = [
    "BalanceHistory",
    "CalculationStop",
    "EqualSpacing",
    "Hull",
    "Hydrostatics",
    "InputError",
    "Result",
    "RuleWaveLoads",
    "Strength",
    "StrengthCondition",
    "Task",
    "__version__",
    "bonjean",
    "hydrostatics",
    "read_hull",
    "read_task",
    "run",
    "run_directory",
]
