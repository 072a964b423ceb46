#!/usr/bin/env bash
# The release package as a user gets it: its checksum holds; unpacked into an empty folder it
# holds the two programs, the guide and the licence and nothing else; the programs import only
# DLLs of the system; and both start from that folder under Wine, with nothing of the build
# tree near them.
#
#   tests/dist/unpack-and-run.sh PACKAGE.zip [OBJDUMP]
#
# Runs inside scripts/wine-xvfb-run (a Wine prefix and a display), as the Windows tests do.
set -uo pipefail

zip=$1 objdump=${2:-}
fail() { echo "dist test: $*" >&2; exit 1; }

name=$(basename "$zip" .zip)
version=${name#tesserin-}
version=${version%-win64}
[ -f "$zip" ] || fail "$zip does not exist"
sums=$(cd "$(dirname "$zip")" && sha256sum -c SHA256SUMS 2>&1)
[ "$sums" = "$name.zip: OK" ] || fail "SHA256SUMS: $sums"

folder=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$folder"' EXIT
unzip -q "$zip" -d "$folder" || fail "cannot unpack $zip"
listing=$(cd "$folder" && find . | sort | tr '\n' ' ')
expected=". ./$name ./$name/LICENSE.txt ./$name/guide.html ./$name/tesserin-cli.exe ./$name/tesserin.exe "
[ "$listing" = "$expected" ] || fail "the package holds: $listing"
cd "$folder/$name" || fail "no folder $name"

if [ -n "$objdump" ]; then
  for exe in tesserin.exe tesserin-cli.exe; do
    for dll in $("$objdump" -p "$exe" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z'); do
      case $dll in
        kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | shell32.dll | msvcrt.dll) ;;
        *) fail "$exe needs $dll, which Windows does not bring" ;;
      esac
    done
  done
fi

reading=$(wine tesserin-cli.exe 1990 5 12 </dev/null 2>&1 | tr -d '\r')
[ "$(head -n 1 <<<"$reading")" = "八字：庚午 辛巳 庚子" ] || fail "tesserin-cli.exe 1990 5 12 gave: $reading"
said=$(wine tesserin-cli.exe --version </dev/null 2>&1 | tr -d '\r')
[ "$said" = "tesserin-cli $version" ] || fail "the package is $version, tesserin-cli.exe --version says: $said"

wine tesserin.exe </dev/null >/dev/null 2>&1 &
pid=$!
# Wine names the X window class after the program file.
window=$(timeout 60 xdotool search --sync --onlyvisible --classname tesserin.exe 2>/dev/null | head -n 1)
[ -n "$window" ] || fail "tesserin.exe showed no window"
title=$(xdotool getwindowname "$window")
[ "$title" = "Tesserin" ] || fail "the window is titled \"$title\""
sleep 1
kill -0 "$pid" 2>/dev/null || fail "tesserin.exe ended by itself"
echo "dist test: $name unpacked; tesserin-cli.exe read a date; tesserin.exe showed its window"
