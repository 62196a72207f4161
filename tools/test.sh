#!/usr/bin/env bash
# Installs what is missing, builds every tree and runs every test:
#   build/native   g++ with AddressSanitizer and UndefinedBehaviorSanitizer
#   build/windows  mingw-w64, tests run under Wine on a private Xvfb display
#   build/release  optimised native build with the benchmarks
#   build/fuzz     clang with libFuzzer: the saved-game loader fuzzed briefly
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash tools/setup.sh

configure() {
    local dir=$1
    shift
    cmake -S . -B "build/$dir" -G Ninja -DQUINTERRA_WERROR=ON "$@" >/dev/null
}
configure native -DCMAKE_BUILD_TYPE=Debug -DQUINTERRA_SANITIZE=ON
# The toolchain counts only when a tree is first configured; named again, CMake
# warns that it went unused.
toolchain=()
[ -f build/windows/CMakeCache.txt ] || toolchain=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake)
configure windows "${toolchain[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo
configure release -DCMAKE_BUILD_TYPE=Release -DQUINTERRA_BENCH=ON
CXX=clang++ configure fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINTERRA_FUZZ=ON

for dir in native windows release; do
    echo "== Building build/$dir"
    cmake --build "build/$dir"
done
echo "== Building build/fuzz"
cmake --build build/fuzz --target savedgame_fuzz

status=0
echo "== Native tests"
ctest --test-dir build/native --output-on-failure -j "$(nproc)" || status=1
echo "== Release tests"
ctest --test-dir build/release --output-on-failure || status=1
echo "== Fuzzing the saved-game loader"
ctest --test-dir build/fuzz --output-on-failure || status=1
# The Windows tests share one display and one Wine server: one at a time.
echo "== Windows tests under Wine"
ctest --test-dir build/windows --output-on-failure || status=1
exit $status
