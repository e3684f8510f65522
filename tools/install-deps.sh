#!/usr/bin/env bash
# Installs, on a Debian machine, whatever the build and the tests need and is not there yet.
set -euo pipefail

packages=(
  make cmake g++ googletest clang libclang-rt-14-dev
  g++-mingw-w64-i686 mingw-w64
  wine wine32:i386 wine64
  xvfb xauth xdotool imagemagick x11-utils fonts-wqy-zenhei
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
    || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  as_root dpkg --add-architecture i386
fi
as_root apt-get update -qq
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
