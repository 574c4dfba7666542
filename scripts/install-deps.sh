#!/usr/bin/env bash
# Installs the Debian packages listed in a package file (default: scripts/packages.txt) that are
# not installed yet. Uses sudo when not run as root.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
list="${1:-$here/packages.txt}"
missing=()
while read -r pkg; do
  [[ -z "$pkg" || "$pkg" == \#* ]] && continue
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done < "$list"
[[ ${#missing[@]} -eq 0 ]] && exit 0
sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
