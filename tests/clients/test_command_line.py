"""What a scripter asks of tessaro-cli besides drawing: its version and every table key."""
import unittest

from cli_support import Workdir, run_cli
from test_table_files import ENGLISH_MAIN, write_table


def table_lines(*args):
    result = run_cli("--show-tables", *args)
    return result, [line.split("\t") for line in result.stdout.decode().splitlines()]


class CommandLine(unittest.TestCase):
    def test_version_names_the_program(self):
        result = run_cli("--version")
        self.assertEqual(result.returncode, 0)
        self.assertRegex(result.stdout.decode(), r"^tessaro-cli \d+\.\d+\n$")

    def test_show_tables_lists_every_key_with_its_caption_and_value(self):
        result, rows = table_lines()
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertTrue(all(len(row) == 3 for row in rows), rows)
        keys = [row[0] for row in rows]
        self.assertEqual(len(keys), len(set(keys)))
        self.assertIn(["main.W", "Ширина между стенками", "200"], rows)
        self.assertEqual({key.split(".")[0] for key in keys}, {"main", "screw", "tabslot", "spiral", "bobbin"})
        for key, _, value in rows:  # every key listed is one --set takes
            self.assertEqual(run_cli("spiral", "--name", "--set", f"{key}={value}").returncode, 0, key)

    def test_show_tables_applies_tables_and_set_first(self):
        work = Workdir()
        try:
            write_table(work.file("ParamGrid.txt"), ENGLISH_MAIN)
            result, rows = table_lines("--tables", work.path, "--set", "spiral.N=3")
        finally:
            work.cleanup()
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn(["main.W", "Inner width", "250"], rows)
        self.assertIn("3", [value for key, _, value in rows if key == "spiral.N"])

    def test_a_missing_command_is_a_usage_error(self):
        result = run_cli("--relief")
        self.assertEqual(result.returncode, 2)
        self.assertIn(b"COMMAND is required", result.stderr)


if __name__ == "__main__":
    unittest.main()
