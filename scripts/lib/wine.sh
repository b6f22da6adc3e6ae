# Shared by scripts/test, scripts/run and scripts/screenshot: a Wine prefix,
# a virtual X display when needed, and the choice of the Windows build that
# Wine can run here. Source it from the repository's top directory.

KESTRUNE_WINE32=wine
KESTRUNE_WINE64=/usr/lib/wine/wine64
[ -x "$KESTRUNE_WINE64" ] || KESTRUNE_WINE64=$(command -v wine64 || echo wine64)

_kestrune_xvfb_pid=
_kestrune_wine_started=

# Stops what this script started: the Wine server of the prefix and the X display.
wine_cleanup() {
    if [ -n "$_kestrune_wine_started" ] && [ -n "${WINEPREFIX:-}" ]; then
        timeout 20 wineserver -k >/dev/null 2>&1 || true
    fi
    if [ -n "$_kestrune_xvfb_pid" ]; then
        kill "$_kestrune_xvfb_pid" 2>/dev/null || true
        wait "$_kestrune_xvfb_pid" 2>/dev/null || true
        _kestrune_xvfb_pid=
    fi
}

# Starts a virtual X display (Xvfb) on a free number and exports DISPLAY.
wine_start_virtual_display() {
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        _kestrune_xvfb_pid=$!
        local tries
        for tries in $(seq 100); do
            [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
            kill -0 "$_kestrune_xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$_kestrune_xvfb_pid" 2>/dev/null || true
        _kestrune_xvfb_pid=
    done
    echo "Could not start a virtual X display (Xvfb)." >&2
    return 1
}

# Makes a fresh Wine prefix at $1 and exports WINEPREFIX. The caption
# buttons that Wine draws need its Marlett font in the prefix.
wine_make_prefix() {
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    _kestrune_wine_started=1
    # One server for the whole session, kept until wine_cleanup. The
    # background programs that Wine starts with it then hold no test's output
    # open, so a test that ends is seen to end.
    wineserver -p
    local loader=$KESTRUNE_WINE64
    [ -x "$loader" ] || loader=$KESTRUNE_WINE32
    timeout 300 "$loader" wineboot -i >/dev/null 2>&1 </dev/null
    wine_add_marlett
}

wine_add_marlett() {
    local fonts=$WINEPREFIX/drive_c/windows/Fonts font
    mkdir -p "$fonts"
    for font in /usr/share/wine/fonts/marlett.ttf /usr/lib/wine/fonts/marlett.ttf; do
        if [ -f "$font" ] && [ ! -f "$fonts/marlett.ttf" ]; then cp "$font" "$fonts/"; fi
    done
}

# Whether Wine can run 32-bit programs here: some machines cannot run 32-bit
# programs at all. Tries the 32-bit loader, then a 32-bit test program if built.
wine_runs_32bit() {
    local loader=/usr/lib/wine/wine probe=build/windows/bin/probability_text_tests.exe
    if [ -e "$loader" ]; then timeout 60 "$loader" --version >/dev/null 2>&1 || return 1; fi
    [ -f "$probe" ] || return 0
    timeout 120 "$KESTRUNE_WINE32" "$probe" --gtest_list_tests >/dev/null 2>&1
}

# Sets KESTRUNE_WINE_PRESET (windows or windows64) and KESTRUNE_WINE (the
# loader for it): the 32-bit program where Wine can run it, else the 64-bit
# build of the same sources.
wine_choose_build() {
    if wine_runs_32bit; then
        KESTRUNE_WINE_PRESET=windows
        KESTRUNE_WINE=$KESTRUNE_WINE32
    else
        KESTRUNE_WINE_PRESET=windows64
        KESTRUNE_WINE=$KESTRUNE_WINE64
        echo "Note: this machine cannot run 32-bit programs, so Wine runs the 64-bit build of the same sources."
    fi
}

# Windows path of a Linux path, through Wine's Z: drive.
wine_path() {
    local path
    path=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
    echo "Z:${path//\//\\}"
}
