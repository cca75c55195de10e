#!/usr/bin/env bash
# Installs what the build needs from Debian's packages, when it is missing.
set -euo pipefail
pakete=(build-essential cmake qt6-base-dev qt6-tools-dev qt6-documentation-tools libqt6sql6-sqlite qt6-translations-l10n libgl-dev fonts-dejavu-core fonts-liberation2 poppler-utils)
fehlt=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlt+=("$p")
done
[ ${#fehlt[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -eq 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${fehlt[@]}"
else
  echo "Missing packages. Install them with:" >&2
  echo "  sudo apt-get install -y ${fehlt[*]}" >&2
  exit 1
fi
