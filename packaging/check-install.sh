#!/usr/bin/env bash
# Builds the Debian package from a release build (build-package/, apart from the sanitizer
# build) and checks what it installs the way a person installing it meets it: every file in its
# place, the validators, the manual pages, each program's --version and --help without a
# display, and the window started from its menu entry with its icon, keeping presets in the
# user's data folder. Any missing file or failed check fails the script.
#
#   packaging/check-install.sh          unpacks the package into a temporary root (dpkg-deb -x);
#                                       needs no root and leaves the system as it was
#   packaging/check-install.sh --dpkg   installs it for real with dpkg -i (as root, on a machine
#                                       that may be changed), checks it in /usr, removes it again
set -euo pipefail
cd "$(dirname "$0")/.."

mode=unpack
case "${1:-}" in
  "") ;;
  --dpkg) mode=dpkg ;;
  *) echo "usage: packaging/check-install.sh [--dpkg]" >&2; exit 2 ;;
esac

# Restated here rather than read from the build, so that a rule the build loses is noticed.
app_id=io.github.aeclab.AudioEffectController
title="Audio Effect Contrller"
icon_sizes=(16 22 24 32 48 64 128 256)
version=$(sed -n 's/^project(AudioEffectController VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

./scripts/install-deps.sh package

build="build-package"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DAEC_BUILD_TESTS=OFF -DAEC_BUILD_BENCH=OFF \
  >/dev/null
cmake --build "$build" -j"$(nproc)"
rm -rf "$build/packages"
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/packages/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  echo "check-install: cpack built no single .deb" >&2
  exit 1
fi
deb=${debs[0]}

# The programs the build installs (aecctl too once its target exists); these two always.
mapfile -t programs < "$build/packaging/programs.txt"
for required in audio-effect-controller processor-sim; do
  printf '%s\n' "${programs[@]}" | grep -qx "$required" || programs+=("$required")
done

work=$(mktemp -d)
installed_by_dpkg=no
cleanup() {
  if [ "$installed_by_dpkg" = yes ]; then
    dpkg -r audio-effect-controller >/dev/null || echo "check-install: dpkg -r failed" >&2
  fi
  rm -rf "$work"
}
trap cleanup EXIT

passed=0
failed=0
ok() { passed=$((passed + 1)); echo "  ok    $*"; }
bad() { failed=$((failed + 1)); echo "  FAIL  $*"; }
check() { # check <description> <command...>
  local what=$1
  shift
  if "$@" >"$work/out" 2>&1; then ok "$what"; else bad "$what"; sed 's/^/        /' "$work/out"; fi
}

echo "check-install: $deb"
echo "The package"
field() { dpkg-deb -f "$deb" "$1"; }
check "package name" test "$(field Package)" = audio-effect-controller
check "version $version" test "$(field Version)" = "$version"
check "section sound" test "$(field Section)" = sound
check "maintainer with an address" grep -Eq '^[^<]+ <[^@ ]+@[^> ]+>$' <<<"$(field Maintainer)"
check "description names the dialout group" grep -q dialout <<<"$(field Description)"
for library in libc6 libqt6core6 libqt6widgets6 libqt6serialport6 libqt6network6 libqt6multimedia6; do
  check "depends on $library (computed from the binaries)" \
    grep -Eq "(^|, )$library( |,|$)" <<<"$(field Depends)"
done

# On a fresh Debian 12 apt must find every dependency: simulate the install against an empty
# package database, so that nothing counts as installed already.
if grep -q 'Candidate: [0-9]' <<<"$(apt-cache policy libqt6core6 2>/dev/null)"; then
  : >"$work/empty-status"
  check "apt resolves every dependency on a system with nothing installed" bash -c \
    'apt-get -s -o Dir::State::status="$1" -o Debug::NoLocking=1 install "$2" \
       | grep -q "^Inst audio-effect-controller "' _ "$work/empty-status" "$(realpath "$deb")"
else
  echo "  skip  apt has no package lists (apt-get update) to resolve the dependencies with"
fi

if [ "$mode" = dpkg ]; then
  echo "Installed with dpkg -i"
  installed_by_dpkg=yes # removed again on the way out, even after a failed install
  dpkg -i "$deb" >/dev/null
  prefix=/usr
else
  echo "Unpacked with dpkg-deb -x into a temporary root"
  dpkg-deb -x "$deb" "$work/root"
  prefix=$work/root/usr
fi

# cmake --install places the same files as the package, under any prefix. (The build's record
# of the last install is a person's to keep: it names what an uninstall removes.)
manifest=$build/install_manifest.txt
[ -f "$manifest" ] && cp -p "$manifest" "$work/manifest"
cmake --install "$build" --prefix "$work/prefix" >/dev/null
if [ -f "$work/manifest" ]; then cp -p "$work/manifest" "$manifest"; else rm -f "$manifest"; fi
(cd "$work/prefix" && find . -type f | sort) >"$work/cmake-files"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/|./|' | sort >"$work/deb-files"
check "cmake --install --prefix installs what the package holds" \
  diff "$work/cmake-files" "$work/deb-files"

echo "Files"
expect_file() { # expect_file <path under the prefix> [test flag]
  local flag=${2:--f}
  if test "$flag" "$prefix/$1"; then ok "$1"; else bad "$1 is missing"; fi
}
for program in "${programs[@]}"; do
  expect_file "bin/$program" -x
  expect_file "share/man/man1/$program.1.gz"
done
expect_file "share/applications/$app_id.desktop"
expect_file "share/metainfo/$app_id.metainfo.xml"
expect_file "share/icons/hicolor/scalable/apps/$app_id.svg"
for size in "${icon_sizes[@]}"; do
  png=share/icons/hicolor/${size}x$size/apps/$app_id.png
  check "$png is a ${size}x$size PNG" grep -q "PNG image data, $size x $size," \
    <<<"$(file -b "$prefix/$png" 2>&1)"
done

echo "Desktop entry and metadata"
desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
entry() { sed -n "s/^$1=//p" "$desktop"; }
check "desktop-file-validate" desktop-file-validate "$desktop"
check "appstreamcli validate --no-net" appstreamcli validate --no-net "$metainfo"
if [ "$mode" = unpack ]; then # in / it would judge every other package's metadata too
  check "appstreamcli validate-tree --no-net (metadata, launchable entry)" \
    appstreamcli validate-tree --no-net "$(dirname "$prefix")"
fi
check "entry's icon is the installed icon" test "$(entry Icon)" = "$app_id"
check "entry's name is the window's title" test "$(entry Name)" = "$title"
exec_program=$(entry Exec | awk '{print $1}')
check "entry starts an installed program" test -x "$prefix/bin/$exec_program"
check "metadata's newest release is $version" \
  grep -q "<release version=\"$version\"" <<<"$(grep -m1 '<release ' "$metainfo")"
for program in "${programs[@]}"; do
  check "metadata provides $program" grep -q "<binary>$program</binary>" "$metainfo"
done

echo "Programs and manual pages"
for program in "${programs[@]}"; do
  binary=$prefix/bin/$program
  page=$prefix/share/man/man1/$program.1.gz
  # Each answers in a terminal, without a display.
  check "$program --version prints $version" bash -c \
    'out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$1" --version) && grep -q " $2$" <<<"$out"' \
    _ "$binary" "$version"
  check "$program --help prints its usage" bash -c \
    'env -u DISPLAY -u WAYLAND_DISPLAY "$1" --help >"$2" && grep -q "^Usage: " "$2"' \
    _ "$binary" "$work/help-$program"
  if [ ! -f "$page" ]; then
    continue # reported missing above
  fi
  check "man -l $program.1.gz renders without a warning" bash -c \
    'LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$1" 2>"$2" >/dev/null && ! [ -s "$2" ]' \
    _ "$page" "$work/man-warnings"
  check "$program.1 names the program for whatis" bash -c \
    'lexgrog "$1" | grep -q "\"$2 - "' _ "$page" "$program"
  # The page describes every option the program knows.
  for option in $(grep -oE -- '--[a-z][a-z-]*' "$work/help-$program" 2>/dev/null | sort -u); do
    check "$program.1 describes $option" bash -c \
      'zcat "$1" | sed "s/\\\\-/-/g" | grep -q -- "$2\\b"' _ "$page" "$option"
  done
done

# The window started as the menu starts it: the entry's command line found on PATH, under a
# display of its own, for a person with a fresh home folder.
echo "Started from the menu"
person=$work/home
mkdir -p "$person"
PATH="$prefix/bin:$PATH" xvfb-run -a -s "-screen 0 1400x900x24" \
  packaging/start-from-menu.sh "$desktop" "$person" || bad "xvfb-run could not start a display"
check "window \"$title\" of class $(entry StartupWMClass) (the entry's StartupWMClass)" \
  grep -q "= \"$(entry StartupWMClass)\", \"$title\"" "$person/wm-class"
check "window shows the program's icon" grep -q "^_NET_WM_ICON(CARDINAL) = " "$person/wm-icon"
check "program ends cleanly on SIGTERM" test "$(cat "$person/exit-status")" = 0
check "presets live in the user's data folder" \
  test -d "$person/.local/share/$title/Mode/KMode"
check "nothing is written beside the installed program" test ! -e "$prefix/bin/Mode"
if [ "$failed" -gt 0 ] && [ -f "$person/program.log" ]; then
  echo "        the program's output:"
  sed 's/^/        /' "$person/program.log"
fi

echo "check-install: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
