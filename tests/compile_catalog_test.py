#!/usr/bin/env python3
"""The catalog compiler's checks: a small catalog (Russian the default,
English the second language) spoiled one way per row must be refused with the
file and the id named, and the unspoiled one compiled.

    compile_catalog_test.py PATH-TO-compile_catalog.py"""

import subprocess
import sys
import tempfile
from pathlib import Path

HEADER = 'msgid ""\nmsgstr ""\n"Content-Type: text/plain; charset=UTF-8\\n"\n\n'
RUSSIAN = {
    "menu.file": "&Файл",
    "error.too_long": "Уравнение длиннее {max} знаков",
    "solution.title": "Решение",
}
ENGLISH = {
    "menu.file": "&File",
    "error.too_long": "An equation longer than {max} characters",
    "solution.title": "Solution",
}


def po_text(entries):
    return HEADER + "".join(f'msgid "{i}"\nmsgstr "{t}"\n\n' for i, t in entries)


def changed(**texts):
    """English with some texts replaced; None leaves an id out."""
    merged = {**ENGLISH, **texts}
    return [(i, t) for i, t in merged.items() if t is not None]


# what is wrong | the English entries | what the refusal names (None: accepted)
ROWS = [
    ("nothing", changed(), None),
    ("a missing id", changed(**{"solution.title": None}), "missing ids ['solution.title']"),
    ("an id Russian lacks", changed(**{"solution.steps": "Steps"}), "lacks ['solution.steps']"),
    ("an id given twice", changed() + [("menu.file", "&File")], "ids given twice: menu.file"),
    ("an empty text", changed(**{"solution.title": ""}), "solution.title has no text"),
    ("another placeholder", changed(**{"error.too_long": "Longer than {count}"}),
     "error.too_long has other placeholders"),
    ("a placeholder left out", changed(**{"error.too_long": "Too long"}),
     "error.too_long has other placeholders"),
    ("no '&' mark", changed(**{"menu.file": "File"}), "menu.file has another number of '&'"),
    ("two '&' marks", changed(**{"menu.file": "&Fi&le"}), "menu.file has another number of '&'"),
    ("an unknown escape", changed(**{"solution.title": "So\\qlution"}), "unknown escape"),
]


def main():
    compiler = sys.argv[1]
    failures = 0
    with tempfile.TemporaryDirectory() as folder:
        po = Path(folder)
        (po / "LINGUAS").write_text("ru\nen\n", encoding="utf-8")
        (po / "ru.po").write_text(po_text(RUSSIAN.items()), encoding="utf-8")
        for what, entries, refusal in ROWS:
            (po / "en.po").write_text(po_text(entries), encoding="utf-8")
            result = subprocess.run(
                [sys.executable, compiler, str(po), "--check"], capture_output=True, text=True)
            if refusal is None:
                wrong = result.returncode != 0 and f"refused: {result.stderr.strip()}"
            else:
                wrong = (result.returncode == 0 and "accepted") or (
                    refusal not in result.stderr or "en.po" not in result.stderr) and (
                    f"refused without naming en.po and {refusal!r}: {result.stderr.strip()}")
            if wrong:
                print(f"{what}: {wrong}")
                failures += 1
    if failures:
        sys.exit(f"{failures} of {len(ROWS)} rows failed")
    print(f"the compiler refuses every spoiled catalog ({len(ROWS)} rows)")


if __name__ == "__main__":
    main()
