"""The package as installed: imported twice, its stubs beside it matching
what it holds, its hydrostatics of a box in closed form, and the example
script of the README."""

import ast
import inspect
import math
import runpy
import subprocess
import sys
from pathlib import Path

import numpy as np
import pytest

import norvika
from conftest import EXAMPLES, SOURCE


def test_imported_twice_it_still_runs_and_raises_its_own_errors():
    script = """
import sys, norvika
first = norvika.InputError
for name in [n for n in sys.modules if n == "norvika" or n.startswith("norvika.")]:
    del sys.modules[name]
import norvika
try:
    norvika.Task(ship_length=-1, station_divisions=1, density=1, case=6, forward_draft=1, aft_draft=1)
except norvika.InputError as e:
    assert e.file is None and e.line is None, (e.file, e.line)
    assert isinstance(e, first)
task = norvika.read_task(sys.argv[1])
print(norvika.run(task, norvika.read_hull(task.hull_path)).displacement)
"""
    out = subprocess.run([sys.executable, "-c", script, str(EXAMPLES / "box-barge" / "case1-level")],
                         capture_output=True, text=True, timeout=120)
    assert out.returncode == 0, out.stderr
    assert float(out.stdout) == pytest.approx(10250.0, abs=0.1)


def stub_tree():
    stub = Path(norvika.__file__).with_name("_core.pyi")
    assert Path(norvika.__file__).with_name("py.typed").exists()
    return ast.parse(stub.read_text())


def runtime_parameters(doc):
    """(name, type, default, keyword-only) of each parameter of a pybind11
    signature line 'name(a: T, *, b: U = x) -> R'; '**kwargs' is named '**'."""
    inside = doc.split("(", 1)[1].rsplit(") ->", 1)[0]
    parameters, depth, current, keyword_only = [], 0, "", False
    for c in inside + ",":
        depth += c in "[(" and 1 or (c in "])" and -1 or 0)
        if c == "," and depth == 0:
            if current.strip() == "*":
                keyword_only = True
            elif current.strip():
                name, _, rest = current.partition(":")
                kind, _, default = rest.partition("=")
                name = "**" if name.strip().startswith("**") else name.strip()
                parameters.append((name, kind.strip(), default.strip() or None,
                                   keyword_only or name == "**"))
            current = ""
        else:
            current += c
    return parameters


def runtime_returns(doc):
    return doc.splitlines()[0].rsplit(") -> ", 1)[1]


def stub_parameters(function):
    """(name, type, default, keyword-only) of each parameter of a stub's function."""
    args = function.args
    defaults = [None] * (len(args.args) - len(args.defaults)) + args.defaults
    unparsed = lambda node: node and ast.unparse(node)
    return ([(a.arg, unparsed(a.annotation), unparsed(d), False)
             for a, d in zip(args.args, defaults)] +
            [(a.arg, unparsed(a.annotation), unparsed(d), True)
             for a, d in zip(args.kwonlyargs, args.kw_defaults)] +
            ([("**", unparsed(args.kwarg.annotation), None, True)] if args.kwarg else []))


# The module's own words for a type, in the stub's.
RUNTIME_TYPES = {"numpy.ndarray[numpy.float64]": "_FloatArray",
                 "numpy.ndarray[numpy.int64]": "npt.NDArray[np.int64]",
                 "Union[str, os.PathLike]": "_PathLike", "": "object"}


def stub_gives(stubbed, runtime, default=None):
    """Whether the stub's type is the module's, or narrower where the module
    says only `object` or a bare list, dict or tuple."""
    runtime = runtime.replace("norvika._core.", "")
    runtime = RUNTIME_TYPES.get(runtime, runtime)
    if default == "None" and not runtime.startswith("Optional["):
        runtime = f"Optional[{runtime}]"
    bare = runtime.removeprefix("Optional[").removesuffix("]")
    narrowed = stubbed.removeprefix("Optional[").removesuffix("]")
    return (stubbed == runtime or bare == "object" or
            (bare in ("list", "dict", "tuple") and narrowed.lower().startswith(bare + "[")))


