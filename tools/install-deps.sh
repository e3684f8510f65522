#!/usr/bin/env bash
# Installs, on a Debian machine, whatever the build and the tests need and is not there yet.
set -euo pipefail

packages=(
  make cmake g++ googletest clang libclang-rt-14-dev
  g++-mingw-w64-i686 mingw-w64
  wine wine32:i386 wine64
  xvfb xauth xdotool imagemagick x11-utils fonts-wqy-zenhei locales
  valgrind
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
    || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
  fi
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

# Wine takes code page 936 from LC_ALL=zh_CN.UTF-8, and the file names it makes from the C
# library's locale: without the locale generated, names in Chinese cannot be written to disk.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  echo "Generating the zh_CN.UTF-8 locale"
  as_root sh -c "grep -qx 'zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen"
  as_root locale-gen zh_CN.UTF-8 >/dev/null
fi
