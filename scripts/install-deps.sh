#!/usr/bin/env bash
# Installs every Debian package that the build, the tests and the program need.
# Safe to run again: packages already there are left as they are.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev googletest
  libcups2-dev cups cups-client cups-bsd cups-ipp-utils printer-driver-cups-pdf
  fonts-liberation poppler-utils
  clang libclang-rt-14-dev
  locales
)

if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${packages[@]}" >/dev/null
# A comma-decimal locale, so that the tests can show that no number depends on it.
if ! locale -a 2>/dev/null | grep -qi '^nb_NO\.utf-\?8$'; then
  "${sudo[@]}" localedef -i nb_NO -f UTF-8 nb_NO.UTF-8
fi
echo "install-deps: all packages present"
