#!/usr/bin/python3
"""Writes an entry list as a spreadsheet program does (openpyxl): shared strings, numbers stored
as floats, a date in a day.month.year format, a formula, and the entries on the second sheet.

Usage: make-workbook.py OUT.xlsx
"""
import datetime
import sys

import openpyxl

if len(sys.argv) != 2 or sys.argv[1] in ("-h", "--help"):
    print(__doc__.strip())
    sys.exit(0 if len(sys.argv) == 2 else 2)

book = openpyxl.Workbook()
notes = book.active
notes.title = "Notes"
notes.append(["Entries close on Friday"])
entries = book.create_sheet("Ilmoittautuneet")
entries.append(["Sukunimi", "Etunimi", "Seura", "Jäsen-numero", "Syntynyt", "BBPR", "SBRL",
                "Vasenkätinen", "Sähköposti"])
entries.append(["Mäkelä", "Åsa", "HAUR", 12345.0, datetime.date(1990, 2, 1), "x", "Master",
                "kyllä", "asa@example.fi"])
entries.append(["Berg", "Britt", "SA", 777, datetime.date(1985, 12, 24), "", "A", "", None])
entries["E2"].number_format = "d.m.yyyy"
book.save(sys.argv[1])
