#!/usr/bin/env bash
# Builds the Debian package, checks it as a distribution would (its contents, fields, menu
# entry, file type, manual pages, and lintian: no error, no warning), unpacks it into a scratch
# root and runs the programs from there: versions, a batch run of an installed example, and
# the menu entry's command given a task file.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-dependencies.sh --tests
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
rm -f build/norvika_*.deb
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/norvika_*.deb)
echo "package: $deb"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "package test: $*" >&2; exit 1; }

# Errors and warnings fail; what is meant so is overridden in packaging/lintian-overrides.
if ! said=$(lintian --fail-on error,warning --display-info "$deb" 2>&1); then
  echo "$said" >&2
  fail "lintian finds errors or warnings"
fi
grep -v '^running with root privileges' <<< "$said" || true

depends=$(dpkg-deb -f "$deb" Depends)
for wanted in libqt6widgets6 libqt6svg6 libqt6gui6 libstdc++6 fonts-liberation2; do
  [[ "$depends" == *"$wanted"* ]] || fail "Depends lacks $wanted: $depends"
done
duplicates=$(tr ',' '\n' <<< "$depends" | awk '{print $1}' | sort | uniq -d)
[ -z "$duplicates" ] || fail "Depends names $duplicates twice: $depends"
maintainer=$(dpkg-deb -f "$deb" Maintainer)
[[ "$maintainer" =~ ^[^@\<]+\ \<[^@]+@[^@\>]+\.[^@\>]+\>$ && "$maintainer" != *@localhost* ]] ||
  fail "no maintainer to write to: $maintainer"
description=$(dpkg-deb -f "$deb" Description)
for wanted in "strength" "3D hull cutter"; do
  [[ "$description" == *"$wanted"* ]] || fail "the description does not name the $wanted"
done

dpkg -x "$deb" "$scratch/root"
root="$scratch/root"
doc="$root/usr/share/doc/norvika"
for f in usr/bin/norvika usr/lib/norvika/norvika-qt usr/bin/norvika-offsets \
         usr/bin/norvika-hydrostatics usr/bin/norvika-stability \
         usr/share/applications/norvika.desktop usr/share/mime/packages/norvika.xml \
         usr/share/icons/hicolor/scalable/apps/norvika.svg usr/share/doc/norvika/copyright \
         usr/share/doc/norvika/changelog.gz usr/share/doc/norvika/README.md.gz \
         usr/share/doc/norvika/docs/decisions.md.gz usr/share/doc/norvika/docs/glossary.md.gz \
         usr/share/man/man1/norvika.1.gz usr/share/man/man1/norvika-offsets.1.gz \
         usr/share/man/man1/norvika-hydrostatics.1.gz usr/share/man/man1/norvika-stability.1.gz \
         usr/share/doc/norvika/examples/box-barge/case1-level/Norvika.TSK; do
  [ -e "$root/$f" ] || fail "$f is not in the package"
done
[ ! -e "$root/usr/bin/norvika-qt" ] || fail "the helper norvika-qt is in /usr/bin"
head -n 1 "$doc/copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' ||
  fail "the copyright file is not in the machine-readable format"
# Every picture and document the README links is shipped where the link points.
for link in $(zcat "$doc/README.md.gz" | grep -o '](docs/[^)]*)' | sed 's/^](//; s/)$//'); do
  # A link to a section names the file before its '#'; documents are shipped compressed.
  target=${link%%#*}
  [ -e "$doc/$target" ] || [ -e "$doc/$target.gz" ] ||
    fail "the README links $link, which is not shipped"
done

desktop="$root/usr/share/applications/norvika.desktop"
desktop-file-validate "$desktop"
grep -q '^Exec=norvika .*%[fFuU]' "$desktop" || fail "the menu entry takes no file"
grep -q '^MimeType=.*application/x-norvika-task;' "$desktop" || fail "the menu entry names no file type"
mkdir -p "$scratch/mime/packages"
cp "$root/usr/share/mime/packages/norvika.xml" "$scratch/mime/packages/"
update-mime-database "$scratch/mime" > /dev/null 2>&1
grep -q '^50:application/x-norvika-task:Norvika.TSK:cs$' "$scratch/mime/globs2" ||
  fail "Norvika.TSK is not typed as a task file"

for page in norvika norvika-offsets norvika-hydrostatics; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "the manual page of $page: $warnings"
done
zcat "$root/usr/share/man/man1/norvika.1.gz" | grep -q '^\.B \\-\\-weights FILE$' ||
  fail "the manual page of norvika lacks the options of its --help"

expected_version="$(sed -n 's/^project(Norvika VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
for program in usr/bin/norvika usr/bin/norvika-offsets usr/bin/norvika-hydrostatics \
               usr/lib/norvika/norvika-qt; do
  version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 60 "$root/$program" --version)
  [ "$version" = "$(basename "$program") $expected_version" ] || fail "unexpected version '$version'"
done
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 60 "$root/usr/lib/norvika/norvika-qt" --help |
  grep -q '^Usage: norvika ' || fail "norvika-qt --help does not answer"

cp -r "$doc/examples/dtmb5415/case2-trochoid-crest" "$scratch/run"
# --pdf starts the installed helper, found from the installed norvika.
"$root/usr/bin/norvika" --batch -C "$scratch/run" --pdf "$scratch/run.pdf" >/dev/null
cmp "$scratch/run/Norvika.SON" tests/golden/dtmb5415/case2-trochoid-crest/Norvika.SON ||
  fail "the installed program's report differs from the golden one"
[ -s "$scratch/run.pdf" ] || fail "no run record"

# The menu entry's command, as a file manager runs it on a task file.
cp -r "$doc/examples/box-barge/case1-level" "$scratch/menu"
printf '\n\n\n\n\n\n\n\n\n\n' > "$scratch/answers.txt"
command=$(sed -n 's/^Exec=//p' "$desktop")
command=${command//%f/$scratch/menu/Norvika.TSK}
PATH="$root/usr/bin:$PATH" timeout 170 xvfb-run -a -s '-screen 0 1280x1024x24' \
  sh -c "$command --answers '$scratch/answers.txt'" > /dev/null 2>&1 ||
  fail "the menu entry's command '$command' failed on a task file"
cmp "$scratch/menu/Norvika.SON" tests/golden/box-barge/case1-level/Norvika.SON ||
  fail "the menu entry's run wrote another report"
echo "package test: passed (norvika $expected_version)"
