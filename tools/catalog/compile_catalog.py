#!/usr/bin/env python3
"""Compiles the program's catalog of texts, po/*.po, into C++ (and JSON).

Every language listed in po/LINGUAS must hold exactly the ids of the first
(the default) language, no empty text, the same {placeholders} and the same
number of '&' mnemonic marks; anything else stops the build with the file
and the id. A pseudo-language for tests is made from the default one: each
line of each text marked at both ends and made about 40 % longer, so a test
sees at once a text that does not come from the catalog or that is cut off.

Usage:
  compile_catalog.py PO_DIR --header messages.h --source catalog_table.cpp
                     [--json catalog.json]
  compile_catalog.py PO_DIR --check          (only the checks above)
"""
import argparse
import json
import math
import re
import sys
from pathlib import Path

PSEUDO_CODE = "x-pseudo"
# Marks that Windows-1251 can hold too, so a saved solution in the
# pseudo-language still saves.
PSEUDO_OPEN, PSEUDO_CLOSE, PSEUDO_FILL = "\u2039", "\u203a", "\u00b7"
PLACEHOLDER = re.compile(r"\{[a-z0-9_]+\}")
ESCAPES = {"n": "\n", "t": "\t", '"': '"', "\\": "\\"}


class CatalogError(Exception):
    pass


def unquote(literal, where):
    if len(literal) < 2 or literal[0] != '"' or literal[-1] != '"':
        raise CatalogError(f"{where}: expected a quoted string")
    body, text, i = literal[1:-1], [], 0
    while i < len(body):
        if body[i] == "\\":
            if i + 1 >= len(body) or body[i + 1] not in ESCAPES:
                raise CatalogError(f"{where}: unknown escape")
            text.append(ESCAPES[body[i + 1]])
            i += 2
        else:
            text.append(body[i])
            i += 1
    return "".join(text)


def read_po(path):
    """The (id, text) pairs of a PO file in their order, its header left out."""
    entries, field, current = [], None, {}

    def finish():
        if "msgid" in current:
            if current["msgid"]:
                entries.append((current["msgid"], current.get("msgstr", "")))
        current.clear()

    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        where = f"{path}:{number}"
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        keyword, _, rest = line.partition(" ")
        if keyword in ("msgid", "msgstr"):
            if keyword == "msgid":
                finish()
            field = keyword
            current[field] = unquote(rest.strip(), where)
        elif line.startswith('"') and field:
            current[field] += unquote(line, where)
        else:
            raise CatalogError(f"{where}: not a line of a PO file this catalog uses")
    finish()
    return entries


def check(default_code, default, code, entries, path):
    ids = [i for i, _ in entries]
    duplicates = {i for i in ids if ids.count(i) > 1}
    if duplicates:
        raise CatalogError(f"{path}: ids given twice: {', '.join(sorted(duplicates))}")
    texts = dict(entries)
    missing = [i for i in default if i not in texts]
    extra = [i for i in texts if i not in default]
    if missing or extra:
        raise CatalogError(f"{path}: missing ids {missing}, ids {default_code} lacks {extra}")
    for message_id, default_text in default.items():
        text = texts[message_id]
        if not text:
            raise CatalogError(f"{path}: {message_id} has no text")
        if sorted(PLACEHOLDER.findall(text)) != sorted(PLACEHOLDER.findall(default_text)):
            raise CatalogError(f"{path}: {message_id} has other placeholders than in {default_code}")
        if text.count("&") != default_text.count("&"):
            raise CatalogError(f"{path}: {message_id} has another number of '&' marks")


def pseudo(text):
    def line(part):
        if not part:
            return part
        return PSEUDO_OPEN + part + PSEUDO_FILL * math.ceil(len(part) * 0.4) + PSEUDO_CLOSE

    return "\n".join(line(part) for part in text.split("\n"))


def read_catalog(po_dir):
    codes = [
        line.strip()
        for line in (po_dir / "LINGUAS").read_text(encoding="utf-8").splitlines()
        if line.strip() and not line.startswith("#")
    ]
    if not codes:
        raise CatalogError(f"{po_dir / 'LINGUAS'}: no language")
    default = dict(read_po(po_dir / f"{codes[0]}.po"))
    check(codes[0], default, codes[0], list(default.items()), po_dir / f"{codes[0]}.po")
    languages = {codes[0]: default}
    for code in codes[1:]:
        entries = read_po(po_dir / f"{code}.po")
        check(codes[0], default, code, entries, po_dir / f"{code}.po")
        languages[code] = dict(entries)
    languages[PSEUDO_CODE] = {i: pseudo(t) for i, t in default.items()}
    return list(default), languages


def enumerator(name):
    """'solution.two_roots.answer' -> 'kSolutionTwoRootsAnswer'."""
    return "k" + "".join(part.capitalize() for part in re.split(r"[._-]", name))


def cpp_string(text):
    escaped = text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n")
    return f'"{escaped}"'


def write_header(path, ids, codes):
    lines = [
        "// Made by tools/catalog/compile_catalog.py from po/: do not edit.",
        "#pragma once",
        "",
        "#include <cstddef>",
        "#include <cstdint>",
        "",
        "namespace parabel {",
        "",
        "// Every text the program shows or saves, by its id in po/*.po.",
        "enum class Message : std::uint16_t {",
    ]
    lines += [f"    {enumerator(i)},  // {i}" for i in ids]
    lines += [
        "};",
        f"inline constexpr std::size_t kMessageCount = {len(ids)};",
        "",
        "// The languages of po/LINGUAS, the default first, then the pseudo-language",
        "// of the tests.",
        "enum class Language : std::uint8_t {",
    ]
    lines += [f"    {enumerator(c)},  // {c}" for c in codes]
    lines += [
        "};",
        f"inline constexpr std::size_t kLanguageCount = {len(codes)};",
        "",
        "}  // namespace parabel",
        "",
    ]
    path.write_text("\n".join(lines), encoding="utf-8")


def write_source(path, ids, languages):
    lines = [
        "// Made by tools/catalog/compile_catalog.py from po/: do not edit.",
        '#include "core/catalog_table.h"',
        "",
        "namespace parabel::catalog_table {",
        "",
        "const char* const kLanguageCodes[kLanguageCount] = {",
    ]
    lines += [f"    {cpp_string(code)}," for code in languages]
    lines += ["};", "", "const char* const kMessageIds[kMessageCount] = {"]
    lines += [f"    {cpp_string(i)}," for i in ids]
    lines += ["};", "", "const char* const kTexts[kLanguageCount][kMessageCount] = {"]
    for code, texts in languages.items():
        lines.append(f"    {{  // {code}")
        lines += [f"        {cpp_string(texts[i])}," for i in ids]
        lines.append("    },")
    lines += ["};", "", "}  // namespace parabel::catalog_table", ""]
    path.write_text("\n".join(lines), encoding="utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("po_dir", type=Path)
    parser.add_argument("--header", type=Path)
    parser.add_argument("--source", type=Path)
    parser.add_argument("--json", type=Path)
    parser.add_argument("--check", action="store_true")
    arguments = parser.parse_args()
    try:
        ids, languages = read_catalog(arguments.po_dir)
    except (CatalogError, OSError, UnicodeDecodeError) as error:
        print(f"compile_catalog: {error}", file=sys.stderr)
        return 1
    if arguments.header:
        write_header(arguments.header, ids, list(languages))
    if arguments.source:
        write_source(arguments.source, ids, languages)
    if arguments.json:
        arguments.json.write_text(json.dumps(languages, ensure_ascii=False), encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())
