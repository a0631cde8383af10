"""Tables that once crashed, hung or wrote a broken file: each ends with exit 0 and sound
files, or exit 1, one line on standard error (after the drawing's warnings) and nothing
written."""
import os
import xml.etree.ElementTree as ET

from shapely.geometry import LineString, Polygon
from shapely.ops import unary_union

from cli_support import FilesTestCase, run_cli, sheet_names
from test_assembled_box_stl import FAULTS, admesh

# Values past what a box can be, and the nestings and solids they once broke.
HOSTILE = [
    ("simple-full", "--sheet", "600x400", "--set", "main.Al=1e300"),
    ("full", "--sheet", "600x400", "--set", "main.Al=1000"),
    ("full", "--sheet", "600x400", "--set", "main.M=100"),
    ("full", "--sheet", "600x400", "--set", "main.D=-5"),
    ("full", "--sheet", "600x400", "--set", "screw.L4=50"),
    ("full", "--sheet", "600x400", "--screws", "--set", "screw.L4=1e15"),
    ("full", "-f", "stl", "--set", "main.Al=99999999999999999999"),
    ("full", "--relief", "--screws", "-f", "stl", "--set", "screw.L4=1e15"),
    ("full", "-f", "stl", "--set", "main.Al=1000"),
    ("full", "-f", "stl", "--set", "main.M=1e-9"),
    ("full", "-f", "stl", "--set", "main.M=100"),
    ("full", "-f", "stl", "--set", "main.D=-5"),
    ("full", "--screws", "-f", "stl", "--set", "screw.L4=50"),
    ("simple-full", "-f", "stl", "--set", "main.Al=1e300"),
]

SVG = "{http://www.w3.org/2000/svg}"


def svg_pieces(path):
    """Each part's cuts and engraving on an SVG sheet as one shape, in the drawing's axes (y up).
    Marks (red) are notes that cut nothing: they ride with a piece but may lie beyond it."""
    pieces = []
    for group in ET.parse(path).getroot().iter(SVG + "g"):
        paths = [p for p in group.findall(SVG + "path") if p.get("stroke") != "#ff0000"]
        if not paths:
            continue
        shapes = []
        for element in paths:
            d = element.get("d")
            numbers = [float(v) for v in d.replace("M", " ").replace("L", " ").replace("Z", " ").split()]
            points = [(x, -y) for x, y in zip(numbers[0::2], numbers[1::2])]
            closed = d.rstrip().endswith("Z")
            shapes.append(Polygon(points).buffer(0) if closed and len(points) > 2 else LineString(points))
        pieces.append(unary_union(shapes))
    return pieces


WARNING_LINE = (r"^(The .+ falls apart into \d+ pieces when cut: its slots and notches cut through its frame\."
                r"|Дно будет выпадать!| рекомендуется выбрать вариант с ножками)$")


class HostileTables(FilesTestCase):
    def test_no_table_value_crashes_and_a_refusal_writes_nothing(self):
        for case in HOSTILE:
            with self.subTest(case=" ".join(case)):
                out = self.work.file("out." + ("stl" if "stl" in case else "dxf"))
                result = run_cli(*case, "-o", out)
                errors = result.stderr.decode(errors="replace")
                self.assertIn(result.returncode, (0, 1), errors)
                self.assertNotIn("Sanitizer", errors)
                self.assertNotIn("runtime error", errors)
                if result.returncode == 1:
                    # One line says why; before it only the drawing's own warnings (a panel
                    # that falls apart, the bottom that would fall out) may stand.
                    *warnings, error = errors.splitlines()
                    self.assertTrue(error.startswith("tessaro-cli: "), errors)
                    for line in warnings:
                        self.assertRegex(line, WARNING_LINE, errors)
                    self.assertEqual(os.listdir(self.work.path), [])
                for name in os.listdir(self.work.path):
                    os.remove(self.work.file(name))

    def test_nested_pieces_lie_on_their_sheet_the_gap_apart(self):
        cases = [("tab-slot", "--set", f"tabslot.A={a}") for a in (5, 20, 60, 150, 400)]
        cases += [("full", "--set", "main.D=-5"), ("full", "--screws", "--set", "screw.L4=50")]
        gap = 3
        for case in cases:
            with self.subTest(case=" ".join(case)):
                result = run_cli(*case, "--sheet", "600x400", "--gap", str(gap), "-f", "svg",
                                 "-o", self.work.file("s.svg"))
                self.assertIn(result.returncode, (0, 1), result.stderr)
                if result.returncode == 1:
                    self.assertIn(b"does not fit", result.stderr)
                    continue
                for path in sheet_names(result):
                    pieces = svg_pieces(path)
                    self.assertTrue(pieces)
                    for piece in pieces:
                        left, bottom, right, top = piece.bounds
                        self.assertTrue(left >= gap - 1e-4 and bottom >= gap - 1e-4 and
                                        right <= 600 - gap + 1e-4 and top <= 400 - gap + 1e-4, piece.bounds)
                    for i, first in enumerate(pieces):
                        for second in pieces[i + 1:]:
                            self.assertGreaterEqual(first.distance(second), gap - 1e-4)
                    os.remove(path)

    def test_a_fine_spiral_is_nested_and_written(self):
        result = run_cli("spiral", "--sheet", "1000x1000", "--set", "spiral.Fi=0.01", "-f", "svg",
                         "-o", self.work.file("spiral.svg"))
        self.assertEqual(result.returncode, 0, result.stderr)
        [piece] = svg_pieces(sheet_names(result)[0])
        left, bottom, right, top = piece.bounds
        self.assertTrue(left >= 2 and bottom >= 2 and right <= 998 and top <= 998, piece.bounds)

    def test_an_stl_is_written_only_for_a_solid_the_fit_can_measure(self):
        tables = [("--set", "main.M=1e-9"), ("--set", "main.M=100"), ("--set", "main.D=-5"),
                  ("--screws", "--set", "screw.L4=50"), ("--set", "main.Ah=-0.5"), ()]
        written = 0
        for table in tables:
            with self.subTest(table=" ".join(table)):
                stl = self.work.file("box.stl")
                fit = run_cli("full", "--fit", *table)
                result = run_cli("full", *table, "-f", "stl", "-o", stl)
                if fit.returncode == 1:
                    self.assertEqual(result.returncode, 1, result.stderr)
                if result.returncode == 1:
                    self.assertFalse(os.path.exists(stl))
                    continue
                self.assertEqual(result.returncode, 0, result.stderr)
                report = admesh(stl)
                self.assertEqual({name: report[name] for name in FAULTS}, dict.fromkeys(FAULTS, 0))
                self.assertGreater(report["volume"], 0)
                written += 1
                os.remove(stl)
        self.assertEqual(written, 2)
