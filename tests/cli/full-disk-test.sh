#!/bin/sh
# tesserin-cli --batch into a file on a filesystem of 64 KiB, natively and under Wine, in both
# formats: the run ends with status 74 and says that the disk is full, and the file holds the
# start of the whole output up to a line end, as much of it as whole lines fit. Under Wine the
# output is redirected by Windows' own shell, as a Windows user's is; Wine cannot cut a file that
# the host's shell opened (its handle has no file of Wine's behind it), so there only the message
# is checked. The test mounts the small filesystem (tmpfs) itself: where it may not (not root,
# no mount), it is skipped (exit status 77).
# Usage: full-disk-test.sh [wine] CLI
set -u
wine=
[ $# -gt 1 ] && { wine=$1; shift; }
cli=$1
tmp=$(mktemp -d)
small=$tmp/small
mkdir "$small"
if [ "$(id -u)" -ne 0 ] || ! mount -t tmpfs -o size=64k tmpfs "$small" 2>/dev/null; then
  echo "skipped: no small filesystem could be mounted (that needs root)"
  rm -rf "$tmp"
  exit 77
fi
trap 'umount "$small"; rm -rf "$tmp"' EXIT
failed=0
. "$(dirname "$0")/check.sh"
# The batch in FORMAT from file IN to OUT, its messages to ERR, as a user's shell starts it.
batch() {  # FORMAT IN OUT ERR
  if [ -n "$wine" ]; then
    LC_ALL=en_US.UTF-8 "$wine" cmd /c "$(winepath -w "$cli") --batch --format=$1 < $(winepath -w "$2") > $(winepath -w "$3") 2> $(winepath -w "$4")"
  else
    LC_ALL=en_US.UTF-8 "$cli" --batch --format="$1" < "$2" > "$3" 2> "$4"
  fi
}

full="tesserin-cli: error writing standard output: No space left on device"
awk 'BEGIN { for (i = 0; i < 1000; i++) printf "1990\t%d\t%d\tlunar\n", i % 12 + 1, i % 28 + 1 }' > "$tmp/in.tsv"
room=$(df -B1 --output=avail "$small" | tail -n 1)
for format in jsonl csv; do
  batch $format "$tmp/in.tsv" "$tmp/whole" "$tmp/err"
  batch $format "$tmp/in.tsv" "$small/out" "$tmp/err"
  check "$format: the status on a full disk" $? 74
  check "$format: the message" "$(cat "$tmp/err")" "$full"
  size=$(wc -c < "$small/out")
  check "$format: the file ends at a line end" "$(tail -c 1 "$small/out" | od -An -c | tr -d ' ')" '\n'
  check "$format: the file is the start of the whole output" "$(cmp -n "$size" "$tmp/whole" "$small/out" && echo same)" same
  # Whole lines up to the last that fits: the next line would not have.
  next=$(tail -c +"$((size + 1))" "$tmp/whole" | head -n 1 | wc -c)
  check "$format: as many lines as fit ($size bytes, the next line $next, room $room)" \
    "$([ "$((size + next))" -gt "$room" ] && echo yes)" yes
  rm -f "$small/out"
  if [ -n "$wine" ]; then
    LC_ALL=en_US.UTF-8 "$wine" "$cli" --batch --format=$format < "$tmp/in.tsv" > "$small/out" 2> "$tmp/err"
    check "$format: the status, redirected by the host's shell" $? 74
    check "$format: the message, redirected by the host's shell" "$(cat "$tmp/err")" "$full"
    rm -f "$small/out"
  fi
done
exit $failed
