#!/bin/sh
# Installs what building and testing Dokkle needs on Debian 12, and nothing when it is all there.
set -eu

# fonts-wine: Wine's own Tahoma, the face of the English dialogs, as Windows has it.
packages="g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32:i386 wine64 xvfb xauth x11-utils xcompmgr xdotool
  imagemagick fonts-ipafont-gothic fonts-wine googletest cmake ninja-build g++ clang clang-format lld
  libclang-rt-14-dev python3 locales xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils"
# The tests run Wine in Japanese and in English. Wine takes the display language from the locale variables,
# and names files in the locale's character set: without the locale generated it falls back to ASCII.
locales="ja_JP.UTF-8 en_US.UTF-8"

sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "setup: installing$missing" >&2
    export DEBIAN_FRONTEND=noninteractive
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo_cmd dpkg --add-architecture i386
    fi
    $sudo_cmd apt-get update -qq
    # shellcheck disable=SC2086
    $sudo_cmd apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi

# "ja_JP.UTF-8" is listed by locale -a as "ja_JP.utf8".
generated=$(locale -a 2>/dev/null | tr 'A-Z' 'a-z' | sed 's/utf-8$/utf8/')
missing_locales=""
for l in $locales; do
    name=$(printf '%s' "$l" | tr 'A-Z' 'a-z' | sed 's/utf-8$/utf8/')
    printf '%s\n' "$generated" | grep -qx "$name" || missing_locales="$missing_locales $l"
done
if [ -n "$missing_locales" ]; then
    echo "setup: generating the locales$missing_locales" >&2
    for l in $missing_locales; do
        # Uncomment the locale's line in /etc/locale.gen, or add it, so that locale-gen keeps it.
        if grep -q "^# *$l UTF-8" /etc/locale.gen; then
            $sudo_cmd sed -i "s/^# *$l UTF-8/$l UTF-8/" /etc/locale.gen
        elif ! grep -q "^$l UTF-8" /etc/locale.gen; then
            echo "$l UTF-8" | $sudo_cmd tee -a /etc/locale.gen >/dev/null
        fi
    done
    $sudo_cmd locale-gen >/dev/null
fi
