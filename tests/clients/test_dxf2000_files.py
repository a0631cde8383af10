"""DXF 2000 files read by ezdxf (audited, layers, units, extents, one LWPOLYLINE per cut outline,
the same points as the exact R12 file) and printed by LibreCAD."""
import os
import subprocess
import unittest
import xml.etree.ElementTree as ET

import ezdxf

from cli_support import FilesTestCase, command_names, run_cli, tinted_pixels

SVG = "{http://www.w3.org/2000/svg}"
LAYER_OF_STROKE = {"#000000": "CUT_OUTER", "#0000ff": "CUT_INNER", "#00ff00": "ENGRAVE"}
SAME = 1.5e-6


def same_point(a, b):
    return abs(a[0] - b[0]) < SAME and abs(a[1] - b[1]) < SAME


class Dxf2000Files(FilesTestCase):
    def audited(self, path):
        doc = ezdxf.readfile(path)
        auditor = doc.audit()
        self.assertEqual([str(e) for e in auditor.errors], [])
        self.assertEqual([str(f) for f in auditor.fixes], [])
        return doc

    def test_every_command_is_a_clean_layered_millimetre_drawing(self):
        for command in command_names():
            with self.subTest(command=command):
                doc = self.audited(self.written(command, "dxf2000"))
                self.assertEqual(doc.dxfversion, "AC1015")
                self.assertEqual(doc.header["$INSUNITS"], 4)
                colours = {layer.dxf.name: layer.dxf.color for layer in doc.layers}
                self.assertEqual(colours["CUT_INNER"], 5)
                self.assertEqual(colours["CUT_OUTER"], 7)
                self.assertEqual(colours["ENGRAVE"], 3)
                entities = list(doc.modelspace())
                self.assertEqual({e.dxftype() for e in entities}, {"LWPOLYLINE"})
                points = [p for e in entities for p in e.get_points("xy")]
                xs, ys = [p[0] for p in points], [p[1] for p in points]
                self.assertAlmostEqual(doc.header["$EXTMIN"][0], min(xs), places=6)
                self.assertAlmostEqual(doc.header["$EXTMIN"][1], min(ys), places=6)
                self.assertAlmostEqual(doc.header["$EXTMAX"][0], max(xs), places=6)
                self.assertAlmostEqual(doc.header["$EXTMAX"][1], max(ys), places=6)

    def test_one_polyline_per_cut_outline_with_the_r12_points_on_the_svg_layers(self):
        for command in command_names():
            with self.subTest(command=command):
                r12 = [[(v.dxf.location.x, v.dxf.location.y) for v in p.vertices]
                       for p in self.command_polylines(command, "-f", "dxf", "--inner-first")]
                cut = [outline for outline in r12 if len(outline) > 1]
                doc = self.audited(self.written(command, "dxf2000"))
                polylines = list(doc.modelspace().query("LWPOLYLINE"))
                self.assertEqual(len(polylines), len(cut))
                for outline, polyline in zip(cut, polylines):
                    closed = same_point(outline[0], outline[-1])
                    self.assertEqual(polyline.closed, closed)
                    expected = outline[:-1] if closed else outline
                    got = list(polyline.get_points("xy"))
                    self.assertEqual(len(got), len(expected))
                    self.assertTrue(all(same_point(a, b) for a, b in zip(got, expected)))
                svg = ET.parse(self.written(command, "svg")).getroot()
                strokes = [p.get("stroke") for p in svg.iter(SVG + "path") if p.get("stroke") != "#ff0000"]
                self.assertEqual([p.dxf.layer for p in polylines], [LAYER_OF_STROKE[s] for s in strokes])

    def test_librecad_prints_the_cuts_in_their_layer_colours(self):
        dxf = self.written("bottom", "dxf2000")
        # LibreCAD prints the file beside it, named after it.
        pdf = dxf[:-len(".dxf")] + ".pdf"
        result = subprocess.run(["librecad", "dxf2pdf", "-a", dxf], capture_output=True, timeout=120,
                                env={**os.environ, "QT_QPA_PLATFORM": "offscreen"})
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn(b"DONE", result.stdout + result.stderr)
        subprocess.run(["pdftoppm", "-r", "50", "-png", "-singlefile", pdf, self.work.file("bottom")], check=True,
                       timeout=120)
        counts = tinted_pixels(self.work.file("bottom.png"))
        self.assertGreater(counts["blue"], 200)
        self.assertGreater(counts["grey"], 200)

    def test_standard_output_and_the_proposed_name(self):
        out = run_cli("spiral", "-f", "dxf2000", "-o", "-").stdout
        self.assertTrue(out.startswith(b"  0\r\nSECTION\r\n  2\r\nHEADER\r\n"))
        self.assertTrue(out.endswith(b"  0\r\nEOF\r\n"))
        result = run_cli("spiral", "-f", "dxf2000", cwd=self.work.path)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(os.listdir(self.work.path), ["spiral R10mm Fi15 step5 rev8.dxf"])


if __name__ == "__main__":
    unittest.main()
