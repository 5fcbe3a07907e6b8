#!/usr/bin/env bash
# zulparvo picture: a bitmap drawn at its own size or stretched, written as PNG; exit
# statuses and one error line naming the file for what cannot be drawn.
set -u
zulparvo=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
run() { "$@" >"$work/out" 2>"$work/err"; echo $?; }
# png_size FILE: the width and height that the PNG header states, as "W H".
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}'; }
one_error_line() {
  if [ "$(wc -l <"$work/err")" -ne 1 ] || ! grep -qF -- "$1" "$work/err"; then
    fail "expected one error line with '$1', got: $(cat "$work/err")"
  fi
}

# A 2 x 2 bitmap, 24 bits a pixel: file header, info header, two padded rows.
printf 'BM\106\0\0\0\0\0\0\0\066\0\0\0' >"$work/quad.bmp"
printf '\050\0\0\0\002\0\0\0\002\0\0\0\001\0\030\0\0\0\0\0\020\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0' >>"$work/quad.bmp"
printf '\377\0\0\377\377\377\0\0\0\0\377\0\377\0\0\0' >>"$work/quad.bmp"

[ "$(run "$zulparvo" picture "$work/quad.bmp" -o "$work/quad.png")" -eq 0 ] || fail "drawing at its own size: $(cat "$work/err")"
[ "$(head -c 8 "$work/quad.png" | od -An -tx1 | tr -d ' ')" = "89504e470d0a1a0a" ] || fail "no PNG signature"
[ "$(png_size "$work/quad.png")" = "2 2" ] || fail "own size: got $(png_size "$work/quad.png")"

[ "$(run "$zulparvo" picture "$work/quad.bmp" -o "$work/big.png" --width 7 --height 3)" -eq 0 ] || fail "stretched"
[ "$(png_size "$work/big.png")" = "7 3" ] || fail "stretched size: got $(png_size "$work/big.png")"

[ "$(run "$zulparvo" picture "$work/quad.bmp")" -eq 2 ] || fail "missing -o is a usage error"
[ "$(run "$zulparvo" picture "$work/quad.bmp" -o "$work/zero.png" --width 0)" -eq 2 ] || fail "width 0 is a usage error"
[ "$(run "$zulparvo" picture "$work/quad.bmp" -o "$work/huge.png" --height 100000)" -eq 2 ] || fail "huge height"

[ "$(run "$zulparvo" picture "$work/none.bmp" -o "$work/none.png")" -eq 1 ] || fail "missing bitmap"
one_error_line "$work/none.bmp"
printf 'BA not a bitmap at all' >"$work/text.bmp"
[ "$(run "$zulparvo" picture "$work/text.bmp" -o "$work/text.png")" -eq 1 ] || fail "not a bitmap"
one_error_line "$work/text.bmp: not a bitmap that can be shown (Error: not a BMF!)"
head -c 60 "$work/quad.bmp" >"$work/cut.bmp"
[ "$(run "$zulparvo" picture "$work/cut.bmp" -o "$work/cut.png")" -eq 1 ] || fail "cut bitmap"
one_error_line "$work/cut.bmp: not a bitmap that can be shown (Error reading BITS!)"
for name in none text cut zero huge; do
  [ ! -e "$work/$name.png" ] || fail "$name.png was written"
done

# A failed write leaves the PNG that is there as it was.
cp "$work/quad.png" "$work/keep.png"
chmod a-w "$work"
if [ ! -w "$work" ]; then
  [ "$(run "$zulparvo" picture "$work/quad.bmp" -o "$work/keep.png" --width 3)" -eq 1 ] || fail "unwritable folder"
  one_error_line "$work/keep.png"
  cmp -s "$work/quad.png" "$work/keep.png" || fail "keep.png changed"
fi
chmod u+w "$work"

[ "$failures" -eq 0 ] && echo "picture command: all passed"
exit "$failures"
