#!/usr/bin/env bash
# Installs the Debian packages the project builds, tests and runs with.
# Quick when everything is already there: apt is only asked for what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  git                                 # the tests merge levels in a repository of their own
  clang libclang-rt-14-dev            # libFuzzer for the fuzz targets
  qt6-base-dev qt6-qpa-plugins        # Core, Gui, Widgets, PrintSupport, Test; offscreen platform
  libfontconfig-dev                   # the font configuration, read while Qt starts
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick x11-utils fonts-dejavu-core
  poppler-utils desktop-file-utils    # printed pages as pictures; checking the installed desktop entry
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n python3  # building and checking the translations; Qt's own
  librsvg2-bin help2man               # the icon's PNG pictures and the manual pages, made by the build
  dpkg-dev file lintian appstream bash-completion man-db  # making and checking the Debian package
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
