#!/bin/sh
# The library as it is installed (`cmake --install` into a temporary prefix):
#  - it exports exactly the functions of zulparvo.h;
#  - a C program that sees only zulparvo.h, built through pkg-config, builds the
#    demonstration character and gets the same file as the installed command makes of
#    the same steps;
#  - the example host builds through find_package(zulparvo) and adds a record;
#  - the installed command finds its demonstration and sample books beside it.
# usage: install_test.sh BUILD-DIR SOURCE-DIR C-COMPILER [C-FLAGS]
set -eu
build=$1 source=$2 cc=$3 cflags=${4:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
data=$prefix/share/zulparvo
ZULPARVO_PROFILE=$data/zulparvo.ini
export ZULPARVO_PROFILE

library=$(find "$prefix" -name libzulparvo.so.1)
nm -D --defined-only "$library" | awk '$2 != "A" { sub(/@.*/, "", $3); print $3 }' | sort >"$work/exported"
grep -o '\(zp\|speccalc\)_[A-Za-z_]*(' "$prefix/include/zulparvo.h" | tr -d '(' | sort -u >"$work/declared"
diff "$work/exported" "$work/declared" || {
  echo "the library exports (<) other functions than zulparvo.h declares (>)"
  exit 1
}

PKG_CONFIG_PATH=$(dirname "$(find "$prefix" -name zulparvo.pc)")
export PKG_CONFIG_PATH
# shellcheck disable=SC2086 # the flags are words
"$cc" -std=c99 -pedantic -Wall -Wextra -Werror $cflags "$source/tests/capi/demo_test.c" -o "$work/demo_test" \
  $(pkg-config --cflags --libs zulparvo) -Wl,-rpath,"$(pkg-config --variable=libdir zulparvo)"
"$work/demo_test" "$data/zulparvo.ini" "$work/c.zul"
sed '1s/^{/{"save": "command.zul",/' "$data/demo/demo.json" >"$work/script.json"
"$prefix/bin/zulparvo" run "$work/script.json" >/dev/null
cmp "$work/c.zul" "$work/command.zul" || {
  echo "the C interface made another file than the command (do demo_test.c's steps follow data/demo/demo.json?)"
  exit 1
}

cmake -S "$source/examples" -B "$work/example" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_C_COMPILER="$cc" \
  -DCMAKE_C_FLAGS="$cflags" >/dev/null
cmake --build "$work/example" >/dev/null
"$work/example/add_record" "$work/example.zul" \
  '{"class": "CChar_Ad_Disad", "identifier": 42, "book_code": "B05", "category": "AD", "base_cost": 10, "cost": 10}' \
  >"$work/example.out"
grep -q '^+2 to Reaction from Honeyvoice Charm$' "$work/example.out" &&
  grep -q '^advantages: Honeyvoice Charm$' "$work/example.out" || { cat "$work/example.out"; exit 1; }
"$prefix/bin/zulparvo" show "$work/example.zul" >/dev/null

(cd "$work" && env -u ZULPARVO_PROFILE "$prefix/bin/zulparvo" demo 2>"$work/demo.err") >"$work/demo.out"
if ! grep -q "($data/demo/demo.json)" "$work/demo.out" || [ -s "$work/demo.err" ]; then
  echo "the installed command does not tell its installed demonstration on its installed books:"
  head -n 3 "$work/demo.out" "$work/demo.err"
  exit 1
fi
echo "installed library, C program, example host and demonstration: as expected"
