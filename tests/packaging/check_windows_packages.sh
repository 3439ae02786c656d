#!/bin/sh
# Makes the Windows packages of a windows-gui build as its package step does,
# then checks them: the zip holds both programs and the two texts; the
# installer, run silently in a Wine prefix of its own, puts the same files in
# Program Files with a Start menu shortcut and an entry among the installed
# programs, and its uninstaller, run silently, takes every one away again.
# Usage: check_windows_packages.sh WINE_RUN BUILD_DIR VERSION
set -u
run=$1
build=$2
version=$3
work=$(mktemp -d)
export SUMWRIGHT_WINEPREFIX="$work/prefix"
export WINEPREFIX="$SUMWRIGHT_WINEPREFIX"
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
trap '"$wineserver" -k 2>/dev/null; rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/packages" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log"
  exit 1
}
name=sumwright-$version-windows-x86_64
files="LICENSE.txt README.txt sumwright-cli.exe sumwright.exe"
listed=$(cd "$work" && cmake -E tar tf "packages/$name.zip" | sed 's|^[^/]*/||' | sort | xargs)
[ "$listed" = "$files" ] || fail "the zip holds \"$listed\", not \"$files\""

# Silent runs return before Wine's last process ends; wineserver -w waits.
"$run" "$work/packages/$name-setup.exe" /S
"$wineserver" -w
folder="$WINEPREFIX/drive_c/Program Files/Sumwright"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Sumwright"
for file in $files Uninstall.exe; do
  [ -f "$folder/$file" ] || fail "the installer put no $file in Program Files\\Sumwright"
done
[ -f "$shortcut/Sumwright Calculator.lnk" ] || fail "no Start menu shortcut"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Sumwright'
entry=$("$run" reg query "$key" | tr -d '\r')
for value in "DisplayName +REG_SZ +Sumwright $version" "DisplayVersion +REG_SZ +$version" \
             "Publisher +REG_SZ +The Sumwright developers" \
             'DisplayIcon +REG_SZ +C:\\Program Files\\Sumwright\\sumwright.exe'; do
  echo "$entry" | grep -Eq "^ +$value\$" || fail "the installed programs' entry lacks $value"
done
payment=$("$run" "C:\\Program Files\\Sumwright\\sumwright-cli.exe" payment --principal 100000 \
  --rate 6 --years 30)
[ "$payment" = "599.55" ] || fail "the installed sumwright-cli computes \"$payment\""

"$run" "C:\\Program Files\\Sumwright\\Uninstall.exe" /S
"$wineserver" -w
[ ! -e "$folder" ] || fail "left behind: $(cd "$folder" && ls | xargs)"
[ ! -e "$shortcut" ] || fail "the Start menu folder is left behind"
"$run" reg query "$key" >/dev/null 2>&1 && fail "the installed programs' entry is left behind"
[ "$failed" -eq 0 ] && echo "ok: zip of $files; installer and uninstaller, silent"
exit "$failed"
