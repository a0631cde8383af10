"""--kerf through the command line: the saved outlines move by half the kerf, none changes
nothing, and a kerf the drawing cannot take writes nothing."""
import os
import unittest

import ezdxf

from cli_support import FilesTestCase, run_cli

# The bottom's outer edge, its slots and the notches across its wings; the bobbin's parts.
COMMANDS = ["bottom", "full", "bobbin", "tab-slot", "spiral"]


class KerfFiles(FilesTestCase):
    def test_no_kerf_writes_the_same_bytes(self):
        for command in COMMANDS:
            for fmt in ("eps", "dxf", "svg", "dxf2000"):
                with self.subTest(command=command, format=fmt):
                    plain = run_cli(command, "-f", fmt, "-o", "-")
                    none = run_cli(command, "-f", fmt, "-o", "-", "--kerf", "0")
                    self.assertEqual(plain.returncode, 0, plain.stderr)
                    masked = [b for b in (plain.stdout, none.stdout)]
                    if fmt == "eps":
                        masked = [b"\n".join(l for l in m.split(b"\n") if not l.startswith(b"%%CreationDate"))
                                  for m in masked]
                    self.assertEqual(masked[0], masked[1])

    def test_outlines_grow_and_holes_shrink_by_half_the_kerf(self):
        def polylines(kerf):
            path = self.work.file(f"bottom-{kerf}.dxf")
            result = run_cli("bottom", "-f", "dxf2000", "--kerf", kerf, "-o", path)
            self.assertEqual(result.returncode, 0, result.stderr)
            doc = ezdxf.readfile(path)
            self.assertEqual(len(doc.audit().errors), 0)
            return {layer: [p for p in doc.modelspace().query(f"LWPOLYLINE[layer=='{layer}']")]
                    for layer in ("CUT_OUTER", "CUT_INNER")}

        def box(polyline):
            xs = [p[0] for p in polyline.get_points("xy")]
            ys = [p[1] for p in polyline.get_points("xy")]
            return min(xs), min(ys), max(xs), max(ys)

        drawn, kerfed = polylines("0"), polylines("0.4")
        self.assertEqual(len(drawn["CUT_OUTER"]), 1)
        self.assertEqual(len(kerfed["CUT_OUTER"]), 1)
        grown = [a - b for a, b in zip(box(kerfed["CUT_OUTER"][0]), box(drawn["CUT_OUTER"][0]))]
        for moved, want in zip(grown, (-0.2, -0.2, 0.2, 0.2)):
            self.assertAlmostEqual(moved, want, places=5)
        # The two jumper notches across the wings' edges are cut as part of the edge now.
        self.assertEqual(len(kerfed["CUT_INNER"]), len(drawn["CUT_INNER"]) - 2)
        for before, after in zip(drawn["CUT_INNER"], kerfed["CUT_INNER"]):
            for moved, want in zip([a - b for a, b in zip(box(after), box(before))], (0.2, 0.2, -0.2, -0.2)):
                self.assertAlmostEqual(moved, want, places=5)

    def test_a_kerf_that_closes_a_slot_is_refused_and_writes_nothing(self):
        path = self.work.file("tab.dxf")
        result = run_cli("tab-slot", "--kerf", "6", "-o", path)
        self.assertEqual(result.returncode, 1)
        self.assertIn(b'closes or splits outline 2 (an inner cut) of "tab-slot piece"', result.stderr)
        self.assertEqual(os.listdir(self.work.path), [])

    def test_a_kerf_wider_than_the_room_between_panels_is_refused(self):
        result = run_cli("full", "--kerf", "45", "-o", self.work.file("full.dxf"))
        self.assertEqual(result.returncode, 1)
        self.assertIn(b"The kerf", result.stderr)
        self.assertEqual(os.listdir(self.work.path), [])

    def test_a_bad_kerf_is_refused_like_a_bad_cell(self):
        for text, message in (("x", b"'x' is not a valid floating point value."),
                              ("-1", b"The kerf '-1' is not a width from 0 to 50 mm.")):
            with self.subTest(kerf=text):
                result = run_cli("full", "--kerf", text, "-o", self.work.file("full.dxf"))
                self.assertEqual(result.returncode, 1)
                self.assertEqual(result.stderr, b"tessaro-cli: " + message + b"\n")
                self.assertEqual(os.listdir(self.work.path), [])

    def test_open_cuts_are_left_as_drawn_with_a_warning(self):
        plain = run_cli("spiral", "-o", "-")
        kerfed = run_cli("spiral", "--kerf", "0.2", "-o", "-")
        self.assertEqual(kerfed.returncode, 0)
        self.assertEqual(kerfed.stdout, plain.stdout)
        self.assertIn(b'leaves outline 1 (an outer cut) of "spiral" as drawn', kerfed.stderr)

    def test_the_fit_is_that_of_the_drawn_parts(self):
        plain = run_cli("full", "--fit")
        kerfed = run_cli("full", "--fit", "--kerf", "0.3")
        self.assertEqual(kerfed.returncode, 0, kerfed.stderr)
        self.assertEqual(kerfed.stdout, plain.stdout)


if __name__ == "__main__":
    unittest.main()
