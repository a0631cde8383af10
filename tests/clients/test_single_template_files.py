import os
import unittest

from cli_support import FilesTestCase, command_names, run_cli


class SingleTemplateFiles(FilesTestCase):
    def test_tab_slot_leaves_its_toothed_edge_open(self):
        for options, edge_vertices in (((), 10), (("--tab-relief",), 22)):
            with self.subTest(options=options):
                polylines = self.command_polylines("tab-slot", *options)
                self.assertEqual(len(polylines), 4)
                self.assertEqual([p.is_closed for p in polylines], [True, True, True, False])
                self.assertEqual(len(list(polylines[-1].vertices)), edge_vertices)
        polylines = self.command_polylines("tab-slot", "--closed-last")
        self.assertTrue(polylines[-1].is_closed)

    def test_bobbin_is_closed_from_a_fresh_start(self):
        polylines = self.command_polylines("bobbin")
        drawn = [p for p in polylines if len(list(p.vertices)) > 1]
        self.assertEqual(len(drawn), 20)
        self.assertTrue(all(p.is_closed for p in polylines))
        self.assertFalse(self.command_polylines("bobbin", "--open-last")[-1].is_closed)

    def test_eps_renders_in_ghostscript(self):
        for command, options in (("tab-slot", ["--tab-relief"]), ("bobbin", [])):
            with self.subTest(command=command):
                self.assertGreater(self.command_dark_pixels(command, *options), 20)

    def test_help_gives_every_command_a_line_of_its_own(self):
        commands = run_cli("--help").stdout.decode().split("Commands:\n", 1)[1]
        listed = [line for line in commands.splitlines() if line.strip()]
        self.assertEqual([line.split()[0] for line in listed], command_names())
        self.assertTrue(all(len(line.split(None, 1)) == 2 for line in listed), listed)

    def test_proposed_names(self):
        self.assertEqual(run_cli("tab-slot", "--set", "tabslot.T=3.5", "--name").stdout, b"3.5mm 25x25 tab\n")
        self.assertEqual(run_cli("bobbin", "--name").stdout, b"1mm 30x15x20 trans\n")

    def test_bad_cells_write_nothing(self):
        for command, assignment in (("tab-slot", "tabslot.L=long"), ("bobbin", "bobbin.g=0,1")):
            with self.subTest(command=command):
                result = run_cli(command, "--set", assignment, cwd=self.work.path)
                self.assertEqual(result.returncode, 1)
                self.assertIn(b"is not a valid floating point value.", result.stderr)
                self.assertEqual(os.listdir(self.work.path), [])


if __name__ == "__main__":
    unittest.main()
