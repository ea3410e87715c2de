"""Checks that a translated edition of the authors' pages keeps the English structure.

Usage: check_translation.py ENGLISH_DIR TRANSLATED_DIR PAGE...

Words are free; the skeleton is not. For each page the headings (level, in order), the
tables (columns and body rows) and the fenced blocks (exact content) of both editions are
lined up, and every element of one edition without a counterpart in the other is named
with its file and line. Exit status 1 when anything is missing or different.
"""
import difflib
import re
import sys
from pathlib import Path


class Element:
    def __init__(self, line, key, label):
        self.line, self.key, self.label = line, key, label


def table_cells(row):
    # A pipe inside a code span is text, not a column border.
    row = re.sub(r"`[^`]*`", "x", row.strip())
    return row.strip("|").split("|")


def elements(path):
    lines = path.read_text(encoding="utf-8").splitlines()
    found, heading, i = [], "(top)", 0
    while i < len(lines):
        line = lines[i]
        # A sample that a tool writes is in each edition's language: the command is the
        # skeleton, not the output.
        if line.startswith("<!-- generated sample: "):
            end = i + 1
            while end < len(lines) and not lines[end].startswith("<!-- end of generated block"):
                end += 1
            found.append(Element(i + 1, ("sample", line), f'sample "{line}" under "{heading}"'))
            i = end + 1
            continue
        if line.startswith("```"):
            end = i + 1
            while end < len(lines) and not lines[end].startswith("```"):
                end += 1
            body = "\n".join(lines[i + 1:end])
            first = body.split("\n", 1)[0].strip()
            found.append(Element(i + 1, ("block", line.strip(), body),
                                 f'fenced block under "{heading}" starting "{first}"'))
            i = end + 1
            continue
        match = re.match(r"(#{1,6}) \S", line)
        if match:
            heading = line.strip()
            found.append(Element(i + 1, ("heading", len(match.group(1))),
                                 f'heading "{heading}" (level {len(match.group(1))})'))
        elif line.startswith("|"):
            end = i
            while end < len(lines) and lines[end].startswith("|"):
                end += 1
            columns, rows = len(table_cells(line)), end - i - 2
            found.append(Element(i + 1, ("table", columns, rows),
                                 f'table under "{heading}" with {columns} columns and '
                                 f'{rows} rows, header "{line.strip()}"'))
            i = end
            continue
        i += 1
    return found


def compare(english, translated):
    ours, theirs = elements(english), elements(translated)
    matcher = difflib.SequenceMatcher(None, [e.key for e in ours], [e.key for e in theirs],
                                      autojunk=False)
    remarks = []
    for tag, a0, a1, b0, b1 in matcher.get_opcodes():
        if tag == "equal":
            continue
        for e in ours[a0:a1]:
            remarks.append(f"{english}:{e.line}: {e.label} has no counterpart in {translated}")
        for e in theirs[b0:b1]:
            remarks.append(f"{translated}:{e.line}: {e.label} has no counterpart in {english}")
    return remarks


def main(english_dir, translated_dir, *pages):
    remarks = []
    for page in pages:
        english, translated = Path(english_dir, page), Path(translated_dir, page)
        if not translated.is_file():
            remarks.append(f"{translated}: missing: {english} has no translated edition")
        else:
            remarks += compare(english, translated)
    print("\n".join(remarks) if remarks else f"{len(pages)} pages match in structure")
    return 1 if remarks else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
