#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need, if any is missing.
# Usage: scripts/install-deps.sh [native|windows|fuzz]...
set -euo pipefail

packages=(cmake g++ make libgtest-dev libbenchmark-dev binutils valgrind)
for extra in "$@"; do
  case "$extra" in
    native) ;;
    windows) packages+=(g++-mingw-w64-x86-64-posix mingw-w64 wine64 wine locales googletest) ;;
    fuzz) packages+=(clang-14 libclang-rt-14-dev) ;;
    *) echo "unknown package set: $extra" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
