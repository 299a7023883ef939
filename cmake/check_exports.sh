#!/usr/bin/env bash
# Checks the dynamic symbol table of a shared object against a list kept in
# the repository, so that a missing export macro fails the build rather than a
# client's link.
#
# usage: check_exports.sh <shared object> <list> <spelling of size_t>
# A list line is a demangled symbol that must be exported; a line starting
# with "!" names one that must not be; "size_t" in a line stands for the
# platform's spelling ("unsigned int" on i386); "#" starts a comment line.
set -euo pipefail
library=$1 list=$2 size_t=$3

exported=$(nm -D -C --defined-only "$library" | sed -E 's/^[0-9a-f]+ [A-Za-z] //')
status=0
while IFS= read -r line; do
  [[ -z $line || $line == \#* ]] && continue
  symbol=${line//size_t/$size_t}
  if [[ $symbol == !* ]]; then
    if grep -qxF -- "${symbol#!}" <<<"$exported"; then
      echo "exported but must stay hidden: ${symbol#!}"
      status=1
    fi
  elif ! grep -qxF -- "$symbol" <<<"$exported"; then
    echo "not exported: $symbol"
    status=1
  fi
done <"$list"
exit $status
