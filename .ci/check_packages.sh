#!/usr/bin/env bash
# Builds the Debian packages of one architecture, unpacks them into a scratch
# root (never installing into the machine) and builds and runs the consumer
# program against that root, with CMake and with pkg-config.
#
# usage: .ci/check_packages.sh amd64|i386
set -euo pipefail
cd "$(dirname "$0")/.."
arch=$1
case $arch in
  amd64) preset=deb; triplet=x86_64-linux-gnu; flags=(); run=() ;;
  i386) preset=deb-i386; triplet=i386-linux-gnu; flags=(-m32 -msse2 -mfpmath=sse)
        run=(qemu-i386)
        cmake_flags=(-DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchains/i386-linux-gnu.cmake") ;;
  *) echo "unknown architecture: $arch" >&2; exit 2 ;;
esac

rm -rf "build/$preset/packages"
cmake --workflow --preset "$preset"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
for package in libtolvex1 libtolvex-dev libruvak3-standin1; do
  deb=$(echo "build/$preset/packages/${package}_"*"_$arch.deb")
  dpkg-deb -x "$deb" "$root/sysroot"
  echo "$deb: $(dpkg-deb -f "$deb" Package Architecture Depends Provides | tr '\n' ' ')"
done
libdir="$root/sysroot/usr/lib/$triplet"

cmake -S tests/consumer -B "$root/cmake-consumer" -G Ninja \
  "${cmake_flags[@]+"${cmake_flags[@]}"}" -DCMAKE_PREFIX_PATH="$root/sysroot/usr"
cmake --build "$root/cmake-consumer"
LD_LIBRARY_PATH="$libdir" "${run[@]+"${run[@]}"}" "$root/cmake-consumer/consumer"

# tolvex.pc finds its prefix from where it lies, so it serves from the root.
export PKG_CONFIG_PATH="$libdir/pkgconfig"
# shellcheck disable=SC2046
g++ -std=c++17 "${flags[@]+"${flags[@]}"}" -o "$root/pkg-config-consumer" \
  tests/consumer/consumer.cpp $(pkg-config --cflags --libs tolvex)
LD_LIBRARY_PATH="$libdir" "${run[@]+"${run[@]}"}" "$root/pkg-config-consumer"
