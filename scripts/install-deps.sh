#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need, if any is missing.
# Usage: scripts/install-deps.sh [native|windows|fuzz|browser]...
# "windows" also generates the ja_JP.UTF-8 locale: Wine maps code-page-932 file names
# onto the names on disk only under an installed Japanese UTF-8 locale.
set -euo pipefail

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

ensure_japanese_locale() {
  locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$' && return 0
  echo "generating the ja_JP.UTF-8 locale"
  $sudo sed -i 's/^# *\(ja_JP\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP\.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
}

packages=(cmake ninja-build g++ make libgtest-dev libbenchmark-dev binutils valgrind python3)
want_locale=false
for extra in "$@"; do
  case "$extra" in
    native) ;;
    windows)
      packages+=(g++-mingw-w64-x86-64-posix mingw-w64 wine64 wine locales googletest)
      want_locale=true
      ;;
    fuzz) packages+=(clang-14 libclang-rt-14-dev) ;;
    # The replay page's test: headless Chromium driven from Python, Japanese fonts.
    browser) packages+=(chromium chromium-driver python3 python3-selenium fonts-ipafont) ;;
    *) echo "unknown package set: $extra" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  # With recommends, as the Wine setup was tested here.
  $sudo apt-get install -y -qq "${missing[@]}"
fi
if $want_locale; then ensure_japanese_locale; fi
