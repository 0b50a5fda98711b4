#!/usr/bin/env bash
# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
# corvtool theme-pack and theme-unpack: five bitmaps in, the same five bytes out, the three
# values printed; a broken theme file or bitmap is an error with its reason.
set -euo pipefail
corvtool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
python3 - <<'PY'
import struct
def bmp(w, h, bgr):
    row = (w * 3 + 3) // 4 * 4
    data = b"".join(bytes(bgr) * w + b"\0" * (row - w * 3) for _ in range(h))
    head = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return head + info + data
for i, name in enumerate(["background", "progress", "start", "pause", "stop"]):
    open(name + ".bmp", "wb").write(bmp(3 + i, 2, (i * 40, 200, 10)))
PY
"$corvtool" theme-pack Dark.thm background.bmp progress.bmp start.bmp pause.bmp stop.bmp \
    "DejaVu Sans" 65535 -2147483643
[ "$(grep -c $'\r$' Dark.thm)" = 8 ]
out=$("$corvtool" theme-unpack Dark.thm back)
[ "$out" = $'DejaVu Sans\n65535\n-2147483643' ]
for name in background progress start pause stop; do cmp "$name.bmp" "back/$name.bmp"; done

head -n 3 Dark.thm > Short.thm
if "$corvtool" theme-unpack Short.thm x 2>err; then exit 1; fi
grep -q 'ends after line 3' err
printf 'BMnot really' > fake.bmp
if "$corvtool" theme-pack Bad.thm fake.bmp progress.bmp start.bmp pause.bmp stop.bmp F 0 0 2>err
then exit 1; fi
grep -q 'Bitmap image is not valid' err
[ ! -e Bad.thm ]
if "$corvtool" theme-pack Bad.thm background.bmp progress.bmp start.bmp pause.bmp stop.bmp F 0 navy
then exit 1; fi
echo ok
