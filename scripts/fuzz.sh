#!/usr/bin/env bash
# Builds the fuzzing harnesses with clang and libFuzzer and runs each for SECONDS seconds:
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
[ ${#harnesses[@]} -gt 0 ] || harnesses=(settingsFile saveGame inputTrack optionsFile)

cxx=${FUZZ_CXX:-clang++}
flags=(-std=c++20 -g -O1 -Wall -Wextra -Werror -fno-omit-frame-pointer
       -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -Isrc -Itools)

# The harnesses call the game's own readers: these are the files they are built from.
sources_settingsFile=(src/platform/firstLine.cpp src/platform/settingsFile.cpp src/platform/dataFolder.cpp
                      src/platform/regularFile.cpp src/platform/folderSync.cpp)
sources_saveGame=(src/platform/firstLine.cpp src/levels/savedProgress.cpp)
sources_inputTrack=(src/platform/inputTrack.cpp src/platform/keyCodes.cpp src/platform/input.cpp
                    src/platform/regularFile.cpp)
sources_optionsFile=(src/player/optionsFile.cpp src/player/keyBindings.cpp src/player/keyboardState.cpp
                     src/platform/keyCodes.cpp src/platform/input.cpp src/platform/printableText.cpp
                     "${sources_settingsFile[@]}")
# The track reader shares its file with the code that queues SDL events.
read -r -a sdl_flags <<<"$(pkg-config --cflags --libs sdl SDL_image SDL_mixer)"
libs_inputTrack=("${sdl_flags[@]}")
libs_settingsFile=("${sdl_flags[@]}") # files are opened through the SDL-facing regular-file reader
libs_optionsFile=("${sdl_flags[@]}")
# Lines longer than any real first line reach the readers' length limit.
max_len_settingsFile=8192
max_len_saveGame=8192
max_len_inputTrack=512
max_len_optionsFile=1024 # dozens of lines: enough for every rule, which knows no length
# The options reader says every line it does not use on standard error: the harness's would
# drown the run's own report (libFuzzer still prints a crash).
run_flags_optionsFile=(-close_fd_mask=2)

mkdir -p "$build_dir"
for name in "${harnesses[@]}"; do
  sources_var="sources_${name}[@]"
  libs_var="libs_${name}[@]"
  max_len_var="max_len_${name}"
  run_flags_var="run_flags_${name}[@]"
  binary="$build_dir/${name}_fuzz"
  "$cxx" "${flags[@]}" "fuzz/${name}_fuzz.cpp" "${!sources_var}" ${!libs_var+"${!libs_var}"} -o "$binary"

  mkdir -p "$build_dir/corpus/$name"
  log="$build_dir/$name.log"
  if ! "$binary" -max_total_time="$seconds" -max_len="${!max_len_var}" -print_final_stats=1 ${!run_flags_var+"${!run_flags_var}"} \
      -artifact_prefix="$build_dir/crash-$name-" "$build_dir/corpus/$name" "fuzz/corpus/$name" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz: $name FAILED; the input is in $build_dir/crash-$name-*" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  echo "fuzz: $name: $runs executions in ${seconds} s ($speed a second), no crash"
done
