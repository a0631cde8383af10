import re
import unittest
import xml.etree.ElementTree as ET

from cli_support import Workdir, command_names, dark_pixels, render_svg, run_cli, tinted_pixels

SVG = "{http://www.w3.org/2000/svg}"
# The EPS text keeps six decimals; a closed outline may end a rounding step off its start.
SAME = 1.5e-6


def eps_outlines(path):
    """The outlines of an EPS file's body as lists of (x, y)."""
    outlines = []
    in_body = False
    with open(path, "rb") as f:
        for line in f.read().decode("cp1251").split("\r\n"):
            if line == "%%Scaling factor from millimetres to PostScript units":
                in_body = True
                continue
            words = line.split()
            if in_body and len(words) == 3 and words[2] in ("moveto", "lineto"):
                if words[2] == "moveto":
                    outlines.append([])
                outlines[-1].append((float(words[0]), float(words[1])))
    return outlines


# The stroke of each operation, as laser programs make one layer of each colour.
OUTER, INNER, ENGRAVE, MARK = "#000000", "#0000ff", "#00ff00", "#ff0000"


def svg_outlines(root):
    """The cut paths of an SVG (marks left out) as lists of (x, y) in the drawing's axes (Y up),
    and whether each is closed."""
    outlines = []
    for path in root.iter(SVG + "path"):
        if path.get("stroke") == MARK:
            continue
        d = path.get("d")
        numbers = [float(n) for n in re.findall(r"-?[0-9.]+", d)]
        points = [(numbers[i], -numbers[i + 1]) for i in range(0, len(numbers), 2)]
        outlines.append((points, d.endswith("Z")))
    return outlines


def millimetres(text):
    assert text.endswith("mm"), text
    return float(text[:-2])


class SvgFiles(unittest.TestCase):
    def setUp(self):
        self.work = Workdir()

    def tearDown(self):
        self.work.cleanup()

    def make(self, command, fmt, *extra):
        path = self.work.file(f"{command}.{fmt}")
        result = run_cli(command, "-f", fmt, "-o", path, *extra)
        self.assertEqual(result.returncode, 0, result.stderr)
        return path

    def test_every_command_has_a_command_line_word(self):
        self.assertIn("spiral", command_names())

    def test_svg_and_eps_describe_the_same_points_in_cutting_order(self):
        for command in command_names():
            with self.subTest(command=command):
                # A lone move draws nothing and has no path of its own.
                eps = [o for o in eps_outlines(self.make(command, "eps", "--inner-first")) if len(o) > 1]
                svg = svg_outlines(ET.parse(self.make(command, "svg")).getroot())
                self.assertEqual(len(svg), len(eps))
                self.assertGreater(len(eps), 0)
                for eps_points, (svg_points, closed) in zip(eps, svg):
                    first, last = eps_points[0], eps_points[-1]
                    ends_on_start = len(eps_points) > 1 and all(abs(a - b) < SAME for a, b in zip(first, last))
                    self.assertEqual(closed, ends_on_start)
                    expected = eps_points[:-1] if closed else eps_points
                    self.assertEqual(len(svg_points), len(expected))
                    for (ex, ey), (sx, sy) in zip(expected, svg_points):
                        self.assertAlmostEqual(sx, ex, places=6)
                        self.assertAlmostEqual(sy, ey, places=6)

    def test_declared_size_is_the_extent_in_millimetres(self):
        for command in command_names():
            with self.subTest(command=command):
                drawn = [o for o in eps_outlines(self.make(command, "eps")) if len(o) > 1]
                points = [p for outline in drawn for p in outline]
                root = ET.parse(self.make(command, "svg")).getroot()
                xs = [x for x, _ in points]
                ys = [y for _, y in points]
                width, height = max(xs) - min(xs), max(ys) - min(ys)
                self.assertAlmostEqual(millimetres(root.get("width")), width, places=5)
                self.assertAlmostEqual(millimetres(root.get("height")), height, places=5)
                box = [float(n) for n in root.get("viewBox").split()]
                for got, want in zip(box, [min(xs), -max(ys), width, height]):
                    self.assertAlmostEqual(got, want, places=5)

    def test_strokes_are_hairlines_coloured_by_operation(self):
        for command in command_names():
            with self.subTest(command=command):
                root = ET.parse(self.make(command, "svg")).getroot()
                self.assertEqual(root.find(SVG + "g").get("stroke-width"), "0.025")
                strokes = [path.get("stroke") for path in root.iter(SVG + "path")]
                self.assertLessEqual(set(strokes), {OUTER, INNER, ENGRAVE, MARK})
                self.assertIn(OUTER, strokes)
                # A mark is a cross of two strokes, never a one-point path a laser would burn.
                for path in root.iter(SVG + "path"):
                    if path.get("stroke") == MARK:
                        self.assertEqual(path.get("d").count("M"), 2)
        bottom = ET.parse(self.make("bottom", "svg")).getroot()
        self.assertIn(INNER, [path.get("stroke") for path in bottom.iter(SVG + "path")])

    def test_rsvg_shows_each_operation_in_its_colour(self):
        # The tab-slot piece: two blue slots and the black toothed strip; the bottom: blue slots.
        png = self.work.file("tab-slot.png")
        code, errors = render_svg(self.make("tab-slot", "svg"), png)
        self.assertEqual(code, 0, errors)
        counts = tinted_pixels(png)
        self.assertGreater(counts["blue"], 100)
        self.assertGreater(counts["grey"], 100)
        self.assertEqual(counts["green"], 0)
        bottom_png = self.work.file("bottom.png")
        code, errors = render_svg(self.make("bottom", "svg", "--set", "main.W=100"), bottom_png)
        self.assertEqual(code, 0, errors)
        counts = tinted_pixels(bottom_png)
        self.assertGreater(counts["blue"], 100)
        self.assertGreater(counts["grey"], 100)

    def test_rsvg_renders_every_command(self):
        for command in command_names():
            with self.subTest(command=command):
                png = self.work.file(f"{command}.png")
                code, errors = render_svg(self.make(command, "svg"), png)
                self.assertEqual(code, 0, errors)
                self.assertEqual(errors, "")
                self.assertGreater(dark_pixels(png, below=250), 400)

    def test_title_default_name_and_standard_output(self):
        result = run_cli("spiral", "-f", "svg", cwd=self.work.path)
        self.assertEqual(result.returncode, 0, result.stderr)
        root = ET.parse(self.work.file("spiral R10mm Fi15 step5 rev8.svg")).getroot()
        self.assertEqual(root.find(SVG + "title").text, "Spiral")
        out = run_cli("spiral", "-f", "svg", "-o", "-").stdout
        self.assertTrue(out.startswith(b'<?xml version="1.0" encoding="UTF-8"?>\n'))
        self.assertNotIn(b"\r", out)

    def test_bad_value_writes_no_svg(self):
        path = self.work.file("s.svg")
        result = run_cli("spiral", "-f", "svg", "--set", "spiral.St=x", "-o", path)
        self.assertEqual(result.returncode, 1)
        self.assertIn(b"'x' is not a valid floating point value.", result.stderr)
        self.assertEqual(__import__("os").listdir(self.work.path), [])


if __name__ == "__main__":
    unittest.main()
