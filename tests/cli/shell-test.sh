#!/bin/sh
# tesserin-cli as a shell runs it, natively or under Wine: a reader that closes the pipe early
# (as head does) gets no message, whatever error the system reports for that pipe; and the
# messages are in Chinese when LC_ALL names a Chinese locale (under Wine, through the Windows
# display language it sets), in English otherwise.
# Usage: shell-test.sh CLI...  (the reader and what runs it, e.g. `wine tesserin-cli.exe`)
set -u
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0
. "$(dirname "$0")/check.sh"

awk 'BEGIN { for (i = 0; i < 20000; i++) printf "1990\t5\t12\tlunar\n" }' > "$tmp/in.tsv"
# SIGPIPE ignored, as by a program that starts the reader: the failed write ends the batch. The
# reader may close the pipe between two writes or during one, which the system reports
# differently: several runs meet both.
for run in 1 2 3 4 5 6 7 8 9 10; do
  (
    trap '' PIPE
    { "$@" --batch < "$tmp/in.tsv" 2> "$tmp/err"; echo $? > "$tmp/status"; } | head -n 1 > "$tmp/first"
  )
  check "run $run: the status after the reader closed the pipe" "$(cat "$tmp/status")" 74
  check "run $run: the message after the reader closed the pipe" "$(cat "$tmp/err")" ""
  check "run $run: the line the reader read" "$(cut -c 1-15 "$tmp/first")" '{"year":"1990",'
done

LC_ALL=zh_CN.UTF-8 "$@" --bogus 2> "$tmp/err"
check "the status of a usage error" $? 64
check "a usage error in Chinese" "$(head -n 1 "$tmp/err")" "tesserin-cli: 无法识别的选项 --bogus"
LC_ALL=en_US.UTF-8 "$@" --bogus 2> "$tmp/err"
check "a usage error in English" "$(head -n 1 "$tmp/err")" "tesserin-cli: unknown option --bogus"
exit $failed
