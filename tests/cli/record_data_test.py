#!/usr/bin/env python3
"""velnorit-liste --format csv and --format json: Python's own csv and json
modules read them, and they carry the numbers of the text list, record for
record, also far beyond 10000 and with --kettenbruch.

Usage: record_data_test.py PATH-TO-velnorit-liste"""
import csv
import io
import json
import re
import subprocess
import sys

LISTE = sys.argv[1]
RECORD_LINE = re.compile(r"^  ([<>])\s?(-?\d+)/ (\d+)      (?: 1/ (\d+))?   \s?(-?\d+)( \*)?( [NZ])?$")


def run(*arguments):
    result = subprocess.run([LISTE, *arguments], capture_output=True, check=True)
    return result.stdout.decode("utf-8")


def text_records(arguments):
    """(side, p, n, m, k, star, kind) from the text list with --kettenbruch."""
    text = run("--kettenbruch", *arguments)
    records = []
    for line in text[text.index("  Folge"):].split("\n"):
        match = RECORD_LINE.match(line)
        if match:
            side, p, n, m, k, star, kind = match.groups()
            records.append(("unten" if side == ">" else "oben", p, n, m or "", k, "*" if star else "", kind.strip()))
        else:
            assert not line.startswith("  <") and not line.startswith("  >"), line
    return records


def check(arguments):
    expected = text_records(arguments)
    assert len(expected) >= 2, arguments

    raw_csv = run("--format", "csv", *arguments)
    assert raw_csv.endswith("\r\n") and "\n" not in raw_csv.replace("\r\n", ""), "RFC 4180 line breaks"
    rows = list(csv.reader(io.StringIO(raw_csv, newline="")))
    assert rows[0] == ["Seite", "Zähler", "Nenner", "m", "k", "Verbesserung", "Art"], rows[0]
    assert [tuple(row) for row in rows[1:]] == expected, (arguments, rows[1:4], expected[:3])

    for kettenbruch in ([], ["--kettenbruch"]):
        document = json.loads(run("--format", "json", *kettenbruch, *arguments))
        found = [(r["seite"], r["zaehler"], r["nenner"], r["m"] or "", r["k"], "*" if r["verbesserung"] else "",
                  r["art"]) for r in document["rekorde"]]
        assert found == expected, arguments
        assert ("kettenbruch" in document) == bool(kettenbruch)
    return document


def main():
    targets = [["61", "0", "1", "+"], ["5", "0", "2", "+"], ["2", "5", "1", "-"], ["4", "0", "1", "+"],
               ["97", "1", "97", "+"]]
    for target in targets:
        for limit in ([], ["--bis", "7"], ["--bis", "1000000000000"], ["--bis", "1" + "0" * 100]):
            document = check(limit + target)

    # The last document: 97 1 97 + up to 10^100, with the continued fraction.
    assert document["ziel"] == {"wurzel": 97, "abs": 1, "nenner": 97, "vorzeichen": 1}
    assert document["bisNenner"] == "1" + "0" * 100
    fraction = document["kettenbruch"]
    assert fraction["periodeAb"] == 2 and len(fraction["glieder"]) == 2 + 751
    x, y = int(fraction["pell"]["plusEins"]["x"]), int(fraction["pell"]["plusEins"]["y"])
    assert x * x - 97 * y * y == 1
    for convergent in fraction["naeherungsbrueche"]:
        assert int(convergent["nenner"]) <= 10**100

    # The JSON numbers of --kettenbruch agree with the text's Pell line.
    text = run("--kettenbruch", "--bis", "1000", "61", "0", "1")
    pell = json.loads(run("--format", "json", "--kettenbruch", "61", "0", "1"))["kettenbruch"]["pell"]
    line = "x = {x}, y = {y}".format(**pell["plusEins"])
    assert line in text and line == "x = 1766319049, y = 226153980", line
    print("ok")


main()
