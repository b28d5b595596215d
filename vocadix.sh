#!/usr/bin/env bash
# Installs what is missing (Debian 12, as root or through sudo), builds, then
# either starts the game ("jouer") or runs the whole test suite ("tester").
set -euo pipefail
cd "$(dirname "$0")"

PAQUETS=(
  g++ cmake ninja-build pkg-config          # compiler and build
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev qt6-qpa-plugins
  qt6-charts-dev libqt6opengl6-dev          # statistics charts (their CMake files need OpenGL's)
  qt6-translations-l10n                     # Qt's own texts in French
  libsqlcipher-dev libx11-dev               # game database, keyboard lights
  zlib1g-dev                                # dictzip texts of the dictionaries
  fonts-liberation2                         # Arial-compatible fonts
  stardict-xmlittre                         # Littré's definitions of the words
  xvfb xauth openbox xdotool x11-utils imagemagick   # real-window tests
  dbus at-spi2-core python3-pyatspi         # reading the real window's widgets
  orca                                      # what a screen reader speaks of the game
  pulseaudio pulseaudio-utils sox           # real-audio tests
  desktop-file-utils appstream sqlcipher    # installed-game test: its files, the player's base
  dpkg-dev lintian                          # the Debian package and its check
  clang-14 libclang-rt-14-dev llvm-14       # sanitized build, fuzzing, readable reports
)

installer() {
  local manquants=()
  for p in "${PAQUETS[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
      manquants+=("$p")
  done
  if ((${#manquants[@]})); then
    echo "Installation de : ${manquants[*]}"
    local sudo=""
    [[ $(id -u) -ne 0 ]] && sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
      "${manquants[@]}"
  fi
}

construire() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build build -j "$(nproc)"
}

# The same program and tests under AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer, with the fuzzing targets, which need clang.
construire_sanitise() {
  cmake -S . -B build-sanitise -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DVOCADIX_SANITISEURS=ON
  cmake --build build-sanitise -j "$(nproc)"
}

case "${1:-}" in
  jouer)
    installer
    construire
    exec build/bin/vocadix
    ;;
  tester)
    installer
    construire
    statut=0
    ctest --test-dir build --output-on-failure -j "$(nproc)" || statut=1
    construire_sanitise
    ctest --test-dir build-sanitise --output-on-failure -j "$(nproc)" || statut=1
    exit $statut
    ;;
  *)
    echo "usage : bash vocadix.sh jouer | tester" >&2
    exit 2
    ;;
esac
