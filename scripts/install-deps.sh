#!/bin/sh
# Installs the Debian packages the build, the game and the tests need.
# apt-get runs only when something is missing, so repeated builds stay fast.
set -e
PKGS="build-essential cmake pkg-config ninja-build
libsdl1.2-dev libsdl-mixer1.2-dev liblua5.1-0-dev libtinyxml-dev libchipmunk-dev
libfreetype-dev libfontconfig-dev fonts-liberation libstb-dev libassimp-dev
libgl-dev libgl1-mesa-dri libglu1-mesa-dev
libgtest-dev libgmock-dev googletest libbenchmark-dev
clang libclang-rt-14-dev
xvfb xauth xdotool x11-utils x11-xkb-utils libx11-dev imagemagick lame sox
desktop-file-utils appstream man-db groff-base dpkg-dev"
missing=""
for p in $PKGS; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "installing:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends $missing
