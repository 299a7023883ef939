#!/usr/bin/env bash
# Fails when clang-format would change a file of ours, or when clang-tidy
# (.clang-tidy) reports on a library source.
#
# usage: .ci/check_lint.sh <build dir with compile_commands.json>
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1

mapfile -t sources < <(git ls-files '*.h' '*.cpp')
clang-format --dry-run --Werror "${sources[@]}"
echo "clang-format: ${#sources[@]} files formatted"

mapfile -t library < <(git ls-files 'tolvex/*.cpp' 'ruvak3/*.cpp' |
                       grep -v '_test\.cpp$')
printf '%s\n' "${library[@]}" |
  xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet 2>/dev/null
echo "clang-tidy: ${#library[@]} library sources clean"
