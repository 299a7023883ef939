#!/usr/bin/env bash
# Builds the Debian packages of one architecture, unpacks them into a scratch
# root (never installing into the machine) and builds and runs the consumer
# program against that root, with CMake and with pkg-config
# (.ci/check_consumer.sh).
#
# usage: .ci/check_packages.sh amd64|i386
set -euo pipefail
cd "$(dirname "$0")/.."
arch=$1
case $arch in
  amd64) preset=deb; triplet=x86_64-linux-gnu ;;
  i386) preset="deb-i386"; triplet=i386-linux-gnu ;;
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

.ci/check_consumer.sh "$root/sysroot/usr" "$libdir" "$root" "$arch"
