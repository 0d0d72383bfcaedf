#!/bin/sh
# Installs what building and testing Dokkle needs on Debian 12, and nothing when it is all there.
set -eu

packages="g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32:i386 wine64 xvfb xauth x11-utils xcompmgr xdotool
  imagemagick fonts-ipafont-gothic googletest cmake ninja-build g++ clang clang-format lld libclang-rt-14-dev python3
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils"

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

echo "setup: installing$missing" >&2
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo_cmd dpkg --add-architecture i386
fi
$sudo_cmd apt-get update -qq
# shellcheck disable=SC2086
$sudo_cmd apt-get install -y -qq --no-install-recommends $missing >/dev/null
