#!/usr/bin/env bash
# Shared set-up: installs the Debian packages the build needs when they are
# missing, then configures and builds into the given folder.
# Usage: scripts/setup.sh BUILD_DIR [extra cmake arguments...]
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$here/build}
shift || true

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  libjpeg62-turbo-dev libwmf-dev libemf2svg-dev libuemf-dev fonts-urw-base35
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fontconfig
  ${TAVELLE_EXTRA_PACKAGES:-}
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ $status == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}" >&2
  sudo=""
  if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
fi

# TAVELLE_WERROR=ON (as CI sets it) turns compiler warnings into errors.
options=()
[[ -z ${TAVELLE_WERROR:-} ]] || options+=("-DTAVELLE_WERROR=$TAVELLE_WERROR")
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${TAVELLE_BUILD_TYPE:-RelWithDebInfo}" "${options[@]}" "$@" >&2
cmake --build "$build" -j "$(nproc)" --target ${TAVELLE_BUILD_TARGETS:-all} >&2
