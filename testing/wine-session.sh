#!/usr/bin/env bash
# Runs a command inside a private X display and Wine prefix, then stops and removes
# everything it started (by PID), on every exit path.
#
#   testing/wine-session.sh [--prefix DIR] CMD [ARGS...]
#
# Without --prefix, CMD gets a throwaway copy of a template prefix; with it, CMD gets
# the persistent prefix DIR (made from the template on first use, kept afterwards,
# one session at a time). Exits with CMD's status, or 125 if the session could not
# be set up. CMD is not time-bounded here: the caller bounds it.
#
# Environment:
#   WINE_SESSION_DIR  where the template and the throwaway prefixes live
#                     (default: <repo>/build/wine)
#   KEEP_DISPLAY=1    use the caller's DISPLAY instead of a private Xvfb, if it answers
# CMD sees DISPLAY, WINEPREFIX, WINEDEBUG (default -all), WINEDLLOVERRIDES and LC_ALL=C.UTF-8.
set -euo pipefail

wine=/usr/lib/wine/wine64          # never the `wine` wrapper: it picks the 32-bit loader
server=/usr/lib/wine/wineserver64  # the `wineserver` wrapper would add -p0

persistent=
if [[ ${1:-} == --prefix ]]; then
  [[ $# -ge 2 ]] || { echo "wine-session.sh: --prefix needs a directory" >&2; exit 125; }
  persistent=$(realpath -m "$2")
  shift 2
fi
[[ ${1:-} == -- ]] && shift
[[ $# -ge 1 ]] || { echo "usage: wine-session.sh [--prefix DIR] CMD [ARGS...]" >&2; exit 125; }

# CI may start us without standard input; Wine and CMD then get /dev/null instead
# of a closed descriptor that some file would take over.
{ exec 3<&0; } 2>/dev/null || exec </dev/null
exec 3<&-

repo=$(cd "$(dirname "$0")/.." && pwd)
root=$(realpath -m "${WINE_SESSION_DIR:-$repo/build/wine}")
mkdir -p "$root"
# Wine names files in the Unix locale's character set and takes the Windows user locale
# from it: without a locale (cron, CI, env -i) "pożar.txt" cannot be created, and with
# the developer's own the tests would run under another Windows locale.
export LC_ALL=C.UTF-8
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=,winemenubuilder.exe=}

work=$(mktemp -d "$root/session.XXXXXX")
xvfb_pid='' server_pid='' cmd_pid='' prefix=''

alive() {  # a reaped or zombie child counts as gone
  local state
  state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null) || return 1
  [[ ${state:0:1} != Z ]]
}

stop() {  # stop PID SECONDS: TERM, give it SECONDS, then KILL
  local pid=$1 i
  alive "$pid" || return 0
  kill -TERM "$pid" 2>/dev/null
  for ((i = 0; i < $2 * 10; i++)); do alive "$pid" || break; sleep 0.1; done
  alive "$pid" && kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}

cleanup() {
  local rc=$? name
  trap - EXIT INT TERM HUP
  set +e
  [[ -n $cmd_pid ]] && stop "$cmd_pid" 5
  if [[ -n $prefix ]]; then
    # -k ends every Wine process of this prefix, then the server itself.
    WINEPREFIX=$prefix timeout 20 "$server" -k 2>/dev/null || true
    [[ -n $server_pid ]] && stop "$server_pid" 10
    # Debian's Wine keeps the server's socket in ${TMPDIR:-/tmp}/<name in the prefix>.
    name=$(cat "$prefix/wineserver" 2>/dev/null || true)
    [[ $name =~ ^wine-[A-Za-z0-9]+$ ]] && rm -rf "${TMPDIR:-/tmp}/$name"
  fi
  [[ -n $xvfb_pid ]] && stop "$xvfb_pid" 5
  rm -rf "$work"
  exit "$rc"
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

fail() { echo "wine-session.sh: $*" >&2; exit 125; }

# --- display ---------------------------------------------------------------
if [[ ${KEEP_DISPLAY:-} == 1 && -n ${DISPLAY:-} ]] && timeout 5 xdpyinfo >/dev/null 2>&1; then
  :  # the caller's display
else
  # -displayfd lets Xvfb pick a free display number and write it once it is ready.
  : >"$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp \
    3>"$work/display" </dev/null >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for ((i = 0; i < 100; i++)); do
    [[ $(<"$work/display") =~ ^[0-9]+$ ]] && break
    alive "$xvfb_pid" || break
    sleep 0.1
  done
  [[ $(<"$work/display") =~ ^[0-9]+$ ]] || { cat "$work/xvfb.log" >&2; fail "Xvfb did not start"; }
  DISPLAY=:$(<"$work/display")
  export DISPLAY
fi

# --- prefix ----------------------------------------------------------------
make_prefix() (  # make_prefix DIR: a new prefix with the settings the tests need
  # Run from inside the prefix: Wine prefers an .exe in the current directory to its
  # own tools. A scratch HOME: a new prefix links its user folders (Desktop,
  # Documents, ...) to $HOME, and wineboot adds menu folders there.
  # 9>&- keeps Wine's processes from holding the template lock.
  cd "$1"
  export WINEPREFIX=$1 HOME=$work/home
  mkdir -p "$HOME"
  ok=1
  timeout 120 "$wine" wineboot -i </dev/null >/dev/null 2>&1 9>&- || ok=
  # Without a window manager Wine waits ~2 s for each window hide unless its X11
  # windows are unmanaged.
  timeout 60 "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
    </dev/null >/dev/null 2>&1 9>&- || ok=
  timeout 60 "$server" -w 9>&- || ok=  # the registry is on disk once the server exits
  # Plain folders instead of those links: programs under test must not touch a home.
  while IFS= read -r -d '' link; do
    rm "$link" && mkdir "$link" || ok=
  done < <(find drive_c/users -type l -print0 2>/dev/null)
  name=$(cat wineserver 2>/dev/null || true)
  [[ $name =~ ^wine-[A-Za-z0-9]+$ ]] && rm -rf "${TMPDIR:-/tmp}/$name"
  # Each copy must pick its own server directory, not share the template's.
  rm -f wineserver
  [[ -n $ok ]]
)

# Keyed by Wine's version: a newer Wine would otherwise update every copy anew.
version=$("$wine" --version | tr -c 'A-Za-z0-9.\n-' _)
template=$root/template-$version
if [[ ! -d $template ]]; then
  (
    flock -w 300 9 || fail "timed out waiting for another session to make the template"
    if [[ ! -d $template ]]; then
      echo "wine-session.sh: making the template prefix $template (once)" >&2
      mkdir "$work/template"
      make_prefix "$work/template" || fail "could not make a Wine prefix"
      mv "$work/template" "$template"
    fi
  ) 9>"$root/template.lock"
fi

if [[ -n $persistent ]]; then
  mkdir -p "$(dirname "$persistent")"
  exec 8>"$persistent.lock"
  if ! flock -n 8; then
    echo "wine-session.sh: waiting for another session on $persistent" >&2
    flock 8
  fi
  if [[ ! -d $persistent ]]; then
    rm -rf "$persistent.new"
    { cp -a "$template" "$persistent.new" && mv "$persistent.new" "$persistent"; } ||
      fail "could not copy the template to $persistent"
  fi
  prefix=$persistent
else
  cp -a "$template" "$work/prefix" || fail "could not copy the template"
  prefix=$work/prefix
fi
export WINEPREFIX=$prefix

# A persistent server (-p) keeps every program start cheap; -f keeps it a child of
# this script so that $! is its PID. Wine's loader retries while the socket appears.
# setsid: a signal to the caller's process group (timeout, Ctrl-C) must leave the
# server alive for the cleanup, since only the server can end Wine's services, which
# live in sessions of their own.
setsid "$server" -f -p </dev/null >/dev/null 2>&1 8>&- &
server_pid=$!
# Start Wine's services now: started by a test under ctest, they would inherit its
# output pipe and ctest would wait for them forever.
(cd "$prefix" && timeout 120 "$wine" wineboot </dev/null >/dev/null 2>&1 8>&-) ||
  fail "wineboot failed or timed out"

echo "wine-session.sh: display $DISPLAY, prefix $prefix" >&2
# In the background so that a signal reaches the trap at once; <&0 keeps stdin.
"$@" <&0 &
cmd_pid=$!
rc=0
wait "$cmd_pid" || rc=$?
cmd_pid=
exit "$rc"
