#!/usr/bin/env bash
# Set up, build and start Spinledger, or run every test.
#   ./build.sh run    install missing Debian packages, build, start the application
#   ./build.sh test   install missing Debian packages, build, run every test
set -euo pipefail
cd "$(dirname "$0")"

# Build and test tools and libraries (the DejaVu fonts letter the drawn
# images); Boost.Math gives the statistics their distributions, libcsv reads
# and writes spin files, Qt Charts draws the plots (its CMake files need the
# OpenGL development files, which Debian does not pull in for it); pkexec and
# acl serve the folder permission repair that start-up runs when the
# installation is not writable; dpkg-dev, fakeroot, desktop-file-utils and appstream build and
# check the Debian package; clang-format checks the sources' layout (.ci/run);
# the Qt tools compile the translations (lupdate, lrelease), and Qt's own
# German texts come with qt6-translations-l10n.
PACKAGES=(cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
          libsqlcipher-dev libboost-math-dev libcsv-dev qt6-charts-dev libqt6opengl6-dev
          imagemagick fonts-dejavu-core xvfb xauth pkexec acl
          dpkg-dev fakeroot file desktop-file-utils appstream clang-format
          qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# SPINLEDGER_CMAKE_ARGS adds configure options, e.g. -DSPINLEDGER_WERROR=ON (.ci/run).
build() {
    # shellcheck disable=SC2086 # one word per option
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo ${SPINLEDGER_CMAKE_ARGS:-} >/dev/null
    cmake --build build -j"$(nproc)"
}

case "${1:-}" in
run)
    install_missing
    build
    exec build/Spinledger/spinledger
    ;;
test)
    install_missing
    build
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)"
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
