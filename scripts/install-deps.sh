#!/usr/bin/env bash
# Installs the Debian packages the build needs. With --check, only reports (exit 1) when
# something is missing. Run as root (or through sudo) on Debian 12.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev
  libjpeg-dev libcairo2-dev libfontconfig-dev libfreetype-dev libstb-dev fonts-wqy-microhei
  libgmp-dev libmuparser-dev
  qt6-base-dev qt6-qpa-plugins xvfb xauth
  clang-14 libfuzzer-14-dev python3
  librsvg2-bin help2man desktop-file-utils appstream dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [[ ${1:-} == --check ]]; then
  [[ ${#missing[@]} -eq 0 ]] && exit 0
  echo "missing packages: ${missing[*]}" >&2
  exit 1
fi

[[ ${#missing[@]} -eq 0 ]] && exit 0
sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
