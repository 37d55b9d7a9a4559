#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the simulator need, skipping
# those already present. Safe to run again.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang
  libgtest-dev libgmock-dev libbenchmark-dev
  libcairo2-dev libpango1.0-dev libfribidi-dev libpng-dev fonts-inter
  libplist-dev libcli11-dev nlohmann-json3-dev
  libsdl2-dev xvfb xauth
  gobjc libclang-rt-14-dev gcovr
  libvalijson-dev
  libavcodec-dev libavformat-dev libyuv-dev libwebp-dev
  chromium chromium-driver python3-selenium
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
$sudo_cmd apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
