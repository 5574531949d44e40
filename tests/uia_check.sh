#!/usr/bin/env bash
# A Windows screen reader's view of the Windows program, under Wine 10 (Debian 13), through UI
# Automation: a client beside the program reads the window's tree as Qt maps it, before and after
# Start, and follows the focus as keys move it over the board; each news item of a short game (Start,
# a placement, a take-back, Clear) must be raised as a UI Automation notification, which Wine 10
# records in its trace. tests/uia_check.sh VELSORA.EXE|VELSORA.ZIP
set -Eeuo pipefail
exe=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
export LC_ALL=C.UTF-8
. "$here/../scripts/xvfb.sh"
. "$here/report.sh"

work=$(mktemp -d)
if [ "${exe##*.}" = zip ]; then
    unzip -q "$exe" -d "$work"
    exe=$work/Velsora/Velsora.exe
fi
echo "== UI Automation: $1"
app=""
trap 'echo "FAIL: the check itself stopped at line $LINENO: $BASH_COMMAND"' ERR
trap 'kill ${app:-} ${WM_PID:-} ${XVFB_PID:-} 2>/dev/null || true; wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
# The client, built with MinGW-w64's UI Automation headers (Debian 13's: Debian 12's do not compile).
x86_64-w64-mingw32-g++-posix -std=c++20 -O1 -Wall -Wextra -Werror -municode -static \
    -o "$work/uia_client.exe" "$here/uia_client.cpp" -lole32 -loleaut32 -luuid

start_xvfb 1280x1024
start_openbox
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >/dev/null 2>&1
caption="https://velsora.example/ Velsora с нечетен брой"
# Wine 10 writes what it is asked to raise as a notification on its uiautomation channel.
WINEDEBUG=-all,fixme+uiautomation wine "$exe" -platform windows:fontengine=gdi >/dev/null 2>"$work/trace" &
app=$!
window=""
for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --name "Velsora с нечетен брой" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { fail "no window"; report; }
keys() { # keys KEY...: one at a time, each given time to be handled and heard
    local key
    for key in "$@"; do
        xdotool windowactivate --sync "$window" key "$key" >/dev/null 2>&1
        sleep 1
    done
}
# The tree before Start, read as a screen reader first asks for it; Qt's accessibility wakes then.
wine "$work/uia_client.exe" "$caption" 0 >"$work/before" 2>/dev/null
keys Tab space
# Now the board, then the focus while the list's first number goes into row 1, column 1 and back,
# the focus moves on, and Tab goes round by the list and the help text to Clear (Start is gone).
wine "$work/uia_client.exe" "$caption" 25 >"$work/after" 2>/dev/null &
client=$!
for _ in $(seq 100); do grep -q '^listening' "$work/after" && break; sleep 0.1; done
sleep 2 # Wine's delivery of the events starts a moment after the handler is added
keys Down shift+Tab space space Right Tab Tab Tab space
wait "$client" || true
sed -n 's/^focus /    the focus: /p' "$work/after"

has() { grep -qxF -- "$2" "$work/$1"; } # has FILE LINE
while IFS='|' read -r file line; do
    check "${file}: $line" has "$file" "$line"
done <<EOF
before|tree 0 Window | $caption | 
before|tree 1 Button | Начало | Започва игра с избраната страна на квадрата
before|tree 1 Button | Чисти | Изпразва квадрата и връща всички числа в списъка
before|tree 1 List | Списък с числа | Преди началото: страната на квадрата. След това: числата, които още не са поставени
before|tree 2 ListItem | 5 | 
before|tree 1 Edit | Помощ | Описание на играта и как се играе
before|tree 1 Image | Пример: магически квадрат 5 на 5 по сиамския метод | Редове: 17 24 1 8 15; 23 5 7 14 16; 4 6 13 20 22; 10 12 19 21 3; 11 18 25 2 9. Всяка сума е 65
before|tree 1 Text | Velsora | Заглавие
after|tree 2 ListItem | 1 | 
after|tree 1 Button |  | ред 5, колона 5, празна, сума на реда 0, сума на колоната 0
after|focus Button |  | ред 1, колона 1, празна, сума на реда 0, сума на колоната 0
after|focus Button |  | ред 1, колона 2, празна, сума на реда 0, сума на колоната 0
after|focus Button | Чисти | Изпразва квадрата и връща всички числа в списъка
EOF
# The notifications, their text as Wine's trace escapes it (\XXXX a UTF-16 unit) read back.
python3 - "$work/trace" >"$work/news" <<'PY'
import re, sys
for line in open(sys.argv[1], encoding="utf-8", errors="replace"):
    m = re.search(r'UiaRaiseNotificationEvent \(\w+, (\d+), (\d+), L"(.*?)", L"', line)
    if m:
        text = re.sub(r"\\([0-9a-f]{4})", lambda u: chr(int(u.group(1), 16)), m.group(3))
        print(f"kind {m.group(1)} processing {m.group(2)}: {text}")
PY
sed 's/^/    /' "$work/news"
for news in "Игра 5 на 5" "1, ред 1, колона 1, сума на реда 1, сума на колоната 1" \
    "празна, ред 1, колона 1, сума на реда 0, сума на колоната 0" "Квадратът е изчистен, всички числа са в списъка"; do
    check "notified: $news" grep -q ": $news\$" "$work/news"
done
expect "notifications in all" "$(wc -l <"$work/news")" 4
if kill -0 "$app" 2>/dev/null; then ok "the program runs on"; else fail "the program ended"; fi
report
