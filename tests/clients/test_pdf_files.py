"""PDF files read by poppler: the page is the drawing at 1:1 plus its margins, the reference
square measures 10 mm on a known raster, the caption is text, and the cuts keep their colours."""
import re
import subprocess
import unittest

import ezdxf

from cli_support import FilesTestCase, command_names, png_pixels, run_cli, sheet_names, tinted_pixels

POINTS_PER_MM = 72 / 25.4
MARGIN = 20
DPI = 254  # ten pixels a millimetre


def page_size(pdf):
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, timeout=120, check=True).stdout.decode()
    match = re.search(r"Page size:\s+([0-9.]+) x ([0-9.]+) pts", info)
    return float(match.group(1)), float(match.group(2)), info


class PdfFiles(FilesTestCase):
    def drawn_size(self, command):
        """The width and height of what the R12 DXF cuts."""
        doc = ezdxf.readfile(self.written(command, "dxf"))
        points = [(v.dxf.location.x, v.dxf.location.y) for p in doc.modelspace().query("POLYLINE")
                  if len(p.vertices) > 1 for v in p.vertices]
        xs, ys = [p[0] for p in points], [p[1] for p in points]
        return max(xs) - min(xs), max(ys) - min(ys)

    def test_every_page_is_the_drawing_at_full_size_plus_the_margins(self):
        for command in command_names():
            with self.subTest(command=command):
                width, height = self.drawn_size(command)
                pdf_width, pdf_height, info = page_size(self.written(command, "pdf"))
                self.assertRegex(info, r"\nPages: +1\n")
                # pdfinfo rounds to the hundredth of a point.
                self.assertAlmostEqual(pdf_width, (width + 2 * MARGIN) * POINTS_PER_MM, delta=0.01)
                self.assertAlmostEqual(pdf_height, (height + 2 * MARGIN) * POINTS_PER_MM, delta=0.01)

    def test_the_reference_square_measures_ten_millimetres_and_is_captioned(self):
        pdf = self.written("tab-slot", "pdf")
        text = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, timeout=120, check=True).stdout
        self.assertIn("10 × 10 mm", text.decode())
        subprocess.run(["pdftoppm", "-r", str(DPI), "-gray", "-png", "-singlefile", pdf, self.work.file("tab")],
                       check=True, timeout=120)
        rows = rows_of(self.work.file("tab.png"))
        # The square stands alone in the lower-left corner of the margin, under the caption's right.
        corner = [row[:160] for row in rows[-160:]]
        dark = [(x, y) for y, row in enumerate(corner) for x, v in enumerate(row) if v < 128]
        xs, ys = [x for x, _ in dark], [y for _, y in dark]
        self.assertEqual(max(xs) - min(xs) + 1, 100)
        self.assertEqual(max(ys) - min(ys) + 1, 100)
        self.assertEqual(len(dark), 100 * 100)

    def test_the_cuts_keep_their_colours(self):
        pdf = self.written("bottom", "pdf")
        subprocess.run(["pdftoppm", "-r", "50", "-png", "-singlefile", pdf, self.work.file("bottom")], check=True,
                       timeout=120)
        counts = tinted_pixels(self.work.file("bottom.png"))
        self.assertGreater(counts["blue"], 200)
        self.assertGreater(counts["grey"], 200)
        self.assertEqual(counts["green"], 0)

    def test_a_kerf_moves_the_outlines_on_the_page_too(self):
        plain = page_size(self.written("facade", "pdf"))
        kerfed = page_size(self.written("facade", "pdf", "--kerf", "1"))
        self.assertAlmostEqual(kerfed[0] - plain[0], POINTS_PER_MM, delta=0.02)

    def test_a_sheets_page_is_the_sheet_plus_the_margins_with_the_parts_in_place(self):
        result = run_cli("full", "--sheet", "300x200", "--gap", "3", "-f", "pdf", "-o", self.work.file("s.pdf"))
        self.assertEqual(result.returncode, 0, result.stderr)
        sheets = sheet_names(result)
        self.assertGreater(len(sheets), 1)
        for pdf in sheets:
            width, height, _ = page_size(pdf)
            self.assertAlmostEqual(width, (300 + 2 * MARGIN) * POINTS_PER_MM, delta=0.01)
            self.assertAlmostEqual(height, (200 + 2 * MARGIN) * POINTS_PER_MM, delta=0.01)
            # At two pixels a millimetre every cut lies on the sheet less its gap; the square
            # and its caption in the lower-left margin are left out.
            png = self.work.file("sheet")
            subprocess.run(["pdftoppm", "-r", "50.8", "-gray", "-png", "-singlefile", pdf, png], check=True,
                           timeout=120)
            rows = rows_of(png + ".png")
            caption_top = len(rows) - 2 * 16
            dark = [(x, y) for y, row in enumerate(rows) for x, v in enumerate(row)
                    if v < 200 and not (y >= caption_top and x < 2 * 60)]
            self.assertTrue(dark)
            xs, ys = [x for x, _ in dark], [y for _, y in dark]
            self.assertGreaterEqual(min(xs), 2 * (MARGIN + 3) - 1)
            self.assertLessEqual(max(xs), 2 * (MARGIN + 297) + 1)
            self.assertGreaterEqual(min(ys), 2 * (MARGIN + 3) - 1)
            self.assertLessEqual(max(ys), 2 * (MARGIN + 197) + 1)

    def test_standard_output_is_one_pdf(self):
        out = run_cli("spiral", "-f", "pdf", "-o", "-").stdout
        self.assertTrue(out.startswith(b"%PDF-"))
        self.assertTrue(out.rstrip().endswith(b"%%EOF"))


def rows_of(png):
    """The rows of a grey PNG, each a list of its samples."""
    import struct
    with open(png, "rb") as f:
        width = struct.unpack(">I", f.read(24)[16:20])[0]
    samples = [pixel[0] for pixel in png_pixels(png)]
    return [samples[i:i + width] for i in range(0, len(samples), width)]


if __name__ == "__main__":
    unittest.main()
