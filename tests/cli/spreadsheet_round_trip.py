#!/usr/bin/python3
"""An installer's vehicle list through a real spreadsheet program and back.

    spreadsheet_round_trip.py PATH-TO-corvana-cli

A 2,026-row list (owners with umlauts, commas, quotes and line breaks; plates
such as 007, 0815 and 00001 typed as text; blank rows; a total row) is made
into an .xlsx and an .ods by LibreOffice. corvana-cli reads both with 0 wrong
codes and every other column intact, and reports the total row. Its workbook,
opened by LibreOffice, shows every cell as the result file has it; its CSV,
opened by LibreOffice's text import splitting at tabs, commas and semicolons
alike, has no shifted column. Needs LibreOffice (soffice) and openpyxl.
"""

import csv
import io
import os
import random
import shutil
import subprocess
import sys
import tempfile

import openpyxl

ROWS = 2026
CLI = sys.argv[1]


def vehicle_list():
    """The list as a spreadsheet user types it: a header, vehicles, blank rows, a total."""
    rnd = random.Random(20261209)
    owners = ["M\u00fcller, Hans", "O'Brien", 'Firma "Nord" GmbH', "\u00c9milie Durand", "Lee",
              "Line\nbreak", "Stra\u00dfenbau; Tiefbau", "  Spaces  ", "Gr\u00f6\u00dfe\tTab"]
    rows = [["Nr.", "Kennzeichen", "Halter", "Abteilung", "Karte"]]
    specials = ["007", "0815", "00001", "hk 55 evb", "M-AB 1234", "\u00d6L 123"]
    i = 0
    while len(rows) < ROWS - 1:
        i += 1
        plate = specials[i % len(specials)] if i < 60 else "%s-%s %d" % (
            rnd.choice(["B", "M", "HH", "K\u00dcN"]), "".join(rnd.choice("ABCDEFGH") for _ in range(2)), rnd.randint(1, 9999))
        rows.append([str(i), plate, rnd.choice(owners), rnd.choice(["IT", "Vertrieb", "Lager, Nord"]), "%05d" % i])
        if i % 97 == 0:
            rows.append(["", "", "", "", ""])
    rows.append(["Total", str(len(rows) - 1), "", "", ""])
    return rows


def soffice(profile, *args):
    env = dict(os.environ, HOME=profile)
    subprocess.run(["soffice", "--headless", "--norestore", "-env:UserInstallation=file://" + profile + "/lo", *args],
                   check=True, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=240)


def cli(*args):
    run = subprocess.run([CLI, *args], capture_output=True, timeout=120)
    return run.returncode, run.stdout.decode("utf-8"), run.stderr.decode("utf-8")


def csv_rows(text):
    return list(csv.reader(io.StringIO(text.lstrip("\ufeff"), newline="")))


def check(condition, message):
    if not condition:
        print("FAILED: " + message)
        sys.exit(1)


def main():
    work = tempfile.mkdtemp(prefix="corvana-spreadsheet-")
    try:
        rows = vehicle_list()
        source = os.path.join(work, "vehicles.csv")
        with open(source, "w", encoding="utf-8", newline="") as f:
            csv.writer(f).writerows(rows)
        # Every column typed as text (2), as a user keeps 007 and 00001 in a sheet.
        text_columns = "/".join("%d/2" % c for c in range(1, 6))
        for kind in ("xlsx", "ods"):
            soffice(work, "--infilter=CSV:44,34,76,1," + text_columns, "--convert-to", kind, "--outdir", work, source)

        status, expected, _ = cli("--input", "csv", "--header", "--all-columns", source)
        check(status == 0, "the CSV list reads")
        for kind in ("xlsx", "ods"):
            book = os.path.join(work, "vehicles." + kind)
            status, out, err = cli("--input", kind, "--header", "--all-columns", book)
            check(status == 0, kind + " reads: " + err)
            # The CSV list's total row is "Total" too; only the sheet numbers rows.
            check(out == expected, kind + ": every code and every other column as from the CSV list")
            check(": row %d: the last record reads as a total row (\"Total\")" % (len(rows)) in err, kind + ": " + err)
        accepted = sum(1 for r in rows[1:-1] if r[1])
        check(expected.count("\r\n") == accepted + 1, "each vehicle is one row")

        # Corvana's workbook in the spreadsheet: each cell shown as the result file has it.
        ours = os.path.join(work, "cards.xlsx")
        status, _, err = cli("--input", "csv", "--header", "--all-columns", "--format", "xlsx", "-o", ours, source)
        check(status == 0, "the workbook is written: " + err)
        shown = os.path.join(work, "shown")
        os.mkdir(shown)
        soffice(work, "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,true,true,true", "--outdir", shown, ours)
        with open(os.path.join(shown, "cards.csv"), encoding="utf-8", newline="") as f:
            spreadsheet = list(csv.reader(f))
        _, semicolon, _ = cli("--input", "csv", "--header", "--all-columns", "--format", "csv", source)
        check(spreadsheet == csv_rows(semicolon), "the spreadsheet shows every cell of the workbook as written")

        # Corvana's CSV through the spreadsheet's text import: no column shifted.
        codes = os.path.join(work, "codes.csv")
        status, _, _ = cli("--input", "csv", "--header", "--all-columns", "--format", "csv", "-o", codes, source)
        imported = os.path.join(work, "imported")
        os.mkdir(imported)
        soffice(work, "--infilter=CSV:9/44/59,34,76,1", "--convert-to", "xlsx", "--outdir", imported, codes)
        sheet = openpyxl.load_workbook(os.path.join(imported, "codes.xlsx")).active
        written = csv_rows(open(codes, encoding="utf-8-sig", newline="").read())
        read = [[("" if c is None else str(c)) for c in row] for row in sheet.iter_rows(values_only=True)]
        check(len(read) == len(written), "one spreadsheet row per CSV line")
        width = len(written[0])
        for line, (got, want) in enumerate(zip(read, written), 1):
            check(len(got) == width, "line %d: %d columns, not %d: %r" % (line, len(got), width, got))
            # Every field arrives whole, but for numbers, which CSV cannot mark as
            # text (00001 becomes 1): hand a spreadsheet the workbook.
            for g, w in zip(got, want):
                check(g == w or w.isdigit(), "line %d: %r is not %r" % (line, g, w))
        print("spreadsheet round trip: %d rows, 0 wrong codes, no shifted column" % len(rows))
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
