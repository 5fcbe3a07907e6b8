#!/usr/bin/env bash
# The zulparvo command as a user meets it: exit statuses, one clear error line that
# names the file, and files that are never left half written; entries of the sample
# books added, removed and searched; what it says when the profile or a book is missing.
set -u
zulparvo=$1
samples=$2
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

# Every subcommand's help ends with examples and names what to read.
for command in show export import add remove search books lookup run demo picture; do
  expect 0 "$command --help" -- "$zulparvo" "$command" --help
  grep -q "^Examples:" "$work/out" && grep -qE "Read (docs/|README)" "$work/out" ||
    { echo "FAIL: $command --help lacks examples or a document"; failures=$((failures + 1)); }
done

# Standard input and output stand for files; show and export take several files.
expect 0 "import from standard input" -- sh -c "\"\$0\" import - -o - <\"\$1\" >\"\$2\"" "$zulparvo" "$work/hero.json" "$work/piped.zul"
cmp -s "$work/hero.zul" "$work/piped.zul" || { echo "FAIL: import - -o - changed the bytes"; failures=$((failures + 1)); }
expect 0 "export of two files" -- "$zulparvo" export "$work/hero.zul" - <"$work/hero.zul"
# an array of the two documents, each as export writes it alone, one level deeper
{ echo "["; sed 's/^/  /; $s/$/,/' "$work/hero2.json"; sed 's/^/  /' "$work/hero2.json"; echo "]"; } >"$work/two.json"
cmp -s "$work/out" "$work/two.json" || { echo "FAIL: export of two files"; diff "$work/out" "$work/two.json" | head; failures=$((failures + 1)); }

# Entries of the sample books, added and removed; a refused change keeps the file whole.
z() { "$zulparvo" --profile "$samples" "$@"; }
has() { grep -qF -- "$1" "$work/out" || { echo "FAIL: output lacks '$1'"; cat "$work/out"; failures=$((failures + 1)); }; }
printf '{"descriptive_text_1": "Ada"}' | "$zulparvo" import - -o "$work/ada.zul"
expect 0 "add an advantage" -- z add "$work/ada.zul" B05 "honeyvoice charm"
has "Added Honeyvoice Charm (B05 AD 42), 10.0 points"
has "+2 to Reaction from Honeyvoice Charm"
expect 0 "add a skill" -- z add "$work/ada.zul" B05 Staffplay --points 4
cp "$work/ada.zul" "$work/before.zul"
expect 1 "add an identifier of two kinds" -- z add "$work/ada.zul" B05 42
error_line "B05 has several entries with identifier 42: B05 AD 42 Honeyvoice Charm, B05 DISAD 42 Hobbled Stride; give the kind"
expect 1 "add a name the book lacks" -- z add "$work/ada.zul" B05 Staff
error_line "did you mean Staffplay (SKILL 61)?"
expect 1 "remove past the end" -- z remove "$work/ada.zul" skills 5
error_line "the skills list holds 1 records"
cmp -s "$work/ada.zul" "$work/before.zul" || { echo "FAIL: a refused change touched the file"; failures=$((failures + 1)); }
expect 0 "remove the skill" -- z remove "$work/ada.zul" skills 0
has "Removed Staffplay from skills, 4.0 points given back"
expect 0 "remove the advantage" -- z remove "$work/ada.zul" advantages 0
expect 0 "show --json" -- z show --json "$work/ada.zul"
has '"points_available": 200.0'
has '"file_version": "2.12"'
expect 0 "show" -- z show "$work/ada.zul"
[ "$(head -1 "$work/out")" = "Ada" ] || { echo "FAIL: show does not begin with the name"; failures=$((failures + 1)); }

expect 0 "search across the books" -- z search gift
has "B05  AD"
has "Hedgewise Gift"
expect 0 "search one kind as JSON" -- z search RECK --kind SKILL --json
has '"name": "Star Reckoning"'
expect 0 "books" -- z books
has "SKILL 10"

# What is said when the profile or a book is missing, each once per command.
expect 1 "no profile" -- env -u ZULPARVO_PROFILE HOME="$work" XDG_CONFIG_HOME= "$zulparvo" search x
error_line "no profile found (looked for $work/.config/zulparvo/zulparvo.ini)"
expect 1 "ZULPARVO_PROFILE names no file" -- env ZULPARVO_PROFILE="$work/none.ini" "$zulparvo" books
error_line "ZULPARVO_PROFILE names $work/none.ini, which is not a file"
printf 'not a database' >"$work/broken.db"
printf '[DATABASE]\nB05 = broken.db\n' >"$work/books.ini"
cat >"$work/two.json" <<'JSON'
{"advantages": [{"class": "CChar_Ad_Disad", "identifier": 1, "book_code": "B05", "category": "AD"},
                {"class": "CChar_Ad_Disad", "identifier": 13, "book_code": "B05", "category": "AD"},
                {"class": "CChar_Ad_Disad", "identifier": 10, "book_code": "B01", "category": "RACAD"},
                {"class": "CChar_Ad_Disad", "identifier": 42, "book_code": "B01", "category": "RACAD"}]}
JSON
"$zulparvo" import "$work/two.json" -o "$work/two.zul"
expect 0 "show with books that cannot be read" -- "$zulparvo" --profile "$work/books.ini" show "$work/two.zul" "$work/two.zul"
[ "$(wc -l <"$work/err")" -eq 2 ] && grep -q "^zulparvo: B01: the profile names no reference database" "$work/err" &&
  grep -q "^zulparvo: B05: cannot open the reference database" "$work/err" ||
  { echo "FAIL: each book is not told once:"; cat "$work/err"; failures=$((failures + 1)); }
printf '{"profile": "none.ini"}' >"$work/script.json"
expect 1 "a script's missing profile" -- "$zulparvo" run "$work/script.json"
error_line "none.ini does not exist"

passed=$(grep -c '^expect ' "$0")
echo "$((passed - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
