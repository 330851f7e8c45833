#!/usr/bin/python3
"""The real corvana as a screen reader reads it through the accessibility bus.

    screen_reader.py CORVANA

Plates typed, then the grid read as a table (its headers, every cell, the
description of a code that two plates share, the rows a view hides left out),
the current cell followed through arrow keys by its focus events, a range
selected by keys, the status bar and the decoder's result told without the focus
moving, sorting and the query builder's list and box by keys alone, and every
focusable control of the main window, the decoder, the query builder, the
formula editor, the print preview and the import dialog named."""

import hashlib
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from desktop import run  # noqa: E402


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def sharing_plates():
    """Two plates of the same 26-bit code: the same last 24 bits of their SHA-1."""
    seen = {}
    n = 0
    while True:
        plate = "CP%d" % n
        tail = hashlib.sha1(plate.encode()).digest()[-3:]
        if tail in seen:
            return seen[tail], plate
        seen[tail] = plate
        n += 1


def choose(desktop, window, name):
    """Chooses a menu item as a screen reader does, by its action."""
    S = desktop.atspi
    items = desktop.find_all(window, lambda a: a.getRole() in (S.ROLE_MENU_ITEM, S.ROLE_CHECK_MENU_ITEM)
                             and a.name == name)
    check(items, "no menu item %r" % name)
    items[0].queryAction().doAction(0)
    desktop.pump(0.5)


def expect_named(desktop, window, what):
    unnamed = desktop.unnamed_controls(window)
    check(not unnamed, "%s: focusable controls without a name: %s" % (what, unnamed))


def query_by_keys(d, dialog):
    """A field chosen from the list by keys lands in the query; Tab leaves the query."""
    S = d.atspi
    def focus_in(name):  # the control, or the part of it that has the focus
        focus = d.focused()
        return focus if focus is not None and focus.name == name else (
            focus.parent if focus is not None and focus.parent.name == name else None)
    for _ in range(4):
        if focus_in("Fields"):
            break
        d.keys("shift+Tab")
    check(focus_in("Fields"), "Shift+Tab to the fields: %s" % d.focused())
    d.keys("Home", "Return")
    query = focus_in("Query:")
    check(query is not None, "after Enter on a field: %s" % d.focused())
    text = query.queryText().getText(0, -1)
    check(text == "[Number plate] ", "the query: %r" % text)
    d.keys("Tab")
    check(d.focused() is not None and d.focused().getRole() == S.ROLE_CHECK_BOX, "Tab from the query: %s" % d.focused())
    check(query.queryText().getText(0, -1) == text, "Tab typed into the query")


