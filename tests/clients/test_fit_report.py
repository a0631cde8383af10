"""tessaro-cli --fit: the assembled box's joints and overlaps, read as a user reads them."""
import os
import re
import unittest

from cli_support import FilesTestCase, run_cli

NUMBER = r"-?\d+\.\d{3}"
ROOM = rf"{NUMBER}|open"
PLAY = rf"({NUMBER} mm|open) \(({ROOM}) \| ({ROOM})\)"
JOINT = re.compile(
    rf"^(tab in slot|tooth in wing slot|wing in holding hole|screw in slot): "
    rf"(front|rear|bottom|lid|left side|right side) in (front|rear|bottom|lid|left side|right side) "
    rf"at \({NUMBER}, {NUMBER}, {NUMBER}\): across {PLAY}, along {PLAY}$")
OVERLAP = re.compile(rf"^(front|rear|bottom|lid|left side|right side) and "
                     rf"(front|rear|bottom|lid|left side|right side): ({NUMBER}) mm3$")


class FitReport(FilesTestCase):
    def fit(self, *args):
        """Runs --fit in the work folder; returns the lines, and checks nothing was written."""
        result = run_cli(*args, "--fit", cwd=self.work.path)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(os.listdir(self.work.path), [])
        return result.stdout.decode().splitlines()

    def joints_and_overlaps(self, lines):
        heading = next(i for i, line in enumerate(lines) if line.startswith("overlaps: "))
        joints = [JOINT.match(line) for line in lines[:heading]]
        self.assertTrue(all(joints), lines[:heading])
        overlaps = [OVERLAP.match(line) for line in lines[heading + 1:]]
        self.assertTrue(all(overlaps), lines[heading + 1:])
        return heading, joints, overlaps

    def test_the_default_box_fits_with_room_in_every_joint(self):
        for command, switches in (("full", ()), ("full", ("--relief",)), ("simple-full", ("--screws",))):
            lines = self.fit(command, *switches)
            self.assertEqual(lines[-1], "overlaps: none")
            _, joints, _ = self.joints_and_overlaps(lines)
            self.assertGreater(len(joints), 20)
            for joint in joints:
                across, along = float(joint.group(4)[:-3]), float(joint.group(7)[:-3])
                self.assertAlmostEqual(across, float(joint.group(5)) + float(joint.group(6)), delta=0.0015)
                self.assertGreaterEqual(min(float(joint.group(n)) for n in (5, 6, 8, 9)), 0, joint.group(0))
            kinds = {joint.group(1) for joint in joints}
            if command == "full":
                self.assertEqual(kinds, {"tab in slot", "tooth in wing slot", "wing in holding hole"})
            else:
                self.assertEqual(kinds, {"tab in slot", "screw in slot"})

    def test_a_negative_slot_allowance_lists_the_overlapping_parts(self):
        lines = self.fit("full", "--set", "main.Ah=-0.5")
        heading, joints, overlaps = self.joints_and_overlaps(lines)
        count = int(re.fullmatch(r"overlaps: (\d+)", lines[heading]).group(1))
        self.assertEqual(count, len(overlaps))
        self.assertGreater(count, 0)
        self.assertTrue(all(float(o.group(3)) > 0 for o in overlaps))
        pairs = {frozenset((o.group(1), o.group(2))) for o in overlaps}
        self.assertIn(frozenset(("front", "bottom")), pairs)
        tabs = [j for j in joints if j.group(1) == "tab in slot"]
        self.assertTrue(tabs)
        for tab in tabs:  # every tab is half a millimetre wider than its slot
            self.assertEqual(tab.group(4), "-0.500 mm")
            self.assertIn(frozenset((tab.group(2), tab.group(3))), pairs)

    def test_every_joint_stays_at_the_edges_of_the_tables(self):
        """A narrow slot, notches through a thin frame, an opening through the edge: 42 joints."""
        cases = (("--set", "main.Ah=-0.5"), ("--relief", "--set", "main.F=2", "--set", "main.Cd=4.5"),
                 ("--feet", "none", "--set", "main.F=1"), ("--feet", "none", "--set", "main.F=2"),
                 ("--relief", "--set", "main.Cd=4.5"))
        for switches in cases:
            _, joints, _ = self.joints_and_overlaps(self.fit("full", *switches))
            kinds = [joint.group(1) for joint in joints]
            self.assertEqual(len(joints), 42, switches)
            self.assertEqual(kinds.count("wing in holding hole"), 8, switches)
            self.assertEqual(kinds.count("tooth in wing slot"), 4, switches)
            slot = "-0.500" if "main.Ah=-0.5" in switches else "0.100"
            for joint in joints:  # the slot allowance beyond every piece, none through a notch
                self.assertEqual(joint.group(6), slot, joint.group(0))
            wings = [joint for joint in joints if joint.group(1) == "wing in holding hole"]
            # the middle wings reach the next tooth across the jumper's opening
            self.assertEqual(sum(joint.group(7) == "19.150 mm" for joint in wings), 4, switches)

    def test_a_slot_cut_through_the_edge_is_open_beyond_its_tab(self):
        _, joints, _ = self.joints_and_overlaps(self.fit("simple-full", "--set", "main.F=0"))
        self.assertEqual(len(joints), 36)
        for joint in joints:
            self.assertEqual((joint.group(4), joint.group(5), joint.group(6)), ("open", "0.000", "open"))

    def test_fit_is_for_the_whole_boxes_only(self):
        for command in ("spiral", "facade", "simple-side"):
            result = run_cli(command, "--fit", cwd=self.work.path)
            self.assertEqual(result.returncode, 2, command)
            self.assertIn(b"--fit takes a whole box", result.stderr)
            self.assertEqual(os.listdir(self.work.path), [])

    def test_a_bad_value_is_refused_before_anything_is_printed(self):
        result = run_cli("full", "--fit", "--set", "main.M=abc", cwd=self.work.path)
        self.assertEqual(result.returncode, 1)
        self.assertEqual(result.stdout, b"")
        self.assertIn(b"'abc' is not a valid floating point value", result.stderr)


if __name__ == "__main__":
    unittest.main()
