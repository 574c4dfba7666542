#!/usr/bin/env bash
# Builds every libFuzzer target (fuzz/NAME_fuzz.cpp) with clang, address and undefined-behaviour
# sanitizers into build-fuzz/, runs each for a bounded time and exits non-zero when any crashed.
#
# Usage: scripts/fuzz.sh [-t SECONDS] [NAME_fuzz ...]
#   -t SECONDS  time per target (default 60)
#   NAME_fuzz   run only these targets (default: every fuzz/*_fuzz.cpp)
#
# Seeds: a target names its seed folders, relative to the project, on a line of its source:
#   // fuzz-seeds: tests/data/bmpsuite tests/data/more
# Without that line tests/data/NAME is used when it exists. Seed folders are only read; what the
# fuzzer finds goes to build-fuzz/corpus/NAME_fuzz, and crashing inputs to build-fuzz/crashes/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds=60
while getopts "t:h" opt; do
  case "$opt" in
    t) seconds="$OPTARG" ;;
    *) sed -n '2,13p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
[[ "$seconds" =~ ^[0-9]+$ ]] || { echo "fuzz.sh: -t needs a number of seconds" >&2; exit 2; }

"$root/scripts/install-deps.sh"
"$root/scripts/install-deps.sh" "$root/scripts/packages-fuzz.txt"

targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
  for source in "$root"/fuzz/*_fuzz.cpp; do
    [[ -e "$source" ]] && targets+=("$(basename "$source" .cpp)")
  done
fi
[[ ${#targets[@]} -gt 0 ]] || { echo "fuzz.sh: no fuzz targets in fuzz/" >&2; exit 1; }

build="$root/build-fuzz"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DORVEL_FUZZ=ON -DORVEL_TESTS=OFF -DORVEL_BENCH=OFF
cmake --build "$build" --target "${targets[@]}"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
mkdir -p "$build/crashes"
failed=()
for target in "${targets[@]}"; do
  source="$root/fuzz/$target.cpp"
  seeds=()
  line="$(grep -m1 -o 'fuzz-seeds:.*' "$source" 2>/dev/null || true)"
  for dir in ${line#fuzz-seeds:}; do
    [[ -d "$root/$dir" ]] && seeds+=("$root/$dir")
  done
  if [[ ${#seeds[@]} -eq 0 && -d "$root/tests/data/${target%_fuzz}" ]]; then
    seeds+=("$root/tests/data/${target%_fuzz}")
  fi
  binary="$(find "$build" -name "$target" -type f -perm -u+x -print -quit)"
  if [[ -z "$binary" ]]; then
    echo "== $target: was not built"
    failed+=("$target")
    continue
  fi
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  echo "== $target: ${seconds} s, seeds: ${seeds[*]:-none}"
  if "$binary" "$corpus" "${seeds[@]}" -max_total_time="$seconds" -timeout=30 \
      -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$build/crashes/$target-" \
      > "$build/$target.log" 2>&1; then
    echo "== $target: clean ($(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$build/$target.log" | grep -o '[0-9]*$' || echo '?') runs)"
  else
    echo "== $target: CRASHED; log: $build/$target.log"
    tail -n 40 "$build/$target.log"
    failed+=("$target")
  fi
done

if [[ ${#failed[@]} -gt 0 ]]; then
  echo "Fuzz targets that failed: ${failed[*]} (crashing inputs in $build/crashes/)"
  exit 1
fi
echo "Every fuzz target ran clean."
