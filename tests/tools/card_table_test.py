"""ruvacard export and import.

Usage: card_table_test.py RUVACARD SOURCE_DIR WORK

Every card of the examples and the tests goes out as a table and comes back byte for
byte (cards that are no Shift_JIS text are refused, as named); an export reads as
Python's csv module reads a spreadsheet's CSV; a table as a spreadsheet saves it (tab
separated, no byte order mark, columns in another order, Japanese header names, an
extra column) gives the card; text that Shift_JIS lacks, and files that cannot be read
or written, give an error and no card.
"""
import csv
import shutil
import subprocess
import sys
from pathlib import Path

REFUSED = {"utf8_card.csv", "byte_order_mark.csv"}
failures = []


def run(program, *args):
    done = subprocess.run([program, "--lang", "en", *map(str, args)], capture_output=True)
    return done.returncode, done.stdout, done.stderr.decode("utf-8")


def round_trips(program, source, work):
    cards = sorted(p for folder in ("examples", "tests", "fuzz") for p in (source / folder).rglob("*.csv")
                   if p.is_file() and "build" not in p.parts)
    refused = set()
    for card in cards:
        table, back = work / "table.csv", work / "back.csv"
        status, _, err = run(program, "export", card, "-o", table)
        if status == 1 and "not Shift_JIS text" in err:
            refused.add(card.name)
            continue
        status, _, err = run(program, "import", table, "-o", back)
        if not back.exists() or back.read_bytes() != card.read_bytes():
            failures.append(f"{card}: does not come back from its table ({err.strip()})")
        back.unlink(missing_ok=True)
    if refused != REFUSED:
        failures.append(f"export refused {sorted(refused)}, not {sorted(REFUSED)}")
    if len(cards) < 60:
        failures.append(f"only {len(cards)} cards found")


def reads_as_csv(program, card, work):
    table = work / "spreadsheet.csv"
    run(program, "export", card, "-o", table)
    with open(table, encoding="utf-8-sig", newline="") as f:
        rows = list(csv.reader(f))
    header = rows[0]
    lines = card.read_bytes().decode("cp932").splitlines()
    if len(rows) != len(lines) + 1 or len(set(header)) != len(header):
        failures.append(f"{table}: {len(rows)} rows for {len(lines)} card lines, header {header}")
    for line, row in zip(lines, rows[1:]):
        fields = line.split(",")
        cell = lambda name: row[header.index(name)] if header.index(name) < len(row) else ""
        if len(row) > len(header):
            failures.append(f"{table}: a row longer than the header: {row}")
        where = {"7": [("stop name", 2), ("first time", 3), ("km post", 8), ("stop code", 20)],
                 "3": [("train number", 1)], "0": [("card name", 1)]}.get(fields[0], [])
        for name, column in where:
            if cell(name) != fields[column]:
                failures.append(f"{table}: {name} holds {cell(name)!r}, the card {fields[column]!r}")
        if cell("row type") != fields[0]:
            failures.append(f"{table}: row type {cell('row type')!r} for {line!r}")


def spreadsheet_table(program, work):
    # Japanese names, another order, tabs, no byte order mark, CR LF, an extra column.
    rows = [["駅名", "行種別", "時刻 1（着時刻）", "memo", "列車番号", "カード名"],
            ["", "0", "", "", "", "青葉台発南台行"],
            ["", "3", "", "", "回1234A", ""],
            ["青葉台", "7", "082800", "first", "", ""]]
    table = work / "drafted.tsv"
    table.write_bytes("".join("\t".join(row) + "\r\n" for row in rows).encode("utf-8"))
    card = work / "drafted.csv"
    status, out, err = run(program, "import", table, "-o", card)
    want = ("0,青葉台発南台行\r\n3,回1234A\r\n7,,青葉台,082800" + "," * 18 + "\r\n").encode("cp932")
    if not card.exists() or card.read_bytes() != want:
        failures.append(f"the drafted table gives {card.read_bytes() if card.exists() else None!r}")
    if "drafted.tsv:1:4: \"memo\" is no column of a card" not in err:
        failures.append(f"the extra column is not reported: {err!r}")
    # Checked as check does: the row lacks its running time.
    if status != 1 or "drafted.csv:3:1: error: not an integer" not in out.decode():
        failures.append(f"the drafted card checks with exit {status}: {out.decode()}")


def bad_input(program, work):
    table = work / "emoji.csv"
    table.write_text("\ufeffrow type,stop name\r\n7,青葉台\r\n7,駅\U0001F600\r\n", encoding="utf-8")
    card = work / "emoji_card.csv"
    status, _, err = run(program, "import", table, "-o", card)
    if status != 1 or card.exists() or "emoji.csv:3:2: the character \U0001F600 (U+1F600) in column \"stop name\"" not in err:
        failures.append(f"text without Shift_JIS: exit {status}, {err!r}")
    status, _, err = run(program, "import", table, "-o", work / "no" / "folder.csv")
    if status != 1:
        failures.append(f"an import with an emoji still wrote: exit {status}")
    good = work / "good.csv"
    good.write_bytes("0,駅\r\n".encode("cp932"))
    status, _, err = run(program, "export", good, "-o", work / "no" / "folder.csv")
    if status != 2 or "cannot write it" not in err:
        failures.append(f"an unwritable table: exit {status}, {err!r}")
    status, _, err = run(program, "export", work / "missing.csv")
    if status != 2 or "cannot read" not in err:
        failures.append(f"an unreadable card: exit {status}, {err!r}")
    leftovers = [p.name for p in work.iterdir() if p.name.startswith(".")]
    if leftovers:
        failures.append(f"files left behind: {leftovers}")


def main():
    program, source, work = sys.argv[1], Path(sys.argv[2]), Path(sys.argv[3])
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    round_trips(program, source, work)
    reads_as_csv(program, source / "examples" / "vehicle" / "rapid" / "1002345S.csv", work)
    spreadsheet_table(program, work)
    bad_input(program, work)
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
