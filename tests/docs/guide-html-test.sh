#!/usr/bin/env bash
# The guide as its HTML page shows it: a paragraph's Chinese lines read as one sentence, with no
# blank where the Markdown source breaks a line between two Chinese characters; a break beside a
# Latin word stays a blank; code blocks keep their lines; the real guide converts and has no
# such blank left.
#
#   tests/docs/guide-html-test.sh SOURCE_DIR
set -uo pipefail

root=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "guide-html test: $*" >&2; status=1; }
status=0

cat >"$work/guide.md" <<'MD'
# 标题

双击后系统会
提示“不是有效的应用程序”。
见**加粗**
部分，日柱）、
性格总论。命令行版
`tesserin-cli.exe` 见文末。

```
代码第一行
代码第二行
```

- 列表项
  续行
MD
"$root/scripts/guide-html" "$work/guide.md" "$work/guide.html" || fail "the conversion failed"
html=$(cat "$work/guide.html")

expect() {  # WHAT TEXT: the page holds TEXT
  grep -qF -- "$2" <<<"$html" || fail "$1: the page lacks '$2'"
}
expect "break between two Chinese characters" "双击后系统会提示“不是有效的应用程序”。"
expect "break after an emphasis" "见<strong>加粗</strong>部分，日柱）、性格总论。"
expect "break before a Latin word stays" "命令行版
<code>tesserin-cli.exe</code>"
expect "code block keeps its lines" "代码第一行
代码第二行"
expect "list item" "<li>列表项续行</li>"

# The style: header cells keep their words whole, code names a Chinese font (for its stars)
# before the generic monospace one.
style=$(sed -n '/<style>/,/<\/style>/p' <<<"$html" | tr -d '\n')
grep -qE 'th \{[^}]*white-space: nowrap' <<<"$style" || fail "table header cells may wrap inside a word"
grep -qE 'td:first-child \{[^}]*word-break: keep-all' <<<"$style" || fail "a table's first column may wrap inside a word"
grep -qE 'pre \{[^}]*font-family:[^;}]*"Microsoft YaHei"[^;}]*monospace' <<<"$style" ||
  fail "code blocks take their stars from the generic monospace font"

"$root/scripts/guide-html" "$root/docs/guide.md" "$work/real.html" || fail "the guide does not convert"
# Outside code blocks, no line of the page's text may end and the next begin with a Chinese
# character: the browser would show a blank between them.
pairs=$(sed '/<pre/,/<\/pre>/d' "$work/real.html" | LC_ALL=C awk '
  prev ~ /[\343-\351\357][\200-\277][\200-\277]$/ && $0 ~ /^[\343-\351\357]/ { n++ }
  { prev = $0 } END { print n + 0 }')
[ "$pairs" = 0 ] || fail "docs/guide.md: $pairs line breaks between Chinese characters left in the page"
exit $status
