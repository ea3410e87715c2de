"""Checks the blocks of the authors' pages that a tool writes, against that tool.

Usage: check_generated.py [--update] PROGRAM PAGE...

A generated block stands between two comments:
    <!-- generated: ruvacard explain --table error -->
    ...what `ruvacard --lang LANG explain --table error` prints...
    <!-- end of generated block -->
A sample block, `<!-- generated sample: ruvacard check examples/broken_card.csv -->`, holds
the same output in a fenced block after the command line that an author types, run from
the folder that holds the pages' folder, so that paths read as they are written; its exit
status may be 0 or 1 (a check that finds errors).
LANG is ja for the pages under a folder named ja, en otherwise. Exit status 1, with the
file and line of each block that differs; --update writes the blocks anew instead.
"""
import difflib
import re
import subprocess
import sys
from pathlib import Path

BEGIN = re.compile(r"^<!-- generated(?P<sample> sample)?: ruvacard (?P<args>.+) -->$")
END = "<!-- end of generated block -->"


def generated(program, lang, args):
    done = subprocess.run([program, "--lang", lang, *args.split()], capture_output=True, check=True)
    return done.stdout.decode("utf-8").splitlines()


def sample(program, lang, args, root):
    done = subprocess.run([program, "--lang", lang, *args.split()], capture_output=True, cwd=root)
    if done.returncode not in (0, 1):
        raise subprocess.CalledProcessError(done.returncode, args, done.stdout, done.stderr)
    return ["```", f"$ ruvacard {args}", *done.stdout.decode("utf-8").splitlines(), "```"]


def main():
    args = sys.argv[1:]
    update = args[:1] == ["--update"]
    if update:
        args = args[1:]
    program, pages = args[0], [Path(p) for p in args[1:]]
    failed = False
    for page in pages:
        lang = "ja" if page.parent.name == "ja" else "en"
        lines = page.read_text(encoding="utf-8").splitlines()
        out, i, blocks = [], 0, 0
        while i < len(lines):
            out.append(lines[i])
            match = BEGIN.match(lines[i])
            i += 1
            if not match:
                continue
            blocks += 1
            start = i
            while i < len(lines) and lines[i] != END:
                i += 1
            if i == len(lines):
                print(f"{page}:{start}: generated block without its end")
                return 1
            root = page.resolve().parent.parent.parent if lang == "ja" else page.resolve().parent.parent
            want = (sample(program, lang, match["args"], root) if match["sample"]
                    else generated(program, lang, match["args"]))
            if lines[start:i] != want and not update:
                failed = True
                print(f"{page}:{start}: differs from ruvacard {match['args']} (--update writes it):")
                print("\n".join(difflib.unified_diff(lines[start:i], want, lineterm="")))
            out.extend(want)
        if blocks == 0:
            print(f"{page}: no generated block")
            failed = True
        if update:
            page.write_text("\n".join(out) + "\n", encoding="utf-8")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
