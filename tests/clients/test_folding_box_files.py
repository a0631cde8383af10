import os
import unittest

from cli_support import FilesTestCase, dark_pixels, render_eps, run_cli

WARNING = "Дно будет выпадать!\n рекомендуется выбрать вариант с ножками\n".encode()


class FoldingBoxFiles(FilesTestCase):
    def test_full_set_dxf_passes_the_audit_with_every_outline_closed(self):
        path = self.work.file("box.dxf")
        result = run_cli("full", "-o", path)
        self.assertEqual(result.returncode, 0, result.stderr)
        polylines = self.audited_polylines(path)
        # Front 1, bottom 17, sides 7 each, rear 1, lid 19: the moves that end
        # the slot rows count too.
        self.assertEqual(len(polylines), 52)
        self.assertTrue(all(p.is_closed for p in polylines))
        xs = [v.dxf.location.x for p in polylines for v in p.vertices]
        ys = [v.dxf.location.y for p in polylines for v in p.vertices]
        self.assertEqual((min(xs), max(xs), min(ys), max(ys)), (-140, 340, -130, 380))

    def test_full_set_eps_renders_in_ghostscript(self):
        path = self.work.file("box.eps")
        self.assertEqual(run_cli("full", "-f", "eps", "--relief", "--screws", "-o", path).returncode, 0)
        png = self.work.file("box.png")
        code, errors = render_eps(path, png)
        self.assertEqual(code, 0, errors)
        self.assertNotIn("Error", errors)
        self.assertGreater(dark_pixels(png), 1000)

    def test_every_panel_command_writes_its_proposed_file(self):
        names = {
            "bottom": "5mm 200x100x110 bottom",
            "side": "5mm 200x100x110 side",
            "top": "5mm 200x100x110 top",
            "simple-top": "5mm 200x100x110 top",
            "simple-bottom": "5mm 200x100x110 top",
            "full": "5mm 200x100x110 full leg 2",
        }
        for command, name in names.items():
            result = run_cli(command, "-f", "eps", cwd=self.work.path)
            self.assertEqual(result.returncode, 0, result.stderr)
            with open(self.work.file(name + ".eps"), "rb") as f:
                self.assertTrue(f.read().endswith(b"stroke\r\n"), command)
        self.assertEqual(run_cli("full", "--feet", "none", "--name").stdout,
                         b"5mm 200x100x110 full leg No\n")

    def test_side_panel_warning_goes_to_standard_error_and_the_panel_is_written(self):
        path = self.work.file("side.dxf")
        result = run_cli("side", "--feet", "none", "--set", "main.F=0", "-o", path)
        self.assertEqual(result.returncode, 0, result.stderr)
        # The hole cut through the edge leaves the two holding teeth loose.
        loose = " falls apart into 3 pieces when cut: its slots and notches cut through its frame.\n".encode()
        self.assertEqual(result.stderr, WARNING + b"The side" + loose)
        self.assertTrue(os.path.exists(path))
        result = run_cli("full", "--feet", "none", "--set", "main.F=0", "-o", path)
        self.assertEqual(result.stderr, WARNING * 2 + b"The left side" + loose + b"The right side" + loose)
        self.assertEqual(run_cli("side", "--set", "main.F=0", "-o", path).stderr, b"")

    def test_bad_size_writes_nothing(self):
        path = self.work.file("box.dxf")
        result = run_cli("full", "--set", "main.D=110mm", "-o", path)
        self.assertEqual(result.returncode, 1)
        self.assertIn(b"tessaro-cli: main.D: '110mm' is not a valid floating point value.", result.stderr)
        self.assertEqual(os.listdir(self.work.path), [])


if __name__ == "__main__":
    unittest.main()
