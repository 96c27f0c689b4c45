#!/bin/sh
# Installs the Debian packages needed to build, run, test and benchmark the
# tutor. libqt6sql6-sqlite opens the pupils' progress file; qt6-tools-dev and
# qt6-l10n-tools make the translations, and qt6-translations-l10n gives Qt's
# own dialogs in the same languages; poppler-utils reads printed worksheets
# back in the tests;
# desktop-file-utils and appstream check the desktop entry and metainfo;
# dpkg-dev and file let the package list the C and C++ libraries it needs.
# xvfb (with its keyboard maps), dbus-daemon and at-spi2-core give the
# screen reader test a display and the desktop's accessibility bus.
# postgresql-15 is the class server (orvi-class-server sets it up, and the
# class server test starts a throw-away one); libqt6sql6-psql lets Qt talk to
# it; openssl makes the test server's certificates; libpq-dev and pkg-config
# let the program reach the socket under Qt's connection, to cut one that a
# silent server keeps waiting.
# Checks first, so a second run is quick and needs no network.
# With the argument "fuzz" it also installs clang and its libFuzzer runtime,
# which only `make fuzz` needs.
set -eu

PACKAGES="cmake ninja-build g++ make qt6-base-dev qt6-qpa-plugins qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libqt6sql6-sqlite fonts-liberation2 fonts-comic-neue libbenchmark-dev poppler-utils desktop-file-utils appstream dpkg-dev file xvfb xkb-data dbus-daemon at-spi2-core postgresql-15 libqt6sql6-psql openssl libpq-dev pkg-config"
if [ "${1:-}" = fuzz ]; then
    PACKAGES="$PACKAGES clang libclang-rt-14-dev"
fi

missing=""
for pkg in $PACKAGES; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    case "$status" in
        "install ok installed") ;;
        *) missing="$missing $pkg" ;;
    esac
done

if [ -z "$missing" ]; then
    exit 0
fi

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
else
    echo "Root rights are needed to install:$missing (no sudo found)." >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
# shellcheck disable=SC2086 # the package list is meant to split into words
$SUDO apt-get install -y --no-install-recommends $missing
