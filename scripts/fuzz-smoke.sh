#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a few seconds from its seed corpus.
# Skips (successfully) when no clang with libFuzzer is installed.
# FUZZ_SECONDS sets the time per target (default 3).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-3}"
compiler="$(command -v clang++ || command -v clang++-14 || true)"
if [[ -z "$compiler" ]]; then
  echo "fuzz smoke: no clang++ here, skipped"
  exit 0
fi
# A cache made with another compiler would be wiped by CMake together with the options below.
if [[ -f build-fuzz/CMakeCache.txt ]] && ! grep -q "^CMAKE_CXX_COMPILER:[A-Z]*=$compiler\$" build-fuzz/CMakeCache.txt; then
  rm -f build-fuzz/CMakeCache.txt
fi
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER="$compiler" "${launcher[@]}" \
  -DTESSEL_FUZZ=ON -DTESSEL_BUILD_TESTS=OFF -DTESSEL_BUILD_BENCH=OFF >/dev/null
if ! grep -q '^TESSEL_HAVE_LIBFUZZER:INTERNAL=1' build-fuzz/CMakeCache.txt; then
  echo "fuzz smoke: $compiler has no libFuzzer, skipped"
  exit 0
fi
cmake --build build-fuzz -j "$(nproc)" --target tessel_fuzz
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$PWD/tests/fuzz/lsan.supp"
for seeds in tests/fuzz/corpus/*/; do
  name="$(basename "$seeds")"
  found="$(mktemp -d)"
  dict=()
  [[ -f "tests/fuzz/$name.dict" ]] && dict=(-dict="tests/fuzz/$name.dict")
  echo "fuzz smoke: $name for ${seconds}s"
  if ! "build-fuzz/bin/$name" "${dict[@]}" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
      -artifact_prefix="build-fuzz/$name-" "$found" "$seeds" >"build-fuzz/$name.log" 2>&1; then
    tail -40 "build-fuzz/$name.log"
    echo "fuzz smoke: $name failed; the input is in build-fuzz/$name-*"
    rm -rf "$found"
    exit 1
  fi
  grep -E '^(Done|#[0-9]+ +DONE)' "build-fuzz/$name.log" | tail -1 || true
  rm -rf "$found"
done
