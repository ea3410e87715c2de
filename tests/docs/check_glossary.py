"""Checks that the Japanese texts use the glossary's terms, not the words it rules out.

Usage: check_glossary.py GLOSSARY PATH...

GLOSSARY is the Japanese glossary page: a table whose first column is the term and whose
last column lists, separated by 、, the words that stand for the same thing and are not
to be used. Each PATH is a file or a folder; folders are searched for .md, .cpp, .h and
.html files, the glossary itself left out. Exit status 1, with the file, line and both
words of every use of a ruled-out word.
"""
import re
import sys
from pathlib import Path

SUFFIXES = {".md", ".cpp", ".h", ".html"}


def ruled_out(glossary):
    words = {}
    for line in glossary.read_text(encoding="utf-8").splitlines():
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        if len(cells) < 4 or not line.startswith("|") or set(cells[0]) <= set("-"):
            continue
        for word in filter(None, re.split(r"[、,]\s*", cells[-1])):
            words[word] = cells[0]
    words.pop("使わない言い方", None)
    return words


def files(paths, glossary):
    for path in map(Path, paths):
        found = sorted(path.rglob("*")) if path.is_dir() else [path]
        for f in found:
            if f.is_file() and f.suffix in SUFFIXES and f.resolve() != glossary.resolve():
                yield f


def main():
    glossary, paths = Path(sys.argv[1]), sys.argv[2:]
    words = ruled_out(glossary)
    if not words:
        print(f"{glossary}: no ruled-out words found")
        return 1
    failed = False
    for f in files(paths, glossary):
        for number, line in enumerate(f.read_text(encoding="utf-8").splitlines(), 1):
            for word, term in words.items():
                if word in line:
                    failed = True
                    print(f"{f}:{number}: {word} (the glossary's term is {term})")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
