#!/usr/bin/env bash
# Plays the Windows installer under Wine, in a throw-away prefix, as a player and an administrator
# would: it installs per user where Windows keeps such programs, with a Start-menu shortcut and an
# Apps entry; the installed program passes the real-window check; the same installer again repairs;
# a later version replaces it; uninstalling leaves nothing of it behind; bad input is refused
# cleanly.   windows_installer.sh VELSORA.MSI LATER.MSI VERSION LATER_VERSION PUBLISHER PLACES
# (PLACES: the build's velsora-design.txt, for the real-window check)
set -Eeuo pipefail
msi=$1 later=$2 version=$3 later_version=$4 publisher=$5 places=$6
here=$(cd "$(dirname "$0")" && pwd)
export LC_ALL=C.UTF-8
. "$here/report.sh"
work=$(mktemp -d)
trap 'echo "FAIL: the check itself stopped at line $LINENO: $BASH_COMMAND"' ERR
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
# No display: the installer runs quietly. Wine's menu builder would put the shortcut on this
# machine's own desktop menu, so it is kept out.
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=" DISPLAY=
wineboot -i >/dev/null 2>&1
profile=$(winepath -u "$(wine cmd /c echo %USERPROFILE% 2>/dev/null | tr -d '\r')")
program=$profile/AppData/Local/Programs/Velsora
shortcut="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Velsora.lnk"
nl=$'\n'
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

msiexec() { local code=0; wine msiexec "$@" /qn >/dev/null 2>&1 || code=$?; echo $code; } # its exit code
entries() { # the Apps entries named Velsora, as "VERSION PUBLISHER" lines, then the product's icon
    local key
    wine reg query "$uninstall" 2>/dev/null | tr -d '\r' | grep -i '^HKEY' | while read -r key; do
        wine reg query "$key" 2>/dev/null | tr -d '\r' | awk -F '    ' '
            $2 == "DisplayName" { name = $4 } $2 == "DisplayVersion" { v = $4 } $2 == "Publisher" { p = $4 }
            END { if (name == "Velsora") print v " " p }'
    done
    # Apps shows the icon that the installer keeps for the product (Wine leaves DisplayIcon out).
    wine reg query 'HKCU\Software\Microsoft\Installer\Products' /s 2>/dev/null | tr -d '\r' |
        grep -q 'ProductIcon.*velsora\.ico' && echo icon
}
files() { (cd "$WINEPREFIX/drive_c" && find . -path ./windows -prune -o -print | sort); }
ours() { # every trace of Velsora in the prefix: files, and registry keys or values that name it
    wineserver -w
    { files | grep -i velsora || true; grep -il 'velsora' "$WINEPREFIX"/*.reg || true; } | sed "s|$WINEPREFIX/||"
}

before=$(files)
expect "install" "$(msiexec /i "$(winepath -w "$msi")")" 0
check "the program in the user's programs folder" test -s "$program/Velsora.exe"
check "its licences beside it" test -s "$program/LICENSE.txt" -a -s "$program/Qt-LGPL-3.txt"
check "a Start-menu shortcut" test -s "$shortcut"
check "the shortcut starts the program" grep -aq 'Velsora.exe' "$shortcut"
expect "one Apps entry, with version, publisher and icon" "$(entries)" "$version $publisher$nl"icon
VELSORA_SETTINGS=96-dpi "$here/real_window_xvfb.sh" --wine "$program/Velsora.exe" "$places" >"$work/played" 2>&1 &&
    ok "the installed program plays" || { fail "the installed program plays"; sed 's/^/    /' "$work/played"; }

rm "$program/Velsora.exe"
expect "the same installer again" "$(msiexec /i "$(winepath -w "$msi")")" 0
check "repairs the program" test -s "$program/Velsora.exe"
expect "and leaves one Apps entry" "$(entries)" "$version $publisher$nl"icon
expect "a later version" "$(msiexec /i "$(winepath -w "$later")")" 0
expect "replaces this one" "$(entries)" "$later_version $publisher$nl"icon

expect "uninstall" "$(msiexec /x "$(winepath -w "$later")")" 0
expect "what is left of Velsora" "$(ours)" ""
# Left behind may be only the empty folders that Windows keeps for every program: the user's
# programs folder and Windows Installer's own.
expect "files left behind" "$(comm -13 <(echo "$before") <(files) |
    grep -v -e '/AppData/Local/Programs$' -e '/AppData/Roaming/Microsoft/Installer$' || true)" ""
before=$(files)
code=$(msiexec /x "$(winepath -w "$msi")")
[[ $code == 0 || $code == 1605 ]] && [ "$(files)" = "$before" ] &&
    ok "uninstalling what is not installed: no change ($code)" || fail "uninstalling what is not installed: $code"

# A player whose folders have Cyrillic names: the installer in "Изтегляния", the program in "Игри".
mkdir -p "$work/Изтегляния"
cp "$msi" "$work/Изтегляния/Velsora.msi"
games='C:\Игри\Velsora\'
expect "install from and into folders with Cyrillic names" \
    "$(msiexec /i "$(winepath -w "$work/Изтегляния/Velsora.msi")" INSTALLDIR="$games")" 0
check "the program in the Cyrillic folder" test -s "$(winepath -u "$games")/Velsora.exe"
expect "and uninstalled from there" "$(msiexec /x "$(winepath -w "$work/Изтегляния/Velsora.msi")")" 0
expect "what is left of Velsora" "$(ours)" ""
report
