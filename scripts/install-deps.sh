#!/usr/bin/env bash
# Installs the Debian packages the project needs, skipping those already present. Safe to
# run again.
# Usage: scripts/install-deps.sh [run|test] [--list]
#   run   what building lvsim and running it need (`make run`)
#   test  that and what the tests, benchmarks, fuzzers, coverage and the phone's build add,
#         and ccache for rebuilds (`make test`, `make device`; the default), with axe-core from the npm registry for
#         the browser test, in build/npm
#   --list  prints the packages, one a line, and installs nothing
set -euo pipefail
cd "$(dirname "$0")/.."

run_packages=(
  build-essential cmake ninja-build pkg-config
  libcairo2-dev libpango1.0-dev libglib2.0-dev libfribidi-dev libpng-dev fonts-inter
  libplist-dev libcli11-dev nlohmann-json3-dev
  libsdl2-dev
  libavcodec-dev libavformat-dev libyuv-dev libwebp-dev
)
test_packages=(
  ccache jq
  clang libclang-rt-14-dev gobjc gcovr
  lld-14 libc++-14-dev llvm-14
  libgtest-dev libgmock-dev libbenchmark-dev
  libvalijson-dev
  xvfb xauth
  chromium chromium-driver python3-selenium
  nodejs
)
# Some builds of nodejs carry npm; Debian's comes as a package of its own.
command -v npm >/dev/null || test_packages+=(npm)
axe_version=4.14.1
axe_folder=build/npm

scope=test
list_only=false
for argument in "$@"; do
  case "$argument" in
    run|test) scope="$argument" ;;
    --list) list_only=true ;;
    *) echo "install-deps: unknown argument '$argument' (run, test or --list)" >&2; exit 2 ;;
  esac
done
packages=("${run_packages[@]}")
[ "$scope" = test ] && packages+=("${test_packages[@]}")
if $list_only; then
  printf '%s\n' "${packages[@]}"
  exit 0
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

[ "$scope" = test ] || exit 0
installed_axe=$(node -p "require('./$axe_folder/node_modules/axe-core/package.json').version" 2>/dev/null || true)
if [ "$installed_axe" != "$axe_version" ]; then
  echo "installing: axe-core $axe_version into $axe_folder"
  mkdir -p "$axe_folder"
  npm install --prefix "$axe_folder" --no-save --no-audit --no-fund --loglevel=error "axe-core@$axe_version"
fi
