#!/usr/bin/env bash
# Installs the Debian packages of .ci/packages.txt that are missing, through
# sudo only when not already root. Installs nothing when all are present.
set -euo pipefail
cd "$(dirname "$0")/.."
missing=()
while read -r package; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null |
    grep -q 'install ok installed' || missing+=("$package")
done < <(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' .ci/packages.txt)
((${#missing[@]})) || exit 0
echo "installing ${missing[*]}"
as_root=()
((EUID == 0)) || as_root=(sudo)
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -qq "${missing[@]}"
