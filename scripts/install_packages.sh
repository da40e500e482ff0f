#!/bin/sh
# Installs the Debian packages the suite builds and tests with, when one is
# missing and we may install (root). Otherwise says what is missing.
set -e
# libisal-dev: Reads_importer decompresses gzip read files with ISA-L; zlib1g-dev:
# bench/gzip_measure.sh compares it with zlib.
needed="cmake g++ ninja-build libgtest-dev libisal-dev zlib1g-dev"
[ -n "$VESMAR_EXTRA_PACKAGES" ] && needed="$needed $VESMAR_EXTRA_PACKAGES"
missing=""
for package in $needed; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing="$missing $package"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" = 0 ]; then
  echo "Installing:$missing"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >/dev/null
else
  echo "Missing Debian packages:$missing (run as root, or: sudo apt-get install$missing)" >&2
  exit 1
fi
