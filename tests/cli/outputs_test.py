"""What scripts read from parabel-cli: JSON Lines from solve --json, read with
a JSON parser, and SVG pictures from plot, read with an XML parser and held
against the drawing operations of plot --trace.

Usage: cli_outputs_test.py PATH-TO-PARABEL-CLI
"""

import itertools
import json
import os
import re
import subprocess
import sys
import unittest
import xml.etree.ElementTree as ElementTree

CLI = None
SVG = "{http://www.w3.org/2000/svg}"
# RealToText's forms: fixed or scientific, '.' as separator.
NUMBER = re.compile(r"^-?\d+(\.\d+)?(E-?\d+)?$")


def run(args, data=b""):
    # The C locale: '.' is the separator of the lines too, so they can be
    # compared with the numbers.
    env = dict(os.environ, LC_ALL="C")
    return subprocess.run([CLI] + args, input=data, capture_output=True, env=env, timeout=120)


def varied_inputs():
    """(bytes, expected kind) for a few hundred inputs; the kind "any" for
    equations that are solved or, when a number overflows, fail as
    conversions."""
    inputs = []
    a_texts = ["", "-", "2", "-3.5", "0.1", "1e-3", "1e300", "1e-4900"]
    b_texts = ["", "+x", "-5x", "+0.6x", "-1e100x", "+1e-20x"]
    c_texts = ["", "+6", "-1", "+0.9", "-1e300", "=0"]
    for a, b, c in itertools.product(a_texts, b_texts, c_texts):
        inputs.append(((a + "x^2" + b + c).encode(), "any"))
    inputs += [(text.encode(), "form") for text in
               ["5+3", "", "=0", "0x^2+1", "-0x^2+1=0", "0.0x^2", "7"]]
    inputs += [(text.encode(), "conversion") for text in
               ["5x+3", "x+1", "x^2 - 5x + 6", "x^2+abcx", "x^2=0=0", "x^2+1e3000x", "X^2+Ё",
                "1e16x^2-1", "1e16x^2", "1e-4000x^2+x", 'x^2"+1', "x^2\\+1", "x^2\t+1",
                "x^2\x01+1", "\x1b[31mx^2", "x^2+€"]]
    # Characters the equation field cannot hold show there as "?", broken
    # UTF-8 too, and fail as the field would make them fail.
    inputs += [(text, "form") for text in
               [b"\xff\xfe", "日本".encode(), b"\xc0\xaf", b"\xed\xa0\x80"]]
    inputs += [(text, "conversion") for text in
               [b"x^2\x00+1", b"x^2+\xe2\x82", "😀x^2".encode(), "x³-1".encode()]]
    inputs += [(text, "any") for text in ["x²+1".encode(), "x²−5x+6".encode()]]
    return inputs


def values_blocks(output):
    """The last line of each --values block."""
    return [block.split("\n")[-1] for block in output.split("\n\n") if block]


