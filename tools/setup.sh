#!/bin/sh
# Installs what a fresh Debian 12 machine lacks for building Quorvel and running
# it under Wine. Quick when everything is already there.
set -e
need=""
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
for p in cmake g++ make googletest g++-mingw-w64-i686 binutils-mingw-w64-i686 \
         wine wine32:i386 fonts-wine fonts-dejavu-core xvfb xdotool imagemagick x11-utils locales nsis zip \
         xserver-xorg-core xserver-xorg-video-dummy libxinerama1:i386; do
    have "$p" || need="$need $p"
done
# Wine takes its ANSI code page from the locale: 1251 needs ru_RU.UTF-8.
locale_missing() { ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; }
[ -z "$need" ] && ! locale_missing && exit 0
if [ "$(id -u)" != 0 ]; then
    echo "setup: missing packages:$need (run as root, or install them)" >&2
    exit 1
fi
case " $(dpkg --print-foreign-architectures | tr '\n' ' ') " in
    *" i386 "*) ;;
    *) dpkg --add-architecture i386 ;;
esac
export DEBIAN_FRONTEND=noninteractive
if [ -n "$need" ]; then
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends $need >/dev/null
fi
if locale_missing; then
    sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
fi
