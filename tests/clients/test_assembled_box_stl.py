"""The assembled box as STL, read by admesh: six closed parts facing outward that hold as
much material as the drawing cuts (measured on the DXF with ezdxf and shapely)."""
import re
import subprocess
import unittest

import ezdxf
from shapely.geometry import Polygon
from shapely.ops import unary_union

from cli_support import FilesTestCase, run_cli

ODD_TABLE = ["--set", "main.M=4", "--set", "main.W=150", "--set", "main.H=72", "--set", "main.D=90",
             "--set", "main.Ah=0.15", "--set", "main.Al=0.3", "--set", "main.F=3", "--set", "main.T=6",
             "--set", "main.Cd=2"]

CASES = [
    ("full",),
    ("full", "--relief", "--screws", "--feet", "1"),
    ("full", "--one-tooth", "--feet", "none", "--no-lid-corners", *ODD_TABLE),
    ("simple-full", "--screws"),
    ("simple-full", "--relief", *ODD_TABLE),
]

# What admesh counts before it repairs anything: every one must be 0.
FAULTS = ["Facets with 1 disconnected edge", "Facets with 2 disconnected edges",
          "Facets with 3 disconnected edges", "Degenerate facets", "Edges fixed", "Facets removed",
          "Facets added", "Facets reversed", "Backwards edges", "Normals fixed"]


def admesh(path):
    """admesh's counts by name (the first column) and the volume."""
    # admesh echoes the 80-byte header with whatever memory follows it: not always UTF-8.
    text = subprocess.run(["admesh", path], capture_output=True, timeout=120, check=True).stdout.decode(
        "utf-8", errors="replace")
    counts = {name: int(re.search(re.escape(name) + r"\s*:\s*(-?\d+)", text).group(1)) for name in FAULTS}
    counts["parts"] = int(re.search(r"Number of parts\s*:\s*(\d+)", text).group(1))
    counts["volume"] = float(re.search(r"Volume\s*:\s*(-?[\d.]+)", text).group(1))
    return counts


def cut_area(dxf_path):
    """The area of material the DXF cuts: the outlines that hold or cross into no larger
    one, less the slots, holes and notches that lie mostly within one."""
    shapes = [Polygon([(v.dxf.location.x, v.dxf.location.y) for v in p.vertices]).buffer(0)
              for p in ezdxf.readfile(dxf_path).modelspace().query("POLYLINE") if len(p) >= 3]
    shapes.sort(key=lambda s: s.area, reverse=True)
    outers, cut_outs = [], []
    for i, shape in enumerate(shapes):
        inside = any(shape.intersection(larger).area > shape.area / 2 for larger in shapes[:i])
        (cut_outs if inside else outers).append(shape)
    return unary_union(outers).difference(unary_union(cut_outs)).area


class AssembledBoxStl(FilesTestCase):
    def test_every_box_is_six_closed_outward_parts_holding_the_cut_material(self):
        for case in CASES:
            with self.subTest(case=" ".join(case)):
                stl, dxf = self.work.file("box.stl"), self.work.file("box.dxf")
                result = run_cli(*case, "-f", "stl", "-o", stl)
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertEqual(run_cli(*case, "-o", dxf).returncode, 0)
                report = admesh(stl)
                self.assertEqual({name: report[name] for name in FAULTS}, dict.fromkeys(FAULTS, 0))
                self.assertEqual(report["parts"], 6)
                thickness = 4 if "main.M=4" in case else 5
                expected = cut_area(dxf) * thickness
                self.assertAlmostEqual(report["volume"] / expected, 1, delta=1e-5)

    def test_tiny_sizes_leave_no_facet_for_a_reader_to_mend(self):
        """A micrometre feature makes facets that single precision turns by more than a
        reader forgives: each size that reaches the mesh, at the least the tables take."""
        relief_and_screws = ("full", "--relief", "--screws")
        cases = [(relief_and_screws, key, "0.001") for key in
                 ("main.M", "main.Ah", "main.Al", "main.F", "main.T", "main.Cd",
                  "screw.L1", "screw.L2", "screw.L3", "screw.L4", "screw.L5")]
        cases += [(("full",), "main.Cd", "0.001"), (("full", "--screws"), "screw.L4", "0.001"),
                  (("full",), "main.W", "0.001"), (("simple-full",), "main.H", "0.001"),
                  (("simple-full", "--screws"), "main.Cd", "0.0001"),
                  (("simple-full", "--screws"), "screw.L4", "0.0001")]
        stl = self.work.file("box.stl")
        for switches, key, value in cases:
            with self.subTest(case=" ".join(switches), size=f"{key}={value}"):
                result = run_cli(*switches, "--set", f"{key}={value}", "-f", "stl", "-o", stl)
                self.assertEqual(result.returncode, 0, result.stderr)
                report = admesh(stl)
                self.assertEqual({name: report[name] for name in FAULTS}, dict.fromkeys(FAULTS, 0))
                self.assertGreater(report["volume"], 0)
                # A box a micrometre wide or high has panels whose slots cut them apart, as it warns.
                if b"falls apart" not in result.stderr:
                    self.assertEqual(report["parts"], 6)
                else:
                    self.assertIn(key, ("main.W", "main.H"))
                    self.assertGreater(report["parts"], 6)

    def test_standard_output_takes_the_same_bytes(self):
        path = self.work.file("box.stl")
        self.assertEqual(run_cli("simple-full", "-f", "stl", "-o", path).returncode, 0)
        piped = run_cli("simple-full", "-f", "stl", "-o", "-")
        self.assertEqual(piped.returncode, 0, piped.stderr)
        with open(path, "rb") as f:
            self.assertEqual(piped.stdout, f.read())

    def test_the_proposed_name_gets_the_stl_extension(self):
        result = run_cli("full", "-f", "stl", cwd=self.work.path)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertTrue(admesh(self.work.file("5mm 200x100x110 full leg 2.stl"))["parts"] == 6)

    def test_a_template_that_is_no_whole_box_is_a_usage_error_and_writes_nothing(self):
        for verb in ["facade", "side", "spiral", "bobbin"]:
            with self.subTest(verb=verb):
                result = run_cli(verb, "-f", "stl", cwd=self.work.path)
                self.assertEqual(result.returncode, 2)
                self.assertIn(b"no whole box", result.stderr)
        result = run_cli("full", "-f", "stl", "--sheet", "600x400", cwd=self.work.path)
        self.assertEqual(result.returncode, 2)
        self.assertIn(b"--sheet", result.stderr)
        self.assertEqual(subprocess.run(["ls", "-A", self.work.path], capture_output=True).stdout, b"")


if __name__ == "__main__":
    unittest.main()
