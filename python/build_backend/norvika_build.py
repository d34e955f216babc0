"""Build backend of the Python module norvika (PEP 517).

Builds the core and the module with the project's own CMake (the options
NORVIKA_PYTHON and NORVIKA_CORE_ONLY), installs the CMake component "python"
into a staging directory and packs it as a wheel. It needs no package from an
index: CMake, a C++20 compiler, Python's headers and pybind11 (Debian's
pybind11-dev, or pybind11 from pip) are found on the machine.

config_settings:
    build-dir   a directory to build in and keep (later builds are then
                incremental); default a temporary one.
    build-type  CMake's build type (default RelWithDebInfo, as scripts/build.sh).
"""

import base64
import hashlib
import io
import os
import re
import subprocess
import sys
import sysconfig
import tarfile
import tempfile
import tomllib
import zipfile
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
# What a source distribution holds: all the module's build needs.
SDIST_ENTRIES = ["pyproject.toml", "CMakeLists.txt", "README.md", "src", "python"]


def _version():
    """The version the project's CMakeLists.txt gives, its one place."""
    text = (ROOT / "CMakeLists.txt").read_text()
    return re.search(r"project\(Norvika VERSION ([0-9.]+)", text).group(1)


def _project():
    with open(ROOT / "pyproject.toml", "rb") as f:
        project = tomllib.load(f)["project"]
    project["version"] = _version()
    return project


def _tag():
    python = f"cp{sys.version_info.major}{sys.version_info.minor}"
    platform = sysconfig.get_platform().replace("-", "_").replace(".", "_")
    return f"{python}-{python}-{platform}"


def _metadata(project):
    lines = [
        "Metadata-Version: 2.1",
        f"Name: {project['name']}",
        f"Version: {project['version']}",
        f"Summary: {project['description']}",
        f"Requires-Python: {project['requires-python']}",
    ]
    lines += [f"Requires-Dist: {d}" for d in project.get("dependencies", [])]
    for extra, requirements in project.get("optional-dependencies", {}).items():
        lines.append(f"Provides-Extra: {extra}")
        lines += [f'Requires-Dist: {r}; extra == "{extra}"' for r in requirements]
    return "\n".join(lines) + "\n"


def _run(command):
    print("+", " ".join(str(c) for c in command), file=sys.stderr, flush=True)
    subprocess.run([str(c) for c in command], check=True, stdout=sys.stderr)


def _build(build_dir, stage, build_type):
    _run(["cmake", "-S", ROOT, "-B", build_dir, f"-DCMAKE_BUILD_TYPE={build_type}",
          "-DNORVIKA_PYTHON=ON", "-DNORVIKA_CORE_ONLY=ON", "-DNORVIKA_WITH_QT=OFF",
          f"-DPython_EXECUTABLE={sys.executable}"])
    _run(["cmake", "--build", build_dir, "--target", "norvika_python",
          "-j", str(os.cpu_count() or 1)])
    _run(["cmake", "--install", build_dir, "--component", "python", "--prefix", stage])


def _record_line(name, data):
    digest = base64.urlsafe_b64encode(hashlib.sha256(data).digest()).rstrip(b"=").decode()
    return f"{name},sha256={digest},{len(data)}"


def _pack_wheel(stage, wheel_directory, project):
    name, version = project["name"], project["version"]
    dist_info = f"{name}-{version}.dist-info"
    files = {}
    for path in sorted(Path(stage).rglob("*")):
        if path.is_file():
            files[path.relative_to(stage).as_posix()] = path.read_bytes()
    files[f"{dist_info}/METADATA"] = _metadata(project).encode()
    files[f"{dist_info}/WHEEL"] = (
        "Wheel-Version: 1.0\nGenerator: norvika_build\nRoot-Is-Purelib: false\n"
        f"Tag: {_tag()}\n").encode()
    record = [_record_line(n, d) for n, d in files.items()] + [f"{dist_info}/RECORD,,"]
    files[f"{dist_info}/RECORD"] = ("\n".join(record) + "\n").encode()
    wheel_name = f"{name}-{version}-{_tag()}.whl"
    # Written beside its name and renamed: a wheel is there whole or not at all.
    target = Path(wheel_directory) / wheel_name
    partial = target.with_name(target.name + ".partial")
    with zipfile.ZipFile(partial, "w", zipfile.ZIP_DEFLATED) as wheel:
        for n, d in files.items():
            wheel.writestr(n, d)
    os.replace(partial, target)
    return wheel_name


def get_requires_for_build_wheel(config_settings=None):
    return []


def get_requires_for_build_sdist(config_settings=None):
    return []


def build_wheel(wheel_directory, config_settings=None, metadata_directory=None):
    settings = config_settings or {}
    build_type = settings.get("build-type", "RelWithDebInfo")
    with tempfile.TemporaryDirectory(prefix="norvika-wheel-") as scratch:
        build_dir = Path(settings["build-dir"]).resolve() if "build-dir" in settings else \
            Path(scratch) / "build"
        stage = Path(scratch) / "stage"
        _build(build_dir, stage, build_type)
        return _pack_wheel(stage, wheel_directory, _project())


def build_sdist(sdist_directory, config_settings=None):
    project = _project()
    base = f"{project['name']}-{project['version']}"
    name = f"{base}.tar.gz"

    def keep(info):
        parts = Path(info.name).parts
        return None if "__pycache__" in parts or ".pytest_cache" in parts else info

    target = Path(sdist_directory) / name
    partial = target.with_name(target.name + ".partial")
    with tarfile.open(partial, "w:gz") as sdist:
        for entry in SDIST_ENTRIES:
            sdist.add(ROOT / entry, arcname=f"{base}/{entry}", filter=keep)
        info = tarfile.TarInfo(f"{base}/PKG-INFO")
        data = _metadata(project).encode()
        info.size = len(data)
        sdist.addfile(info, io.BytesIO(data))
    os.replace(partial, target)
    return name
