"""Norvika's calculation core: buoyancy distribution, displacement, centre of
buoyancy, longitudinal strength and hydrostatics of a ship. Units: m, m2, m3,
t, t/m, t/m3, t m, kN m, degrees. Tasks, hulls and results compare by value,
copy and pickle; the arrays handed back are read-only."""

import os
from typing import Any, Iterable, Mapping, Optional, Tuple, Union

import numpy as np
import numpy.typing as npt

__version__: str

FloatArray = npt.NDArray[np.float64]
ArrayLike = npt.ArrayLike
PathLike = Union[str, "os.PathLike[str]"]

class InputError(ValueError):
    """An input Norvika rejects; str(error) is the program's message."""

    file: Optional[str]
    """The path of the file the message names; None for values given in code."""
    line: Optional[int]
    """The line (1-based) the message names; None when it names none."""

class CalculationStop(RuntimeError):
    """The calculation stopped with one of its messages; str(error) is the message."""

    title: str
    """The title of the program's message box."""

class Task:
    """A loading case of a ship: the task file's values (m, t, t/m3, degrees)."""

    def __init__(
        self,
        *,
        ship_length: float,
        station_divisions: float,
        density: float,
        case: int,
        displacement: Optional[float] = None,
        initial_draft: Optional[float] = None,
        wave_height: Optional[float] = None,
        wave_length_ratio: Optional[float] = None,
        forward_draft: Optional[float] = None,
        aft_draft: Optional[float] = None,
        heel_angle: Optional[float] = None,
        equal_points: int = 0,
        equal_start: float = 0.0,
        equal_end: float = 0.0,
    ) -> None:
        """A task from values, checked as the task file's; raises InputError."""
    @property
    def ship_length(self) -> float:
        """L, m."""
    @property
    def station_divisions(self) -> float:
        """Station intervals between AP and FP."""
    @property
    def density(self) -> float:
        """Water density, t/m3."""
    @property
    def case(self) -> int:
        """The case, 1-7."""
    @property
    def displacement(self) -> Optional[float]:
        """Required displacement, t (cases 1-5)."""
    @property
    def initial_draft(self) -> Optional[float]:
        """Initial draft of the search, m (cases 1-5)."""
    @property
    def wave_height(self) -> Optional[float]:
        """Wave height, m (cases 2-5)."""
    @property
    def wave_length_ratio(self) -> Optional[float]:
        """Wave length over L (cases 2-5)."""
    @property
    def forward_draft(self) -> Optional[float]:
        """Draft at FP, m (cases 6, 7)."""
    @property
    def aft_draft(self) -> Optional[float]:
        """Draft at AP, m (cases 6, 7)."""
    @property
    def heel_angle(self) -> Optional[float]:
        """Heel angle, degrees (case 7)."""
    @property
    def equal_points(self) -> int:
        """Number of equally spaced points (0: none)."""
    @property
    def equal_start(self) -> float:
        """First equally spaced point, m from AP."""
    @property
    def equal_end(self) -> float:
        """Last equally spaced point, m from AP."""
    @property
    def file(self) -> Optional[str]:
        """The task file it was read from; None when made in code."""
    @property
    def hull_file(self) -> Optional[str]:
        """The hull file's name in the task file; None when made in code."""
    @property
    def hull_path(self) -> Optional[str]:
        """Where the program finds the hull file; None when made in code."""
    def replace(self, **changes: Any) -> Task:
        """A new task with the values given changed (None: left out)."""
    def __eq__(self, other: object) -> bool:
        """Equal values, read from the same file or both made in code."""
    def __hash__(self) -> int: ...

