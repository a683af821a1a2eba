#!/usr/bin/env python3
"""Writes the hand-made match file sets of the tests, byte by byte from the record layout.

kevat.*  a current-layout set: three competitor slots (slot 2 removed, with old text left in
         its name bytes), 100 team slots, a 17-line match file.
vanha.*  the same records with a 16-line match file of the old version.
Run it from this folder; the files are committed, so the tests do not need Python.
"""
import struct

LAJIT = ["BBPR", "BBPC", "BBPP", "BBPS", "BBPU", "SBPR", "SBPC", "SBPP", "SBPS", "SBPU",
         "FPP", "FPPAS", "BBRS", "BBRH", "SBRS", "SBRL"]
HAS_CALIBER = [True] * 5 + [False] * 5 + [True] * 4 + [False] * 2


def short_string(text, size, old=b""):
    """string[size]: length byte, then size bytes; old text stays in the bytes after the text."""
    raw = text.encode("cp1252")
    tail = (raw + old[len(raw):]).ljust(size, b"\0")[:size]
    return bytes([len(raw)]) + tail


def competitor(numero, nimi="", seura="", maa="", old_name=b"", entries=(), classes=None,
               equipment=None, hits=None, finals=None, aggr=(1, 0, 1, 0)):
    classes = classes or {}
    equipment = equipment or {}
    hits = hits or {}
    finals = finals or {}
    rec = bytearray()
    rec += struct.pack("<i", numero)
    rec += short_string(nimi, 25, old_name)
    rec += short_string(seura, 10)
    rec += short_string(maa, 3)
    rec += bytes(1 if laji in entries else 0 for laji in LAJIT)
    for laji in LAJIT:
        rec += short_string(classes.get(laji, "Int"), 6)
    for d, laji in enumerate(LAJIT):
        ase, malli, kal = equipment.get(laji, ("", "", ""))
        rec += short_string(ase, 10) + short_string(malli, 10)
        if HAS_CALIBER[d]:
            rec += short_string(kal, 10)
    sijoitus = [0] * 16
    per_target = [[0] * 16 for _ in range(4)]
    totals = [0] * 16
    for laji, four in hits.items():
        d = LAJIT.index(laji)
        for t in range(4):
            per_target[t][d] = four[t]
        totals[d] = sum(four)
    rec += struct.pack("<16i", *sijoitus)
    for t in range(4):
        rec += struct.pack("<16i", *per_target[t])
    rec += struct.pack("<16i", *totals)
    for n in range(5):
        for laji in LAJIT:
            rec += short_string(finals.get((n, laji), ""), 2)
    rec += bytes(aggr)
    assert len(rec) == 1252, len(rec)
    return bytes(rec)


def team(nimi="", laji="", members=("", "", ""), unused=0, varattu=(0, 0, 0, 0, 0)):
    rec = struct.pack("<i", 0) + short_string(nimi, 10) + short_string(laji, 5)
    for m in members:
        rec += short_string(m, 25)
    rec += bytes([unused]) + struct.pack("<5i", *varattu)
    assert len(rec) == 120
    return rec


def text_file(lines):
    return b"".join(line.encode("cp1252") + b"\r\n" for line in lines)


results = (
    competitor(1, "Virtanen Matti", "HAS", "FIN", entries=("BBPR", "SBRS"),
               classes={"SBRS": "Eiluok"},
               equipment={"BBPR": ("Ruger", "Blackhawk", ".357 Mag")},
               hits={"BBPR": (10, 9, 8, 7), "SBRS": (9, 8, 7, 6)},
               finals={(0, "BBPR"): "3", (1, "BBPR"): "2"})
    + competitor(2, "", "", "", old_name=b"Poistettu Pekka", classes={"BBPC": "A"},
                 hits={"BBPC": (5, 5, 5, 5)}, aggr=(0, 0, 0, 0))
    + competitor(4, "Äijälä Åke", "Ähtäri", "FIN", old_name=b"Aijala Ake Kustaa",
                 entries=("BBPC", "FPP"), classes={"BBPC": "B", "FPP": "Master"},
                 hits={"BBPC": (7, 6, 5, 4), "FPP": (10, 10, 10, 9)}, aggr=(0, 1, 1, 0))
)
teams = (
    team("Hukat BBP", "BBP", ("Virtanen Matti", "Äijälä Åke", ""), unused=0x5A,
         varattu=(1, -2, 3, 0x7FFFFFFF, -0x80000000))
    + team("", "", ("", "", ""))
    + team("Stand S", "Stand", ("Äijälä Åke", "Virtanen Matti", "Nobody"))
    + b"".join(team() for _ in range(97))
)
summary = ["Club: Hämeenlinnan Ampujat", "Place: Parola", "Date: 1.6.2026 - 2.6.2026",
           "Match Director: Aho Ari", "Kilpailut ovat ennätyskelpoiset "]
match = ["Hämeenlinnan Ampujat", "Parola", "1.6.2026", "2.6.2026", "Aho Ari", "SM", "4",
         "TRUE", "FALSE", "TRUE", "FALSE", "TRUE", "60", "40", "40", "40", "80"]
old_match = ["Hämeenlinnan Ampujat", "Parola", "1.-2.6.1998", "Aho Ari", "Kans.", "4",
             "TRUE", "FALSE", "TRUE", "FALSE", "TRUE", "60", "40", "40", "40", "80"]

for base, lines in (("kevat", match), ("vanha", old_match)):
    with open(base + ".mrv", "wb") as f:
        f.write(text_file(summary))
    with open(base + ".dat", "wb") as f:
        f.write(text_file(lines))
    with open(base + "Tulokset.dat", "wb") as f:
        f.write(results)
    with open(base + "Joukkueet.dat", "wb") as f:
        f.write(teams)
