#!/bin/sh
# Quorvel for a user who cannot write its folder, as Program Files is for a
# user without administrator rights: Wine run as a second Linux user, for whom
# the program's folder is read-only (LimitedUserTest.cpp drives it). The user,
# its home and its Wine prefix (Wine takes only a prefix of the user's own)
# are made at the first run and kept for the next, as the shared prefix is;
# the program's folder and the user's Quorvel folder are made anew each time
# and removed afterwards. Making a user needs root; without it the run is
# skipped (exit code 77).
# Usage: limited.sh <work dir> <product dir> <driver exe> winxp|win98|win7|win10 <gtest filter>
set -e
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
mkdir -p "$1"
work=$(cd "$1" && pwd)
product=$2 driver=$3 version=$4 filter=$5
user=qvlimited
if [ "$(id -u)" != 0 ]; then
    echo "SKIPPED: only root can run Wine as a second user"
    exit 77
fi
id "$user" >/dev/null 2>&1 ||
    useradd --system --create-home --home-dir "/var/lib/$user" --shell /usr/sbin/nologin "$user"
home=$(getent passwd "$user" | cut -d: -f6)
mkdir -p "$home/e2e"
chown "$user:" "$home" "$home/e2e"
# Two builds on one machine would share the user's prefix.
exec 9>"$home/.running"
flock 9

# Everything the user reads lies below a folder anyone may enter: the build
# tree may be in root's home.
area=$(mktemp -d /tmp/quorvel-limited.XXXXXX)
. "$root/tools/wine-env.sh"
cleanup() {
    rm -rf "$area"
    qv_stop_display
}
trap cleanup EXIT
chmod 755 "$area"
mkdir -p "$area/tools" "$area/tests/e2e" "$area/Quorvel" "$area/driver" "$area/beside"
cp "$root/tools/wine-env.sh" "$area/tools/"
cp "$here/run.sh" "$area/tests/e2e/"
cp "$driver" "$(dirname "$driver")/TestTaskbar.exe" "$(dirname "$driver")/StandIn.dll" "$area/driver/"
cp -r "$product/Quorvel.exe" "$product/Skins" "$area/Quorvel/"
# An administrator's defaults, the settings write-protected besides.
printf 'autorun=false\r\nnumbut=5\r\nmonitor=0\r\n' >"$area/Quorvel/Settings.ini"
printf 'Work\r\nC:\\Work\r\n' >"$area/Quorvel/Dirs.qvl"
printf 'Pad\r\nC:\\pad.exe\r\n' >"$area/Quorvel/Apps.qvl"
chmod 444 "$area/Quorvel/Settings.ini"
# A folder anyone may add to, as one an administrator made under C:\, with
# the administrator's files in it: the user may create files there, but not
# replace those.
cp -r "$area/Quorvel" "$area/Shared"
chmod 644 "$area/Shared/Settings.ini"
chmod -R a+rX "$area"
chmod 777 "$area/Shared"
cp -p "$area/Quorvel/"*.ini "$area/Quorvel/"*.qvl "$area/beside/"
ls -la "$area/Quorvel" >"$area/listing"

# An X server of our own without access control: the one of the caller may
# admit root only.
DISPLAY= qv_display
status=0
cd "$area"
runuser -u "$user" -- env -u XDG_RUNTIME_DIR HOME="$home" QV_LIMITEDDIR="Z:$(echo "$area/Quorvel/" | tr / '\\')" \
    QV_SHAREDDIR="Z:$(echo "$area/Shared/" | tr / '\\')" \
    "$area/tests/e2e/run.sh" "$home/e2e" "$area/Quorvel" "$area/driver/$(basename "$driver")" "$version" plain \
    "$filter" || status=$?

check() {
    if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; status=1; fi
}
# The run's own prefix, made by run.sh beside its folder.
users=$(ls -d "$home"/e2e/runs/LimitedUser*.prefix/drive_c/users/"$user" | head -n 1)
mine=$(ls -d "$users/Application Data/Quorvel" "$users/AppData/Roaming/Quorvel" 2>/dev/null | head -n 1)
check "the settings are in the user's application-data folder" \
    'grep -aq "^monitor=1" "$mine/Settings.ini" && [ "$(stat -c %U "$mine/Settings.ini")" = "$user" ]'
check "the files beside the program were never written" \
    '(for f in "$area/beside/"*; do cmp -s "$f" "$area/Quorvel/${f##*/}" || exit 1; done)'
check "nothing was added beside the program" 'ls -la "$area/Quorvel" | cmp -s - "$area/listing"'
mkdir -p "$work/screenshots"
cp "$home"/e2e/screenshots/LimitedUser* "$work/screenshots/" 2>/dev/null || true
exit $status