class Hull:
    """A ship's hull: stations and end contours as the hull file holds them (m)."""

    def __init__(
        self,
        stations: Iterable[Tuple[float, ArrayLike]],
        stern: ArrayLike,
        bow: ArrayLike,
    ) -> None:
        """stations: (x from AP, rows of (z, half-breadth, code)); stern, bow: rows of
        (z, x from AP, code). Checked as the hull file's records; raises InputError."""
    @property
    def station_count(self) -> int: ...
    @property
    def station_x(self) -> FloatArray:
        """Station positions, m from AP."""
    @property
    def stations(self) -> list[Tuple[float, FloatArray]]:
        """(x, rows of (z, half-breadth, code)) for each station."""
    @property
    def stern(self) -> FloatArray:
        """Rows of (z, x from AP, code)."""
    @property
    def bow(self) -> FloatArray:
        """Rows of (z, x from AP, code)."""
    @property
    def file(self) -> Optional[str]:
        """The hull file it was read from; None when made in code."""
    def __eq__(self, other: object) -> bool:
        """Equal records, read from the same file or both made in code."""
    def __hash__(self) -> int: ...

class BalanceHistory:
    """Every draft the displacement balance evaluated, in order."""

    @property
    def draft(self) -> FloatArray:
        """Mean draft, m."""
    @property
    def step(self) -> FloatArray:
        """The search's step, m."""
    @property
    def displacement(self) -> FloatArray:
        """Displacement, t."""
    def __len__(self) -> int: ...

class EqualSpacing:
    """Buoyancy per metre at equally spaced points, corrected to the displacement."""

    @property
    def x(self) -> FloatArray:
        """m from AP."""
    @property
    def buoyancy(self) -> FloatArray:
        """t/m."""
    @property
    def span(self) -> float:
        """m."""
    @property
    def displacement(self) -> float:
        """t."""
    @property
    def lcb(self) -> float:
        """m from AP."""

class StrengthCondition:
    """The buoyancy of one condition of the strength step."""

    balanced: bool
    iterations: int
    mean_draft: float
    """m at L/2."""
    trim: float
    """Forward minus aft draft, m."""
    aft_draft: float
    """m at AP."""
    forward_draft: float
    """m at FP."""
    displacement: float
    """t."""
    lcb: float
    """m from AP."""

class RuleWaveLoads:
    """Wave loads of the unified rule (IACS UR S11) where their distribution factors are 1."""

    applies: bool
    length: float
    aft_end: float
    breadth: float
    draft: float
    computed_block_coefficient: float
    block_coefficient: float
    """The computed Cb, not below 0.6."""
    coefficient: float
    hogging: float
    """kN m, positive."""
    sagging: float
    """kN m, negative."""
    shear: float
    """kN."""

class Strength:
    """Longitudinal strength: q = w - b (t/m), SF (t), BM (t m, hogging > 0)."""

    @property
    def x(self) -> FloatArray:
        """Row positions, m from AP."""
    @property
    def w(self) -> FloatArray:
        """Weight per metre, t/m."""
    @property
    def b(self) -> FloatArray:
        """Buoyancy per metre, t/m."""
    @property
    def q(self) -> FloatArray:
        """Load, t/m."""
    @property
    def sf(self) -> FloatArray:
        """Shear force, t."""
    @property
    def bm(self) -> FloatArray:
        """Bending moment, t m."""
    @property
    def weight(self) -> float:
        """W, t."""
    @property
    def lcg(self) -> float:
        """LCG, m from AP."""
    @property
    def condition(self) -> StrengthCondition: ...
    @property
    def still_water(self) -> Optional[StrengthCondition]: ...
    @property
    def bm_still_water(self) -> Optional[FloatArray]:
        """t m (cases 2-5)."""
    @property
    def bm_wave(self) -> Optional[FloatArray]:
        """Wave-induced BM, t m (cases 2-5)."""
    @property
    def hogging(self) -> Tuple[float, float]:
        """(t m, m from AP)."""
    @property
    def sagging(self) -> Tuple[float, float]:
        """(t m, m from AP)."""
    @property
    def positive_shear(self) -> Tuple[float, float]:
        """(t, m from AP)."""
    @property
    def negative_shear(self) -> Tuple[float, float]:
        """(t, m from AP)."""
    @property
    def wave_hogging(self) -> Optional[Tuple[float, float]]:
        """(t m, m from AP) (cases 2-5)."""
    @property
    def wave_sagging(self) -> Optional[Tuple[float, float]]:
        """(t m, m from AP) (cases 2-5)."""
    @property
    def end_shear(self) -> float:
        """t."""
    @property
    def end_moment(self) -> float:
        """t m."""
    @property
    def rule(self) -> Optional[RuleWaveLoads]: ...

