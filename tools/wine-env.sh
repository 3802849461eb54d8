# Shared by the run command and the end-to-end tests (sourced, not run).
# qv_prefix DIR [FROM]: makes DIR a 32-bit Wine prefix with a Russian locale
# (its ANSI code page is 1251, which the program's Cyrillic texts need) and a
# taskbar as tall as Windows XP's. With FROM, DIR is a fresh copy of the
# prefix FROM (made first when it is not there): runs side by side each have
# their own Wine session, and none inherits what an earlier run left.
# QV_DPI sets the screen's dots per inch in it (96 unless given).
# qv_display: makes sure a display is there, starting Xvfb when there is none
# (CTest gives each end-to-end entry none, so that one entry's input never
# reaches another's windows). qv_two_monitors: one of two monitors, always
# started anew.

export WINEDEBUG=${WINEDEBUG:--all}
export WINEARCH=win32
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
# QV_LOCALE picks another, for a look at the program on an English system.
export LANG=${QV_LOCALE:-ru_RU.UTF-8}

qv_prefix() {
    if [ -n "$2" ]; then
        qv_make_prefix "$2"
        rm -rf "$1"
        cp -a "$2" "$1"
    else
        qv_make_prefix "$1"
    fi
    export WINEPREFIX=$1
    qv_dpi "${QV_DPI:-96}"
}

# Nothing runs in a prefix that is copied from once it is made.
qv_make_prefix() {
    export WINEPREFIX=$1
    mkdir -p "$(dirname "$WINEPREFIX")"
    # Runs started together make the prefix once.
    exec 8>"$WINEPREFIX.lock"
    flock 8
    if [ ! -f "$WINEPREFIX/.quorvel-ready" ]; then
        rm -rf "$WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1
        # Debian's Wine does not find its own fonts (MS Sans Serif, Tahoma,
        # Marlett for the caption buttons); in the Windows fonts folder it does.
        cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
        # Wine's taskbar is as tall as its caption font: a larger one makes it
        # 30 pixels, as on Windows XP, so a 31-pixel start button fits.
        wine reg add 'HKCU\Control Panel\Desktop\WindowMetrics' /v CaptionFont /t REG_BINARY \
            /d "$(qv_logfont -23 700 "DejaVu Sans")" /f >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1024x768 /f >/dev/null 2>&1
        # Text files open in Notepad, as on every Windows; Wine's fresh prefix
        # knows the program but not the extension.
        wine reg add 'HKCR\.txt' /ve /d txtfile /f >/dev/null 2>&1
        wineserver -w
        touch "$WINEPREFIX/.quorvel-ready"
    fi
    exec 8>&-
}

# qv_dpi N: the screen's dots per inch for the next Wine session (120 is
# Large Fonts). Wine 8 reads the user's value, and the machine's where the
# user has none: both are written, on every run, since runs share a prefix.
qv_dpi() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    wine reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}

# qv_desktop NAME: the virtual desktop the next program starts in ("shell"
# has Wine's taskbar, "Default" none).
qv_desktop() {
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d "$1" /f >/dev/null 2>&1
}

# qv_version winxp|win98: what GetVersionEx reports.
qv_version() {
    wine reg add 'HKCU\Software\Wine' /v Version /d "$1" /f >/dev/null 2>&1
}

# A LOGFONTW as the hex string reg add wants: height, weight, face.
qv_logfont() {
    python3 -c '
import struct, sys
h, w, face = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
lf = struct.pack("<5i8B", h, 0, 0, 0, w, 0, 0, 0, 1, 0, 0, 0, 0) + face.encode("utf-16le").ljust(64, b"\0")
print(lf.hex())' "$@"
}

QV_X_PID=
QV_X_DIR=
qv_display() {
    if [ -n "$DISPLAY" ] && xdpyinfo >/dev/null 2>&1; then
        return
    fi
    QV_X_DIR=$(mktemp -d)
    # The server picks a free number itself and says which once it listens:
    # two runs starting at once never take the same.
    Xvfb -displayfd 7 -screen 0 1024x768x24 -nolisten tcp 7>"$QV_X_DIR/number" >/dev/null 2>&1 &
    QV_X_PID=$!
    qv_wait_display Xvfb
}

# qv_two_monitors: a display of two monitors side by side, 1024x768 and
# 800x600 to its right, its top at the first one's. Wine sees two only on
# a server whose screens Xinerama lays side by side (Xvfb's all stand at
# 0,0), and only outside a virtual desktop: Xorg's dummy driver, as root.
qv_two_monitors() {
    QV_X_DIR=$(mktemp -d)
    mkdir "$QV_X_DIR/conf.d"
    qv_xorg_conf >"$QV_X_DIR/xorg.conf"
    Xorg -displayfd 7 -config "$QV_X_DIR/xorg.conf" -configdir "$QV_X_DIR/conf.d" -logfile "$QV_X_DIR/log" \
        -nolisten tcp -noreset -novtswitch 7>"$QV_X_DIR/number" >/dev/null 2>&1 &
    QV_X_PID=$!
    qv_wait_display Xorg
}

qv_xorg_conf() {
    # No input devices: the tests' input comes through XTEST.
    printf '%s\n' 'Section "ServerFlags"' '    Option "AutoAddDevices" "false"' \
        '    Option "AutoEnableDevices" "false"' '    Option "Xinerama" "on"' 'EndSection' \
        'Section "Monitor"' '    Identifier "Monitor"' '    HorizSync 5.0-1000.0' '    VertRefresh 5.0-200.0' \
        '    Modeline "1024x768" 65.00 1024 1048 1184 1344 768 771 777 806 -hsync -vsync' \
        '    Modeline "800x600" 40.00 800 840 968 1056 600 601 605 628 +hsync +vsync' 'EndSection'
    for n in 0 1; do
        mode=1024x768
        [ $n = 0 ] || mode=800x600
        printf '%s\n' 'Section "Device"' "    Identifier \"Card$n\"" '    Driver "dummy"' '    VideoRam 16384' \
            'EndSection' 'Section "Screen"' "    Identifier \"Screen$n\"" "    Device \"Card$n\"" \
            '    Monitor "Monitor"' '    DefaultDepth 24' '    SubSection "Display"' '        Depth 24' \
            "        Modes \"$mode\"" '    EndSubSection' 'EndSection'
    done
    printf '%s\n' 'Section "ServerLayout"' '    Identifier "Layout"' '    Screen 0 "Screen0"' \
        '    Screen 1 "Screen1" RightOf "Screen0"' 'EndSection'
}

qv_wait_display() {
    for _ in $(seq 100); do
        if [ -s "$QV_X_DIR/number" ]; then
            export DISPLAY=:$(cat "$QV_X_DIR/number")
            return
        fi
        sleep 0.1
    done
    echo "$1 did not start" >&2
    qv_stop_display
    return 1
}

qv_stop_display() {
    [ -z "$QV_X_PID" ] || kill "$QV_X_PID" 2>/dev/null || true
    [ -z "$QV_X_DIR" ] || rm -rf "$QV_X_DIR"
    QV_X_PID= QV_X_DIR=
}
