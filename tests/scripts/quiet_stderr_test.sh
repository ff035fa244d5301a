#!/usr/bin/env bash
# varnel-chart's standard error carries only its own messages, also where XDG_RUNTIME_DIR is
# unset (root, containers, cron): a file written, nothing said; a refusal, only its reason, in
# the language asked for.
set -u
chart=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# In English, whatever this machine's language is.
run() {
  env -u XDG_RUNTIME_DIR -u LANGUAGE LC_ALL=C.UTF-8 TMPDIR="$work" QT_QPA_PLATFORM=offscreen \
    "$chart" "$@" 2>"$work/err" >/dev/null
}
failed=0
run --frets 3 --scale 648 --svg "$work/t.svg" --dxf "$work/t.dxf" --template-pdf "$work/t.pdf"
if [[ -s "$work/err" ]]; then
  echo "standard error after writing files: $(cat "$work/err")"
  failed=1
fi
run --fanned --frets 12 --slot-width 50 --dxf "$work/f.dxf"
if [[ "$(cat "$work/err")" != "The slot width, 50, must be narrower than the narrowest fret spacing, "* ]] ||
  [[ $(wc -l <"$work/err") -ne 1 ]]; then
  echo "standard error of a refusal: $(cat "$work/err")"
  failed=1
fi
# --lang: the same refusal in German, its numbers with a decimal comma.
run --lang de --fanned --frets 12 --slot-width 50 --dxf "$work/f.dxf"
if [[ "$(cat "$work/err")" != "Die Schlitzbreite, 50, muss schmaler sein als der engste Bundabstand, "*,* ]]; then
  echo "standard error of a refusal in German: $(cat "$work/err")"
  failed=1
fi
exit $failed
