#!/usr/bin/env bash
# Builds the fuzzing harnesses (fuzz/*_fuzz.cpp, through CMake with clang, libFuzzer and the
# sanitizers) and runs each for SECONDS seconds:
#   scripts/fuzz.sh BUILD_DIR SECONDS [HARNESS...]
# Each harness starts from its committed seeds (fuzz/corpus/NAME) and keeps what it finds in
# BUILD_DIR/corpus/NAME, so a later run goes on from there. As many harnesses run at once as
# the machine has cores (FUZZ_JOBS). A crash fails the script with the failing input saved as
# BUILD_DIR/crash-NAME-*; one line for each harness gives its figures.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${1:-build-fuzz}
seconds=${2:-60}
shift $(($# > 2 ? 2 : $#))
harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
  for source in fuzz/*_fuzz.cpp; do
    name=$(basename "$source" _fuzz.cpp)
    harnesses+=("$name")
  done
fi

mkdir -p "$build_dir"
if ! { cmake -S . -B "$build_dir" -DVELMORA_FUZZ=ON -DCMAKE_CXX_COMPILER="${FUZZ_CXX:-clang++}" \
         -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 -DVELMORA_BENCHMARKS=OFF &&
       cmake --build "$build_dir" -j "$(nproc)" --target fuzzHarnesses; } >"$build_dir/build.log" 2>&1; then
  tail -n 40 "$build_dir/build.log"
  echo "fuzz: the harnesses did not build; see $build_dir/build.log" >&2
  exit 1
fi

# Lines longer than any real first line reach the readers' length limit.
max_len_settingsFile=8192
max_len_saveGame=8192
max_len_inputTrack=512
max_len_optionsFile=1024 # dozens of lines: enough for every rule, which knows no length
# The options reader says every line it does not use on standard error: the harness's would
# drown the run's own report (libFuzzer still prints a crash).
run_flags_optionsFile=(-close_fd_mask=2)

# One harness's run; its report goes to BUILD_DIR/NAME.log and its summary to NAME.summary.
run_harness() {
  local name=$1
  local max_len_var="max_len_${name}"
  local run_flags_var="run_flags_${name}[@]"
  local binary="$build_dir/fuzz/${name}_fuzz"
  local log="$build_dir/$name.log"
  mkdir -p "$build_dir/corpus/$name"
  if ! "$binary" -max_total_time="$seconds" -max_len="${!max_len_var:-4096}" -print_final_stats=1 \
      ${!run_flags_var+"${!run_flags_var}"} -artifact_prefix="$build_dir/crash-$name-" \
      "$build_dir/corpus/$name" "fuzz/corpus/$name" >"$log" 2>&1; then
    return 1
  fi
  local runs speed
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  echo "fuzz: $name: $runs executions in ${seconds} s ($speed a second), no crash" >"$build_dir/$name.summary"
}

# Each harness is single-threaded: as many run at once as the machine has cores, each for
# its full time, so the stage takes a fraction of the sum.
parallel=${FUZZ_JOBS:-$(nproc)}
declare -A running=()
failed=()
finish_one() {
  local pid status=0
  wait -n -p pid "${!running[@]}" || status=$?
  if [ "$status" -ne 0 ]; then failed+=("${running[$pid]}"); fi
  unset "running[$pid]"
}
for name in "${harnesses[@]}"; do
  while [ ${#running[@]} -ge "$parallel" ]; do finish_one; done
  run_harness "$name" &
  running[$!]=$name
done
while [ ${#running[@]} -gt 0 ]; do finish_one; done

for name in "${harnesses[@]}"; do
  if [[ " ${failed[*]} " == *" $name "* ]]; then
    tail -n 40 "$build_dir/$name.log"
    echo "fuzz: $name FAILED; the input is in $build_dir/crash-$name-*" >&2
  else
    cat "$build_dir/$name.summary"
  fi
done
[ ${#failed[@]} -eq 0 ]
