#!/bin/sh
# The exe a Windows user gets: PE32, GUI subsystem 4.0, no DLL of its own
# beside it, and only system DLLs that every Windows from 95 on has.
set -e
exe=$1
dump=$(i686-w64-mingw32-objdump -p "$exe")
fail() { echo "check-exe: $*" >&2; exit 1; }
echo "$dump" | grep -q '^Magic[[:space:]]*010b' || fail "not PE32"
echo "$dump" | grep -Eq '^Subsystem[[:space:]]+0*2[[:space:]]' || fail "not a GUI program"
echo "$dump" | grep -Eq '^MajorSubsystemVersion[[:space:]]+4$' || fail "subsystem version is not 4.x"
echo "$dump" | grep -Eq '^MinorSubsystemVersion[[:space:]]+0$' || fail "subsystem version is not 4.0"
allowed='kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll shell32.dll advapi32.dll winmm.dll msvcrt.dll'
dlls=$(echo "$dump" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
[ -n "$dlls" ] || fail "no imports found"
# The run time's library is loaded by full path at the entry point: a function
# missing from the list there brings its import by name back.
case " $(echo $dlls) " in
    *" msvcrt.dll "*) fail "imports msvcrt.dll by name (see src/app/RunTimeLibrary.cpp)" ;;
esac
for d in $dlls; do
    case " $allowed " in
        *" $d "*) ;;
        *) fail "imports $d, which is not a system DLL we allow" ;;
    esac
done
# What Explorer's properties and the XP visual styles read from the resources.
wide=$(strings -el "$exe")
for v in "ProductName" "Quorvel" "FileVersion" "2.1.0.0" "FileDescription"; do
    echo "$wide" | grep -qx "$v" || fail "version resource lacks \"$v\""
done
strings "$exe" | grep -q 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' ||
    fail "no manifest asking for the common controls 6"
echo "check-exe: PE32 GUI 4.0, version 2.1.0.0, manifest; imports:" $dlls
