#!/bin/sh
# Builds Quorvel and packs it for users, in build/dist/: a zip to unpack
# anywhere (a Quorvel\ folder with Quorvel.exe, the skin checker skincheck.exe
# and Skins\) and an installer.
# The same commit gives the same bytes: file times are the commit's.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
# The version is the exe's own (res/resource.h); packages are named by its
# first two numbers.
version4=$(sed -n 's/^#define QV_VERSION_DOTS "\(.*\)"$/\1/p' "$root/res/resource.h")
VERSION=$(echo "$version4" | cut -d. -f1-2)
"$root/tools/setup.sh"
build=$root/build
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target win32_product -j2 >/dev/null
app=$build/win32-product/Quorvel
dist=$build/dist
stage=$build/package-stage
zip=$dist/Quorvel-$VERSION.zip
setup=$dist/Quorvel-$VERSION-setup.exe

fail() { echo "package: $*" >&2; exit 1; }
# A failed run leaves no package behind that looks like this one's.
rm -f "$zip" "$setup"

echo "$version4" | grep -Eqx '[0-9]+(\.[0-9]+){3}' || fail "res/resource.h gives no version of four numbers"
# A stale exe must not go out under the new version.
exe_version=$(i686-w64-mingw32-windres -i "$app/Quorvel.exe" -O rc 2>/dev/null |
              sed -n 's/^ *FILEVERSION *//p' | tr -d ' ' | tr , .)
[ "$exe_version" = "$version4" ] ||
    fail "Quorvel.exe has version '${exe_version:-none}', the package would be $version4"

# A pristine copy: only what ships, with fixed times and permissions.
rm -rf "$stage"
mkdir -p "$stage/Quorvel" "$dist"
cp "$app/Quorvel.exe" "$app/skincheck.exe" "$root/docs/ReadMe.txt" "$stage/Quorvel/"
cp -R "$app/Skins" "$stage/Quorvel/"
# The build's Skins\ is the repository's skins/ less its dot files; anything
# else (a half-done copy by another build) must not ship.
diff -rq -x '.*' "$root/skins" "$stage/Quorvel/Skins" >&2 ||
    fail "$app/Skins differs from $root/skins: rebuild and try again"
[ "$(find "$stage/Quorvel/Skins" -name '*.qvs' | wc -l)" -eq 4 ] || fail "expected four skins"

# Names Windows accepts, and no two that Windows would take for one.
names=$(cd "$stage" && find Quorvel | sed 's|.*/||')
bad=$(printf '%s\n' "$names" | LC_ALL=C grep -Ei -e '[^ -~]|[<>:"\\|?*]|[. ]$' \
      -e '^(con|prn|aux|nul|com[1-9]|lpt[1-9])(\..*)?$' || true)
[ -z "$bad" ] || fail "file names Windows refuses:" $bad
dup=$(cd "$stage" && find Quorvel | LC_ALL=C sort -f | uniq -di)
[ -z "$dup" ] || fail "file names that differ only in case:" $dup

# Zip stores local time: UTC, so that every machine writes the same bytes.
export TZ=UTC
stamp=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct 2>/dev/null || true)}
stamp=${stamp:-946684800}
find "$stage" -type d -exec chmod 755 {} +
find "$stage" -type f -exec chmod 644 {} +
find "$stage" -exec touch -h -d "@$stamp" {} +

# The skin files for the installer, in both directions: copied in, and
# removed by name, folders deepest first.
files=$stage/Files.nsh
nsis() { printf '%s' "$1" | tr / '\\' | sed 's/\$/$$/g'; }
(
    cd "$stage/Quorvel"
    find Skins -type f | LC_ALL=C sort | while read -r f; do
        printf '${QvFile} "%s" "%s"\n' "$(nsis "$(dirname "$f")")" "$(nsis "$(basename "$f")")"
    done
    find Skins -type d | LC_ALL=C sort -r | while read -r d; do
        printf '${QvDir} "%s"\n' "$(nsis "$d")"
    done
) > "$files"

(cd "$stage" && find Quorvel -type f | LC_ALL=C sort | zip -q -X -D -9 "$zip" -@)

# -WX: a warning is an error.
makensis -V2 -WX -NOCD \
    "-DVERSION=$VERSION" "-DVERSION4=$version4" "-DSRC=$stage/Quorvel" \
    "-DFILES=$files" "-DOUTFILE=$setup" "$root/installer/Quorvel.nsi"

for f in "$zip" "$setup"; do
    echo "$f  $(wc -c < "$f") bytes"
done
