#!/usr/bin/env bash
# lookup and show on the sample reference databases: rows as JSON, one clear error line
# when a book cannot be read, and characters whose records carry only their keys shown
# with the names of their rows.
set -u
zulparvo=$1
profile=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# expect STATUS DESCRIPTION -- COMMAND...: runs the command with the sample profile,
# keeps its output in $work/out and $work/err, and checks the exit status.
expect() {
  local status=$1 what=$2
  shift 3
  "$zulparvo" --profile "$profile" "$@" >"$work/out" 2>"$work/err"
  local got=$?
  [ "$got" -eq "$status" ] || { fail "$what: exit status $got, expected $status"; cat "$work/err"; }
}
has() { grep -qF -- "$1" "$work/out" || { fail "output lacks '$1'"; cat "$work/out"; }; }
error_line() {
  if [ "$(wc -l <"$work/err")" -ne 1 ] || ! grep -qF -- "$1" "$work/err"; then
    fail "expected one error line with '$1', got:"; cat "$work/err"
  fi
}

expect 0 "lookup of a skill" -- lookup B05 SKILL 61
has '"ID": "Staffplay"'
has '"Skill Group": "COMBAT-WEAPON, CW-MELEE"'
has '"book_code": "B05"'
expect 0 "lookup of a sub-table row" -- lookup B05 AD-VARIANT 2 --kind advantage
has '"ID": "Comely Mien, Striking"'
expect 0 "lookup of an identifier without a row" -- lookup B05 SKILL 9999
[ "$(cat "$work/out")" = "[]" ] || fail "no row should print [], got: $(cat "$work/out")"
expect 2 "lookup of a sub-table without --kind" -- lookup B05 AD-VARIANT 2
expect 1 "lookup in a book without a database" -- lookup B02 AD 1
error_line "B02: the profile names no reference database for the book"
expect 1 "lookup with a hostile category" -- lookup B05 "Skills] WHERE 1=1 --" 1
error_line "cannot name a table"

# A character whose records carry only their keys.
cat >"$work/keys.json" <<'JSON'
{"advantages": [
   {"class": "CChar_Ad_Disad", "identifier": 13, "book_code": "B05", "category": "AD", "base_cost": 15},
   {"class": "CChar_Ad_Disad", "identifier": 10, "book_code": "B05", "category": "AD",
    "sub_identifier": 2, "sub_book_code": "B05", "sub_category": "AD-VARIANT"},
   {"class": "CChar_Ad_Disad", "identifier": 42, "book_code": "B05", "category": "AD", "level": 2},
   {"class": "CChar_Ad_Disad", "identifier": 10, "book_code": "B01", "category": "RACAD"}],
 "disadvantages": [{"class": "CChar_Ad_Disad", "identifier": 6, "book_code": "B05", "category": "DISAD"}],
 "super_advantages": [{"class": "CChar_Ad_Disad", "identifier": 1, "book_code": "B34", "category": "SUPER-AD"}],
 "skills": [
   {"class": "CChar_Skill_Base", "identifier": 61, "book_code": "B05"},
   {"class": "CChar_Skill_DefaultLanguage", "identifier": 1, "book_code": "B05"},
   {"class": "CChar_Skill_Maneuver", "identifier": 2, "book_code": "B05"},
   {"class": "CChar_Skill_SuperPower", "identifier": 1, "book_code": "B34"},
   {"class": "CChar_Skill_Base", "identifier": 1, "book_code": "B46"}],
 "spells": [{"class": "CChar_Skill_Spell", "identifier": 2, "book_code": "B05"}]}
JSON
expect 0 "import" -- import "$work/keys.json" -o "$work/keys.zul"
expect 0 "show" -- show "$work/keys.zul"
for name in "Stillwater Nerve" "Comely Mien, Striking" "Honeyvoice Charm (+2)" "Burrow-Born Knack" \
            "Slight-Keeper" "Unbreakable Frame" "Staffplay" "Native Language: Old Marrish" "Hooking Parry" \
            "Rumblestride" "Eddy Shaping" "Knit Bone"; do
  has "  $name  ["
done
[ -s "$work/err" ] && { fail "show wrote messages:"; cat "$work/err"; }

passed=$(grep -c '^expect ' "$0")
echo "$((passed - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
