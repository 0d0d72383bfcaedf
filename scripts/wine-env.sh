# Sourced by the other scripts: where things are, and Wine's settings for this project.
DOKKLE_ROOT=$(cd "$(dirname "$0")/.." && pwd)
DOKKLE_BUILD="$DOKKLE_ROOT/build"
# The project's own Wine prefix, inside the build tree; the user's own prefix is never touched.
export WINEPREFIX="${DOKKLE_WINEPREFIX:-$DOKKLE_BUILD/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
# A twin prefix at 200 % display scaling (192 dots per inch), for the tests that place pins and lay out
# dialogs there; DOKKLE_DPI=192 picks it.
DOKKLE_HIGH_DPI_PREFIX="$WINEPREFIX-192dpi"
if [ "${DOKKLE_DPI:-96}" = 192 ]; then export WINEPREFIX="$DOKKLE_HIGH_DPI_PREFIX"; fi
# A twin prefix for the desktop of two monitors (scripts/with-monitors): a Wine server keeps the display
# its first process used, so the two-monitor X server needs a server, and so a prefix, of its own.
DOKKLE_MONITORS_PREFIX="${DOKKLE_WINEPREFIX:-$DOKKLE_BUILD/wineprefix}-monitors"
if [ "${DOKKLE_MONITORS:-1}" = 2 ]; then export WINEPREFIX="$DOKKLE_MONITORS_PREFIX"; fi

# Some kernels run no 32-bit Linux programs (ia32 emulation switched off), and Wine's 32-bit half
# cannot start there. Wine then runs through its 64-bit loader alone, which runs the 64-bit build only.
if [ -z "${DOKKLE_RUNS_32BIT:-}" ]; then
    if [ ! -x /usr/lib/wine/wine ] || /usr/lib/wine/wine --version >/dev/null 2>&1; then
        DOKKLE_RUNS_32BIT=yes
    else
        DOKKLE_RUNS_32BIT=no
    fi
    export DOKKLE_RUNS_32BIT
fi
if [ "$DOKKLE_RUNS_32BIT" = no ]; then
    wine64_only="$DOKKLE_BUILD/wine64-only"
    if [ ! -x "$wine64_only/wine" ]; then
        mkdir -p "$wine64_only"
        printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$wine64_only/wine"
        chmod +x "$wine64_only/wine"
    fi
    case ":$PATH:" in *":$wine64_only:"*) ;; *) PATH="$wine64_only:$PATH" ;; esac
    export PATH
    export WINELOADER=/usr/lib/wine/wine64
fi