class SolveJson(unittest.TestCase):
    def test_every_input_gives_one_valid_object(self):
        inputs = varied_inputs()
        self.assertGreater(len(inputs), 300)
        data = b"\n".join(text for text, _ in inputs) + b"\n"
        result = run(["solve", "--json"], data)
        self.assertEqual(result.returncode, 1)
        lines = result.stdout.split(b"\n")
        self.assertEqual(lines.pop(), b"")
        self.assertEqual(len(lines), len(inputs))
        values = values_blocks(run(["solve", "--values"], data).stdout.decode())
        self.assertEqual(len(values), len(inputs))
        errors = result.stderr.decode()
        solved = 0

        for number, ((text, kind), line, value) in enumerate(zip(inputs, lines, values), 1):
            with self.subTest(line=number, input=text):
                document = json.loads(line.decode("utf-8"))  # strict UTF-8, strict JSON
                try:
                    self.assertEqual(document["input"], text.decode("utf-8"))
                except UnicodeDecodeError:
                    self.assertIn("\ufffd", document["input"])
                if kind == "any" and "error" not in document:
                    self.check_solved(document, value)
                    solved += 1
                else:
                    self.check_failed(document, "conversion" if kind == "any" else kind, value,
                                      errors, number)
        # Both outcomes of the generated equations are there in numbers.
        self.assertGreater(solved, 150)
        self.assertLess(solved, len(inputs) - 50)

    def check_solved(self, document, value):
        self.assertNotIn("error", document)
        self.assertEqual(document["lines"][0], document["equation"])
        for name in "a", "b", "c", "discriminant":
            self.assertRegex(document[name], NUMBER)
        # D as the head line of the worked solution writes it.
        self.assertTrue(document["lines"][3].endswith(")=" + document["discriminant"]))
        roots = document["roots"]
        self.assertEqual(len(roots), 2)
        shown = [root if root is not None else "2147483647" for root in roots]
        self.assertEqual(value, "values: " + ";".join(
            [document["a"], document["b"], document["c"]] + shown))
        kind = document["lines"][4]
        expected_nulls = {"D<0 - Корней нет.": [True, True], "D=0 - Один корень.": [False, True],
                          "D>0 - Два корня.": [False, False]}[kind]
        self.assertEqual([root is None for root in roots], expected_nulls)

    def check_failed(self, document, kind, value, errors, number):
        self.assertEqual(document["error"]["kind"], kind)
        self.assertNotIn("roots", document)
        message = document["error"]["message"]
        self.assertEqual(value, "error: " + kind)
        self.assertEqual(document["lines"][0], document["equation"])
        self.assertTrue(document["equation"].endswith("=0"))
        self.assertTrue("line %d: %s\n" % (number, message) in errors,
                        "no message naming line %d" % number)

    def test_a_line_too_long_to_hold_is_skipped_and_told(self):
        data = b"x^2-4\n" + b"7" * (16 * 1024 * 1024 + 1) + b"\nx^2+1\n"
        result = run(["solve", "--json"], data)
        self.assertEqual(result.returncode, 1)
        documents = [json.loads(line) for line in result.stdout.decode().splitlines()]
        self.assertEqual([document["input"] for document in documents], ["x^2-4", None, "x^2+1"])
        self.assertEqual(documents[1]["error"]["kind"], "text")
        self.assertIsNone(documents[1]["equation"])
        self.assertIn("line 2: longer than", result.stderr.decode())


class FieldTexts(unittest.TestCase):
    """The texts the window's and the page's tests type, paste and load: as
    an operand and as a line of standard input, each is the same equation. A
    text with a line break, only pasted there, is only an operand here."""

    def test_the_same_equation_as_in_the_window_and_the_page(self):
        path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "app",
                            "field_texts.json")
        with open(path, encoding="utf-8") as table:
            rows = json.load(table)
        for row in rows:
            equation = row["field"] if "answer" in row else row["field"] + "=0"
            ways = [("operand", ["solve", "--json", row["text"]], b""),
                    ("line", ["solve", "--json"], row["text"].encode() + b"\n")]
            for way, args, data in ways[:1] if row.get("pasted_only") else ways:
                with self.subTest(note=row["note"], way=way):
                    document = json.loads(run(args, data).stdout)
                    self.assertEqual(document["input"], row["text"])
                    self.assertEqual(document["equation"], equation)
                    if "answer" in row:
                        self.assertEqual(document["lines"][-1], row["answer"])
                    else:
                        self.assertEqual(document["error"]["kind"], row["error"])


def color_of_value(hex_value):
    """A trace's 0x00BBGGRR colour value as an SVG colour."""
    value = int(hex_value, 16)
    return "#%02x%02x%02x" % (value & 0xFF, value >> 8 & 0xFF, value >> 16 & 0xFF)


def clip(x0, y0, x1, y1, left, top, right, bottom):
    """The part of the segment inside the box, or None."""
    t0, t1 = 0.0, 1.0
    dx, dy = x1 - x0, y1 - y0
    for p, q in ((-dx, x0 - left), (dx, right - x0), (-dy, y0 - top), (dy, bottom - y0)):
        if p == 0:
            if q < 0:
                return None
        elif p < 0:
            t0 = max(t0, q / p)
        else:
            t1 = min(t1, q / p)
    if t0 > t1:
        return None
    return x0 + t0 * dx, y0 + t0 * dy, x0 + t1 * dx, y0 + t1 * dy


