import unittest

import ezdxf

from cli_support import Workdir, dark_pixels, render_eps, run_cli


class FrontPanelFiles(unittest.TestCase):
    def setUp(self):
        self.work = Workdir()

    def tearDown(self):
        self.work.cleanup()

    def read_dxf(self, *args):
        path = self.work.file("f.dxf")
        result = run_cli("facade", *args, "-o", path)
        self.assertEqual(result.returncode, 0, result.stderr)
        doc = ezdxf.readfile(path)
        auditor = doc.audit()
        self.assertEqual(len(auditor.errors), 0, [str(e) for e in auditor.errors])
        return list(doc.modelspace().query("POLYLINE"))

    def test_panel_is_one_closed_polyline_in_every_variant(self):
        for options, vertices in (((), 53), (("--relief",), 1 + 2 * 41 + 2 * 21), (("--screws",), 53 + 8 * 12)):
            with self.subTest(options=options):
                polylines = self.read_dxf(*options)
                self.assertEqual(len(polylines), 1)
                self.assertTrue(polylines[0].is_closed)
                self.assertEqual(len(list(polylines[0].vertices)), vertices)

    def test_extent_is_the_body_plus_the_tabs(self):
        polyline = self.read_dxf("--set", "main.W=150", "--set", "main.H=80", "--set", "main.T=6")[0]
        xs = [v.dxf.location.x for v in polyline.vertices]
        ys = [v.dxf.location.y for v in polyline.vertices]
        self.assertEqual((min(xs), max(xs), min(ys), max(ys)), (-6, 156, -6, 86))

    def test_eps_renders_in_ghostscript(self):
        for command in ("facade", "rear", "simple-front", "simple-rear"):
            with self.subTest(command=command):
                path = self.work.file(command + ".eps")
                self.assertEqual(run_cli(command, "--screws", "-f", "eps", "-o", path).returncode, 0)
                png = self.work.file(command + ".png")
                code, errors = render_eps(path, png)
                self.assertEqual(code, 0, errors)
                self.assertGreater(dark_pixels(png), 100)

    def test_proposed_name(self):
        result = run_cli("rear", "--name")
        self.assertEqual(result.stdout, b"5mm 200x100x110 facade\n")


if __name__ == "__main__":
    unittest.main()
