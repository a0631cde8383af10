"""Cut-outs, vents and labels through the command line: every bad line refused with its
reason and nothing written; the holes read back by ezdxf in the panel of their face, the
box they make read by admesh, and the fit report's check of them."""
import math
import os
import unittest

import ezdxf
from shapely.geometry import Point, Polygon

from cli_support import FilesTestCase, run_cli
from test_assembled_box_stl import FAULTS, admesh, cut_area

ENCLOSURE = [
    "--cutout", "front,rect,100,60,70,25,2",     # the display window
    "--cutout", "rear,circle,40,50,12",           # two round connectors
    "--cutout", "rear,circle,160,50,16",
    "--vent", "lid,slots,100,55,80,40",
    "--cutout", "bottom,circle,10,10,3.5",        # mounting holes
    "--cutout", "bottom,circle,190,100,3.5",
]
LABELS = ["--label", "front,100,20,6,POWER Питание", "--label", "rear,40,32,4,DC 12V", "--label", "rear,160,32,4,USB"]


def polygons(dxf_path):
    return [Polygon([(v.dxf.location.x, v.dxf.location.y) for v in p.vertices])
            for p in ezdxf.readfile(dxf_path).modelspace().query("POLYLINE") if len(p) >= 3]


class CutoutLines(FilesTestCase):
    def assert_refused(self, args, message):
        out = self.work.file("box.dxf")
        result = run_cli("full", *args, "-o", out)
        self.assertEqual(result.returncode, 2, result.stderr)
        self.assertIn(message.encode(), result.stderr)
        self.assertEqual(os.listdir(self.work.path), [])

    def test_every_kind_of_bad_line_is_a_usage_error_that_writes_nothing(self):
        cases = [
            (["--cutout", "top,circle,10,10,5"], '--cutout "top,circle,10,10,5": unknown face "top"'),
            (["--cutout", "front,oval,10,10,5"], 'unknown shape "oval": circle, rect or slot'),
            (["--cutout", "front,circle,10,10,0"], "the diameter must be more than 0, not 0"),
            (["--cutout", "front,circle,10,10"], "circle takes X,Y,DIAMETER, not 2 numbers"),
            (["--cutout", "front,slot,10,10,5,2,1"], "slot takes X,Y,LENGTH,WIDTH, not 5 numbers"),
            (["--vent", "lid,slots,50,50,40,30,3,3"], "the pitch must exceed the size by at least 1 mm"),
            (["--label", "front,10,10,5,\x1b[31m"], "the text holds a control character"),
            (["--label", "front,10,10,5, "], "the label has no text"),
            # Blanks of any width engrave nothing a user could read; sizes finer than the
            # files keep are drawn as nothing.
            (["--label", "front,10,10,5,\u00a0\u3000\u2009"], "the label has no text"),
            (["--cutout", "front,circle,10,10,1e-300"], "the diameter 1e-300 is less than 0.000001 mm"),
            (["--cutout", "front,slot,10,10,1e-300,1e-300"], "the length 1e-300 is less than 0.000001 mm"),
            (["--cutout", "front,rect,10,10,4,1e-300"], "the height 1e-300 is less than 0.000001 mm"),
            (["--label", "front,10,10,1e-300,OK"], "the height 1e-300 is less than 0.000001 mm"),
        ]
        for args, message in cases:
            with self.subTest(args=args):
                self.assert_refused(args, message)

    def test_a_bad_line_of_a_list_file_is_named_by_its_line(self):
        listing = self.work.file("cuts.txt")
        for text, message in [(b"# ok\ncutout front,circle,1,2,3\ncutout front,circle,1,2\n", "line 3: circle takes"),
                              (b"cutout front,circle,10,10,5\n# caf\xe9\n", "line 2: not UTF-8"),
                              (b"vent front,grid,1,2,3,4\n", 'line 1: unknown vent pattern "grid"')]:
            with self.subTest(text=text):
                with open(listing, "wb") as f:
                    f.write(text)
                result = run_cli("full", "--cutouts", listing, "-o", self.work.file("box.dxf"))
                self.assertEqual(result.returncode, 2, result.stderr)
                self.assertIn(message.encode(), result.stderr)
                self.assertEqual(os.listdir(self.work.path), ["cuts.txt"])

    def test_a_list_file_that_begins_with_a_byte_order_mark_reads_as_without_it(self):
        """Windows editors begin a UTF-8 file with one: the same box is drawn."""
        drawn = []
        for mark in (b"", b"\xef\xbb\xbf"):
            listing = self.work.file("cuts.txt")
            with open(listing, "wb") as f:
                f.write(mark + "cutout front,circle,30,20,12\r\nlabel rear,40,32,4,Вход\r\n".encode())
            result = run_cli("full", "--cutouts", listing, "-f", "svg", "-o", "-")
            self.assertEqual(result.returncode, 0, result.stderr)
            drawn.append(result.stdout)
        self.assertEqual(drawn[0], drawn[1])

    def test_a_cutout_outside_its_face_is_refused_with_the_face_and_its_size(self):
        result = run_cli("simple-full", "--cutout", "rear,circle,195,50,12", "-o", self.work.file("box.dxf"))
        self.assertEqual(result.returncode, 1, result.stderr)
        self.assertIn(b"cutout rear,circle,195,50,12: it reaches outside the rear face, 200 x 100 mm", result.stderr)
        self.assertEqual(os.listdir(self.work.path), [])

    def test_cutouts_need_a_whole_box(self):
        result = run_cli("facade", "--cutout", "front,circle,50,50,5", "-o", self.work.file("f.dxf"))
        self.assertEqual(result.returncode, 2)
        self.assertIn(b"whole box", result.stderr)

    def test_a_list_of_more_openings_than_the_limit_is_refused_before_it_is_drawn(self):
        """A hundred vent lines (4 KB) drew for minutes: refused at once, from a file or from
        options, naming the count and the limit, every kind of output (--fit, STL) too."""
        vents = "".join(f"vent front,holes,{100 + k / 100},50,190,90,6,4\n" for k in range(100))
        listed = self.work.file("vents.txt")
        with open(listed, "w") as f:
            f.write(vents)
        for args in (["--cutouts", listed, "-o", self.work.file("box.dxf")],
                     ["--cutouts", listed, "-f", "stl", "-o", self.work.file("box.stl")],
                     ["--cutouts", listed, "--fit"],
                     [*(f"--vent=front,holes,{100 + k / 100},50,190,90,6,4" for k in range(80)), "-o", "-"]):
            result = run_cli("full", *args)
            self.assertEqual(result.returncode, 1, args)
            self.assertRegex(result.stderr.decode(), r"^tessaro-cli: vent front,holes,100\.\d+,50,190,90,6,4: the "
                             r"cut-outs and vents make \d{5} openings in all, more than the 5000 a list may make\.\n$")
            self.assertEqual(result.stdout, b"")
        self.assertEqual(os.listdir(self.work.path), ["vents.txt"])


