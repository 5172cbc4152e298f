# Sourced by wine-env.sh. Picks, once per shell tree, which Windows build the
# scripts run: the 32-bit deliverables under 32-bit Wine where this machine
# can run 32-bit code, otherwise the x86-64 twin (same sources) under 64-bit
# Wine. ORVA_WIN_ARCH=i686|x86_64 forces either; the choice is exported so
# the scripts and tests started from here do not probe again.
#   ORVA_WIN_ARCH   i686 or x86_64
#   ORVA_WIN_WHY    why the twin was picked (empty when forced or i686)
#   ORVA_WIN_BUILD  the build folder of that architecture (build/win, build/win64)
source "$(dirname "${BASH_SOURCE[0]}")/ia32.sh"

# wine32_why: empty when the 32-bit Wine loader runs, else why it does not.
# A loader file is not enough: a half-installed set (wine32 without its
# i386 libraries) has the file, but the loader cannot start.
wine32_why() {
  local loader=/usr/lib/wine/wine out
  local noted="${ORVA_BUILD:-build}/wine32-not-installed.txt"
  if [ ! -x "$loader" ]; then
    # install-deps.sh notes apt's reason when the 32-bit set was refused.
    if [ -s "$noted" ]; then head -n 1 "$noted"
    else echo "32-bit Wine (wine32) is not installed"; fi
  elif ! out="$("$loader" --version 2>&1)"; then
    echo "the 32-bit Wine loader does not run (${out##*$'\n'})"
  fi
}

if [ -z "${ORVA_WIN_ARCH:-}" ]; then
  if ! ia32_runs; then
    ORVA_WIN_ARCH=x86_64 ORVA_WIN_WHY="$IA32_WHY"
  else
    ORVA_WIN_WHY="$(wine32_why)"
    if [ -n "$ORVA_WIN_WHY" ]; then ORVA_WIN_ARCH=x86_64; else ORVA_WIN_ARCH=i686; fi
  fi
  export ORVA_WIN_WHY
fi
case "$ORVA_WIN_ARCH" in
  i686)   ORVA_WIN_BUILD="$ORVA_BUILD/win" ;;
  x86_64) ORVA_WIN_BUILD="$ORVA_BUILD/win64" ;;
  *) echo "ORVA_WIN_ARCH must be i686 or x86_64, not '$ORVA_WIN_ARCH'" >&2; return 2 ;;
esac
export ORVA_WIN_ARCH ORVA_WIN_BUILD

# wine_arch_say: the one line that tells which build runs, and why the twin.
wine_arch_say() {
  if [ "$ORVA_WIN_ARCH" = i686 ]; then
    echo "Windows programs: the 32-bit build ($ORVA_WIN_BUILD) under 32-bit Wine"
  elif [ -n "${ORVA_WIN_WHY:-}" ]; then
    echo "Windows programs: the x86-64 twin ($ORVA_WIN_BUILD) under 64-bit Wine: $ORVA_WIN_WHY"
  else
    echo "Windows programs: the x86-64 twin ($ORVA_WIN_BUILD) under 64-bit Wine (ORVA_WIN_ARCH=x86_64)"
  fi
}
