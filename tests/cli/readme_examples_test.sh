#!/usr/bin/env bash
# The README's examples, run as written inside a copy of the build's sample data with
# the sample books as the profile: each must succeed.
set -u
zulparvo=$1
data=$2
readme=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$data"/. "$work"
export ZULPARVO_PROFILE="$work/zulparvo.ini" PATH="$(dirname "$zulparvo"):$PATH"
cd "$work" || exit 1
failures=0
examples=0
while IFS= read -r line; do
  examples=$((examples + 1))
  if ! bash -c "$line" >out 2>err; then
    echo "FAIL: $line"; cat err; failures=$((failures + 1))
  elif [ -s err ]; then
    echo "FAIL: $line wrote to standard error:"; cat err; failures=$((failures + 1))
  fi
done < <(sed -n '/^```sh$/,/^```$/p' "$readme" | grep '^zulparvo ')
echo "$((examples - failures)) of $examples examples ran"
[ "$examples" -gt 0 ] && [ "$failures" -eq 0 ]
