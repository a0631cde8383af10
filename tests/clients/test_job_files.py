"""Several templates in one job: their pieces nested together onto shared sheets, each
sheet read back with ezdxf, and the line on the material used that ends every nesting."""
import math
import os
import unittest
from collections import Counter

from cli_support import FilesTestCase, run_cli, sheet_output


def shape(polyline):
    """A cut as a rigid move leaves it: its vertex count, the area its vertices enclose and
    the length along them, to a hundredth."""
    points = [(x, y) for x, y, *_ in polyline.points()]
    twice_area = sum(a[0] * b[1] - b[0] * a[1] for a, b in zip(points, points[1:] + points[:1]))
    length = sum(math.dist(a, b) for a, b in zip(points, points[1:]))
    return len(points), round(abs(twice_area) / 2, 2), round(length, 2)


class JobFiles(FilesTestCase):
    def shapes(self, paths):
        """The cuts of the files, lone points (marks) left out."""
        return Counter(shape(p) for path in paths for p in self.audited_polylines(path) if len(p) > 1)

    def alone(self, command):
        """The template's own file, without a sheet."""
        path = self.work.file(f"alone-{command}.dxf")
        self.assertEqual(run_cli(command, "-o", path).returncode, 0)
        shapes = self.shapes([path])
        os.remove(path)
        return shapes

    def nested(self, *args, output="job.dxf"):
        result = run_cli(*args, "-o", self.work.file(output))
        self.assertEqual(result.returncode, 0, result.stderr)
        return sheet_output(result)

    def test_both_templates_pieces_are_all_on_the_shared_sheets_once(self):
        names, sheets, percent = self.nested("full", "bobbin", "--sheet", "600x400")
        self.assertEqual(names, [self.work.file(f"job-{i}.dxf") for i in range(1, sheets + 1)])
        self.assertEqual(sorted(os.listdir(self.work.path)), sorted(os.path.basename(n) for n in names))
        self.assertEqual(self.shapes(names), self.alone("full") + self.alone("bobbin"))
        for path in names:
            for polyline in self.audited_polylines(path):
                for x, y, *_ in polyline.points():
                    self.assertTrue(0 < x < 600 and 0 < y < 400, (path, x, y))

        # The pieces' area is the templates' own: each nested alone says its share.
        area = percent / 100 * sheets * 600 * 400
        alone_area = 0
        for command in ("full", "bobbin"):
            _, alone_sheets, alone_percent = self.nested(command, "--sheet", "600x400", output=command + ".dxf")
            alone_area += alone_percent / 100 * alone_sheets * 600 * 400
        self.assertAlmostEqual(area, alone_area, delta=0.05 / 100 * 600 * 400 * (sheets + 2))

    def test_a_repeated_template_is_nested_twice(self):
        names, _, _ = self.nested("bobbin", "tab-slot", "bobbin", "--sheet", "300x200")
        bobbin = self.alone("bobbin")
        self.assertEqual(self.shapes(names), bobbin + bobbin + self.alone("tab-slot"))

    def test_the_job_is_named_after_its_first_template(self):
        result = run_cli("full", "bobbin", "--sheet", "600x400", "--name")
        self.assertEqual(result.stdout, b"5mm 200x100x110 full leg 2 job\n")
        written = run_cli("bobbin", "full", "--sheet", "600x400", "-f", "svg", cwd=self.work.path)
        self.assertEqual(written.returncode, 0, written.stderr)
        self.assertIn("1mm 30x15x20 trans job-1.svg", os.listdir(self.work.path))

    def test_without_a_sheet_or_with_what_cannot_be_nested_nothing_is_written(self):
        refusals = [
            (2, ["full", "bobbin"]),
            (2, ["full", "bobbin", "--name"]),
            (2, ["full", "full", "--fit"]),
            (2, ["full", "simple-full", "--sheet", "600x400", "-f", "stl"]),
            (2, ["full", "nothing", "--sheet", "600x400"]),
            (2, ["full", "bobbin", "--sheet", "600"]),
            (1, ["full", "bobbin", "--sheet", "150x150"]),
            (1, ["full", "bobbin", "--sheet", "600x400", "--set", "bobbin.1=abc"]),
        ]
        with open(self.work.file("job-1.dxf"), "wb") as f:
            f.write(b"earlier")
        for code, args in refusals:
            with self.subTest(args=" ".join(args)):
                result = run_cli(*args, "-o", self.work.file("job.dxf"))
                self.assertEqual(result.returncode, code, result.stderr)
                self.assertTrue(result.stderr.strip())
                self.assertEqual(result.stdout, b"")
                self.assertEqual(os.listdir(self.work.path), ["job-1.dxf"])
        missing = run_cli("full", "bobbin", "-o", self.work.file("job.dxf"))
        self.assertIn(b"--sheet", missing.stderr)
        with open(self.work.file("job-1.dxf"), "rb") as f:
            self.assertEqual(f.read(), b"earlier")

    def test_one_template_ends_with_the_material_line_too(self):
        _, sheets, percent = self.nested("facade", "--sheet", "420x220", "--gap", "1")
        self.assertEqual(sheets, 1)
        # The front panel is its 210 x 110 outline less its cut-outs.
        self.assertTrue(0 < percent < 210 * 110 / (420 * 220) * 100, percent)
        piped = run_cli("facade", "--sheet", "420x220", "-o", "-")
        self.assertEqual(piped.returncode, 0, piped.stderr)
        self.assertTrue(piped.stdout.startswith(b"  0\r\nSECTION"), piped.stdout[:20])
        self.assertEqual(piped.stderr.decode(), f"1 sheet, material used {percent} %\n")


if __name__ == "__main__":
    unittest.main()
