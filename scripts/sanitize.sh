#!/usr/bin/env bash
# Builds test programs with sanitizers in a build folder of their own and runs them; any finding
# fails the run.
#
#   default   address and undefined-behaviour sanitizers, in build-asan/: any memory error, leak or
#             undefined behaviour fails.
#   --thread  the thread sanitizer, in build-tsan/: any data race, lock-order inversion or misuse
#             of a mutex fails. It runs the code that crosses threads: the worker component, the
#             batch engine and its band-at-a-time conversion on two threads, the application's
#             calls and messages from other threads, the folder watcher, the resampling that
#             splits a picture among threads, and the web views' fetchers.
#
# Usage: scripts/sanitize.sh [--thread] [TEST_PROGRAM ...] [-- GTEST_ARGS ...]
#   TEST_PROGRAM  test executables to build and run (default: gfx_tests, the codec tests; with
#                 --thread: ui_tests, picture_tests, gfx_tests and web_tests)
#   GTEST_ARGS    passed to each program, e.g. -- --gtest_filter='Bmp*'
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
mode=address
if [[ "${1:-}" == "--thread" ]]; then
  mode=thread
  shift
fi
programs=()
while [[ $# -gt 0 && "$1" != "--" ]]; do
  programs+=("$1")
  shift
done
[[ $# -gt 0 ]] && shift
if [[ ${#programs[@]} -eq 0 ]]; then
  if [[ $mode == thread ]]; then programs=(ui_tests picture_tests gfx_tests web_tests); else programs=(gfx_tests); fi
fi

"$root/scripts/install-deps.sh"

runner=()
if [[ $mode == thread ]]; then
  build="$root/build-tsan"
  mkdir -p "$build"
  # The thread sanitizer needs its fixed memory layout; where the kernel randomises mappings more
  # widely than it expects, a program stops at once with "unexpected memory mapping". Without
  # address-space randomisation (setarch -R, for this run only) it works, so a probe decides.
  probe="$build/tsan-probe"
  echo 'int main() { return 0; }' | "${CXX:-c++}" -x c++ -fsanitize=thread -o "$probe" -
  if ! "$probe" 2>"$probe.log"; then
    if ! grep -q "unexpected memory mapping" "$probe.log"; then
      cat "$probe.log" >&2
      echo "sanitize.sh: a thread-sanitized program does not run here" >&2
      exit 1
    fi
    runner=(setarch "$(uname -m)" -R)
    echo "sanitize.sh: running without address-space randomisation (setarch -R)"
  fi
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORVEL_TSAN=ON -DORVEL_TESTS=ON -DORVEL_BENCH=OFF
  # The build runs some of its own tools (the skin packer), which are sanitized as well.
  "${runner[@]}" cmake --build "$build" --target "${programs[@]}"
  export TSAN_OPTIONS="${TSAN_OPTIONS:-halt_on_error=1:second_deadlock_stack=1}"
else
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
fi

status=0
for program in "${programs[@]}"; do
  binary="$(find "$build" -name "$program" -type f -perm -u+x -print -quit)"
  [[ -n "$binary" ]] || { echo "sanitize.sh: $program was not built" >&2; exit 1; }
  echo "== $program"
  "${runner[@]}" "$binary" "$@" || { echo "== $program FAILED under the $mode sanitizer"; status=1; }
done
exit $status
