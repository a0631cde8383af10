"""Nested sheets: one file per sheet, each read by the same readers as a single template."""
import os
import unittest

from cli_support import FilesTestCase, dark_pixels, render_eps, render_svg, run_cli


class SheetFiles(FilesTestCase):
    def sheet_files(self, *args):
        result = run_cli("full", "--sheet", *args, "-o", self.work.file("box." + self.format))
        self.assertEqual(result.returncode, 0, result.stderr)
        names = sorted(os.listdir(self.work.path))
        self.assertEqual(result.stdout.decode().split(), [self.work.file(n) for n in names])
        return [self.work.file(n) for n in names]

    def test_a_large_sheet_takes_the_folding_set_and_small_ones_at_most_five(self):
        self.format = "dxf"
        self.assertEqual([os.path.basename(p) for p in self.sheet_files("600x400")], ["box-1.dxf"])
        for path in self.sheet_files("600x400"):
            os.remove(path)
        small = self.sheet_files("300x200")
        self.assertTrue(2 <= len(small) <= 5, small)
        self.assertEqual([os.path.basename(p) for p in small], [f"box-{i}.dxf" for i in range(1, len(small) + 1)])
        for path in small:
            polylines = self.audited_polylines(path)
            self.assertTrue(polylines)
            self.assertTrue(all(p.is_closed for p in polylines))
            for polyline in polylines:
                for x, y, *_ in polyline.points():
                    self.assertTrue(0 < x < 300 and 0 < y < 200, (path, x, y))

    def test_every_sheet_renders_in_eps_and_svg(self):
        for self.format, render in (("eps", render_eps), ("svg", render_svg)):
            with self.subTest(format=self.format):
                for path in self.sheet_files("300x200", "-f", self.format, "--gap", "3"):
                    png = path + ".png"
                    code, errors = render(path, png)
                    self.assertEqual(code, 0, errors)
                    self.assertGreater(dark_pixels(png, below=250), 0)
                    os.remove(png)
                    os.remove(path)

    def test_eps_sheets_keep_the_header_and_bound_their_parts(self):
        self.format = "eps"
        for path in self.sheet_files("300x200", "-f", "eps"):
            with open(path, "rb") as f:
                lines = f.read().split(b"\r\n")
            self.assertEqual(lines[0], b"%!PS-Adobe-3.0 EPSF-3.0")
            self.assertIn(b"%%Title:  full", lines)
            left, bottom, right, top = (float(v) for v in lines[1].split()[1:])
            self.assertTrue(0 < left < right <= 300 * 2.834646 and 0 < bottom < top <= 200 * 2.834646, lines[1])

    def test_refusals_write_nothing(self):
        too_small = run_cli("full", "--sheet", "200x100", "-o", self.work.file("box.dxf"))
        self.assertEqual(too_small.returncode, 1)
        self.assertRegex(too_small.stderr.decode(), r"^tessaro-cli: Part \d+ \(\d+(\.\d+)? x \d+(\.\d+)? mm\) does not fit")
        many_to_stdout = run_cli("full", "--sheet", "300x200", "-o", "-")
        self.assertEqual(many_to_stdout.returncode, 2)
        self.assertEqual(many_to_stdout.stdout, b"")
        for bad in (["--sheet", "600"], ["--sheet", "600x"], ["--sheet", "1,5x400"], ["--sheet", "600x400", "--gap", "x"],
                    ["--gap", "3"]):
            self.assertEqual(run_cli("full", *bad, "-o", self.work.file("box.dxf")).returncode, 2, bad)
        self.assertEqual(run_cli("full", "--sheet", "0x400", "-o", self.work.file("box.dxf")).returncode, 1)
        self.assertEqual(os.listdir(self.work.path), [])

    def test_one_sheet_goes_to_standard_output(self):
        result = run_cli("facade", "--sheet", "600x400", "-f", "eps", "-o", "-")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertTrue(result.stdout.startswith(b"%!PS-Adobe-3.0 EPSF-3.0\r\n"))


if __name__ == "__main__":
    unittest.main()
