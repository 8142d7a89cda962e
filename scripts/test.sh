#!/usr/bin/env bash
# The project's test command. Installs what is missing, builds the native and the
# i686 builds, runs the native tests, then the Windows tests under Wine on a private
# display: on the i686 deliverable itself where this machine runs 32-bit programs,
# otherwise on an x86_64 build of the same sources. Checks that the i686 programs
# are PE32 files importing nothing but Windows system DLLs.
# Exits non-zero on any failure; the last line sums up all tests and checks.
set -euo pipefail
cd "$(dirname "$0")/.."
# The tests get their own display and Wine settings, whatever the caller has.
unset KEEP_DISPLAY WINEDLLOVERRIDES

scripts/install-deps.sh
build() {  # build PRESET
  { cmake --preset "$1" && cmake --build --preset "$1" -j2; } ||
    { echo "test.sh: FAILED to build preset $1" >&2; exit 1; }
}
build native
build win32

logs=build/test-logs
mkdir -p "$logs"
passed=0 failed=0 failed_steps=()

tally_ctest() {  # tally_ctest STEP LOG STATUS: adds one ctest run to the totals
  local line
  line=$(grep -Eo '[0-9]+ tests? failed out of [0-9]+' "$2" | tail -1 || true)
  if [[ $line =~ ^([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+)$ ]]; then
    ((failed += BASH_REMATCH[1], passed += BASH_REMATCH[2] - BASH_REMATCH[1])) || true
  elif [[ $3 -ne 0 ]]; then
    ((failed += 1))  # ctest itself failed (no tests, timeout of the whole run, ...)
  fi
  [[ $3 -eq 0 ]] || failed_steps+=("$1")
}

status=0
ctest --preset native --timeout 120 --no-tests=error 2>&1 | tee "$logs/native.log" || status=$?
tally_ctest native-tests "$logs/native.log" "$status"

# Can this machine run the i686 build? A kernel without 32-bit support, or a missing
# wine32, fails this small i686 program at once.
if timeout 120 testing/wine-session.sh /usr/lib/wine/wine build/win32/bin/ignaro_portable_tests.exe \
     --gtest_list_tests >"$logs/i686-probe.log" 2>&1; then
  tested=win32 tested_build="the i686 build (the deliverable), under 32-bit Wine"
else
  echo "test.sh: this machine cannot run 32-bit programs (see $logs/i686-probe.log): the i686 build" \
       "was built and checked but not run; the Wine tests run the x86_64 build instead"
  build win64
  tested=win64 tested_build="the x86_64 build, under wine64 (the i686 build could not run here)"
fi
# The whole Wine run is bounded too, so that a stuck session cannot eat the CI's time.
status=0
timeout --kill-after=30 3600 testing/wine-session.sh \
  ctest --preset "$tested" --timeout 300 --no-tests=error 2>&1 | tee "$logs/$tested.log" || status=$?
tally_ctest "$tested-tests-under-wine" "$logs/$tested.log" "$status"

# The i686 programs: no MinGW runtime DLL (libstdc++, libgcc, libwinpthread) or any
# other non-system DLL may be needed next to the .exe.
system_dlls='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|advapi32|ole32|oleaut32|msvcrt|version|shlwapi|uxtheme|winmm|imm32|ws2_32|api-ms-win-.*)\.dll$'
check_i686() {  # check_i686 EXE: prints what is wrong with it, if anything
  local dump dll ok=1
  dump=$(i686-w64-mingw32-objdump -p "$1") || { echo "  cannot read $1"; return 1; }
  grep -q 'file format pei-i386$' <<<"$dump" || { echo "  $1 is not a pei-i386 file"; ok=; }
  while read -r dll; do
    [[ ${dll,,} =~ $system_dlls ]] || { echo "  $1 imports $dll"; ok=; }
  done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump")
  [[ -n $ok ]]
}
for exe in build/win32/bin/Ignaro.exe build/win32/bin/Vistrel.exe; do
  if check_i686 "$exe"; then
    echo "i686 check passed: $exe"; ((passed += 1))
  else
    echo "i686 check FAILED: $exe"; ((failed += 1)); failed_steps+=("i686:${exe##*/}")
  fi
done

# The release archive: both programs and the README for the people who run them.
archive_contents() {
  python3 - "$@" <<'PYTHON'
import sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as archive:
    names = sorted(archive.namelist())
    readme = archive.read('README.txt') if 'README.txt' in names else b''
print(' '.join(names), 'crlf' if readme.count(b'\r\n') == readme.count(b'\n') > 0 else 'bare-lf')
PYTHON
}
archive=build/win32/Ignaro-Vistrel-$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/win32/CMakeCache.txt)-win32.zip
if cmake --build --preset win32 --target package >"$logs/package.log" 2>&1 &&
   [[ $(archive_contents "$archive") == "Ignaro.exe README.txt Vistrel.exe crlf" ]]; then
  echo "archive check passed: $archive"; ((passed += 1))
else
  echo "archive check FAILED: $archive (see $logs/package.log)"; ((failed += 1)); failed_steps+=(archive)
fi

echo "test.sh: the Wine tests ran $tested_build"
if [[ ${#failed_steps[@]} -gt 0 ]]; then
  echo "test.sh: FAILED: ${failed_steps[*]}"
  echo "summary: $passed passed, $failed failed"
  exit 1
fi
echo "summary: $passed passed, $failed failed"