def signature_differences(label, node, doc, method=False):
    runtime = runtime_parameters(doc.splitlines()[0])[method:]
    stub = stub_parameters(node)[method:]
    if node.name.startswith("__"):  # operators take their operand by position
        return [] if len(runtime) == len(stub) else [f"{label}: operand count"]
    found = []
    if [(n, d, k) for n, _, d, k in runtime] != [(n, d, k) for n, _, d, k in stub]:
        found.append(f"{label}: parameters {runtime} against the stub's {stub}")
    found += [f"{label}({name}): {kind} against the stub's {stubbed}"
              for (name, stubbed, default, _), (_, kind, _, _) in zip(stub, runtime)
              if not stub_gives(stubbed, kind, default)]
    if not stub_gives(ast.unparse(node.returns), runtime_returns(doc)):
        found.append(f"{label}: returns {runtime_returns(doc)}, the stub "
                     f"{ast.unparse(node.returns)}")
    return found


def member_differences(cls, node):
    """What the stub of class `cls` says otherwise than the module holds."""
    found, setters = [], {n.name for n in node.body if isinstance(n, ast.FunctionDef)
                          and any(ast.unparse(d).endswith(".setter") for d in n.decorator_list)}
    for member in node.body:
        label = f"{node.name}.{getattr(member, 'name', None) or member.target.id}" \
            if isinstance(member, (ast.FunctionDef, ast.AnnAssign)) else None
        runtime = label and vars(cls).get(label.split(".")[1])
        if isinstance(member, ast.AnnAssign):
            # A plain attribute in a stub is writable.
            if isinstance(runtime, property) and runtime.fset is None:
                found.append(f"{label}: read-only, the stub lets it be written")
            elif runtime is None and not issubclass(cls, BaseException):
                found.append(f"{label}: not in the module")
        elif isinstance(member, ast.FunctionDef) and member.decorator_list:
            if not isinstance(runtime, property):
                found.append(f"{label}: not a property in the module")
            elif (runtime.fset is not None) != (member.name in setters):
                found.append(f"{label}: writable {runtime.fset is not None} in the module")
            elif not stub_gives(ast.unparse(member.returns), runtime_returns(runtime.fget.__doc__)):
                found.append(f"{label}: {runtime_returns(runtime.fget.__doc__)}, the stub "
                             f"{ast.unparse(member.returns)}")
        elif isinstance(member, ast.FunctionDef):
            if runtime is None:
                found.append(f"{label}: not in the module")
            elif member.name != "__hash__" and "(" in (runtime.__doc__ or "").split("\n")[0]:
                found += signature_differences(label, member, runtime.__doc__, method=True)
    return found


def test_the_stub_gives_the_modules_names_signatures_and_types():
    tree = stub_tree()
    stubbed = {node.name: node for node in tree.body
               if isinstance(node, (ast.FunctionDef, ast.ClassDef))}
    assert sorted(set(norvika.__all__) - {"__version__"}) == sorted(stubbed)
    # The stub's own aliases are private: nothing it names fails to import.
    aliases = [n.targets[0].id for n in tree.body if isinstance(n, ast.Assign)]
    assert aliases and all(name.startswith("_") for name in aliases), aliases
    found = []
    for name, node in stubbed.items():
        runtime = getattr(norvika, name)
        if isinstance(node, ast.FunctionDef):
            found += signature_differences(name, node, runtime.__doc__)
            continue
        found += member_differences(runtime, node)
        members = {m for m in vars(runtime) if not m.startswith("_")}
        in_stub = {n.name if isinstance(n, ast.FunctionDef) else n.target.id
                   for n in node.body if isinstance(n, (ast.FunctionDef, ast.AnnAssign))}
        if members != {n for n in in_stub if not n.startswith("_")}:
            found.append(f"{name}: members {sorted(members ^ in_stub)} on one side only")
    assert not found, "\n".join(found)


def test_the_hydrostatics_table_holds_what_its_stub_says(box_hull):
    drafts = [1.0, 2.0, 3.0]
    table = norvika.hydrostatics(box_hull, drafts, ship_length=100.0, density=1.025)
    node = next(n for n in stub_tree().body
                if isinstance(n, ast.ClassDef) and n.name == "Hydrostatics")
    properties = [n for n in node.body if isinstance(n, ast.FunctionDef)
                  and [ast.unparse(d) for d in n.decorator_list] == ["property"]]
    assert [p.name for p in properties] == list(table.to_dict())
    for p in properties:
        assert ast.get_docstring(p) == vars(norvika.Hydrostatics)[p.name].__doc__, p.name
        value = getattr(table, p.name)
        assert (isinstance(value, np.ndarray) and value.dtype == np.float64
                and value.shape == (len(drafts),) and not value.flags.writeable), p.name
    assert isinstance(len(table), int) and all(
        isinstance(k, str) and isinstance(v, np.ndarray) for k, v in table.to_dict().items())


