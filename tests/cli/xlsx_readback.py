#!/usr/bin/python3
"""Reads a spreadsheet of vantor-cli back with openpyxl, a reader of its own,
and checks it against the CSV of the same run: the Hungarian headings, every
number stored as a number equal to the CSV's, one row per CSV row, the
header frozen and filtered, and the facts above the table.

Usage: xlsx_readback.py scan|jury FILE.xlsx FILE.csv VERSION
Prints what disagrees and exits with 1; silent and 0 when all agrees."""

import csv
import datetime
import sys

import openpyxl

SCAN_HEADINGS = {
    "energy_keV": "Áteresztett energia (keV)", "launched": "Kibocsátott", "detected": "Beütésszám",
    "pass_lower_keV": "E_min (keV)", "pass_upper_keV": "E_max (keV)",
    "pass_width_keV": "Energiaablak szélessége (keV)", "rate_per_keV": "Beütésszám/keV",
    "rate_error_per_keV": "Beütésszám/keV hibája", "source_intensity": "Forrás intenzitása",
    "source_scaled": "Forrás (illesztve)", "response_lower_keV": "Teljes energiaablak alsó széle (keV)",
    "response_upper_keV": "Teljes energiaablak felső széle (keV)", "expected_detected": "Várható beütésszám",
    "pull": "Eltérés (szórásban)", "unfolded_per_keV": "Visszafejtett/keV",
    "unfolded_error_per_keV": "Visszafejtett/keV hibája", "unfolded_lower_per_keV": "95%-os alsó határ/keV",
    "unfolded_upper_per_keV": "95%-os felső határ/keV", "true_per_keV": "Valódi/keV",
}

# The jury's columns whose words the window has, and the ones every reader needs.
JURY_HEADINGS = {
    "folder": "Mappa", "file": "Fájl", "status": "Állapot", "note": "Megjegyzés", "contestant": "Versenyző",
    "savedAt": "Mentve", "energyKeV": "Áteresztett energia (keV)", "fieldMicrotesla": "Mágneses indukció (µT)",
    "slitMm": "Blende (mm)", "setCount": "Beállított", "clearDetectorOnStart": "Indításkor töröl",
    "launched": "Kibocsátott", "detected": "Beütésszám", "measuringTime": "Mérés ideje", "running": "Mérés közben mentve",
    "passLowerKeV": "E_min (keV)", "passUpperKeV": "E_max (keV)",
    "passWidthKeV": "Energiaablak szélessége (keV)", "digest": "Ellenőrzőösszeg (SHA-256)",
}

# Texts that look like numbers but name something: a contestant's code "021".
NAMES = {"format", "program", "contestant", "source", "startSource", "digest"}

problems = []


def expect(condition, what):
    if not condition:
        problems.append(what)


def same_number(cell, text, where):
    if isinstance(cell, bool) or not isinstance(cell, (int, float)):
        problems.append(f"{where}: {cell!r} is no number (CSV {text})")
        return
    expect(cell == float(text), f"{where}: {cell!r} differs from the CSV's {text}")


def heading_lines(heading, width):
    """How many lines a heading wrapped between words takes in a column this wide."""
    lines, used = 1, 0
    for word in heading.split():
        if used and used + 1 + len(word) > width - 2:
            lines, used = lines + 1, len(word)
        else:
            used += (1 if used else 0) + len(word)
    return lines


def expect_headings_shown_whole(sheet, header_row):
    height = sheet.row_dimensions[header_row].height or 15
    for cell in sheet[header_row]:
        width = sheet.column_dimensions[cell.column_letter].width
        lines = heading_lines(cell.value, width)
        expect(height >= 15 * lines, f"{cell.value!r} takes {lines} lines, the header row is {height} pt high")


