"""A panel that falls apart when cut is named on standard error with its pieces, counted
here on the DXF it writes (ezdxf and shapely), and still written whole."""
import os
import re

from shapely.geometry import MultiPolygon, Polygon
from shapely.ops import unary_union

from cli_support import FilesTestCase, run_cli

# A thin frame that the relief notches of a wide cutter cut through.
THIN_FRAME = ("--set", "main.M=6", "--set", "main.F=2", "--set", "main.Cd=4.5")
PANELS = {"facade": "front", "bottom": "bottom", "side": "side", "top": "lid", "simple-side": "side"}


class PanelsInPieces(FilesTestCase):
    def pieces_cut(self, path):
        """The panel's material as the DXF cuts it: its largest outline less all the others."""
        outlines = [Polygon([(v.dxf.location.x, v.dxf.location.y) for v in p.vertices])
                    for p in self.audited_polylines(path) if len(p.vertices) >= 3]  # marks cut nothing
        outer = max(outlines, key=lambda o: o.area)
        material = outer.difference(unary_union([o for o in outlines if o is not outer]))
        return len(material.geoms) if isinstance(material, MultiPolygon) else 1

    def test_each_panel_is_named_with_the_pieces_it_falls_into(self):
        loose = 0
        for command, name in PANELS.items():
            for relief in ((), ("--relief",)):
                path = self.work.file(command + ".dxf")
                result = run_cli(command, *relief, *THIN_FRAME, "-o", path)
                self.assertEqual(result.returncode, 0, result.stderr)
                pieces = self.pieces_cut(path)
                warned = re.search(rf"The {name} falls apart into (\d+) pieces when cut".encode(), result.stderr)
                if pieces == 1:
                    self.assertIsNone(warned, (command, relief, result.stderr))
                else:
                    loose += 1
                    self.assertIsNotNone(warned, (command, relief, pieces))
                    self.assertEqual(int(warned.group(1)), pieces, (command, relief))
                os.remove(path)
        self.assertGreaterEqual(loose, 3)  # the notches cut the slotted panels, not the front
