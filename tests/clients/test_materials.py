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

    def test_what_a_later_use_would_refuse_is_never_saved_nor_applied(self):
        """--save-material refuses a value --material would refuse; a preset of the file with
        such a value (written by hand, or by an older version) is refused when applied,
        before any cell is set, as --kerf and the cells would refuse it."""
        for args, named in ((("--set", "main.M=1e308"), b"the thickness '1e308' is not from 0.000001 to 1000 mm"),
                            (("--set", "main.M=0"), b"the thickness '0' is not from"),
                            (("--set", "main.Ah=-1e300"), b"the slot allowance '-1e300' is not from -1000 to 1000 mm"),
                            (("tab-slot", "--set", "tabslot.B=2000"), b"the tab length allowance '2000'"),
                            (("--kerf", "60"), b"The kerf '60' is not a width from 0 to 50 mm")):
            with self.subTest(args=args):
                result = self.run_here(*args, "--save-material", "Plywood")
                self.assertEqual(result.returncode, 1, result.stderr)
                self.assertIn(named, result.stderr)
                self.assertEqual(os.listdir(self.work.path), [])
        # The kerf given is the kerf stored.
        self.assertEqual(self.run_here("--set", "main.M=4", "--kerf", "0.15", "--save-material", "Plywood").returncode, 0)
        self.assertEqual(self.run_here("--materials").stdout, b"Plywood\t4\t0.15\t0.1\t0.2\n")
        with open(self.work.file("Materials.txt"), "rb") as f:
            header, good = f.read().split(b"\r\n")[:2]
        for bad_line, named in ((b"Huge\t1e308\t0\t0.1\t0.2\t", b"the thickness '1e308'"),
                                (b"Wide kerf\t4\t100\t0.1\t0.2\t", b"The kerf '100' is not a width from 0 to 50 mm"),
                                (b"Negative kerf\t4\t-1\t0.1\t0.2\t", b"The kerf '-1'"),
                                (b"Thin\t1e-300\t0\t0.1\t0.2\t", b"the thickness '1e-300'")):
            with open(self.work.file("Materials.txt"), "wb") as f:
                f.write(header + b"\r\n" + good + b"\r\n" + bad_line + b"\r\n")
            name = bad_line.split(b"\t")[0].decode()
            with self.subTest(preset=name):
                result = self.run_here("full", "--material", name, "-o", "box.dxf")
                self.assertEqual(result.returncode, 1, result.stderr)
                self.assertIn(b'The material "' + name.encode() + b'": ' + named, result.stderr)
                self.assertEqual(sorted(os.listdir(self.work.path)), ["Materials.txt"])
                self.assertEqual(self.run_here("full", "--material", "Plywood", "-o", "box.dxf").returncode, 0)
                os.remove(self.work.file("box.dxf"))

    def test_save_material_draws_nothing_so_it_takes_no_template_but_tab_slot_and_no_output(self):
        """tab-slot alone names the table the values come from; any other verb, several
        verbs or -o would be dropped silently, so they are usage errors that save nothing."""
        for args in (("full",), ("tab-slot", "full"), ("tab-slot", "tab-slot"), ("-o", "box.dxf"),
                     ("tab-slot", "-o", "box.dxf")):
            with self.subTest(args=args):
                result = self.run_here(*args, "--save-material", "Plywood")
                self.assertEqual(result.returncode, 2, result.stderr)
                self.assertIn(b"--save-material", result.stderr)
                self.assertEqual(os.listdir(self.work.path), [])
        self.assertEqual(self.run_here("tab-slot", "--set", "tabslot.T=3", "--save-material", "Acrylic").returncode, 0)
        self.assertEqual(self.run_here("--materials").stdout, b"Acrylic\t3\t0\t0.1\t0.2\n")
        self.assertIn(b"--save-material", run_cli("--help").stdout)


if __name__ == "__main__":
    import unittest
    unittest.main()
