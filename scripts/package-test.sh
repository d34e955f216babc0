#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and runs the program from there:
# its version and a batch run of an installed example.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-dependencies.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
rm -f build/norvika_*.deb
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/norvika_*.deb)
echo "package: $deb"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "package test: $*" >&2; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
for wanted in libqt6widgets6 libqt6svg6 qt6-qpa-plugins libstdc++6; do
  [[ "$depends" == *"$wanted"* ]] || fail "Depends lacks $wanted: $depends"
done

dpkg -x "$deb" "$scratch/root"
root="$scratch/root"
for f in usr/bin/norvika usr/bin/norvika-qt usr/bin/norvika-offsets usr/bin/norvika-hydrostatics \
         usr/share/applications/norvika.desktop \
         usr/share/icons/hicolor/scalable/apps/norvika.svg usr/share/doc/norvika/README.md \
         usr/share/doc/norvika/examples/box-barge/case1-level/Norvika.TSK; do
  [ -e "$root/$f" ] || fail "$f is not in the package"
done
desktop-file-validate "$root/usr/share/applications/norvika.desktop"

version=$("$root/usr/bin/norvika" --version)
[ "$version" = "norvika $(sed -n 's/^project(Norvika VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)" ] ||
  fail "unexpected version '$version'"

cp -r "$root/usr/share/doc/norvika/examples/dtmb5415/case2-trochoid-crest" "$scratch/run"
"$root/usr/bin/norvika" --batch -C "$scratch/run" --pdf "$scratch/run.pdf" >/dev/null
cmp "$scratch/run/Norvika.SON" tests/golden/dtmb5415/case2-trochoid-crest/Norvika.SON ||
  fail "the installed program's report differs from the golden one"
[ -s "$scratch/run.pdf" ] || fail "no run record"
echo "package test: passed ($version)"
