#!/usr/bin/env bash
# Installs every Debian package the project needs to build, run and test.
# Quick when nothing is missing: it only calls apt-get for packages not yet installed.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-serialport-dev qt6-multimedia-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev libfftw3-dev
  pulseaudio pulseaudio-utils
  fonts-wqy-microhei
  librsvg2-bin                  # renders the icon at build time
)
# Extra packages for a caller's purpose: "fuzz", "screenshots" or "package".
for extra in "$@"; do
  case "$extra" in
    fuzz) packages+=(clang libclang-rt-14-dev) ;;
    screenshots) packages+=(xvfb xauth imagemagick) ;;
    # Building the Debian package and checking what it installs (packaging/check-install.sh).
    package) packages+=(dpkg-dev file desktop-file-utils appstream man-db xvfb xauth x11-utils) ;;
    *) echo "install-deps: unknown extra '$extra'" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
