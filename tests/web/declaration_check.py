#!/usr/bin/python3
"""The page's binding against the surface declared for the type checker:
every name web/bindings.cpp binds (its free functions and constants, and the
methods of its Page class) is declared in web/types/parabel.d.ts (interfaces
Native and Page), and nothing is declared there that the binding does not
bind, so a method renamed, added or dropped on one side fails here rather
than in a user's browser. Usage:
    tests/web/declaration_check.py [BINDINGS_CPP] [DECLARATION_D_TS]
"""
import re
import sys

# What embind adds on its own, which the declaration names for the checker.
IMPLICIT = {"Native": {"Page"}, "Page": {"delete"}}


def bound_names(source):
    """The names a binding source registers: (module names, Page methods)."""
    source = re.sub(r"//[^\n]*", "", source)
    page_start = source.find('class_<Page>("Page")')
    if page_start < 0:
        raise SystemExit("declaration_check: no Page class in the binding")
    module_part, page_part = source[:page_start], source[page_start:]
    module = set(re.findall(r'\b(?:function|constant)\(\s*"(\w+)"', module_part))
    page = set(re.findall(r'\.function\(\s*"(\w+)"', page_part))
    return module, page


def declared_names(declaration, interface):
    """The member names of one interface of a declaration file."""
    declaration = re.sub(r"/\*.*?\*/|//[^\n]*", "", declaration, flags=re.S)
    match = re.search(r"\binterface\s+" + interface + r"\s*\{", declaration)
    if not match:
        raise SystemExit(f"declaration_check: no interface {interface} declared")
    depth, body_start = 1, match.end()
    position = body_start
    while depth:
        depth += {"{": 1, "}": -1}.get(declaration[position], 0)
        position += 1
    body = declaration[body_start:position - 1]
    # Members at the top level of the body only, not those of nested types.
    top_level, depth = [], 0
    for character in body:
        depth += {"{": 1, "(": 1, "}": -1, ")": -1}.get(character, 0)
        top_level.append(character if depth == 0 or character in "{(" else " ")
    return set(re.findall(r"(?:^|[;\n])\s*(?:readonly\s+)?(\w+)\s*[(:]", "".join(top_level)))


def differences(kind, bound, declared):
    lines = [f"{kind}: bound but not declared: {name}" for name in sorted(bound - declared)]
    lines += [f"{kind}: declared but not bound: {name}" for name in sorted(declared - bound)]
    return lines


def main(arguments):
    bindings = arguments[0] if arguments else "web/bindings.cpp"
    declaration_file = arguments[1] if len(arguments) > 1 else "web/types/parabel.d.ts"
    with open(bindings, encoding="utf-8") as file:
        module, page = bound_names(file.read())
    with open(declaration_file, encoding="utf-8") as file:
        declaration = file.read()
    found = differences("Native", module | IMPLICIT["Native"], declared_names(declaration, "Native"))
    found += differences("Page", page | IMPLICIT["Page"], declared_names(declaration, "Page"))
    for line in found:
        print(f"{declaration_file}: {line}")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