def test(d):
    S = d.atspi
    d.start()
    d.listen("focus:", "object:state-changed:focused", "object:property-change:accessible-name", "object:property-change:accessible-description")
    main = d.window("Corvana")
    shared = sharing_plates()
    for plate in ("hk 55 evb",) + shared:
        d.type(plate)
        d.keys("Return")
    status = [e for e in d.take_events() if e[0] == "object:property-change:accessible-name" and e[1] == "label"]
    check(any(e[2] == "3 plates, 2 share a code, 0 repeats" for e in status), "status bar not told: %s" % status)
    expect_named(d, main, "main window")

    # The grid of the tab in front: a named table, its header row the column headers.
    tables = d.find_all(main, lambda a: a.getRole() == S.ROLE_TABLE and a.getState().contains(S.STATE_SHOWING))
    check(len(tables) == 1, "showing tables: %d" % len(tables))
    table = tables[0]
    check(table.name == "Wiegand 26-bit (SHA-1)", "the table's name: %r" % table.name)
    grid = table.queryTable()
    headers = [grid.getColumnHeader(c).name for c in range(grid.nColumns)]
    check(headers == ["Number plate", "Wiegand 26-bit (hex)", "Facility code", "ID number"], headers)

    def rows():
        return [[grid.getAccessibleAt(r, c).name for c in range(grid.nColumns)] for r in range(grid.nRows)]
    cells = rows()
    check(cells[0] == ["HK55EVB", "0x3019E2A", "128", "53013"], cells)
    check([row[0] for row in cells] == ["HK55EVB", shared[0], shared[1]], cells)
    check(cells[1][1] == cells[2][1], "the shared plates' codes: %s" % cells)
    description = grid.getAccessibleAt(1, 1).description
    check(description == "Shares the code %s with %s" % (cells[1][1], shared[1]), description)
    check(grid.getAccessibleAt(0, 1).description == "", "a code nobody shares has a description")

    # The current cell: focused, and followed by the arrow keys' focus events.
    def current():
        return [(r, c) for r in range(grid.nRows) for c in range(grid.nColumns)
                if grid.getAccessibleAt(r, c).getState().contains(S.STATE_FOCUSED)]
    d.take_events()
    d.keys("Tab", "Tab")
    focus = [e for e in d.take_events() if e[0] == "focus:"]
    check(focus and focus[-1][1:3] == ("table cell", shared[1]), "Tab into the grid: %s" % focus)
    check(current() == [(2, 0)], "current cell %s" % current())
    for key, cell in [("Up", (1, 0)), ("Right", (1, 1)), ("End", (1, 3)), ("ctrl+Home", (0, 0)), ("ctrl+End", (2, 3)),
                      ("Left", (2, 2))]:
        d.keys(key)
        check(current() == [cell], "%s: current cell %s, not %s" % (key, current(), cell))
        focus = [e for e in d.take_events() if e[0] == "focus:"]
        check(focus and focus[-1][2] == cells[cell[0]][cell[1]], "%s: focus events %s" % (key, focus))

    # A range selection, as the cells' states and the table say. (Shift with the
    # keys the keypad shares, Left and Right, reaches the program without Shift.)
    d.keys("shift+Up")
    selected = [(r, c) for r in range(grid.nRows) for c in range(grid.nColumns)
                if grid.getAccessibleAt(r, c).getState().contains(S.STATE_SELECTED)]
    check(selected == [(1, 2), (2, 2)], "selected %s" % selected)
    check(grid.nSelectedRows == 0 and grid.isSelected(1, 2), "the table's selection")

    # Sorting by keys: the current column, ascending, descending, then as entered.
    d.keys("ctrl+Home")
    for presses, first, last in [(1, None, "HK55EVB"), (2, "HK55EVB", None), (3, "HK55EVB", shared[1])]:
        d.keys("ctrl+shift+s")
        plates = [row[0] for row in rows()]
        check(sorted(plates) == sorted(cells[r][0] for r in range(3)), "sorted rows %s" % plates)
        check((first is None or plates[0] == first) and (last is None or plates[-1] == last)
              and (presses != 1 or plates[0] != "HK55EVB"), "Ctrl+Shift+S %d times: %s" % (presses, plates))

    # Rows a view hides are no rows of the table.
    choose(d, main, "Only plates that share a code")
    check([row[0] for row in rows()] == [shared[0], shared[1]], "shown rows %s" % rows())
    choose(d, main, "Only plates that share a code")
    check(grid.nRows == 3, "rows after showing all: %d" % grid.nRows)

    # The decoder: a named field whose result is told while the focus stays there.
    choose(d, main, "Decode code ...")
    decoder = d.window("Decode code")
    d.focus_window("Decode code")
    expect_named(d, decoder, "decoder")
    d.take_events()
    d.type("0x3019E2A")
    field = d.focused()
    check(field is not None and field.name == "Code read at the gate (26-bit or 64-bit):", "focus in %s" % field)
    told = [e for e in d.take_events() if e[0] == "object:property-change:accessible-description"]
    check(told and "Facility code: 128" in told[-1][4] + field.description, "decoder result not told: %s" % told)
    check("ID number: 53013" in field.description, field.description)
    d.keys("Escape")

    # The grid's dialogs, each opened by its key in the grid.
    d.focus_window("Corvana")
    for _ in range(4):
        if d.focused() is not None and d.focused().getRole() == S.ROLE_TABLE_CELL:
            break
        d.keys("Tab")
    for key, title in [("ctrl+q", "Query Builder"), ("F3", "Formule Editor"), ("ctrl+p", "Preview")]:
        d.keys(key)
        dialog = d.window(title)
        check(dialog.getRole() == S.ROLE_DIALOG, "%s is a %s" % (title, dialog.getRoleName()))
        expect_named(d, dialog, title)
        d.focus_window(title)
        if title == "Query Builder":
            query_by_keys(d, dialog)
        if title == "Preview":
            pages = d.find_all(dialog, lambda a: a.getRole() == S.ROLE_IMAGE and a.name == "Page preview")
            check(pages and pages[0].description == "Page 1 of 1", "the page: %s" % [p.description for p in pages])
        d.keys("Escape")
        d.pump(0.5)
        check(not dialog.getState().contains(S.STATE_SHOWING), "Esc leaves %s open" % title)
        d.focus_window("Corvana")

    # The import dialog, reached through the file dialog.
    with open(os.path.join(d.work, "owners.csv"), "w") as f:
        f.write("Kennzeichen;Halter\r\nHK 55 EVB;Lee\r\n")
    # By keys: the menu's action would wait on the file dialog it opens.
    d.keys("alt+f", "Down", "Down", "Return")
    d.pump(1)
    d.type(os.path.join(d.work, "owners.csv"))
    d.keys("Return")
    dialog = d.window("Import list")
    expect_named(d, dialog, "import dialog")


if __name__ == "__main__":
    run(test)
