#!/bin/bash
# The program icon is what scripts/make-icon.py draws, and the script's check
# tells a stale or broken icon from a good one: copies of the committed icon
# with one pixel changed, a size taken out, a PNG packed anew or cut short.
set -uo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
SCRIPT="$ROOT/scripts/make-icon.py"
ICON="$ROOT/station/res/orva.ico"
source "$ROOT/scripts/tests/checks.sh"
T="$(mktemp -d)"
trap 'rm -rf "$T"' EXIT

# run_check NAME [ICON]: the check on ICON (the committed one if none);
# leaves its output in $OUT and its exit code in $RC.
run_check() {
  CASE=$1; shift
  OUT="$(python3 "$SCRIPT" --check "$@" 2>&1)"
  RC=$?
}

one_line() { [ "$(wc -l <<< "$OUT")" -eq 1 ]; }

# edit NAME PYTHON: a copy of the icon as $T/NAME, changed by PYTHON, which
# has the file's bytes in d (a bytearray), the directory entries in dirs and
# the helpers below; it leaves the new bytes in d.
edit() {
  local name=$1 code=$2
  python3 - "$ICON" "$T/$name" "$code" <<'PY'
import struct, sys, zlib
d = bytearray(open(sys.argv[1], 'rb').read())
n = struct.unpack('<H', d[4:6])[0]
dirs = [list(struct.unpack('<BBBBHHII', d[6 + 16 * i:22 + 16 * i])) for i in range(n)]

def entry(size):
    """Index of the directory entry for size (0 in the byte stands for 256)."""
    return [i for i, e in enumerate(dirs) if (e[0] or 256) == size][0]

def repack_png(i, change=None, level=1):
    """Packs entry i's PNG anew at another zlib level, its filtered rows
    changed by change(bytearray) first; the entries after it move, and the
    directory says so."""
    global d
    off, length = dirs[i][7], dirs[i][6]
    png = bytes(d[off:off + length])
    pos, idat = 8, b''
    while pos < len(png):
        l, tag = struct.unpack('>I4s', png[pos:pos + 8])
        if tag == b'IDAT':
            idat += png[pos + 8:pos + 8 + l]
        pos += 12 + l
    raw = bytearray(zlib.decompress(idat))
    if change:
        change(raw)
    body = zlib.compress(bytes(raw), level)
    chunk = struct.pack('>I', len(body)) + b'IDAT' + body + \
        struct.pack('>I', zlib.crc32(b'IDAT' + body) & 0xFFFFFFFF)
    new = png[:33] + chunk + png[-12:]
    d = d[:off] + new + d[off + length:]
    for e in dirs:
        if e[7] > off:
            e[7] += len(new) - length
    dirs[i][6] = len(new)
    write_dirs()

def write_dirs():
    global d
    head = struct.pack('<HHH', 0, 1, len(dirs)) + b''.join(struct.pack('<BBBBHHII', *e) for e in dirs)
    d = bytearray(head) + d[6 + 16 * n:]

exec(sys.argv[3])
open(sys.argv[2], 'wb').write(d)
PY
}

run_check "committed icon"
check "passes" test $RC -eq 0
check "one line" one_line
check "names every size" out_has "16, 20, 24, 32, 40, 48, 64, 256"

edit pixel.ico '
i = entry(16)
d[dirs[i][7] + 40 + (8 * 16 + 8) * 4] ^= 0xFF   # blue of one pixel mid-icon'
run_check "one pixel changed at 16" "$T/pixel.ico"
check "fails with 1" test $RC -eq 1
check "one line" one_line
check "names the 16x16 image" out_has "the 16x16 image differs"

edit no20.ico '
i = entry(20)
off, length = dirs[i][7], dirs[i][6]
d = d[:off] + d[off + length:]
for e in dirs:
    e[7] -= 16 + (length if e[7] > off else 0)
del dirs[i]
write_dirs()'
run_check "20x20 taken out" "$T/no20.ico"
check "fails with 1" test $RC -eq 1
check "one line" one_line
check "names the missing size" out_has "lacks the size 20x20"

edit repacked.ico 'repack_png(entry(256))'
run_check "256 packed anew, same pixels" "$T/repacked.ico"
check "differs in bytes" test "$(cmp -s "$ICON" "$T/repacked.ico"; echo $?)" -eq 1
check "passes" test $RC -eq 0

edit png-pixel.ico '
def change(raw):
    raw[120 * (256 * 4 + 1) + 1 + 128 * 4] ^= 0x40
repack_png(entry(256), change)'
run_check "one pixel changed at 256" "$T/png-pixel.ico"
check "fails with 1" test $RC -eq 1
check "one line" one_line
check "names the 256x256 image" out_has "the 256x256 image differs"

edit planes.ico '
dirs[entry(32)][4] = 0
write_dirs()'
run_check "directory field changed" "$T/planes.ico"
check "fails with 1" test $RC -eq 1
check "names the directory" out_has "directory differs"

head -c 30000 "$ICON" > "$T/short.ico"
run_check "cut short" "$T/short.ico"
check "fails with 1" test $RC -eq 1
check "one line" one_line
check "says an entry lies outside" out_has "entry lies outside the file"

checks_summary icon
