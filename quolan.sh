#!/usr/bin/env bash
# Sets up a Debian 12 machine for Quolan, builds it, and starts the editor
# ("./quolan.sh start") or runs every test ("./quolan.sh test"); "./quolan.sh
# package" makes and checks the Debian package in build-release/; "./quolan.sh
# check" runs every test under AddressSanitizer and UBSan and each fuzz target
# briefly, in build-check/; "./quolan.sh lint" checks the layers of the
# sources, the formatting of every source and runs clang-tidy over src/
# (after a check build).
set -euo pipefail
cd "$(dirname "$0")"

packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-liberation2
  xvfb xauth xdotool x11-xkb-utils
  libxcb1-dev openbox trayer x11-utils
  qt6-translations-l10n
  libhunspell-dev hunspell-ru hunspell-en-us libnuspell-dev
  desktop-file-utils appstream dpkg-dev
  clang libfuzzer-14-dev libclang-rt-14-dev clang-format clang-tidy
)

install_missing_packages() {
  local missing=()
  for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
  if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUOLAN_WARNINGS_AS_ERRORS=ON
  fi
  cmake --build build -j"$(nproc)"
}

# Seconds each fuzz target runs in a check.
fuzz_seconds=30

check() {
  cmake --preset check
  cmake --build build-check -j"$(nproc)"
  # Any report stops the program at once. The suppressions name the leaks of
  # the libraries under Qt that no program of ours can free.
  export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  ctest --preset check -j"$(nproc)"
  # Each target on a copy of its seeds, so that what it finds stays in the
  # build folder; its log is shown only when it fails.
  mkdir -p build-check/fuzz-corpus build-check/fuzz-crashes build-check/fuzz-logs
  for seeds in fuzz/corpus/*/; do
    local target log
    target=$(basename "$seeds")
    log="build-check/fuzz-logs/$target.log"
    rm -rf "build-check/fuzz-corpus/$target"
    cp -r "$seeds" "build-check/fuzz-corpus/$target"
    echo "Fuzzing $target for ${fuzz_seconds} s"
    if ! "build-check/fuzz/$target" -max_total_time="$fuzz_seconds" \
        -artifact_prefix="build-check/fuzz-crashes/$target-" \
        "build-check/fuzz-corpus/$target" >"$log" 2>&1; then
      tail -n 60 "$log"
      echo "$target failed; replay it with build-check/fuzz/$target <the file named above>" >&2
      return 1
    fi
    grep -m1 'DONE' "$log" || true
  done
}

# Every source as .clang-format lays it out, and src/ through the checks of
# .clang-tidy, with the compile commands of the check build.
lint() {
  tools/check-layers.sh
  git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
  echo "Formatting: every source as .clang-format lays it out"
  [ -f build-check/compile_commands.json ] || { cmake --preset check && cmake --build build-check -j"$(nproc)"; }
  run-clang-tidy -quiet -p build-check -j"$(nproc)" "$PWD/src/" >build-check/tidy.log 2>&1 ||
    { grep -E 'warning:|error:' -A3 build-check/tidy.log | head -n 80; echo "clang-tidy found the above" >&2; return 1; }
  echo "clang-tidy: no findings in src/"
}

case "${1:-}" in
  start)
    install_missing_packages
    build
    exec ./build/quolan
    ;;
  test)
    install_missing_packages
    build
    ctest --test-dir build --output-on-failure -j"$(nproc)"
    ;;
  package)
    install_missing_packages
    .ci/package-check build-release
    ;;
  check)
    install_missing_packages
    check
    ;;
  lint)
    install_missing_packages
    lint
    ;;
  *)
    echo "usage: $0 start|test|package|check|lint" >&2
    exit 2
    ;;
esac