class Sweep:
    """The wave's crest moved along the ship, the ship balanced at each position.
    Wave-induced values; arrays per crest position (N) or per row of the strength table."""

    @property
    def wave_length(self) -> float:
        """m."""
    @property
    def crest(self) -> FloatArray:
        """Crest position, m from AP (per position)."""
    @property
    def iterations(self) -> npt.NDArray[np.int64]:
        """Newton steps of the balance (per position)."""
    @property
    def mean_draft(self) -> FloatArray:
        """m (per position)."""
    @property
    def trim(self) -> FloatArray:
        """m (per position)."""
    @property
    def hogging(self) -> FloatArray:
        """Largest BM, t m (per position)."""
    @property
    def hogging_x(self) -> FloatArray:
        """m from AP (per position)."""
    @property
    def sagging(self) -> FloatArray:
        """Smallest BM, t m (per position)."""
    @property
    def sagging_x(self) -> FloatArray:
        """m from AP (per position)."""
    @property
    def positive_shear(self) -> FloatArray:
        """Largest SF, t (per position)."""
    @property
    def positive_shear_x(self) -> FloatArray:
        """m from AP (per position)."""
    @property
    def negative_shear(self) -> FloatArray:
        """Smallest SF, t (per position)."""
    @property
    def negative_shear_x(self) -> FloatArray:
        """m from AP (per position)."""
    @property
    def x(self) -> FloatArray:
        """Row positions, m from AP."""
    @property
    def sf_max(self) -> FloatArray:
        """t (per row)."""
    @property
    def sf_max_crest(self) -> FloatArray:
        """m from AP (per row)."""
    @property
    def sf_min(self) -> FloatArray:
        """t (per row)."""
    @property
    def sf_min_crest(self) -> FloatArray:
        """m from AP (per row)."""
    @property
    def bm_max(self) -> FloatArray:
        """t m (per row)."""
    @property
    def bm_max_crest(self) -> FloatArray:
        """m from AP (per row)."""
    @property
    def bm_min(self) -> FloatArray:
        """t m (per row)."""
    @property
    def bm_min_crest(self) -> FloatArray:
        """m from AP (per row)."""
    @property
    def sf_rule_positive(self) -> FloatArray:
        """kN (per row)."""
    @property
    def sf_rule_negative(self) -> FloatArray:
        """kN (per row)."""
    @property
    def bm_rule_hogging(self) -> FloatArray:
        """kN m (per row)."""
    @property
    def bm_rule_sagging(self) -> FloatArray:
        """kN m (per row)."""
    @property
    def worst_hogging(self) -> Optional[Tuple[float, float, float]]:
        """(t m, m from AP, crest m from AP)."""
    @property
    def worst_sagging(self) -> Optional[Tuple[float, float, float]]:
        """(t m, m from AP, crest m from AP)."""
    @property
    def worst_positive_shear(self) -> Optional[Tuple[float, float, float]]:
        """(t, m from AP, crest m from AP)."""
    @property
    def worst_negative_shear(self) -> Optional[Tuple[float, float, float]]:
        """(t, m from AP, crest m from AP)."""
    @property
    def sf_max_ratio(self) -> FloatArray:
        """Ratio to the rule, NaN where none (per row)."""
    @property
    def sf_min_ratio(self) -> FloatArray:
        """Ratio to the rule, NaN where none (per row)."""
    @property
    def bm_max_ratio(self) -> FloatArray:
        """Ratio to the rule, NaN where none (per row)."""
    @property
    def bm_min_ratio(self) -> FloatArray:
        """Ratio to the rule, NaN where none (per row)."""
    @property
    def largest_hogging_ratio(self) -> Optional[Tuple[float, float, float]]:
        """(ratio, m from AP, crest m from AP)."""
    @property
    def largest_sagging_ratio(self) -> Optional[Tuple[float, float, float]]:
        """(ratio, m from AP, crest m from AP)."""
    @property
    def largest_positive_shear_ratio(self) -> Optional[Tuple[float, float, float]]:
        """(ratio, m from AP, crest m from AP)."""
    @property
    def largest_negative_shear_ratio(self) -> Optional[Tuple[float, float, float]]:
        """(ratio, m from AP, crest m from AP)."""

