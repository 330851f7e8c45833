#!/usr/bin/python3
"""A screen reader's questions during random use: started by the sandbox on the
accessibility bus, it listens to what the program tells and asks about each
object as a reader does before it speaks: its name, role, states and
description; of a table cell its text, place and headers; of a table its size,
selection and the cells at its corners. Objects gone meanwhile are skipped. It
runs until the sandbox ends it."""

import random
import sys

import pyatspi

EVENTS = ("focus:", "window:", "object:state-changed", "object:property-change", "object:children-changed",
          "object:text-changed", "object:text-caret-moved", "object:active-descendant-changed",
          "object:selection-changed", "object:announcement")

rng = random.Random(7)


def read_cell(cell):
    cell.queryText().getText(0, -1)
    place = cell.queryTableCell()
    place.get_position()
    for header in place.columnHeaderCells + place.rowHeaderCells:
        header.name


def read_table(table):
    grid = table.queryTable()
    rows, columns = grid.nRows, grid.nColumns
    grid.nSelectedRows, grid.getSelectedColumns()
    for r, c in ((0, 0), (rows - 1, columns - 1), (rng.randrange(rows + 1) - 1, rng.randrange(columns + 1) - 1)):
        cell = grid.getAccessibleAt(r, c)  # a place outside the table answers nothing
        if cell is not None:
            cell.name, cell.getState()
    for c in range(min(columns, 8)):
        header = grid.getColumnHeader(c)
        if header is not None:
            header.name


def read(event):
    source = event.source
    if source is None:
        return
    try:
        source.name, source.description, source.getRoleName(), source.getState(), source.getIndexInParent()
        role = source.getRole()
        if role == pyatspi.ROLE_TABLE_CELL:
            read_cell(source)
            read_table(source.parent)
        elif role == pyatspi.ROLE_TABLE:
            read_table(source)
        if event.type.startswith("object:active-descendant-changed") and event.any_data is not None:
            event.any_data.name
    except Exception:
        pass  # gone meanwhile, or an interface the object does not have


def main():
    for kind in EVENTS:
        pyatspi.Registry.registerEventListener(read, kind)
    print("listening", flush=True)
    pyatspi.Registry.start()


if __name__ == "__main__":
    sys.exit(main())
