#!/usr/bin/env bash
# The release package as a user gets it: its checksum holds; unpacked into an empty folder it
# holds the two programs, the guide and the licence and nothing else; the programs import only
# DLLs of the system; and both start from that folder under Wine, with nothing of the build
# tree near them.
#
#   tests/dist/unpack-and-run.sh PACKAGE.zip [OBJDUMP]
#
# Runs inside scripts/wine-xvfb-run (a Wine prefix and a display), as the Windows tests do.
# Exit status 77 (skipped): a 32-bit package on a machine whose Wine runs no 32-bit programs.
set -uo pipefail

zip=$1 objdump=${2:-}
fail() { echo "dist test: $*" >&2; exit 1; }

name=$(basename "$zip" .zip)
version=${name#tesserin-}
version=${version%-win*}
# The 32-bit package holds 32-bit programs, the 64-bit one 64-bit programs.
case $name in
  *-win32) machine='file format pei-i386' ;;
  *-win64) machine='file format pei-x86-64' ;;
  *) fail "$name is neither a win32 nor a win64 package" ;;
esac
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

# Windows 7 SP1 runs both programs: they ask for no newer subsystem, import none of the newer
# functions (those are looked up at run time), and the window's manifest names Windows 7, 8,
# 8.1 and 10 (which 11 shares), so that none of them treats it as a program for older systems.
newer_functions='GetDpiForWindow|GetDpiForSystem|GetSystemMetricsForDpi|AdjustWindowRectExForDpi|SystemParametersInfoForDpi|EnableNonClientDpiScaling|SetThreadDpiAwarenessContext|GetThreadDpiAwarenessContext|GetWindowDpiAwarenessContext|SetProcessDpiAwarenessContext|GetAwarenessFromDpiAwarenessContext|GetSystemTimePreciseAsFileTime|GetCurrentThreadStackLimits|CreateFile2|SetThreadDescription'
for guid in 35138b9a-5d96-4fbd-8e2d-a2440225f93a 4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 \
            1f676c76-80e1-4239-95bb-83d0f6d0da78 8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a; do
  grep -aq "supportedOS Id=\"{$guid}\"" tesserin.exe || fail "the manifest of tesserin.exe lacks {$guid}"
done
if [ -n "$objdump" ]; then
  for exe in tesserin.exe tesserin-cli.exe; do
    headers=$("$objdump" -p "$exe")
    grep -q "$machine" <<<"$headers" || fail "$exe is not of the package's kind ($machine)"
    major=$(sed -n 's/^MajorSubsystemVersion\t*//p' <<<"$headers")
    minor=$(sed -n 's/^MinorSubsystemVersion\t*//p' <<<"$headers")
    [ $((major * 100 + minor)) -le 601 ] || fail "$exe asks for subsystem $major.$minor, newer than Windows 7"
    newer=$(grep -owE "$newer_functions" <<<"$headers" | sort -u | tr '\n' ' ')
    [ -z "$newer" ] || fail "$exe imports what Windows 7 lacks: $newer"
    for dll in $("$objdump" -p "$exe" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z'); do
      case $dll in
        kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | shell32.dll | msvcrt.dll) ;;
        *) fail "$exe needs $dll, which Windows does not bring" ;;
      esac
    done
  done
fi

# The 32-bit programs run only where Wine has its 32-bit loader (wine32, which needs a kernel
# that runs i386 programs); elsewhere the checks above are all.
if [ "${name##*-}" = win32 ] && ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo "dist test: $name unpacked and checked; its programs not run: Wine here runs no 32-bit programs"
  exit 77
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
