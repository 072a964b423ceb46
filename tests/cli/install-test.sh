#!/bin/sh
# install-test.sh CMAKE BUILD_TREE: installs the build tree into an empty folder and checks
# what lands where.
set -eu
cmake=$1 tree=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$tree" --prefix "$prefix" >/dev/null
fail() { echo "install-test: $*" >&2; exit 1; }
[ -x "$prefix/bin/tesserin-cli" ] || fail "no bin/tesserin-cli"
"$prefix/bin/tesserin-cli" --version | grep -q '^tesserin-cli [0-9]' || fail "bin/tesserin-cli --version"
[ "$("$prefix/bin/tesserin-cli" 1990 5 12 | head -n 1)" = "八字：庚午 辛巳 庚子" ] || fail "bin/tesserin-cli reads no date"
page=$prefix/share/man/man1/tesserin-cli.1
[ -f "$page" ] || fail "no share/man/man1/tesserin-cli.1"
grep -q '^\.TH TESSERIN-CLI 1 ' "$page" || fail "the manual page has no title line"
left=$(cd "$prefix" && find . -type f | sort | tr '\n' ' ')
[ "$left" = "./bin/tesserin-cli ./share/man/man1/tesserin-cli.1 " ] || fail "unexpected files: $left"
echo "install-test: bin/tesserin-cli and share/man/man1/tesserin-cli.1"