def test_every_public_function_tells_its_units():
    for name in ["run", "hydrostatics", "bonjean", "read_task"]:
        assert len(getattr(norvika, name).__doc__) > 100, name
    for prop in ["displacement", "lcb", "buoyancy", "section_area", "waterline"]:
        doc = getattr(norvika.Result, prop).__doc__
        assert any(unit in doc for unit in [" t", " m", "m2", "t/m"]), prop


def test_a_box_has_its_closed_form_hydrostatics(box_hull):
    drafts = np.array([1.0, 2.5, 5.0, 10.0])
    table = norvika.hydrostatics(box_hull, drafts, ship_length=100.0, density=1.025)
    np.testing.assert_allclose(table.volume, 100 * 20 * drafts, rtol=1e-12)
    np.testing.assert_allclose(table.kb, drafts / 2, rtol=1e-12)
    np.testing.assert_allclose(table.bmt, 20.0**2 / (12 * drafts), rtol=1e-12)
    np.testing.assert_allclose(table.cb, 1.0, rtol=1e-12)
    np.testing.assert_allclose(table.wetted_surface, 100 * (20 + 2 * drafts), rtol=1e-12)
    assert len(table) == 4 and len(norvika.hydrostatics(box_hull, ship_length=100, density=1)) == 20
    with pytest.raises(norvika.InputError) as refused:
        norvika.hydrostatics(box_hull, [5.0, 10.5], ship_length=100.0, density=1.025)
    assert str(refused.value) == ("DRAFT T = 10.500 m: 1. POSTADA SU HATTI GUVERTEYI ASIYOR "
                                  "(SU HATTI = 10.500 m, GUVERTE = 10.000 m)")
    # The command line's bounds and words: a draft of at least a millimetre, rising.
    for drafts, message in [([5.0, 4.0], "the drafts must rise, 4 follows a draft of 5.000 m"),
                            ([0.0], "expected a draft, the waterline's height above the base line "
                                    "from 0.001 to 1000000 m, got 0"),
                            ([1e-300, 1.0], "got 1e-300"),
                            ([[1.0, 2.0]], "a sequence of numbers was expected"),
                            ([], "at least one draft"), (np.arange(1, 1002) * 0.001, "at most 1000")]:
        with pytest.raises(norvika.InputError, match=message):
            norvika.hydrostatics(box_hull, drafts, ship_length=100.0, density=1.025)
    for keywords, message in [
            (dict(density=1025.0), "density: expected a water density from 0.5 to 2 t/m3 (1.025 "
                                   "for sea water), got 1025"),
            (dict(density=1.0, trim=math.inf), "trim: expected the trim Tf - Ta in metres (at "
                                               "most 1000000 in size), got inf")]:
        with pytest.raises(norvika.InputError) as refused:
            norvika.hydrostatics(box_hull, ship_length=100.0, **keywords)
        assert str(refused.value) == message
    # No room for the default drafts: they are given with the keyword, not the program's option.
    with pytest.raises(norvika.InputError) as refused:
        norvika.hydrostatics(box_hull, ship_length=100.0, density=1.025, trim=50.0)
    assert str(refused.value) == ("VARSAYILAN DRAFTLAR ICIN YER YOK: EN ALCAK GUVERTE 10.000 m, "
                                  "TRIM 50.000 m. DRAFTLARI drafts= ILE VERIN")


def test_the_sweep_example_writes_its_table_and_picture(tmp_path):
    pytest.importorskip("matplotlib")
    pytest.importorskip("pandas")
    example = runpy.run_path(str(SOURCE / "python/examples/sweep.py"), run_name="sweep")
    table = example["sweep"](np.array([8000.0, 8600.0, 9200.0]))
    assert list(table["displacement_t"]) == pytest.approx([8000.0, 8600.0, 9200.0], abs=0.2)
    assert table["lcb_m"].between(60.0, 80.0).all()
    picture = tmp_path / "sweep.png"
    example["plot"](table, picture)
    assert picture.read_bytes()[:8] == b"\x89PNG\r\n\x1a\n"