def expected_shapes(trace, width, height):
    """What the SVG must draw on the surface for the trace, in order: tuples
    (tag, numbers..., colour or text)."""
    shapes = [("rect", 0, 0, width, height, "#ffffff")]
    pen, brush, font = "#000000", "#ffffff", "#000000"
    x = y = 0
    for op in trace:
        parts = op.split(" ", 3)
        if parts[0] == "pen":
            pen = color_of_value(parts[1])
        elif parts[0] == "brush":
            brush = color_of_value(parts[1])
        elif parts[0] == "font":
            font = color_of_value(parts[1])
        elif parts[0] == "moveto":
            x, y = int(parts[1]), int(parts[2])
        elif parts[0] == "lineto":
            assert x is not None, "a line from the end of a text: its width is not known here"
            x1, y1 = int(parts[1]), int(parts[2])
            steps = max(abs(x1 - x), abs(y1 - y))
            if steps == 1 and 0 <= x < width and 0 <= y < height:
                shapes.append(("rect", x, y, 1, 1, pen))
            elif steps > 1:
                reach = (steps - 1) / steps
                part = clip(x, y, x + (x1 - x) * reach, y + (y1 - y) * reach,
                            -1, -1, width + 1, height + 1)
                if part is not None:
                    shapes.append(("line",) + tuple(v + 0.5 for v in part) + (pen,))
            x, y = x1, y1
        elif parts[0] == "textout":
            x, y = int(parts[1]), int(parts[2])
            # Texts wholly off the surface are left out (those left of it
            # are not checked: whether they reach into it depends on their
            # width).
            if x < width and -13 < y < height:
                shapes.append(("cell", x, y, brush))
                shapes.append(("text", x, y + 10, font, parts[3]))
            # The position after the text comes from the cell's width.
            x = None
        elif parts[0] == "repaint":
            shapes.append(("rect", 0, 0, width, height, "#ffffff"))
    return shapes


def drawn_shapes(svg):
    root = ElementTree.fromstring(svg)
    surface = root.find(SVG + "g").find(SVG + "g")
    shapes = []
    for element in surface:
        a = element.attrib
        tag = element.tag[len(SVG):]
        if tag == "line":
            shapes.append(("line", float(a["x1"]), float(a["y1"]), float(a["x2"]),
                           float(a["y2"]), a["stroke"]))
        elif tag == "rect" and a.get("height") == "13":
            shapes.append(("cell", int(a["x"]), int(a["y"]), a["fill"]))
        elif tag == "rect":
            shapes.append(("rect", int(a.get("x", 0)), int(a.get("y", 0)), int(a["width"]),
                           int(a["height"]), a["fill"]))
        elif tag == "text":
            shapes.append(("text", int(a["x"]), int(a["y"]), a["fill"], element.text))
    return root, shapes


class PlotSvg(unittest.TestCase):
    def test_the_picture_draws_the_traced_operations(self):
        for equation in ["x^2-5x+6", "-0.5x^2+3", "x^2+1", "2x^2+4x+2", "0.01x^2-x-20"]:
            with self.subTest(equation=equation):
                trace = run(["plot", equation, "--trace"]).stdout.decode().splitlines()
                svg = run(["plot", equation, "-o", "-", "--format", "svg"])
                self.assertEqual(svg.returncode, 0)
                root, drawn = drawn_shapes(svg.stdout)
                self.assertEqual(root.attrib["viewBox"], "0 0 322 338")
                left_texts = lambda shapes: [shape for shape in shapes
                                             if shape[0] not in ("cell", "text") or shape[1] >= 0]
                drawn = left_texts(drawn)
                expected = left_texts(expected_shapes(trace, 300, 320))
                self.assertEqual(len(drawn), len(expected))
                self.assertGreater(sum(1 for shape in drawn if shape[0] == "line"), 50)
                for got, want in zip(drawn, expected):
                    self.assertEqual(got[0], want[0])
                    if got[0] == "line":
                        for g, w in zip(got[1:5], want[1:5]):
                            self.assertAlmostEqual(g, w, delta=0.001)
                        self.assertEqual(got[5], want[5])
                    else:
                        self.assertEqual(got, want)

    def test_the_full_screen_picture_has_its_own_view_box(self):
        svg = run(["plot", "x^2-5x+6", "--screen", "640x480", "-o", "-", "--format", "svg"])
        root, drawn = drawn_shapes(svg.stdout)
        self.assertEqual(root.attrib["viewBox"], "0 0 640 440")
        clip_rect = root.find(SVG + "clipPath").find(SVG + "rect").attrib
        self.assertEqual((clip_rect["x"], clip_rect["y"], clip_rect["width"],
                          clip_rect["height"]), ("8", "9", "624", "431"))
        colours = {shape[-1] for shape in drawn if shape[0] == "line"}
        self.assertEqual(colours, {"#000000", "#ff0000"})


if __name__ == "__main__":
    CLI = sys.argv.pop(1)
    unittest.main()
