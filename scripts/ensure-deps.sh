#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, but only those that
# are missing, so that a second run costs a few dpkg queries and nothing else.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  clang libclang-rt-14-dev dpkg-dev
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libxkbcommon-dev libxcb1-dev
  qt6-translations-l10n
  fonts-liberation2 fontconfig
  xvfb xdotool x11-utils imagemagick poppler-utils tesseract-ocr
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
# apt's progress lines and notices go to a log, shown only when something fails.
log=$(mktemp)
if ! { $sudo apt-get update -qq && $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
  cat "$log" >&2
  rm -f "$log"
  echo "Installing the packages failed; see the lines above." >&2
  exit 1
fi
rm -f "$log"