class Result:
    """What a completed run reached; == compares values."""

    @property
    def case(self) -> int: ...
    @property
    def station_x(self) -> FloatArray:
        """m from AP."""
    @property
    def waterline(self) -> FloatArray:
        """Waterline height at each station, m."""
    @property
    def section_area(self) -> FloatArray:
        """m2."""
    @property
    def buoyancy(self) -> FloatArray:
        """t/m."""
    @property
    def displacement(self) -> float:
        """t."""
    @property
    def lcb(self) -> float:
        """m from AP."""
    @property
    def tcb(self) -> Optional[float]:
        """m from the centre line (case 7)."""
    @property
    def forward_draft(self) -> float:
        """m."""
    @property
    def aft_draft(self) -> float:
        """m."""
    @property
    def mean_draft(self) -> Optional[float]:
        """m (cases 1-5)."""
    @property
    def history(self) -> Optional[BalanceHistory]: ...
    @property
    def equal_spacing(self) -> Optional[EqualSpacing]: ...
    @property
    def strength(self) -> Optional[Strength]: ...
    @property
    def sweep(self) -> Optional[Sweep]:
        """The crest sweep (run(..., sweep=N)); None without one."""
    @property
    def files(self) -> Mapping[str, bytes]:
        """The result files by name, as bytes (a read-only mapping); nothing is written."""

class Hydrostatics:
    """The curves of form, one value per draft in each column."""

    @property
    def draft(self) -> FloatArray: ...
    @property
    def forward_draft(self) -> FloatArray: ...
    @property
    def aft_draft(self) -> FloatArray: ...
    @property
    def volume(self) -> FloatArray: ...
    @property
    def displacement(self) -> FloatArray: ...
    @property
    def lcb(self) -> FloatArray: ...
    @property
    def kb(self) -> FloatArray: ...
    @property
    def waterplane_area(self) -> FloatArray: ...
    @property
    def lcf(self) -> FloatArray: ...
    @property
    def tpc(self) -> FloatArray: ...
    @property
    def bmt(self) -> FloatArray: ...
    @property
    def bml(self) -> FloatArray: ...
    @property
    def kmt(self) -> FloatArray: ...
    @property
    def kml(self) -> FloatArray: ...
    @property
    def mct(self) -> FloatArray: ...
    @property
    def waterline_length(self) -> FloatArray: ...
    @property
    def waterline_breadth(self) -> FloatArray: ...
    @property
    def midship_area(self) -> FloatArray: ...
    @property
    def cb(self) -> FloatArray: ...
    @property
    def cp(self) -> FloatArray: ...
    @property
    def cm(self) -> FloatArray: ...
    @property
    def cwp(self) -> FloatArray: ...
    @property
    def wetted_surface(self) -> FloatArray: ...
    @property
    def cb_wl(self) -> FloatArray: ...
    @property
    def cp_wl(self) -> FloatArray: ...
    @property
    def cwp_wl(self) -> FloatArray: ...
    @property
    def lcb_from_midship(self) -> FloatArray: ...
    @property
    def lcb_percent(self) -> FloatArray: ...
    @property
    def lcf_from_midship(self) -> FloatArray: ...
    @property
    def lcf_percent(self) -> FloatArray: ...
    @property
    def largest_section_area(self) -> FloatArray: ...
    @property
    def largest_section_x(self) -> FloatArray: ...
    @property
    def fresh_water_displacement(self) -> FloatArray: ...
    @property
    def gmt(self) -> FloatArray: ...
    @property
    def gml(self) -> FloatArray: ...
    def to_dict(self) -> dict[str, FloatArray]: ...
    def __len__(self) -> int: ...

