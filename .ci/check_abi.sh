#!/usr/bin/env bash
# Compares the binary interface of libtolvex.so.1 and libruvak3.so.1, as built
# by the package presets, with the baseline recorded in abi/. Any change
# fails; an intended change updates the baseline in the same commit
# (`.ci/check_abi.sh --update`) and says why in its message.
#
# A baseline carries no path of the machine it was recorded on: the package
# presets map the source folder to "." (-ffile-prefix-map), and a recorded or
# current ABI holding an absolute path fails the check.
#
# usage: .ci/check_abi.sh [--update]   (after `cmake --workflow --preset deb`
#                                      and `... deb-i386`)
set -euo pipefail
cd "$(dirname "$0")/.."
update=${1:-}
status=0

# Fails, naming the first few, when an ABI file holds an absolute path.
no_absolute_paths() {
  if grep -n -m 3 "='/" "$1"; then
    echo "$1 holds absolute paths; build with the deb and deb-i386 presets"
    return 1
  fi
}
for arch in amd64 i386; do
  case $arch in amd64) build=build/deb ;; i386) build=build/deb-i386 ;; esac
  for library in tolvex/libtolvex.so.1 ruvak3/libruvak3.so.1; do
    name=$(basename "$library")
    baseline="abi/$arch/$name.abi"
    current=$(mktemp)
    abidw --no-corpus-path --no-comp-dir-path --no-show-locs \
      --drop-private-types --type-id-style hash \
      --headers-dir tolvex --headers-dir ruvak3 \
      --headers-dir "$build/generated" \
      --out-file "$current" "$build/$library"
    if ! no_absolute_paths "$current"; then
      status=1
      rm -f "$current"
      continue
    fi
    if [[ $update == --update ]]; then
      mkdir -p "abi/$arch"
      mv "$current" "$baseline"
      chmod 644 "$baseline"
      echo "recorded $baseline"
      continue
    fi
    no_absolute_paths "$baseline" || status=1
    if ! abidiff --no-added-syms --headers-dir1 tolvex --headers-dir2 tolvex \
        "$baseline" "$current"; then
      echo "ABI of $name ($arch) differs from $baseline"
      status=1
    fi
    rm -f "$current"
  done
done
exit $status
