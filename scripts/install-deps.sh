#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing need. Idempotent: when
# every package is already installed it does nothing (no apt, no network).
#
# Wine: wine64 installs the loader /usr/lib/wine/wine64 and the server; wine32:i386
# adds /usr/lib/wine/wine, which runs the i686 deliverable in the same 64-bit prefix
# (WoW64). That needs the i386 architecture, added here once. None of them is on
# PATH, so the scripts call them by full path. Where the kernel refuses 32-bit
# programs, the tests fall back to the x86_64 build (see testing/wine-session.sh).
set -euo pipefail
# Scripts call this before printing what they were asked for (n=$(scripts/sweep.sh
# --count ...)): apt's progress must not land in their output.
exec >&2

packages=(
  cmake g++ make python3
  googletest                    # sources in /usr/src/googletest, built by CMake
  g++-mingw-w64-i686-posix      # the i686 deliverable (brings binutils and windres)
  g++-mingw-w64-x86-64-posix    # the x86_64 build, tested where 32-bit programs cannot run
  wine64 wine32:i386            # wine32 runs the i686 build under test
  xvfb xauth xdotool imagemagick xclip x11-utils
  fonts-liberation              # metric twins of Arial and Courier New, so forms look right under Wine
  libpcg-cpp-dev                # PCG64, header-only, for ignaro-cli's independent streams
  parallel                      # GNU parallel: scripts/sweep.sh spreads jobs over cores and hosts
  openssh-client                # ... and reaches the hosts of --sshlogin
  python3-matplotlib            # scripts/plot-sweep.py
)

# One dpkg-query for all: it prints "unknown ok not-installed" for packages it knows
# but that are absent, and nothing at all for packages it has never seen. Names are
# compared with their architecture: a package without one is the machine's own.
native_arch=$(dpkg --print-architecture)
installed=" $({ dpkg-query -W -f='${Package}:${Architecture}=${Status}\n' "${packages[@]}" 2>/dev/null || true; } |
  sed -n 's/=install ok installed$//p' | tr '\n' ' ') "
missing=()
for p in "${packages[@]}"; do
  if [[ $p == *:* ]]; then
    [[ $installed == *" $p "* ]] || missing+=("$p")
  else
    [[ $installed == *" $p:$native_arch "* || $installed == *" $p:all "* ]] || missing+=("$p")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "install-deps: installing ${missing[*]}" >&2
sudo=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "install-deps: run as root to install: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
[[ " $(dpkg --print-foreign-architectures | tr '\n' ' ') " == *" i386 "* ]] ||
  "${sudo[@]}" dpkg --add-architecture i386
"${sudo[@]}" apt-get update
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y --no-install-recommends "${missing[@]}"
