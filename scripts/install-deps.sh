#!/bin/sh
# Installs the Debian packages ZuLex needs to build, test and run; only the missing ones, quietly.
set -e

PACKAGES="
build-essential cmake ninja-build pkg-config git
libagg-dev libfreetype-dev libfontconfig-dev libpng-dev zlib1g-dev
libtinyxml-dev libopencore-amrnb-dev libsdl2-dev
libogg-dev libvorbis-dev libmpg123-dev libcurl4-openssl-dev
libespeak-ng-dev espeak-ng-data libsamplerate0-dev
fonts-wqy-microhei fonts-dejavu-core
libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
sox lame vorbis-tools libcpp-httplib-dev
librsvg2-bin
xvfb xdotool libx11-dev
tzdata
"

missing=""
for p in $PACKAGES; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    case "$status" in
        *"install ok installed"*) ;;
        *) missing="$missing $p" ;;
    esac
done

[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -ne 0 ]; then
    SUDO=sudo
else
    SUDO=
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
