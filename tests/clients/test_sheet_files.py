"""Nested sheets: one file per sheet, each read by the same readers as a single template."""
import os
import re
import unittest
from xml.etree import ElementTree

from cli_support import FilesTestCase, dark_pixels, render_eps, render_svg, run_cli, sheet_names


class SheetFiles(FilesTestCase):
    def sheet_files(self, *args):
        result = run_cli("full", "--sheet", *args, "-o", self.work.file("box." + self.format))
        self.assertEqual(result.returncode, 0, result.stderr)
        names = sorted(os.listdir(self.work.path))
        self.assertEqual(sheet_names(result), [self.work.file(n) for n in names])
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
        self.assertRegex(too_small.stderr.decode(), r"^tessaro-cli: Part \d+ \(the [a-z ]+, \d+(\.\d+)? x \d+(\.\d+)? mm\) does not fit")
        many_to_stdout = run_cli("full", "--sheet", "300x200", "-o", "-")
        self.assertEqual(many_to_stdout.returncode, 2)
        self.assertEqual(many_to_stdout.stdout, b"")
        self.assertEqual(os.listdir(self.work.path), [])

    def test_a_bad_sheet_or_gap_is_a_usage_error_whatever_it_looks_like(self):
        # A side that rounds to nothing, and a value given empty, are no less wrong.
        sheets = ["600", "600x", "x400", "abc", "1,5x400", "0x0", "0x400", "-1x400", "600x-1", "1e6x400", "inf x400",
                  "1e-300x1e-300", "600x0.0000009", ""]
        gaps = ["x", "abc", "-1", "-0.5", "1e9", "3mm", "", " "]
        for bad in [["--sheet", sheet] for sheet in sheets] + [["--sheet", "600x400", "--gap", gap] for gap in gaps]:
            result = run_cli("full", *bad, "-o", self.work.file("box.dxf"))
            self.assertEqual(result.returncode, 2, bad)
            self.assertRegex(result.stderr.decode(), f"^tessaro-cli: {bad[-2]} '.*' is not [^\\n]* (to|most) "
                             r"\d+", bad)
        self.assertEqual(run_cli("full", "--gap", "3", "-o", self.work.file("box.dxf")).returncode, 2)
        self.assertEqual(run_cli("full", "--sheet", "600x400", "--gap", "0", "-o", self.work.file("box.dxf")).returncode, 0)
        self.assertEqual(os.listdir(self.work.path), ["box-1.dxf"])

    def test_a_set_is_saved_whole_or_not_at_all(self):
        sheets = self.sheet_count("300x200")
        self.assertGreaterEqual(sheets, 3)
        for i in (1, 2):
            with open(self.work.file(f"s-{i}.dxf"), "wb") as f:
                f.write(b"old %d" % i)
        os.mkdir(self.work.file("s-3.dxf"))
        result = run_cli("full", "--sheet", "300x200", "-o", self.work.file("s.dxf"))
        self.assertEqual(result.returncode, 1)
        self.assertEqual(result.stderr.decode(),
                         f'tessaro-cli: Cannot create file "{self.work.file("s-3.dxf")}". Is a directory.\n')
        self.assertEqual(result.stdout, b"")
        for i in (1, 2):
            with open(self.work.file(f"s-{i}.dxf"), "rb") as f:
                self.assertEqual(f.read(), b"old %d" % i)
        self.assertEqual(sorted(os.listdir(self.work.path)), ["s-1.dxf", "s-2.dxf", "s-3.dxf"])

    # The command line cannot ask before it replaces a set: it names what it replaced and
    # what it removed on standard error.
    def test_the_sheets_of_an_earlier_larger_set_are_removed_and_named(self):
        sheets = self.sheet_count("300x200")
        first = run_cli("full", "--sheet", "300x200", "-o", self.work.file("s.dxf"))
        self.assertEqual(first.returncode, 0, first.stderr)
        self.assertEqual(first.stderr, b"")
        unrelated = ["s-9.svg", "s-07.dxf", "s-x.dxf", "t-5.dxf", "s-2-1.dxf", "s.dxf"]
        for name in unrelated:
            open(self.work.file(name), "wb").close()
        smaller = run_cli("full", "--sheet", "600x400", "-o", self.work.file("s.dxf"))
        self.assertEqual(smaller.returncode, 0, smaller.stderr)
        self.assertEqual(sheet_names(smaller), [self.work.file("s-1.dxf")])
        self.assertEqual(smaller.stderr.decode(), f'tessaro-cli: replaced "{self.work.file("s-1.dxf")}"\n' + "".join(
            f'tessaro-cli: removed "{self.work.file(f"s-{k}.dxf")}", a sheet of an earlier, larger set\n'
            for k in range(2, sheets + 1)))
        self.assertEqual(sorted(os.listdir(self.work.path)), sorted(["s-1.dxf"] + unrelated))
        self.assertTrue(self.audited_polylines(self.work.file("s-1.dxf")))

    # Only the unbroken run of our own sheets after the new count goes: a user's files named
    # as sheets ("my own drawing", "revision 7"), a sheet of ours that the user edited, a
    # sheet of another type and all beyond the first of them stay as they were, each named
    # on standard error.
    def test_only_our_own_sheets_of_an_earlier_set_are_removed_and_the_rest_are_named(self):
        sheets = self.sheet_count("300x200")
        self.assertGreaterEqual(sheets, 4)
        first = run_cli("full", "--sheet", "300x200", "-o", self.work.file("box.dxf"))
        self.assertEqual(first.returncode, 0, first.stderr)
        edited = self.work.file("box-4.dxf")
        with open(edited, "rb") as f:
            edited_bytes = b"999\r\nedited by hand\r\n" + f.read()
        with open(edited, "wb") as f:
            f.write(edited_bytes)
        own = {"box-2024.dxf": b"my own drawing\n", f"box-{sheets + 2}.dxf": b"revision 7\n",
               f"box-{sheets + 3}.dxf": b""}
        for name, content in own.items():
            with open(self.work.file(name), "wb") as f:
                f.write(content)
        self.assertEqual(run_cli("full", "--sheet", "300x200", "-f", "dxf2000", "-o",
                                 self.work.file("other.dxf")).returncode, 0)
        os.rename(self.work.file("other-1.dxf"), self.work.file(f"box-{sheets + 1}.dxf"))

        smaller = run_cli("full", "--sheet", "600x400", "-o", self.work.file("box.dxf"))
        self.assertEqual(smaller.returncode, 0, smaller.stderr)
        self.assertEqual(sheet_names(smaller), [self.work.file("box-1.dxf")])
        left = list(range(4, sheets + 4)) + [2024]
        self.assertEqual(smaller.stderr.decode(), f'tessaro-cli: replaced "{self.work.file("box-1.dxf")}"\n' + "".join(
            f'tessaro-cli: removed "{self.work.file(f"box-{k}.dxf")}", a sheet of an earlier, larger set\n'
            for k in (2, 3)) + "".join(
            f'tessaro-cli: left "{self.work.file(f"box-{k}.dxf")}", named as a sheet of the set but not provably one\n'
            for k in left))
        for name, content in own.items():
            with open(self.work.file(name), "rb") as f:
                self.assertEqual(f.read(), content)
        with open(edited, "rb") as f:
            self.assertEqual(f.read(), edited_bytes)
        self.assertEqual(sorted(os.listdir(self.work.path)), sorted(
            ["box-1.dxf"] + [f"box-{k}.dxf" for k in left] + [f"other-{k}.dxf" for k in range(2, sheets + 1)]))

    def test_a_set_named_after_a_device_or_a_pipe_is_refused(self):
        pipe = self.work.file("s.dxf")
        os.mkfifo(pipe)
        for name in ("/dev/full", pipe):
            result = run_cli("full", "--sheet", "300x200", "-o", name)
            self.assertEqual(result.returncode, 1, name)
            self.assertEqual(result.stderr.decode(), f'tessaro-cli: Cannot create file "{name}". It is not a regular file.\n')
            self.assertFalse(os.path.exists(name + "-1"))
        self.assertEqual(os.listdir(self.work.path), ["s.dxf"])

    def sheet_count(self, size):
        """How many sheets of SIZE the folding set takes, nested where the test does not look."""
        result = run_cli("full", "--sheet", size, "-o", "-")
        self.assertEqual(result.returncode, 2)
        self.assertRegex(result.stderr.decode(), r"need \d+ sheets")
        return int(re.search(r"need (\d+) sheets", result.stderr.decode()).group(1))

    def nested(self, command, *args):
        """Nests COMMAND with ARGS as s-1, s-2, ... in the work folder; returns their paths."""
        result = run_cli(command, *args, "-o", self.work.file("s." + self.format))
        self.assertEqual(result.returncode, 0, result.stderr)
        return sheet_names(result)

    def drawn_extent(self, command, open_only=False):
        """The width and height of what COMMAND draws (of its open polylines only), read back by ezdxf."""
        points = [tuple(v)[:2] for p in self.command_polylines(command) if not (open_only and p.is_closed)
                  for v in p.points()]
        xs, ys = [x for x, _ in points], [y for _, y in points]
        return max(xs) - min(xs), max(ys) - min(ys)

    def test_a_sheet_of_a_pieces_size_and_the_gap_takes_it(self):
        self.format = "dxf"
        width, height = self.drawn_extent("facade")
        self.assertEqual(len(self.nested("facade", "--sheet", f"{width + 2:g}x{height + 2:g}", "--gap", "1")), 1)
        short = run_cli("facade", "--sheet", f"{width + 1.99:g}x{height + 2:g}", "--gap", "1", "-o", self.work.file("t.dxf"))
        self.assertEqual(short.returncode, 1)
        self.assertEqual(short.stderr.decode(), f"tessaro-cli: Part 1 (the front panel, {width:g} x {height:g} mm) does not fit on a "
                         f"{width + 1.99:g} x {height + 2:g} mm sheet with a gap of 1 mm, turned or not.\n")
        # The open toothed strip of the test piece, turned or not, with a twentieth to spare.
        strip, _ = self.drawn_extent("tab-slot", open_only=True)
        self.assertTrue(self.nested("tab-slot", "--sheet", f"{strip + 2.05:g}x{strip + 2.05:g}", "--gap", "1"))

    def test_the_folding_bottom_measures_the_jumper_notches_it_cuts(self):
        self.format = "dxf"
        # The notches for the bottom-support jumper run 2 mm past each wing: 224 mm across.
        refused = run_cli("full", "--sheet", "233x143", "-o", self.work.file("t.dxf"))
        self.assertEqual(refused.returncode, 1)
        self.assertRegex(refused.stderr.decode(), r"^tessaro-cli: Part 2 \(the bottom, 224 x 130 mm\) does not fit on a 233 x 143 mm")
        sheets = self.nested("full", "--sheet", "233x143", "--gap", "4.5")
        self.assertEqual(len(sheets), 6)
        for path in sheets:
            # The lone marks ride with their panels but take no room of their own.
            for polyline in [p for p in self.audited_polylines(path) if len(p) > 1]:
                for x, y, *_ in polyline.points():
                    self.assertTrue(4.5 - 2e-5 <= x <= 228.5 + 2e-5 and 4.5 - 2e-5 <= y <= 138.5 + 2e-5, (path, x, y))

    def test_only_the_templates_own_last_outline_is_left_open(self):
        self.format = "dxf"
        for args in (("--sheet", "103x12", "--gap", "1"), ("--sheet", "300x200"), ("--sheet", "60x200", "--gap", "1")):
            paths = self.nested("tab-slot", *args)
            left_open = []
            for sheet, path in enumerate(paths):
                polylines = self.audited_polylines(path)
                for index, polyline in enumerate(polylines):
                    points = [tuple(v)[:2] for v in polyline.points()]
                    ends_on_start = len(points) > 1 and points[0] == points[-1]
                    if not polyline.is_closed:
                        left_open.append((sheet, index, len(polylines), ends_on_start))
            self.assertEqual(len(left_open), 1, (args, left_open))
            sheet, index, count, ends_on_start = left_open[0]
            self.assertEqual((sheet, index), (len(paths) - 1, count - 1), args)
            self.assertFalse(ends_on_start, args)
            for path in paths:
                os.remove(path)
        for path in self.nested("tab-slot", "--sheet", "103x12", "--gap", "1", "--closed-last"):
            self.assertTrue(all(p.is_closed for p in self.audited_polylines(path)))

    def test_a_sheets_svg_is_the_sheet_with_its_margins(self):
        self.format = "svg"
        for path in self.nested("full", "--sheet", "300x200", "-f", "svg", "--gap", "3"):
            root = ElementTree.parse(path).getroot()
            self.assertEqual((root.get("width"), root.get("height"), root.get("viewBox")),
                             ("300mm", "200mm", "0 -200 300 200"))
            paths = root.iter("{http://www.w3.org/2000/svg}path")
            numbers = [float(n) for p in paths for n in re.findall(r"-?\d+(?:\.\d+)?", p.get("d"))]
            self.assertTrue(numbers)
            for x, y in zip(numbers[0::2], numbers[1::2]):
                self.assertTrue(3 - 2e-5 <= x <= 297 + 2e-5 and 3 - 2e-5 <= -y <= 197 + 2e-5, (path, x, y))

    def test_no_rotation_keeps_every_piece_as_drawn(self):
        self.format = "dxf"
        width, height = self.drawn_extent("facade")
        upright = f"{height + 5:g}x{width + 5:g}"
        self.assertEqual(len(self.nested("facade", "--sheet", upright, "--gap", "2")), 1)
        kept = run_cli("facade", "--sheet", upright, "--gap", "2", "--no-rotation", "-o", self.work.file("k.dxf"))
        self.assertEqual(kept.returncode, 1)
        self.assertEqual(kept.stderr.decode(), f"tessaro-cli: Part 1 (the front panel, {width:g} x {height:g} mm) does not fit on a "
                         f"{height + 5:g} x {width + 5:g} mm sheet with a gap of 2 mm.\n")
        self.assertFalse(os.path.exists(self.work.file("k-1.dxf")))
        self.assertEqual(run_cli("facade", "--no-rotation", "-o", self.work.file("k.dxf")).returncode, 2)

    def test_one_sheet_goes_to_standard_output(self):
        result = run_cli("facade", "--sheet", "600x400", "-f", "eps", "-o", "-")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertTrue(result.stdout.startswith(b"%!PS-Adobe-3.0 EPSF-3.0\r\n"))


if __name__ == "__main__":
    unittest.main()
