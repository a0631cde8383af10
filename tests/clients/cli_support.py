"""Runs tessaro-cli and hands its files to real readers (ezdxf, Ghostscript, rsvg-convert)."""
import os
import re
import subprocess
import tempfile
import unittest

import ezdxf

CLI = os.environ.get("TESSARO_CLI", "tessaro-cli")


def run_cli(*args, cwd=None):
    return subprocess.run([CLI, *args], cwd=cwd, capture_output=True, timeout=120)


class Workdir:
    def __init__(self):
        self._dir = tempfile.TemporaryDirectory(prefix="tessaro-clients-")
        self.path = self._dir.name

    def file(self, name):
        return os.path.join(self.path, name)

    def cleanup(self):
        self._dir.cleanup()


class FilesTestCase(unittest.TestCase):
    """A test with a fresh folder for the files it writes."""

    def setUp(self):
        self.work = Workdir()

    def tearDown(self):
        self.work.cleanup()

    def written(self, command, fmt, *extra):
        """Writes COMMAND's file of type FMT (-f) into the work folder; returns its path."""
        extension = "dxf" if fmt == "dxf2000" else fmt
        path = self.work.file(f"{command}-{fmt}.{extension}")
        result = run_cli(command, "-f", fmt, "-o", path, *extra)
        self.assertEqual(result.returncode, 0, result.stderr)
        return path

    def audited_polylines(self, path):
        """Reads a DXF with ezdxf, fails on any audit error, returns its polylines."""
        doc = ezdxf.readfile(path)
        auditor = doc.audit()
        self.assertEqual(len(auditor.errors), 0, [str(e) for e in auditor.errors])
        return list(doc.modelspace().query("POLYLINE"))

    def command_polylines(self, command, *args):
        """Writes COMMAND's DXF into the work folder; returns its audited polylines."""
        path = self.work.file(command + ".dxf")
        result = run_cli(command, *args, "-o", path)
        self.assertEqual(result.returncode, 0, result.stderr)
        return self.audited_polylines(path)

    def command_dark_pixels(self, command, *args):
        """Writes COMMAND's EPS into the work folder, renders it with Ghostscript and
        counts the dark pixels."""
        path = self.work.file(command + ".eps")
        result = run_cli(command, *args, "-f", "eps", "-o", path)
        self.assertEqual(result.returncode, 0, result.stderr)
        png = self.work.file(command + ".png")
        code, errors = render_eps(path, png)
        self.assertEqual(code, 0, errors)
        self.assertNotIn("Error", errors)
        return dark_pixels(png)


# The line that ends every nesting run's standard output.
MATERIAL_LINE = re.compile(r"(\d+) sheets?, material used (\d+\.\d) %")


def sheet_output(result):
    """The files a nesting run wrote, as its standard output names them, and its closing
    line's sheet count and percentage of material used."""
    *names, last = result.stdout.decode().splitlines()
    match = MATERIAL_LINE.fullmatch(last)
    if not match:
        raise AssertionError(f"no material line at the end of {result.stdout!r}")
    sheets = int(match.group(1))
    if sheets != len(names) or last.startswith("1 sheets") or (sheets > 1 and " sheet," in last):
        raise AssertionError(f"{last!r} does not count the {len(names)} files")
    return names, sheets, float(match.group(2))


def sheet_names(result):
    """The files a nesting run wrote, as its standard output names them."""
    return sheet_output(result)[0]


def render_eps(path, png):
    """Renders an EPS with Ghostscript on a 2880-point page with the origin in its
    middle; returns (exit code, stderr). The EPS has no showpage of its own."""
    result = subprocess.run(
        ["gs", "-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=pnggray", "-r18",
         "-g720x720", f"-sOutputFile={png}", "-c", "1440 1440 translate",
         "-f", path, "-c", "showpage"],
        capture_output=True, timeout=120)
    return result.returncode, result.stderr.decode(errors="replace")


def command_names():
    """The template commands tessaro-cli knows, read from the COMMAND line of its help."""
    import re
    help_text = run_cli("--help").stdout.decode()
    match = re.search(r"COMMAND\s+TEXT:\{([^}]*)\}", help_text)
    return match.group(1).split(",") if match else []


def render_svg(path, png):
    """Renders an SVG with rsvg-convert, 400 pixels wide on white; returns (exit code, stderr).
    At such a scale a hairline falls between cairo's samples and leaves nothing, so a copy
    whose strokes are 1 mm wide is rendered: the paths as rsvg reads them."""
    with open(path, encoding="utf-8") as f:
        thick = f.read().replace('stroke-width="0.025"', 'stroke-width="1"', 1)
    copy = png + ".svg"
    with open(copy, "w", encoding="utf-8") as f:
        f.write(thick)
    result = subprocess.run(["rsvg-convert", "-w", "400", "-b", "white", "-o", png, copy],
                            capture_output=True, timeout=120)
    os.remove(copy)
    return result.returncode, result.stderr.decode(errors="replace")


# Samples per pixel of the PNG colour types: grey, RGB, grey+alpha, RGBA.
_CHANNELS = {0: 1, 2: 3, 4: 2, 6: 4}


def dark_pixels(png, below=128):
    """Counts the pixels whose first sample is under `below` in an 8-bit PNG."""
    return sum(1 for pixel in png_pixels(png) if pixel[0] < below)


def tinted_pixels(png):
    """Counts the pixels of an RGB PNG on white by the hue a thin line of one colour leaves,
    however faint its antialiasing: grey (black lines), blue, green or red."""
    counts = {"grey": 0, "blue": 0, "green": 0, "red": 0, "other": 0}
    for pixel in png_pixels(png):
        r, g, b = pixel[:3]
        if r == g == b:
            counts["grey" if r < 255 else "other"] += 1
        elif r == g < b:
            counts["blue"] += 1
        elif r == b < g:
            counts["green"] += 1
        elif g == b < r:
            counts["red"] += 1
        else:
            counts["other"] += 1
    return counts


def png_pixels(png):
    """The pixels of an 8-bit PNG without interlacing, each a tuple of its samples."""
    import zlib
    import struct
    with open(png, "rb") as f:
        data = f.read()
    pos = 8
    width = height = channels = 0
    raw = b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        chunk = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height = struct.unpack(">II", chunk[:8])
            channels = _CHANNELS[chunk[9]]
        elif kind == b"IDAT":
            raw += chunk
        pos += 12 + length
    pixels = zlib.decompress(raw)
    stride = width * channels + 1
    previous = bytearray(stride - 1)
    for row in range(height):
        filter_type = pixels[row * stride]
        line = bytearray(pixels[row * stride + 1:(row + 1) * stride])
        for i in range(len(line)):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            upleft = previous[i - channels] if i >= channels else 0
            if filter_type == 1:
                line[i] = (line[i] + left) & 0xFF
            elif filter_type == 2:
                line[i] = (line[i] + up) & 0xFF
            elif filter_type == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif filter_type == 4:
                p = left + up - upleft
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - upleft)
                pred = left if pa <= pb and pa <= pc else (up if pb <= pc else upleft)
                line[i] = (line[i] + pred) & 0xFF
        for i in range(0, len(line), channels):
            yield tuple(line[i:i + channels])
        previous = line
