#!/usr/bin/env bash
# Builds test programs with address and undefined-behaviour sanitizers into build-asan/ and runs
# them; any memory error, leak or undefined behaviour fails the run.
#
# Usage: scripts/sanitize.sh [TEST_PROGRAM ...] [-- GTEST_ARGS ...]
#   TEST_PROGRAM  test executables to build and run (default: gfx_tests, the codec tests)
#   GTEST_ARGS    passed to each program, e.g. -- --gtest_filter='Bmp*'
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
programs=()
while [[ $# -gt 0 && "$1" != "--" ]]; do
  programs+=("$1")
  shift
done
[[ $# -gt 0 ]] && shift
[[ ${#programs[@]} -gt 0 ]] || programs=(gfx_tests)

"$root/scripts/install-deps.sh"

build="$root/build-asan"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORVEL_SANITIZE=ON -DORVEL_TESTS=ON -DORVEL_BENCH=OFF
cmake --build "$build" --target "${programs[@]}"

# fontconfig keeps its configuration and caches for the life of the process by design; leaks
# reported inside it are not ours.
cat > "$build/lsan.supp" <<'EOF_SUPP'
leak:libfontconfig.so
EOF_SUPP
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$build/lsan.supp:print_suppressions=0}"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:strict_string_checks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
status=0
for program in "${programs[@]}"; do
  binary="$(find "$build" -name "$program" -type f -perm -u+x -print -quit)"
  [[ -n "$binary" ]] || { echo "sanitize.sh: $program was not built" >&2; exit 1; }
  echo "== $program"
  "$binary" "$@" || { echo "== $program FAILED under the sanitizers"; status=1; }
done
exit $status