class CutoutGeometry(FilesTestCase):
    def test_the_holes_are_cut_from_the_panel_of_their_face(self):
        """The display window and the connectors are holes of the front's and the rear's
        outline (each 210 x 110 with its tabs), at the user's point seen from outside."""
        dxf = self.work.file("box.dxf")
        result = run_cli("full", *ENCLOSURE, "-o", dxf)
        self.assertEqual(result.returncode, 0, result.stderr)
        shapes = polygons(dxf)
        walls = sorted((s for s in shapes if abs(s.bounds[2] - s.bounds[0] - 210) < 1e-6
                        and abs(s.bounds[3] - s.bounds[1] - 110) < 1e-6), key=lambda s: s.bounds[1])
        self.assertEqual(len(walls), 2)
        front, rear = walls  # the front is laid out below the rear
        for wall, u, v, diameter in [(rear, 40, 50, 12), (rear, 160, 50, 16)]:
            corner = (wall.bounds[0] + 5, wall.bounds[1] + 5)  # the body's lower-left corner
            holes = [s for s in shapes if abs(s.area - math.pi * diameter ** 2 / 4) < 0.01 * s.area]
            self.assertEqual(len(holes), 1)
            centre = holes[0].centroid
            # Drawn as seen from outside, u runs along the drawing's X.
            self.assertAlmostEqual(centre.x, corner[0] + u, places=3)
            self.assertAlmostEqual(centre.y, corner[1] + v, places=3)
            self.assertTrue(wall.contains(holes[0]))
        window = [s for s in shapes if abs(s.bounds[2] - s.bounds[0] - 70) < 1e-6
                  and abs(s.bounds[3] - s.bounds[1] - 25) < 1e-6]
        self.assertEqual(len(window), 1)
        self.assertTrue(front.contains(window[0]))
        # The corners' chords take at most their length times the chord error.
        self.assertAlmostEqual(window[0].area, 70 * 25 - (4 - math.pi) * 2 ** 2, delta=2 * math.pi * 2 * 0.01)

    def test_the_box_with_its_cutouts_is_six_closed_parts_holding_the_cut_material(self):
        for verb in ["full", "simple-full"]:
            with self.subTest(verb=verb):
                stl, dxf, plain = self.work.file("box.stl"), self.work.file("box.dxf"), self.work.file("plain.dxf")
                # Labels are engraved, not cut: the solid is the one the holes leave.
                result = run_cli(verb, *ENCLOSURE, *LABELS, "-f", "stl", "-o", stl)
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertEqual(run_cli(verb, *ENCLOSURE, "-o", dxf).returncode, 0)
                self.assertEqual(run_cli(verb, "-o", plain).returncode, 0)
                report = admesh(stl)
                self.assertEqual({name: report[name] for name in FAULTS}, dict.fromkeys(FAULTS, 0))
                self.assertEqual(report["parts"], 6)
                self.assertAlmostEqual(report["volume"] / (cut_area(dxf) * 5), 1, delta=1e-5)
                # The cut-outs take their own area from the material, nothing else.
                taken = cut_area(plain) - cut_area(dxf)
                circles = sum(math.pi * d ** 2 / 4 for d in (12, 16, 3.5, 3.5))
                window = 70 * 25 - (4 - math.pi) * 2 ** 2
                self.assertGreater(taken, circles + window + 0.5 * 80 * 40 * 0.3)
                self.assertLess(taken, circles + window + 80 * 40)


