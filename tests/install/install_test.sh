#!/usr/bin/env bash
# Installs the build into a temporary prefix and uses vexprog-cli from there,
# outside the build tree: it must find its installed data, and a program
# without data must say so and fail.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d /tmp/vex-install-XXXXXX)
work=$(mktemp -d /tmp/vex-install-work-XXXXXX)
trap 'rm -rf "$prefix" "$work"' EXIT
fail() { echo "install_test: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" > "$work/install.log"

files=(bin/vexprog-cli bin/vexprog-sim share/vexprog/VEX_E.lng share/vexprog/Model.dat
       share/vexprog/VEXM1446-446DefaultSet.dat share/vexprog/codeplug-text.schema.json
       share/man/man1/vexprog-cli.1.gz share/man/man1/vexprog-sim.1.gz
       lib/udev/rules.d/70-vexprog-cables.rules share/bash-completion/completions/vexprog-cli
       share/doc/vexprog-cli/copyright share/doc/vexprog-cli/changelog.gz)
# The desktop program's files, when it is built.
if [[ -x $prefix/bin/vexprog ]]; then
  files+=(share/applications/vexprog.desktop share/icons/hicolor/scalable/apps/vexprog.svg
          share/icons/hicolor/48x48/apps/vexprog.png share/icons/hicolor/256x256/mimetypes/application-x-vexprog-codeplug.png
          share/metainfo/org.vexprog.vexprog.metainfo.xml share/man/man1/vexprog.1.gz share/doc/vexprog/copyright)
fi
for f in "${files[@]}"; do
  [[ -e $prefix/$f ]] || fail "missing $f"
done
if [[ -x $prefix/bin/vexprog ]]; then
  grep -q '^Exec=vexprog %f$' "$prefix/share/applications/vexprog.desktop" || fail "desktop entry without %f"
fi
[[ ! -e $prefix/share/vexprog/CMakeLists.txt ]] || fail "build files installed"

# From a directory far from the build tree, with no data given: the
# installed share directory is found. Settings go to the user's directory.
cd "$work"
export XDG_CONFIG_HOME="$work/config" HOME="$work"
unset VEXPROG_DATA
"$prefix/bin/vexprog-cli" --version | grep -q '^vexprog-cli ' || fail "--version"
"$prefix/bin/vexprog-sim" --version | grep -q '^vexprog-sim ' || fail "vexprog-sim --version"
"$prefix/bin/vexprog-cli" new -o "$work/new.dat" --range 400-470 || fail "new from the installed data"
"$prefix/bin/vexprog-cli" info --json "$work/new.dat" | grep -q '"range": "400-470"' || fail "info"
gzip -dc "$prefix/share/man/man1/vexprog-cli.1.gz" | grep -q '^.TH VEXPROG-CLI 1' || fail "man page"

# What the programs remember goes to the user's directory, never into the
# installed data the package owns, also when they run as root.
cp "$prefix/share/vexprog/Settings.ini" "$work/shipped.ini"
"$prefix/bin/vexprog-sim" --no-pacing > "$work/sim.out" &
sim=$!
for _ in $(seq 100); do [[ -s $work/sim.out ]] && break; sleep 0.05; done
VEXPROG_LINK_TIMING=quick "$prefix/bin/vexprog-cli" read --port "$(head -1 "$work/sim.out")" -o "$work/read.dat" \
  --remember > "$work/read.log" 2>&1 || { kill $sim; fail "read from the simulator: $(cat "$work/read.log")"; }
kill $sim
cmp -s "$work/shipped.ini" "$prefix/share/vexprog/Settings.ini" || fail "the installed Settings.ini was written"
grep -q '^FreqRange=400-470' "$work/config/vexprog/Settings.ini" || fail "nothing remembered in the user's settings"

# Without its data the program says so in one line and fails. (The data
# named by VEXPROG_DATA is missing, so no other installed copy is found.)
export VEXPROG_DATA="$work/no-data"
if "$prefix/bin/vexprog-cli" info "$work/new.dat" 2> "$work/err"; then fail "ran without data"; fi
grep -q 'no data directory' "$work/err" || fail "no clear message without data: $(cat "$work/err")"
if [[ -x $prefix/bin/vexprog ]]; then
  if QT_QPA_PLATFORM=offscreen "$prefix/bin/vexprog" --no-splash 2> "$work/err"; then fail "vexprog ran without data"; fi
  grep -q 'No data directory' "$work/err" || fail "vexprog without data: $(cat "$work/err")"
fi
echo "install_test: ok"
