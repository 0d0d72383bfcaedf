# Sourced by the other scripts: where things are, and Wine's settings for this project.
DOKKLE_ROOT=$(cd "$(dirname "$0")/.." && pwd)
DOKKLE_BUILD="$DOKKLE_ROOT/build"
# The project's own Wine prefix, inside the build tree; the user's own prefix is never touched.
export WINEPREFIX="${DOKKLE_WINEPREFIX:-$DOKKLE_BUILD/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