class Labels(FilesTestCase):
    def test_labels_are_open_engraved_strokes_on_their_panel(self):
        dxf = self.work.file("box.dxf")
        result = run_cli("full", *ENCLOSURE, *LABELS, "-o", dxf)
        self.assertEqual(result.returncode, 0, result.stderr)
        lines = [p for p in ezdxf.readfile(dxf).modelspace().query("POLYLINE") if not p.is_closed]
        self.assertGreater(len(lines), 20)
        walls = sorted((s for s in polygons(dxf) if abs(s.bounds[2] - s.bounds[0] - 210) < 1e-6
                        and abs(s.bounds[3] - s.bounds[1] - 110) < 1e-6), key=lambda s: s.bounds[1])
        front, rear = walls
        def on(wall):
            return sum(1 for line in lines if wall.contains(Point(line.vertices[0].dxf.location.x,
                                                                  line.vertices[0].dxf.location.y)))
        # Every stroke lies on the front (the power label) or the rear (the connectors').
        self.assertGreater(on(front), 5)
        self.assertGreater(on(rear), 5)
        self.assertEqual(on(front) + on(rear), len(lines))

    def test_a_label_outside_its_face_is_refused(self):
        result = run_cli("full", "--label", "front,5,50,6,POWER", "-o", self.work.file("box.dxf"))
        self.assertEqual(result.returncode, 1)
        self.assertIn(b"label front,5,50,6,POWER: it reaches outside the front face, 200 x 100 mm", result.stderr)
        self.assertEqual(os.listdir(self.work.path), [])


class CutoutFit(FilesTestCase):
    def fit_check(self, *args):
        result = run_cli("full", "--fit", *args)
        self.assertEqual(result.returncode, 0, result.stderr)
        lines = result.stdout.decode().splitlines()
        start = next(i for i, line in enumerate(lines) if line.startswith("cut-outs:"))
        end = next(i for i, line in enumerate(lines) if line.startswith("overlaps:"))
        return lines[start:end]

    def test_a_clean_box_and_a_cutout_moved_onto_the_fronts_tabs(self):
        self.assertEqual(self.fit_check(*ENCLOSURE), ["cut-outs: none clash"])
        moved = self.fit_check(*ENCLOSURE, "--cutout", "front,slot,25,2.5,12,4")
        self.assertEqual(moved, ["cut-outs: 1 clash", "cutout front,slot,25,2.5,12,4: runs into a tab"])

    def test_a_box_without_cutouts_reports_as_before(self):
        result = run_cli("full", "--fit")
        self.assertNotIn(b"cut-outs:", result.stdout)


if __name__ == "__main__":
    unittest.main()
