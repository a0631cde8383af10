"""Material presets through the command line: saved, listed and applied, in the current
folder or the --tables folder; a bad Materials.txt refused and kept beside."""
import os

from cli_support import FilesTestCase, run_cli


def table_values(*args, cwd):
    result = run_cli(*args, "--show-tables", cwd=cwd)
    assert result.returncode == 0, result.stderr
    return dict(line.split("\t")[0::2] for line in result.stdout.decode().splitlines())


class MaterialPresets(FilesTestCase):
    def run_here(self, *args):
        return run_cli(*args, cwd=self.work.path)

    def test_saved_presets_are_listed_and_applied_before_set(self):
        saved = self.run_here("tab-slot", "--set", "tabslot.T=4", "--set", "tabslot.A=0.12",
                              "--save-material", "Берёза 4")
        self.assertEqual(saved.returncode, 0, saved.stderr)
        self.assertEqual(self.run_here("--set", "main.M=3", "--save-material", "Acrylic 3").returncode, 0)
        self.assertEqual(sorted(os.listdir(self.work.path)), ["Materials.txt"])
        listed = self.run_here("--materials")
        self.assertEqual(listed.stdout.decode(),
                         "Берёза 4\t4\t0\t0.12\t0.2\nAcrylic 3\t3\t0\t0.1\t0.2\n")

        values = table_values("--material", "Берёза 4", cwd=self.work.path)
        for key, value in (("main.M", "4"), ("tabslot.T", "4"), ("main.Ah", "0.12"), ("tabslot.A", "0.12"),
                           ("main.Al", "0.2"), ("tabslot.B", "0.2"), ("main.T", "5")):
            self.assertEqual(values[key], value, key)
        values = table_values("--material", "Берёза 4", "--set", "main.Ah=0.3", cwd=self.work.path)
        self.assertEqual(values["main.Ah"], "0.3")
        self.assertEqual(values["tabslot.A"], "0.12")

        # A preset drawn with: the box's slots are as wide as its material and allowance.
        drawn = self.run_here("tab-slot", "--material", "Берёза 4", "-o", "piece.dxf")
        self.assertEqual(drawn.returncode, 0, drawn.stderr)
        slot = self.audited_polylines(self.work.file("piece.dxf"))[1]
        ys = [v.dxf.location.y for v in slot.vertices]
        self.assertAlmostEqual(max(ys) - min(ys), 4.12, places=6)

    def test_tables_folder_holds_the_presets(self):
        tables = self.work.file("tables")
        os.mkdir(tables)
        self.assertEqual(run_cli("--tables", tables, "--save-material", "Plywood", cwd=self.work.path).returncode, 0)
        self.assertEqual(os.listdir(tables), ["Materials.txt"])
        self.assertEqual(run_cli("--tables", tables, "--materials").stdout, b"Plywood\t5\t0\t0.1\t0.2\n")
        self.assertEqual(self.run_here("--materials").stdout, b"")

    def test_an_unknown_material_is_a_usage_error_and_writes_nothing(self):
        self.run_here("--save-material", "Plywood")
        result = self.run_here("facade", "--material", "MDF")
        self.assertEqual(result.returncode, 2)
        self.assertIn(b'"MDF"', result.stderr)
        self.assertEqual(os.listdir(self.work.path), ["Materials.txt"])
        for name in ("", " ", "tab\there"):
            with self.subTest(name=name):
                result = self.run_here("--save-material", name)
                self.assertEqual(result.returncode, 2)
        self.assertEqual(self.run_here("--materials").stdout, b"Plywood\t5\t0\t0.1\t0.2\n")

    def test_a_bad_materials_file_is_refused_and_kept_beside(self):
        bad = b"\x00\x01binary"
        with open(self.work.file("Materials.txt"), "wb") as f:
            f.write(bad)
        for args in (("--materials",), ("facade", "--material", "Plywood")):
            with self.subTest(args=args):
                result = self.run_here(*args)
                self.assertEqual(result.returncode, 1)
                self.assertIn(b"is not a table file", result.stderr)
        self.assertEqual(os.listdir(self.work.path), ["Materials.txt"])
        result = self.run_here("--save-material", "Plywood")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn(b"Materials.refused.txt", result.stderr)
        with open(self.work.file("Materials.refused.txt"), "rb") as f:
            self.assertEqual(f.read(), bad)
        self.assertEqual(self.run_here("--materials").stdout, b"Plywood\t5\t0\t0.1\t0.2\n")

    def test_a_value_that_is_no_number_is_not_saved(self):
        result = self.run_here("--set", "main.Ah=0,1", "--save-material", "Plywood")
        self.assertEqual(result.returncode, 1)
        self.assertIn(b"main.Ah", result.stderr)
        self.assertEqual(os.listdir(self.work.path), [])


if __name__ == "__main__":
    import unittest
    unittest.main()
