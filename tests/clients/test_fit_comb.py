"""The fit comb, read back by ezdxf and rsvg-convert: a slot and a tab per allowance, side
by side, each allowance engraved under its slot."""
import os
import subprocess
import unittest

from cli_support import FilesTestCase, run_cli

ALLOWANCES = (0.05, 0.1, 0.15, 0.2)
THICKNESS = 5


def box_of(points):
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return min(xs), min(ys), max(xs), max(ys)


def overlaps(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


class FitComb(FilesTestCase):
    def comb_outlines(self, *options):
        path = self.work.file("comb.dxf")
        result = run_cli("tab-slot", "--comb", ",".join(map(str, ALLOWANCES)), *options, "-o", path)
        self.assertEqual(result.returncode, 0, result.stderr)
        polylines = self.audited_polylines(path)
        outlines = [[(v.dxf.location.x, v.dxf.location.y) for v in p.vertices] for p in polylines]
        # An engraved stroke is flagged open, a cut that returns to its start closed.
        for outline, polyline in zip(outlines, polylines):
            self.assertEqual(polyline.is_closed, outline[0] == outline[-1])
        return outlines

    def test_each_allowance_is_a_slot_a_tab_and_a_label_of_its_own(self):
        for options in ((), ("--tab-relief",)):
            with self.subTest(options=options):
                outlines = self.comb_outlines(*options)
                # R12 keeps no roles: the cuts are the outlines as long as a tab (25 mm), the
                # strokes of the labels (an "0" is closed too) are a few millimetres each.
                boxes = [box_of(o) for o in outlines]
                closed = [b for b in boxes if b[2] - b[0] >= 25]
                strokes = [b for b in boxes if b[2] - b[0] < 10]
                self.assertEqual(len(closed) + len(strokes), len(boxes))
                # The slots are the low closed outlines, the tabs the ones above them.
                closed.sort(key=lambda b: (b[1], b[0]))
                slots, tabs = closed[:len(ALLOWANCES)], closed[len(ALLOWANCES):]
                self.assertEqual(len(tabs), len(ALLOWANCES))
                slots.sort()
                tabs.sort()
                notch = 3.175 / 2 if options else 0
                for allowance, slot in zip(ALLOWANCES, slots):
                    # Across the slot: the thickness and its allowance (relief notches reach past it).
                    self.assertAlmostEqual(slot[3] - slot[1], THICKNESS + allowance + 2 * notch, places=6)
                every = slots + tabs
                for i, a in enumerate(every):
                    for b in every[i + 1:]:
                        self.assertFalse(overlaps(a, b), (a, b))
                for slot, tab in zip(slots, tabs):
                    middle = (slot[0] + slot[2]) / 2
                    self.assertAlmostEqual((tab[0] + tab[2]) / 2, middle, places=6)
                    self.assertGreater(tab[1], slot[3])
                # Every stroke is engraved under one slot, within its pair's width.
                labels = [[s for s in strokes if tab[0] <= s[0] and s[2] <= tab[2]] for tab in tabs]
                self.assertEqual(sum(len(label) for label in labels), len(strokes))
                for slot, label in zip(slots, labels):
                    self.assertGreater(len(label), 0)
                    ink = (min(s[0] for s in label), min(s[1] for s in label),
                           max(s[2] for s in label), max(s[3] for s in label))
                    self.assertLess(ink[3], slot[1])
                    self.assertLess(slot[1] - ink[3], 5)
                    self.assertAlmostEqual((ink[0] + ink[2]) / 2, (slot[0] + slot[2]) / 2, delta=1.5)

    def test_the_svg_renders_in_rsvg_convert(self):
        svg = self.work.file("comb.svg")
        result = run_cli("tab-slot", "--comb", "0.1,0.2", "-f", "svg", "-o", svg)
        self.assertEqual(result.returncode, 0, result.stderr)
        png = self.work.file("comb.png")
        rendered = subprocess.run(["rsvg-convert", svg, "-o", png], capture_output=True, timeout=60)
        self.assertEqual(rendered.returncode, 0, rendered.stderr)
        self.assertGreater(os.path.getsize(png), 0)

    def test_a_bad_list_is_a_usage_error_naming_the_value_and_writes_nothing(self):
        for comb, named in (("0.1,x", b"'x'"), ("0.1,,0.2", b"''"), ("", b"''"), ("0,1", None),
                            ("0.1,5", b"5"), ("-5", b"-5"), (",".join(["0.1"] * 51), b"50")):
            with self.subTest(comb=comb):
                result = run_cli("tab-slot", "--comb", comb, cwd=self.work.path)
                if named is None:
                    # A comma separates values: "0,1" is the allowances 0 and 1.
                    self.assertEqual(result.returncode, 0, result.stderr)
                    for name in os.listdir(self.work.path):
                        os.remove(self.work.file(name))
                    continue
                self.assertEqual(result.returncode, 2, result.stderr)
                self.assertIn(b"--comb", result.stderr)
                self.assertIn(named, result.stderr)
                self.assertEqual(os.listdir(self.work.path), [])
        result = run_cli("facade", "--comb", "0.1", cwd=self.work.path)
        self.assertEqual(result.returncode, 2)
        self.assertEqual(os.listdir(self.work.path), [])

    def test_an_allowance_is_engraved_as_the_number_it_means(self):
        """The files keep six decimals: 1e-300 is the comb of 0, engraving and all, and
        0.1000000001 that of 0.1, never hundreds of digits."""
        def comb(allowances):
            result = run_cli("tab-slot", "--comb", allowances, "-f", "svg", "-o", "-")
            self.assertEqual(result.returncode, 0, result.stderr)
            return result.stdout
        self.assertEqual(comb("1e-300,0.1000000001,-1e-300"), comb("0,0.1,0"))
        self.assertLess(len(comb("1e-300")), len(comb("0.123456")))

    def test_the_comb_proposes_a_name_of_its_own(self):
        self.assertEqual(run_cli("tab-slot", "--comb", "0.1", "--name").stdout, b"5mm 25x25 tab comb\n")


if __name__ == "__main__":
    unittest.main()
