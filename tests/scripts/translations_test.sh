#!/usr/bin/env bash
# Every translation is complete: lupdate, run over the sources into copies of the .ts files,
# finds no text that a translation lacks (a new caption not yet translated fails here).
set -u
lupdate=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source"/translations/varnel_*.ts "$work"/
"$lupdate" -silent -locations none -no-obsolete "$source/src" -ts "$work"/varnel_*.ts || exit 1
failed=0
for ts in "$work"/varnel_*.ts; do
  unfinished=$(grep -c 'type="unfinished"' "$ts")
  if ((unfinished)); then
    echo "$(basename "$ts"): $unfinished texts not translated:"
    grep -B1 'type="unfinished"' "$ts" | grep '<source>' | head -20
    failed=1
  fi
done
exit $failed
