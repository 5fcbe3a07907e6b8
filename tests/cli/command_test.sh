#!/usr/bin/env bash
# The zulparvo command as a user meets it: exit statuses, one clear error line that
# names the file, and files that are never left half written.
set -u
zulparvo=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# expect STATUS DESCRIPTION -- COMMAND...: runs the command, keeps its output in
# $work/out and $work/err, and checks the exit status.
expect() {
  local status=$1 what=$2
  shift 3
  "$@" >"$work/out" 2>"$work/err"
  local got=$?
  if [ "$got" -ne "$status" ]; then
    echo "FAIL: $what: exit status $got, expected $status"; cat "$work/err"; failures=$((failures + 1))
  fi
}
# error_line WORDS: standard error is one line that holds the words.
error_line() {
  if [ "$(wc -l <"$work/err")" -ne 1 ] || ! grep -qF -- "$1" "$work/err"; then
    echo "FAIL: expected one error line with '$1', got:"; cat "$work/err"; failures=$((failures + 1))
  fi
}

expect 0 "version" -- "$zulparvo" --version
expect 0 "help" -- "$zulparvo" --help
grep -q "show" "$work/out" || { echo "FAIL: help lists no subcommands"; failures=$((failures + 1)); }
expect 2 "unknown subcommand" -- "$zulparvo" frobnicate
expect 2 "missing argument" -- "$zulparvo" show

expect 1 "missing file" -- "$zulparvo" show "$work/none.zul"
error_line "$work/none.zul"
printf 'not a character' >"$work/text.zul"
expect 1 "not a character file" -- "$zulparvo" show "$work/text.zul"
error_line "$work/text.zul: not a character file"
printf '\003ZUL\0042.12\001' >"$work/cut.zul"
expect 1 "damaged file" -- "$zulparvo" export "$work/cut.zul"
error_line "$work/cut.zul: damaged character file"

# A JSON character round trip: import, export, import gives the same bytes.
cat >"$work/hero.json" <<'JSON'
{"st": 13, "descriptive_text_1": "Hélène",
 "advantages": [{"class": "CChar_Ad_Disad", "identifier": 7, "description": "Keen Ears (+1)",
                 "level": 1, "base_cost": 2, "cost": 2, "book_code": "B05", "category": "AD"}]}
JSON
expect 0 "import" -- "$zulparvo" import "$work/hero.json" -o "$work/hero.zul"
expect 0 "export" -- "$zulparvo" export "$work/hero.zul"
cp "$work/out" "$work/hero2.json"
expect 0 "import again" -- "$zulparvo" import "$work/hero2.json" -o "$work/hero2.zul"
cmp -s "$work/hero.zul" "$work/hero2.zul" || { echo "FAIL: export then import changed the bytes"; failures=$((failures + 1)); }
expect 0 "show" -- "$zulparvo" show "$work/hero.zul"
grep -qF "Keen Ears  (+2)" "$work/out" || { echo "FAIL: show lacks the advantage"; cat "$work/out"; failures=$((failures + 1)); }
grep -qF "Hélène" "$work/hero2.json" || { echo "FAIL: export lost a character"; failures=$((failures + 1)); }

# Bad JSON never leaves an output file, nor touches one that is there.
printf '{"st": "x"}' >"$work/bad.json"
expect 1 "import of a wrong type" -- "$zulparvo" import "$work/bad.json" -o "$work/new.zul"
error_line "$work/bad.json: st: expected a whole number"
[ -e "$work/new.zul" ] && { echo "FAIL: a refused import left a file"; failures=$((failures + 1)); }
cp "$work/hero.zul" "$work/keep.zul"
printf '{"st": 1,' >"$work/cut.json"
expect 1 "import of cut JSON" -- "$zulparvo" import "$work/cut.json" -o "$work/keep.zul"
error_line "$work/cut.json: not valid JSON"
cmp -s "$work/hero.zul" "$work/keep.zul" || { echo "FAIL: a refused import changed the file"; failures=$((failures + 1)); }
expect 1 "import to a folder that does not exist" -- "$zulparvo" import "$work/hero.json" -o "$work/no/such/x.zul"
error_line "$work/no/such/x.zul"

passed=$(grep -c '^expect ' "$0")
echo "$((passed - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
