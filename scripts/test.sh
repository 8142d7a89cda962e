#!/usr/bin/env bash
# The project's test command. Installs what is missing, builds the native, x86_64 and
# i686 builds, runs the native tests, runs the x86_64 tests under Wine on a private
# display, and checks that the i686 programs (the deliverable, which this machine
# cannot run) are PE32 files importing nothing but Windows system DLLs.
# Exits non-zero on any failure; the last line sums up all tests and checks.
set -euo pipefail
cd "$(dirname "$0")/.."
# The tests get their own display and Wine settings, whatever the caller has.
unset KEEP_DISPLAY WINEDLLOVERRIDES

scripts/install-deps.sh
for preset in native win64 win32; do
  { cmake --preset "$preset" && cmake --build --preset "$preset" -j2; } ||
    { echo "test.sh: FAILED to build preset $preset" >&2; exit 1; }
done

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

# The whole Wine run is bounded too, so that a stuck session cannot eat the CI's time.
status=0
timeout --kill-after=30 3600 testing/wine-session.sh \
  ctest --preset win64 --timeout 300 --no-tests=error 2>&1 | tee "$logs/win64.log" || status=$?
tally_ctest win64-tests-under-wine "$logs/win64.log" "$status"

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
shopt -s nullglob
exes=(build/win32/bin/*.exe)
[[ ${#exes[@]} -gt 0 ]] || { echo "test.sh: no .exe in build/win32/bin"; ((failed += 1)); failed_steps+=(i686-programs); }
for exe in "${exes[@]}"; do
  if check_i686 "$exe"; then
    echo "i686 check passed: $exe"; ((passed += 1))
  else
    echo "i686 check FAILED: $exe"; ((failed += 1)); failed_steps+=("i686:${exe##*/}")
  fi
done

if [[ ${#failed_steps[@]} -gt 0 ]]; then
  echo "test.sh: FAILED: ${failed_steps[*]}"
  echo "summary: $passed passed, $failed failed"
  exit 1
fi
echo "summary: $passed passed, $failed failed"
