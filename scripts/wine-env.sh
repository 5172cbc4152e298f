# Sourced by the test, run and benchmark scripts: the Windows build this
# machine runs (scripts/lib/wine-arch.sh), Wine through our wrapper
# (scripts/winebin), one throw-away prefix per architecture under the build
# folder, quiet, with no Mono/Gecko installer prompts.
ORVA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export ORVA_BUILD="${ORVA_BUILD:-$ORVA_ROOT/build}"
source "$ORVA_ROOT/scripts/lib/wine-arch.sh" || return
case ":$PATH:" in *":$ORVA_ROOT/scripts/winebin:"*) ;; *) export PATH="$ORVA_ROOT/scripts/winebin:$PATH" ;; esac
if [ "$ORVA_WIN_ARCH" = i686 ]; then
  export WINEARCH=win32 WINEPREFIX="${WINEPREFIX:-$ORVA_BUILD/wineprefix}"
else
  export WINEARCH=win64 WINEPREFIX="${WINEPREFIX:-$ORVA_BUILD/wineprefix64}"
fi
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# wine_font_substitutes: in the current prefix, the Japanese face names of
# the programs ("ＭＳ Ｐゴシック" of the station, "ＭＳＰゴシック" of the
# installer tools) map to the IPA Gothic fonts, Arial to the
# metric-compatible Liberation Sans.
wine_font_substitutes() {
  local reg
  reg="$(mktemp --suffix=.reg)"
  cat > "$reg.txt" <<'REG'
REGEDIT4

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳＰゴシック"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS PGothic"="IPAPGothic"
"MS UI Gothic"="IPAPGothic"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳＰゴシック"="IPAPGothic"
REG
  iconv -f UTF-8 -t UTF-16LE "$reg.txt" | { printf '\xff\xfe'; cat; } > "$reg"
  wine regedit /S "$reg" >/dev/null 2>&1 || true
  wineserver -w
  rm -f "$reg" "$reg.txt"
}

# wine_prefix_ready DRIVER: creates the prefix once (never in parallel: a
# parallel first start corrupts it) and selects the graphics driver, "null"
# for headless tests or "x11" for a (virtual) display; an optional second
# argument WIDTHxHEIGHT puts all programs on one Wine virtual desktop.
wine_prefix_ready() {
  local driver="${1:-null}" desktop="${2:-}"
  if [ ! -f "$WINEPREFIX/.orva-ready" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    DISPLAY= wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    wine_font_substitutes
    wineserver -w
    touch "$WINEPREFIX/.orva-ready"
  fi
  # A running server keeps processes (explorer, services) that loaded the
  # previous driver: end it first. Never wait (-w) on a persistent server.
  wineserver -k 2>/dev/null || true
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$driver" /f >/dev/null 2>&1
  # An optional virtual desktop (WIDTHxHEIGHT) shared by every program of the
  # prefix: Wine then draws window frames itself, with no window manager.
  if [ -n "$desktop" ]; then
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$desktop" /f >/dev/null 2>&1
  else
    wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1 || true
  fi
  wineserver -w
}

# wine_set_dpi DPI: the prefix's display scaling (HKCU\Control Panel\Desktop
# LogPixels: 96 is 100 %, 144 is 150 %, 192 is 200 %). Wine reads it when a
# program starts, so a running server may stay up.
wine_set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}

# wine_server_up: one persistent wineserver for the run, with Wine's own
# background services already started. Without this warm-up the first test
# program starts them, they inherit ctest's output pipe, and ctest waits for
# them until the test times out.
wine_server_up() {
  wineserver -p >/dev/null 2>&1 </dev/null
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}

# wine_bench PROGRAM [ARGS...]: runs a benchmark program of the build's tests
# folder from its program folder, headless, on a server of its own (as in
# scripts/test.sh, none of this prefix may be running yet), prints its
# output without Wine's CR and ends the server. Returns the program's status.
wine_bench() {
  local program="$1" rc=0
  shift
  wine_prefix_ready null
  wine_server_up
  (cd "$ORVA_WIN_BUILD/EXE" && wine "../tests/$program" "$@") | tr -d '\r' || rc=$?
  wineserver -k 2>/dev/null || true
  return $rc
}