class Stability:
    """The cross curves and a loading condition's GZ curve and criteria; the
    condition's values are None without one."""

    @property
    def heels(self) -> FloatArray: ...
    @property
    def displacements(self) -> FloatArray: ...
    @property
    def kn(self) -> FloatArray: ...
    @property
    def deck_edge_angles(self) -> FloatArray: ...
    @property
    def gm0(self) -> Optional[float]: ...
    @property
    def kmt(self) -> Optional[float]: ...
    @property
    def gz_heels(self) -> Optional[FloatArray]: ...
    @property
    def gz(self) -> Optional[FloatArray]: ...
    @property
    def max_gz(self) -> Optional[float]: ...
    @property
    def max_gz_heel(self) -> Optional[float]: ...
    @property
    def vanishing_angle(self) -> Optional[float]: ...
    @property
    def deck_edge_angle(self) -> Optional[float]: ...
    @property
    def area_30(self) -> Optional[float]: ...
    @property
    def area_40(self) -> Optional[float]: ...
    @property
    def area_to_flooding(self) -> Optional[float]: ...
    @property
    def criteria(self) -> Optional[Mapping[str, tuple[float, float, bool, bool]]]: ...
    @property
    def weather(self) -> Optional[Mapping[str, Optional[float]]]: ...

def stability(
    hull: Hull,
    *,
    ship_length: float,
    density: float,
    displacements: Optional[ArrayLike] = None,
    drafts: Optional[ArrayLike] = None,
    heels: Optional[ArrayLike] = None,
    finer_heels: bool = False,
    lcg: Optional[float] = None,
    fixed_trim: bool = False,
    kg: Optional[float] = None,
    displacement: Optional[float] = None,
    draft: Optional[float] = None,
    fsm: Optional[float] = None,
    flooding_angle: Optional[float] = None,
    wind_area: Optional[float] = None,
    wind_lever: Optional[float] = None,
    bilge_keel_area: Optional[float] = None,
    sharp_bilges: bool = False,
) -> Stability:
    """The cross curves (KN) and, with kg, a loading condition's GZ curve and the
    2008 Intact Stability Code's criteria; raises InputError."""

def read_task(path: PathLike) -> Task:
    """Reads a task file (or a run directory's Norvika.TSK); raises InputError."""

def read_hull(path: PathLike) -> Hull:
    """Reads a hull offsets file; raises InputError."""

def run(
    task: Task,
    hull: Hull,
    weights: Union[None, PathLike, ArrayLike] = None,
    *,
    sweep: Optional[int] = None,
    rule_length: Optional[float] = None,
    scantling_draft: Optional[float] = None,
    language: str = "tr",
) -> Result:
    """Runs the case as the executable's batch mode does; raises InputError or
    CalculationStop. weights: None, a weights file, or rows of (x1, x2, w1, w2);
    sweep: None or 2-1000 crest positions (wave cases with weights);
    rule_length, scantling_draft: the rule's L and T in m (cases 1-5 with weights)."""

def run_directory(directory: PathLike, *, language: str = "tr") -> Result:
    """Runs a run directory's files (or those of the task file Norvika.TSK named)
    in the executable's order; writes nothing."""

def hydrostatics(
    hull: Hull,
    drafts: Optional[ArrayLike] = None,
    *,
    ship_length: float,
    density: float,
    trim: float = 0.0,
    kg: Optional[float] = None,
) -> Hydrostatics:
    """The curves of form at the drafts (m at L/2, at least 0.001, rising); density
    0.5-2 t/m3; kg: KG for GMt, GMl and MCT from GMl; raises InputError."""

def bonjean(hull: Hull, steps: int = 20) -> list[dict[str, Any]]:
    """The Bonjean curves of every station."""
