import os
import unittest

from cli_support import FilesTestCase, run_cli

WARNING = "Дно будет выпадать!\n рекомендуется выбрать вариант с ножками\n".encode()


class SimpleBoxFiles(FilesTestCase):
    def test_four_slots_and_the_body_all_closed(self):
        polylines = self.command_polylines("simple-side")
        self.assertEqual(len(polylines), 5)
        self.assertTrue(all(p.is_closed for p in polylines))
        body = polylines[-1]
        xs = [v.dxf.location.x for v in body.vertices]
        ys = [v.dxf.location.y for v in body.vertices]
        self.assertEqual((min(xs), max(xs), min(ys), max(ys)), (-5, 105, -10, 120))

    def test_screws_add_two_holes(self):
        polylines = self.command_polylines("simple-side", "--screws")
        # Each hole is an octagon and a move that starts nothing.
        octagons = [p for p in polylines if len(list(p.vertices)) == 9]
        self.assertEqual(len(polylines), 9)
        self.assertEqual(len(octagons), 2)

    def test_warning_goes_to_standard_error_and_the_panel_is_written(self):
        path = self.work.file("s.eps")
        result = run_cli("simple-side", "--feet", "none", "--set", "main.F=0", "-f", "eps", "-o", path)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn(WARNING, result.stderr)
        with open(path, "rb") as f:
            self.assertTrue(f.read().endswith(b"stroke\r\n"))

    def test_eps_renders_in_ghostscript(self):
        self.assertGreater(self.command_dark_pixels("simple-side", "--screws"), 100)

    def test_full_set_passes_the_audit_with_every_outline_closed(self):
        polylines = self.command_polylines("simple-full")
        # Front and rear 1 each, lid and bottom 19 (the moves that end the slot rows
        # count too), sides 5 each.
        self.assertEqual(len(polylines), 50)
        self.assertTrue(all(p.is_closed for p in polylines))
        xs = [v.dxf.location.x for p in polylines for v in p.vertices]
        ys = [v.dxf.location.y for p in polylines for v in p.vertices]
        self.assertEqual((min(xs), max(xs), min(ys), max(ys)), (-140, 330, -130, 380))
        self.assertGreater(self.command_dark_pixels("simple-full", "--relief", "--screws"), 1000)

    def test_proposed_name_and_a_bad_cell(self):
        self.assertEqual(run_cli("simple-side", "--name").stdout, b"5mm 200x100x110 side\n")
        result = run_cli("simple-full", "-f", "eps", cwd=self.work.path)
        self.assertEqual(result.returncode, 0, result.stderr)
        os.remove(self.work.file("5mm 200x100x110 fullsimpl.eps"))
        result = run_cli("simple-side", "--set", "main.T=five", cwd=self.work.path)
        self.assertEqual(result.returncode, 1)
        self.assertIn(b"tessaro-cli: main.T: 'five' is not a valid floating point value.", result.stderr)
        self.assertEqual(os.listdir(self.work.path), [])


if __name__ == "__main__":
    unittest.main()
