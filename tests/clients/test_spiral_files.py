import unittest

import ezdxf

from cli_support import FilesTestCase, dark_pixels, render_eps, run_cli


class SpiralFiles(FilesTestCase):
    def test_dxf_is_one_open_polyline_of_195_vertices(self):
        path = self.work.file("s.dxf")
        result = run_cli("spiral", "-o", path)
        self.assertEqual(result.returncode, 0, result.stderr)
        polylines = self.audited_polylines(path)
        self.assertEqual(len(polylines), 1)
        vertices = [v.dxf.location for v in polylines[0].vertices]
        self.assertEqual(len(vertices), 195)
        self.assertFalse(polylines[0].is_closed)
        self.assertEqual((vertices[0].x, vertices[0].y), (0, 0))
        self.assertEqual((vertices[1].x, vertices[1].y), (0, -10))
        self.assertAlmostEqual(vertices[2].x, 2.617801)

    def test_closed_last_flag_closes_the_polyline(self):
        path = self.work.file("s.dxf")
        run_cli("spiral", "--closed-last", "-o", path)
        polyline = next(iter(ezdxf.readfile(path).modelspace().query("POLYLINE")))
        self.assertTrue(polyline.is_closed)

    def test_eps_renders_in_ghostscript(self):
        path = self.work.file("s.eps")
        self.assertEqual(run_cli("spiral", "-f", "eps", "-o", path).returncode, 0)
        png = self.work.file("s.png")
        code, errors = render_eps(path, png)
        self.assertEqual(code, 0, errors)
        self.assertNotIn("Error", errors)
        self.assertGreater(dark_pixels(png), 100)

    def test_default_name_in_the_current_folder(self):
        result = run_cli("spiral", "-f", "eps", cwd=self.work.path)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(self.work.file("spiral R10mm Fi15 step5 rev8.eps"), "rb") as f:
            lines = f.read().split(b"\r\n")
        self.assertEqual(lines[0], b"%!PS-Adobe-3.0 EPSF-3.0")
        self.assertEqual(lines[17], b"   0.000000    0.000000 moveto")
        self.assertEqual(lines[-2], b"stroke")

    def test_errors_write_nothing_and_exit_1(self):
        path = self.work.file("s.dxf")
        result = run_cli("spiral", "--set", "spiral.Fi=-15", "-o", path)
        self.assertEqual(result.returncode, 1)
        self.assertIn(b"tessaro-cli: The vector step Fi must be greater than 0 degrees.", result.stderr)
        result = run_cli("spiral", "--set", "spiral.R=10,5", "-o", path)
        self.assertEqual(result.returncode, 1)
        self.assertIn(b"tessaro-cli: spiral.R: '10,5' is not a valid floating point value.", result.stderr)
        self.assertEqual(__import__("os").listdir(self.work.path), [])

    def test_usage_errors_exit_2(self):
        self.assertEqual(run_cli("nothing").returncode, 2)
        self.assertEqual(run_cli("spiral", "--set", "nowhere.R=1").returncode, 2)
        self.assertEqual(run_cli("spiral", "-f", "dwg").returncode, 2)

    def test_name_and_standard_output(self):
        result = run_cli("spiral", "--set", "spiral.R=10.0", "--name")
        self.assertEqual(result.stdout, b"spiral R10.0mm Fi15 step5 rev8\n")
        result = run_cli("spiral", "-f", "eps", "-o", "-")
        self.assertTrue(result.stdout.startswith(b"%!PS-Adobe-3.0 EPSF-3.0\r\n"))
        self.assertTrue(result.stdout.endswith(b"stroke\r\n"))


if __name__ == "__main__":
    unittest.main()
