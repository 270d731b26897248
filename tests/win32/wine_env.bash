# The Wine the Windows tests run under, sourced by their scripts: wine64 from Debian's
# package, quiet, in a prefix made once and kept (ORVANE_WINEPREFIX, by default under
# ~/.cache), with the Western ANSI code page whatever the machine's locale.
wine=${ORVANE_WINE64:-/usr/lib/wine/wine64}
wineserver=$(dirname "$wine")/wineserver
export WINEDEBUG=-all
export WINEPREFIX=${ORVANE_WINEPREFIX:-${XDG_CACHE_HOME:-${HOME:-/tmp}/.cache}/orvane/wine64}
export LANG=en_US.UTF-8 LC_ALL=
