#!/usr/bin/python3
# Reads the running Velsora's accessibility tree over AT-SPI, as a screen reader does, presses
# Start through the Action interface, and checks the board that appears.
import sys
import time

import pyatspi


def find_app(name, tries=100):
    for _ in range(tries):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name and app.name.lower() == name:
                return app
        time.sleep(0.1)
    return None


def walk(node, found):
    for child in node:
        if child is None:
            continue
        found.append((child.getRole(), child.name or "", child.description or "", child))
        walk(child, found)
    return found


def main():
    app = find_app("velsora")
    if app is None:
        print("FAIL: velsora is not on the accessibility bus")
        return 1
    failures = []
    tree = walk(app, [])
    for role, name, description, _ in tree:
        print(f"  {role.value_nick}: {name!r} {description!r}")

    def expect(role, name, what):
        if not any(r == role and n == name for r, n, _, _ in tree):
            failures.append(f"no {role} named {name!r} ({what})")

    # Roles by their constants: their names differ between versions of the accessibility library.
    expect(pyatspi.ROLE_FRAME, "https://velsora.example/ Velsora с нечетен брой", "the window")
    expect(pyatspi.ROLE_PUSH_BUTTON, "Начало", "Start")
    expect(pyatspi.ROLE_PUSH_BUTTON, "Чисти", "Clear")
    expect(pyatspi.ROLE_LIST, "Списък с числа", "the pool")
    expect(pyatspi.ROLE_LABEL, "Velsora", "the title")
    expect(pyatspi.ROLE_IMAGE, "Пример: магически квадрат 5 на 5 по сиамския метод", "the picture")
    items = [n for r, n, _, _ in tree if r in (pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_TABLE_CELL)]
    if items[:5] != ["3", "5", "7", "9", "11"]:
        failures.append(f"list items {items[:5]}")

    start = next(o for r, n, _, o in tree if r == pyatspi.ROLE_PUSH_BUTTON and n == "Начало")
    start.queryAction().doAction(0)
    for _ in range(50):
        tree = walk(app, [])
        cells = [d for r, n, d, _ in tree if r == pyatspi.ROLE_PUSH_BUTTON and d.startswith("Клетка")]
        if len(cells) == 25:
            break
        time.sleep(0.1)
    if len(cells) != 25 or "Клетка: ред 5, колона 5" not in cells:
        failures.append(f"after Start: {len(cells)} cells")
    sums = [n for r, n, d, _ in tree if r == pyatspi.ROLE_LABEL and d.startswith("Сума на")]
    if sums != ["0"] * 10:
        failures.append(f"after Start: sums {sums}")

    for f in failures:
        print("FAIL:", f)
    print(f"{0 if failures else 1} passed, {1 if failures else 0} failed")
    return 1 if failures else 0


sys.exit(main())
