#!/usr/bin/env bash
# Builds the consumer program (tests/consumer) against an installed libtolvex,
# once with CMake and once with pkg-config, and runs each with an empty
# environment: no LD_LIBRARY_PATH, so the run paths alone must find both
# libraries. Checks first that libtolvex finds libruvak3 beside itself.
#
# usage: .ci/check_consumer.sh <prefix> <libdir> <scratch dir> [i386]
set -euo pipefail
cd "$(dirname "$0")/.."
prefix=$1 libdir=$2 scratch=$3 arch=${4:-}
flags=() cmake_flags=() run=()
if [[ $arch == i386 ]]; then
  flags=(-m32 -msse2 -mfpmath=sse)
  cmake_flags=(-DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchains/i386-linux-gnu.cmake")
  run=("$(command -v qemu-i386)")
fi

runpath=$(readelf -d "$libdir/libtolvex.so.1" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')
if [[ $runpath != "\$ORIGIN" ]]; then
  echo "libtolvex.so.1 has run path '$runpath', not \$ORIGIN" >&2
  exit 1
fi

cmake -S tests/consumer -B "$scratch/cmake-consumer" -G Ninja \
  "${cmake_flags[@]+"${cmake_flags[@]}"}" -DCMAKE_PREFIX_PATH="$prefix"
cmake --build "$scratch/cmake-consumer"
env -i "${run[@]+"${run[@]}"}" "$scratch/cmake-consumer/consumer"

# tolvex.pc finds its prefix from where it lies; the program's own run path
# names the folder of the libraries, as the README says.
export PKG_CONFIG_PATH="$libdir/pkgconfig"
# shellcheck disable=SC2046
g++ -std=c++17 "${flags[@]+"${flags[@]}"}" -o "$scratch/pkg-config-consumer" \
  tests/consumer/consumer.cpp $(pkg-config --cflags --libs tolvex) \
  -Wl,-rpath,"$(pkg-config --variable=libdir tolvex)"
env -i "${run[@]+"${run[@]}"}" "$scratch/pkg-config-consumer"
