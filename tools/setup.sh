#!/bin/sh
# Installs what a fresh Debian 12 machine lacks for building Quorvel and running
# it under Wine. Quick when everything is already there.
set -e
need=""
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
for p in cmake g++ make googletest g++-mingw-w64-i686 binutils-mingw-w64-i686 \
         wine wine32:i386 xvfb xdotool imagemagick x11-utils; do
    have "$p" || need="$need $p"
done
[ -z "$need" ] && exit 0
if [ "$(id -u)" != 0 ]; then
    echo "setup: missing packages:$need (run as root, or install them)" >&2
    exit 1
fi
case " $(dpkg --print-foreign-architectures | tr '\n' ' ') " in
    *" i386 "*) ;;
    *) dpkg --add-architecture i386 ;;
esac
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends $need >/dev/null
