#!/usr/bin/env bash
# The private print server works from a TMPDIR with blanks in its path: it starts, takes a job
# on its default queue and keeps it unchanged, and stop ends its own cupsd and nothing else.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
command -v cupsd >/dev/null 2>&1 || { echo "SKIPPED: cupsd is not installed"; exit 77; }
tmp=$(mktemp -d)
export TMPDIR="$tmp/a folder with blanks"
mkdir -p "$TMPDIR"
trap '"$root/scripts/printserver" stop >/dev/null 2>&1; rm -rf "$tmp"' EXIT

eval "$("$root/scripts/printserver" start)"
pid=$(<"$TMPDIR/varnel-printserver/cupsd.pid")
LC_ALL=C lpstat -d | grep -q "destination: VarnelPDF"
printf '%%PDF-1.4\n%% a job kept byte for byte\n' >"$tmp/job.pdf"
lp -o raw "$tmp/job.pdf" >/dev/null
for _ in $(seq 1 300); do
  compgen -G "$VARNEL_PRINT_OUTPUT/job-*.pdf" >/dev/null && break
  sleep 0.1
done
cmp "$tmp/job.pdf" "$VARNEL_PRINT_OUTPUT"/job-*.pdf
"$root/scripts/printserver" stop | grep -q stopped
! kill -0 "$pid" 2>/dev/null
echo "1 passed, 0 failed"
