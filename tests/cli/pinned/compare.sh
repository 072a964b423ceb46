#!/bin/sh
# Runs the batch reader over every date of the range in both readings (dates.sh) and over the
# edge cases (edges.tsv: blanks, signs, long and full-width digits, invalid bytes, malformed
# lines), in both formats, and compares what it writes byte for byte with the recorded output.
# To record anew, only for a change of output that is meant:
#   { ./dates.sh; cat edges.tsv; } | tesserin-cli --batch | gzip -9n > expected.jsonl.gz
#   { ./dates.sh; cat edges.tsv; } | tesserin-cli --batch --format=csv | gzip -9n > expected.csv.gz
set -eu
# Usage: compare.sh CLI...  (the reader and what runs it, e.g. `wine tesserin-cli.exe`)
here=$(dirname "$0")
actual=$(mktemp)
trap 'rm -f "$actual"' EXIT
failed=0
for format in jsonl csv; do
  { "$here/dates.sh"; cat "$here/edges.tsv"; } | "$@" --batch --format=$format > "$actual"
  if gzip -dc "$here/expected.$format.gz" | cmp -s - "$actual"; then
    echo "$format: batch output identical to the recorded output ($(wc -l < "$actual") lines)"
    continue
  fi
  echo "$format: batch output differs from the recorded output (recorded <, now >):"
  gzip -dc "$here/expected.$format.gz" | diff - "$actual" | head -20 || true
  failed=1
done
exit $failed
