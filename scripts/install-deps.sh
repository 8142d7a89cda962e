#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing need. Idempotent: when
# every package is already installed it does nothing (no apt, no network).
#
# Wine comes from the wine64 package alone (no `wine`, no `wine32`: this machine
# cannot execute 32-bit binaries). It installs the loader /usr/lib/wine/wine64 and
# the server /usr/lib/wine/wineserver64; /usr/lib/wine/wineserver is a small wrapper
# that adds -p0. None of them is on PATH, so the scripts call them by full path.
set -euo pipefail

packages=(
  cmake g++ make python3
  googletest                    # sources in /usr/src/googletest, built by CMake
  g++-mingw-w64-i686-posix      # the i686 deliverable (brings binutils and windres)
  g++-mingw-w64-x86-64-posix    # the x86_64 build that the tests run under Wine
  wine64
  xvfb xauth xdotool imagemagick xclip x11-utils
  fonts-liberation              # metric twins of Arial and Courier New, so forms look right under Wine
)

# One dpkg-query for all: it prints "unknown ok not-installed" for packages it knows
# but that are absent, and nothing at all for packages it has never seen.
installed=" $({ dpkg-query -W -f='${Package}=${Status}\n' "${packages[@]}" 2>/dev/null || true; } |
  sed -n 's/=install ok installed$//p' | tr '\n' ' ') "
missing=()
for p in "${packages[@]}"; do
  [[ $installed == *" $p "* ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "install-deps: installing ${missing[*]}" >&2
sudo=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "install-deps: run as root to install: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
"${sudo[@]}" apt-get update
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y --no-install-recommends "${missing[@]}"
