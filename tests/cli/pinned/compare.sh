#!/bin/sh
# Runs the batch reader over every date of the range in both readings (dates.sh) and over the
# edge cases (edges.tsv: blanks, signs, long and full-width digits, invalid bytes, malformed
# lines), and compares what it writes byte for byte with the recorded output.
# To record anew, only for a change of output that is meant:
#   { ./dates.sh; cat edges.tsv; } | tesserin-cli --batch | gzip -9n > expected.jsonl.gz
set -eu
# Usage: compare.sh CLI...  (the reader and what runs it, e.g. `wine tesserin-cli.exe`)
here=$(dirname "$0")
actual=$(mktemp)
trap 'rm -f "$actual"' EXIT
{ "$here/dates.sh"; cat "$here/edges.tsv"; } | "$@" --batch > "$actual"
if gzip -dc "$here/expected.jsonl.gz" | cmp -s - "$actual"; then
  echo "batch output identical to the recorded output ($(wc -l < "$actual") lines)"
  exit 0
fi
echo "batch output differs from the recorded output (recorded <, now >):"
gzip -dc "$here/expected.jsonl.gz" | diff - "$actual" | head -20 || true
exit 1