def table(sheet, first_heading):
    rows = list(sheet.iter_rows(values_only=True))
    for index, row in enumerate(rows):
        if row and row[0] == first_heading:
            facts = {r[0]: next((c for c in r[1:] if c is not None), None) for r in rows[:index] if r[0]}
            header_row = index + 1
            expect(sheet.freeze_panes == f"A{header_row + 1}", f"frozen at {sheet.freeze_panes}, not under the header")
            expect(sheet.auto_filter.ref is not None and sheet.auto_filter.ref.startswith(f"A{header_row}:"),
                   f"filter {sheet.auto_filter.ref} is not on the header row {header_row}")
            expect_headings_shown_whole(sheet, header_row)
            return facts, list(row), rows[index + 1:]
    sys.exit(f"no header row starting with {first_heading!r}")


def check_scan(sheet, lines, version):
    facts, header, body = table(sheet, "Áteresztett energia (keV)")
    names = lines[0]
    expect(names[-1] == "seed", "the CSV's last column is not the seed")
    expect(header[:len(names) - 1] == [SCAN_HEADINGS[name] for name in names[:-1]], f"headings {header}")
    expect(len(body) == len(lines) - 1, f"{len(body)} rows for {len(lines) - 1} CSV rows")
    for number, (line, row) in enumerate(zip(lines[1:], body), start=1):
        for column, text in enumerate(line[:-1]):
            where = f"row {number}, {names[column]}"
            if text == "":
                expect(row[column] is None, f"{where}: {row[column]!r} where the CSV is empty")
            else:
                same_number(row[column], text, where)
        same_number(facts.get("Kezdőpont (--seed)"), line[-1], "the seed")
    expect(facts.get("A Vantor változata") == version, f"program version {facts.get('A Vantor változata')!r}")
    expect("Forrás" in facts and "C-14" in str(facts["Forrás"]), f"source {facts.get('Forrás')!r}")


def check_jury(sheet, lines, version):
    facts, header, body = table(sheet, "Mappa")
    names = lines[0]
    expect(len(header) >= len(names) and all(isinstance(h, str) and h for h in header[:len(names)]),
           f"headings {header}")
    for column, name in enumerate(names):
        if name in JURY_HEADINGS:
            expect(header[column] == JURY_HEADINGS[name], f"{name} is headed {header[column]!r}")
        expect(header[column] != name, f"{name} is headed by its English name")
    expect(len(body) == len(lines) - 1, f"{len(body)} rows for {len(lines) - 1} pictures")
    for number, (line, row) in enumerate(zip(lines[1:], body), start=1):
        for column, text in enumerate(line):
            where = f"row {number}, {names[column]}"
            cell = row[column]
            if column < 4 or names[column] in NAMES:
                expect((cell or "") == text, f"{where}: {cell!r} is not the CSV's {text!r}")
            elif text in ("true", "false"):
                expect(cell == ("igen" if text == "true" else "nem"), f"{where}: {cell!r} is not the CSV's {text}")
            elif text == "":
                expect(cell is None, f"{where}: {cell!r} where the CSV is empty")
            elif names[column] == "savedAt":
                expect(cell == datetime.datetime.fromisoformat(text[:19]), f"{where}: {cell!r} for {text}")
            else:
                try:
                    float(text)
                except ValueError:
                    expect(cell == text, f"{where}: {cell!r} is not the CSV's {text!r}")
                    continue
                same_number(cell, text, where)
    expect(facts.get("Az ellenőrző program változata") == version, f"checker version {facts}")
    expect(isinstance(facts.get("Képek száma"), (int, float)), f"picture count {facts.get('Képek száma')!r}")


def main():
    kind, xlsx, csv_path, version = sys.argv[1:5]
    with open(csv_path, newline="", encoding="utf-8") as f:
        lines = list(csv.reader(f))
    book = openpyxl.load_workbook(xlsx)
    expect(len(book.worksheets) == 1, f"sheets {book.sheetnames}")
    (check_scan if kind == "scan" else check_jury)(book.worksheets[0], lines, version)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
