"""Design files through the command line: what --save-design writes, Python's own TOML reader
reads; --design draws byte for byte what the options it was saved from draw, the options given
with it go on top, and a file it cannot take is refused with its line, writing nothing."""
import os
import tomllib

from cli_support import FilesTestCase, run_cli

ENCLOSURE = os.path.join(os.path.dirname(__file__), "..", "..", "docs", "enclosure.txt")
ENCLOSURE_DESIGN = os.path.join(os.path.dirname(__file__), "..", "..", "docs", "enclosure.toml")
BOX = ("full", "--cutouts", ENCLOSURE, "--kerf", "0.2", "--sheet", "600x400")


def table_values(*args):
    result = run_cli(*args, "--show-tables")
    assert result.returncode == 0, result.stderr
    return dict(line.split("\t")[0::2] for line in result.stdout.decode().splitlines())


class DesignFiles(FilesTestCase):
    def run_here(self, *args):
        return run_cli(*args, cwd=self.work.path)

    def sheets(self, *args, name):
        result = self.run_here(*args, "-o", name + ".dxf")
        self.assertEqual(result.returncode, 0, result.stderr)
        *files, _ = result.stdout.decode().splitlines()
        self.assertTrue(files)
        return [open(self.work.file(f), "rb").read() for f in files]

    def save(self, *args, name="d.toml"):
        result = self.run_here(*args, "--save-design", name)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stdout, b"")
        with open(self.work.file(name), "rb") as design:
            return tomllib.load(design)

    def test_a_saved_design_draws_the_sheets_its_options_draw(self):
        design = self.save(*BOX)
        self.assertEqual(sorted(os.listdir(self.work.path)), ["d.toml"])
        self.assertEqual(design["templates"], ["full"])
        self.assertEqual(design["kerf"], "0.2")
        self.assertEqual(design["sheet"]["size"], "600x400")
        self.assertEqual(len(design["cutouts"]), 11)
        given = self.sheets(*BOX, name="b")
        self.assertEqual(self.sheets("--design", "d.toml", name="a"), given)
        # The README's enclosure, as docs/ keeps it, with the kerf and the sheet on top.
        self.assertEqual(self.sheets("--design", ENCLOSURE_DESIGN, "--kerf", "0.2", "--sheet", "600x400",
                                     name="docs"), given)

    def test_the_enclosure_in_docs_is_what_the_command_line_saves(self):
        self.save("full", "--cutouts", ENCLOSURE)
        with open(ENCLOSURE_DESIGN, "rb") as kept, open(self.work.file("d.toml"), "rb") as saved:
            self.assertEqual(kept.read(), saved.read())
        svg = self.run_here("--design", ENCLOSURE_DESIGN, "-f", "svg", "-o", "-")
        self.assertEqual(svg.returncode, 0, svg.stderr)
        self.assertEqual(svg.stdout, self.run_here("full", "--cutouts", ENCLOSURE, "-f", "svg", "-o", "-").stdout)

    def test_options_given_with_a_design_go_on_top_of_it(self):
        self.save("full", "--set", "main.W=240", "--set", "main.H=90", "--relief")
        self.assertEqual(table_values("--design", self.work.file("d.toml"))["main.W"], "240")
        on_top = table_values("--design", self.work.file("d.toml"), "--set", "main.W=250")
        self.assertEqual((on_top["main.W"], on_top["main.H"]), ("250", "90"))
        self.assertEqual(self.sheets("--design", "d.toml", "--set", "main.W=250", "--sheet", "900x600", name="a"),
                         self.sheets("full", "--set", "main.W=250", "--set", "main.H=90", "--relief",
                                     "--sheet", "900x600", name="b"))
        # A verb given replaces the design's templates; its tables stay.
        named = self.run_here("--design", "d.toml", "simple-full", "--name")
        self.assertEqual(named.stdout, self.run_here("simple-full", "--set", "main.W=240", "--set", "main.H=90",
                                                     "--name").stdout)
        # Saved again on top, the design keeps both.
        design = self.save("--design", "d.toml", "--set", "main.W=250", "--screws", name="e.toml")
        self.assertEqual(design["tables"]["main"], {"W": "250", "H": "90"})
        self.assertEqual((design["switches"]["relief"], design["switches"]["screws"]), (True, True))

    def test_a_design_it_cannot_take_is_refused_with_its_line_and_nothing_written(self):
        cases = {
            'templates = ["full"]\n\n[tables.main]\nW = "2x"\n': "bad.toml:4: main.W: '2x' is not a valid",
            'version = "99.0"\ntemplates = ["full"]\nhinges = true\n': "bad.toml:3: 'hinges' is not a key",
            'templates = ["full"]\nkerf = "60"\n': "bad.toml:2: The kerf '60' is not a width",
            'templates = ["full"\n': "bad.toml:1: ",
        }
        for text, message in cases.items():
            with self.subTest(text=text):
                with open(self.work.file("bad.toml"), "w", encoding="utf-8") as design:
                    design.write(text)
                result = self.run_here("--design", "bad.toml", "-o", "box.dxf")
                self.assertIn(result.returncode, (1, 2))
                self.assertTrue(result.stderr.decode().startswith("tessaro-cli: " + message), result.stderr)
                self.assertEqual(sorted(os.listdir(self.work.path)), ["bad.toml"])
        # A --set of the same bad value says the same, without the file.
        self.assertEqual(self.run_here("full", "--set", "main.W=2x").stderr,
                         b"tessaro-cli: main.W: '2x' is not a valid floating point value.\n")
        # --gap needs a sheet, from the command line or the design.
        self.assertEqual(self.run_here("full", "--gap", "3").returncode, 2)

    def test_help_names_both_options(self):
        help_text = run_cli("--help").stdout.decode()
        self.assertIn("--design", help_text)
        self.assertIn("--save-design", help_text)
