import os
import unittest

import ezdxf

from cli_support import Workdir, dark_pixels, render_eps, run_cli


class SingleTemplateFiles(unittest.TestCase):
    def setUp(self):
        self.work = Workdir()

    def tearDown(self):
        self.work.cleanup()

    def read_dxf(self, command, *args):
        path = self.work.file(command + ".dxf")
        result = run_cli(command, *args, "-o", path)
        self.assertEqual(result.returncode, 0, result.stderr)
        doc = ezdxf.readfile(path)
        auditor = doc.audit()
        self.assertEqual(len(auditor.errors), 0, [str(e) for e in auditor.errors])
        return list(doc.modelspace().query("POLYLINE"))

    def test_tab_slot_leaves_its_toothed_edge_open(self):
        for options, edge_vertices in (((), 10), (("--tab-relief",), 22)):
            with self.subTest(options=options):
                polylines = self.read_dxf("tab-slot", *options)
                self.assertEqual(len(polylines), 4)
                self.assertEqual([p.is_closed for p in polylines], [True, True, True, False])
                self.assertEqual(len(list(polylines[-1].vertices)), edge_vertices)
        polylines = self.read_dxf("tab-slot", "--closed-last")
        self.assertTrue(polylines[-1].is_closed)

    def test_bobbin_is_closed_from_a_fresh_start(self):
        polylines = self.read_dxf("bobbin")
        drawn = [p for p in polylines if len(list(p.vertices)) > 1]
        self.assertEqual(len(drawn), 20)
        self.assertTrue(all(p.is_closed for p in polylines))
        self.assertFalse(self.read_dxf("bobbin", "--open-last")[-1].is_closed)

    def test_eps_renders_in_ghostscript(self):
        for command, options in (("tab-slot", ["--tab-relief"]), ("bobbin", [])):
            with self.subTest(command=command):
                path = self.work.file(command + ".eps")
                self.assertEqual(run_cli(command, *options, "-f", "eps", "-o", path).returncode, 0)
                png = self.work.file(command + ".png")
                code, errors = render_eps(path, png)
                self.assertEqual(code, 0, errors)
                self.assertGreater(dark_pixels(png), 20)

    def test_proposed_names(self):
        self.assertEqual(run_cli("tab-slot", "--set", "tabslot.T=3.5", "--name").stdout, b"3.5mm 25x25 tab\n")
        self.assertEqual(run_cli("bobbin", "--name").stdout, b"1mm 30x15x20 trans\n")

    def test_bad_cells_write_nothing(self):
        for command, assignment in (("tab-slot", "tabslot.L=long"), ("bobbin", "bobbin.g=0,1")):
            with self.subTest(command=command):
                result = run_cli(command, "--set", assignment, cwd=self.work.path)
                self.assertEqual(result.returncode, 1)
                self.assertIn(b"is not a valid floating point value.", result.stderr)
                self.assertEqual(os.listdir(self.work.path), [])


if __name__ == "__main__":
    unittest.main()
