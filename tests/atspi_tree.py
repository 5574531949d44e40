#!/usr/bin/python3
# Reads the running Velsora's accessibility tree over AT-SPI, as a screen reader does, presses
# Start through the Action interface, and checks the board that appears.
import os
import sys
import time

import pyatspi
from gi.repository import GLib


def find_apps(name, tries=100):
    for _ in range(tries):
        apps = [a for a in pyatspi.Registry.getDesktop(0) if a is not None and (a.name or "").lower() == name]
        if apps:
            time.sleep(0.5)  # a second one, should there be one, registers by then
            return [a for a in pyatspi.Registry.getDesktop(0) if a is not None and (a.name or "").lower() == name]
        time.sleep(0.1)
    return []


def walk(node, found):
    for child in node:
        if child is None:
            continue
        try:
            found.append((child.getRole(), child.name or "", child.description or "", child))
        except GLib.GError:
            continue  # it went while the tree was read (Start rebuilds the board): the next walk tells
        walk(child, found)
    return found


def pump(seconds):
    # Delivers the accessibility events that arrived meanwhile.
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.02)


def main():
    apps = find_apps("velsora")
    if len(apps) != 1:
        # Two: a toolkit's own bridge (GTK's, under its platform theme) beside Qt's.
        print(f"FAIL: {len(apps)} velsora on the accessibility bus, not one")
        return 1
    app = apps[0]
    passed, failures = 0, []

    def check(ok, what):
        nonlocal passed
        if ok:
            passed += 1
        else:
            failures.append(what)

    tree = walk(app, [])
    for role, name, description, _ in tree:
        print(f"  {role.value_nick}: {name!r} {description!r}")

    def expect(role, name, what):
        check(any(r == role and n == name for r, n, _, _ in tree), f"no {role} named {name!r} ({what})")

    # Roles by their constants: their names differ between versions of the accessibility library.
    expect(pyatspi.ROLE_FRAME, os.environ["VELSORA_CAPTION"], "the window")  # the design's, from the build
    expect(pyatspi.ROLE_PUSH_BUTTON, "Начало", "Start")
    expect(pyatspi.ROLE_PUSH_BUTTON, "Чисти", "Clear")
    expect(pyatspi.ROLE_LIST, "Списък с числа", "the pool")
    expect(pyatspi.ROLE_LABEL, "Velsora", "the title")
    expect(pyatspi.ROLE_IMAGE, "Пример: магически квадрат 5 на 5 по сиамския метод", "the picture")
    items = [n for r, n, _, _ in tree if r in (pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_TABLE_CELL)]
    check(items[:5] == ["3", "5", "7", "9", "11"], f"list items {items[:5]}")

    # The news as a screen reader hears it: Qt's announcement from Qt 6.8, before it the notification
    # shown, whose name is the news.
    heard = []

    def on_news(event):
        if event.type.startswith("object:announcement"):
            heard.append(str(event.any_data))
        elif event.source.getRole() == pyatspi.ROLE_NOTIFICATION and event.detail1 == 1:
            heard.append(event.source.name)

    pyatspi.Registry.registerEventListener(on_news, "object:announcement", "object:state-changed:showing")
    start = next(o for r, n, _, o in tree if r == pyatspi.ROLE_PUSH_BUTTON and n == "Начало")
    start.queryAction().doAction(0)
    # Until the board is read whole: the names and descriptions reach the reader by events, which
    # may come after the new objects.
    empty = "ред 5, колона 5, празна, сума на реда 0, сума на колоната 0"
    for _ in range(50):
        tree = walk(app, [])
        cells = {d: o for r, n, d, o in tree if r == pyatspi.ROLE_PUSH_BUTTON and d.startswith("ред ")}
        sums = [n for r, n, d, _ in tree if r == pyatspi.ROLE_LABEL and d.startswith("Сума на")]
        if len(cells) == 25 and empty in cells and sums == ["0"] * 10:
            break
        pump(0.1)
    check(len(cells) == 25 and empty in cells, f"after Start: {len(cells)} cells")
    check(sums == ["0"] * 10, f"after Start: sums {sums}")
    # The game's start was announced, once.
    pool = next(o for r, n, _, o in tree if r == pyatspi.ROLE_LIST)
    pump(0.5)
    check(heard == ["Игра 5 на 5"], f"after Start: news {heard}")

    # A placement on the focused cell in row 2, column 2: the cell tells its new state, the news
    # says it, and the pool, which does not have the focus, claims no focus for its items.
    focus_events = []

    def on_focus(event):
        focus_events.append((event.source.getRole(), event.source.name))

    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused", "focus:")
    cell = cells.get("ред 2, колона 2, празна, сума на реда 0, сума на колоната 0")
    cell.queryComponent().grabFocus()
    pump(0.5)
    focus_events.clear()
    seven = next(o for r, n, _, o in walk(pool, []) if r == pyatspi.ROLE_LIST_ITEM and n == "7")
    seven.queryAction().doAction(0)  # selects it
    cell.queryAction().doAction(0)
    placed = "ред 2, колона 2, сума на реда 7, сума на колоната 7"
    for _ in range(50):
        pump(0.1)
        if cell.name == "7" and cell.description == placed:
            break
    check((cell.name, cell.description) == ("7", placed), f"placed cell reads {cell.name!r} {cell.description!r}")
    pump(0.3)
    check(heard[1:] == ["7, " + placed], f"placement announced as {heard[1:]}")
    stray = [e for e in focus_events if e[0] == pyatspi.ROLE_LIST_ITEM]
    check(not stray, f"the pool claimed the focus for {stray}")

    for f in failures:
        print("FAIL:", f)
    print(f"{passed} passed, {len(failures)} failed")
    return 1 if failures else 0


sys.exit(main())
