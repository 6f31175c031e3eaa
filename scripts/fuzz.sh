#!/usr/bin/env bash
# Builds the fuzzing harnesses (fuzz/*_fuzz.cpp, through CMake with clang, libFuzzer and the
# sanitizers) and runs each for SECONDS seconds:
#   scripts/fuzz.sh BUILD_DIR SECONDS [HARNESS...]
# Each harness starts from its committed seeds (fuzz/corpus/NAME) and keeps what it finds in
# BUILD_DIR/corpus/NAME, so a later run goes on from there. A crash stops the script with the
# failing input saved as BUILD_DIR/crash-NAME-*; the last line of each run gives its figures.
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

for name in "${harnesses[@]}"; do
  max_len_var="max_len_${name}"
  run_flags_var="run_flags_${name}[@]"
  binary="$build_dir/fuzz/${name}_fuzz"
  mkdir -p "$build_dir/corpus/$name"
  log="$build_dir/$name.log"
  if ! "$binary" -max_total_time="$seconds" -max_len="${!max_len_var:-4096}" -print_final_stats=1 \
      ${!run_flags_var+"${!run_flags_var}"} -artifact_prefix="$build_dir/crash-$name-" \
      "$build_dir/corpus/$name" "fuzz/corpus/$name" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz: $name FAILED; the input is in $build_dir/crash-$name-*" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  echo "fuzz: $name: $runs executions in ${seconds} s ($speed a second), no crash"
done
