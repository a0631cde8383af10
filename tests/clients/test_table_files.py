import os
import unittest

from cli_support import Workdir, run_cli


def write_table(path, rows):
    """Writes a table file as the window does: TAB after every cell, CR LF, Windows-1251."""
    text = "".join("".join(cell + "\t" for cell in row) + "\r\n" for row in rows)
    with open(path, "wb") as f:
        f.write(text.encode("cp1251"))


ENGLISH_MAIN = [["Housing options", "Value"], ["Material thickness", "5"], ["Inner width", "250"],
                ["Inner height", "100"], ["Inner depth", "110"]]


class TablesOption(unittest.TestCase):
    def setUp(self):
        self.work = Workdir()

    def tearDown(self):
        self.work.cleanup()

    def test_an_english_main_table_makes_the_spiral_header_english(self):
        write_table(self.work.file("ParamGrid.txt"), ENGLISH_MAIN)
        result = run_cli("spiral", "--tables", self.work.path, "-f", "eps", "-o", "-")
        self.assertEqual(result.returncode, 0, result.stderr)
        lines = result.stdout.split(b"\r\n")
        self.assertIn("%%Title: Start Radius R,мм 10".encode("cp1251"), lines)
        self.assertIn(b"%%Title: Number revolution 8", lines)

    def test_a_russian_main_table_leaves_the_captions_alone(self):
        write_table(self.work.file("ParamGrid.txt"), [["Параметры корпуса", "Значение"]])
        result = run_cli("spiral", "--tables", self.work.path, "-f", "eps", "-o", "-")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn("%%Title: Число витков 8".encode("cp1251"), result.stdout.split(b"\r\n"))

    def test_set_applies_after_the_tables(self):
        write_table(self.work.file("ParamGrid.txt"), ENGLISH_MAIN)
        result = run_cli("spiral", "--tables", self.work.path, "--set", "spiral.N=9", "--name")
        self.assertEqual(result.stdout, b"spiral R10mm Fi15 step5 rev9\n")

    def test_an_empty_folder_keeps_the_defaults(self):
        result = run_cli("spiral", "--tables", self.work.path, "--name")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stdout, b"spiral R10mm Fi15 step5 rev8\n")

    def test_a_table_file_that_cannot_be_read_exits_1_and_writes_nothing(self):
        os.mkdir(self.work.file("ParamZub.txt"))
        out = self.work.file("s.dxf")
        result = run_cli("spiral", "--tables", self.work.path, "-o", out)
        self.assertEqual(result.returncode, 1)
        self.assertIn(b"tessaro-cli: Cannot open file \"", result.stderr)
        self.assertIn(b"ParamZub.txt\". Is a directory.", result.stderr)
        self.assertFalse(os.path.exists(out))

    def test_a_missing_folder_is_a_usage_error(self):
        self.assertEqual(run_cli("spiral", "--tables", self.work.file("nowhere")).returncode, 2)


if __name__ == "__main__":
    unittest.main()
