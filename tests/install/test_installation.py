"""What `cmake --install` puts in a prefix: both programs, a menu entry and AppStream
metadata that their validators accept, the icon they name, and the command line's man page."""
import configparser
import os
import pathlib
import subprocess
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

BUILD = pathlib.Path(os.environ["TESSARO_BUILD"])
APP_ID = "app.tessaro.Tessaro"


class Installation(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.TemporaryDirectory()
        cls.prefix = pathlib.Path(cls.scratch.name)
        subprocess.run(["cmake", "--install", str(BUILD), "--prefix", str(cls.prefix)],
                       check=True, capture_output=True)

    @classmethod
    def tearDownClass(cls):
        cls.scratch.cleanup()

    def installed(self, relative):
        path = self.prefix / relative
        self.assertTrue(path.is_file(), f"{relative} is not installed")
        return path

    def test_both_programs_are_in_bin_and_the_command_line_runs_from_there(self):
        for program in ("tessaro", "tessaro-cli"):
            self.assertTrue(os.access(self.installed(f"bin/{program}"), os.X_OK), program)
        version = subprocess.run([str(self.prefix / "bin/tessaro-cli"), "--version"],
                                 check=True, capture_output=True, text=True, cwd="/").stdout
        self.assertRegex(version, r"^tessaro-cli \d+\.\d+\n$")

    def test_the_menu_entry_validates_and_names_the_installed_program_and_icon(self):
        entry = self.installed(f"share/applications/{APP_ID}.desktop")
        result = subprocess.run(["desktop-file-validate", str(entry)], capture_output=True, text=True)
        self.assertEqual((result.returncode, result.stdout + result.stderr), (0, ""))
        desktop = configparser.ConfigParser(interpolation=None)
        desktop.optionxform = str
        desktop.read(entry, encoding="utf-8")
        section = desktop["Desktop Entry"]
        self.assertTrue((self.prefix / "bin" / section["Exec"].split()[0]).is_file())
        icon = self.installed(f"share/icons/hicolor/scalable/apps/{section['Icon']}.svg")
        picture = subprocess.run(["rsvg-convert", "-w", "48", str(icon)], check=True, capture_output=True).stdout
        self.assertTrue(picture.startswith(b"\x89PNG"))

    def test_the_metadata_validates_and_carries_the_programs_version(self):
        metainfo = self.installed(f"share/metainfo/{APP_ID}.metainfo.xml")
        result = subprocess.run(["appstreamcli", "validate", "--no-net", "--pedantic", str(metainfo)],
                                capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        component = ElementTree.parse(metainfo).getroot()
        self.assertEqual(component.findtext("id"), APP_ID)
        self.assertEqual(component.findtext("launchable"), f"{APP_ID}.desktop")
        version = subprocess.run([str(self.prefix / "bin/tessaro-cli"), "--version"],
                                 check=True, capture_output=True, text=True).stdout.split()[-1]
        self.assertEqual(component.find("releases/release").get("version"), version)

    def test_the_man_page_lists_every_option_of_the_help(self):
        page = self.installed("share/man/man1/tessaro-cli.1").read_text(encoding="utf-8")
        help_text = subprocess.run([str(self.prefix / "bin/tessaro-cli"), "--help"],
                                   check=True, capture_output=True, text=True).stdout
        options = [word.split(",")[-1] for word in help_text.split() if word.startswith("--")]
        self.assertGreater(len(options), 10)
        for option in options:
            self.assertIn(option.replace("-", r"\-"), page, option)


if __name__ == "__main__":
    unittest.main()
