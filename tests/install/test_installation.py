"""What `cmake --install` puts in a prefix: both programs, a menu entry and AppStream
metadata that their validators accept, the icons they name, the man pages, the licence and
the changelog."""
import configparser
import gzip
import os
import pathlib
import re
import struct
import subprocess
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

BUILD = pathlib.Path(os.environ["TESSARO_BUILD"])
SOURCE = pathlib.Path(__file__).resolve().parents[2]
APP_ID = "app.tessaro.Tessaro"
PROGRAMS = ("tessaro", "tessaro-cli")


def without_display():
    """An environment in which a program that opens a window fails: no display, and Qt's X11
    platform asked for."""
    environment = {name: value for name, value in os.environ.items()
                   if name not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    environment["QT_QPA_PLATFORM"] = "xcb"
    environment["ASAN_OPTIONS"] = "detect_leaks=0"
    return environment


def png_size(path):
    data = path.read_bytes()
    if not data.startswith(b"\x89PNG\r\n\x1a\n") or data[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", data[16:24])


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

    def run_installed(self, program, *arguments):
        return subprocess.run([str(self.prefix / "bin" / program), *arguments], capture_output=True, text=True,
                              env=without_display(), cwd="/", timeout=60)

    def man_page(self, program):
        path = self.installed(f"share/man/man1/{program}.1.gz")
        with gzip.open(path, "rt", encoding="utf-8") as page:
            return page.read()

    def test_each_man_page_is_gzipped_lists_every_option_and_has_files_exit_status_and_examples(self):
        for program in PROGRAMS:
            with self.subTest(program):
                page = self.man_page(program)
                help_text = self.run_installed(program, "--help").stdout
                options = [word.split(",")[-1].split("=")[0] for word in help_text.split() if word.startswith("--")]
                self.assertGreater(len(options), 10 if program == "tessaro-cli" else 1)
                for option in options:
                    self.assertIn(option.replace("-", r"\-"), page, option)
                sections = re.findall(r'^\.SH "?([A-Z ]+?)"?$', page, re.MULTILINE)
                for section in ("NAME", "SYNOPSIS", "DESCRIPTION", "FILES", "EXIT STATUS", "EXAMPLES"):
                    self.assertIn(section, sections)
                examples = page[page.index("EXAMPLES"):]
                self.assertIn(rf".B {program}".replace("-", r"\-"), examples)

    def test_both_programs_print_help_and_version_and_exit_without_a_display(self):
        version = (SOURCE / "CMakeLists.txt").read_text(encoding="utf-8")
        version = re.search(r"project\(Tessaro VERSION ([\d.]+)", version).group(1)
        for program in PROGRAMS:
            with self.subTest(program):
                printed = self.run_installed(program, "--version")
                self.assertEqual((printed.returncode, printed.stdout, printed.stderr),
                                 (0, f"{program} {version}\n", ""))
                printed = self.run_installed(program, "--help")
                self.assertEqual((printed.returncode, printed.stderr), (0, ""))
                for words in ("STL", "sheets", "fit report", "DXF"):
                    self.assertIn(words, " ".join(printed.stdout.split()), program)
        refused = self.run_installed("tessaro", "--no-such-option")
        self.assertEqual((refused.returncode, refused.stdout), (2, ""))
        self.assertIn("no-such-option", refused.stderr)
        refused = self.run_installed("tessaro", "stray")
        self.assertEqual((refused.returncode, refused.stdout), (2, ""))
        self.assertIn("stray", refused.stderr)
        self.assertNotEqual(self.run_installed("tessaro").returncode, 0)  # the window itself needs a display

    def test_the_menu_entry_names_the_windows_class_and_the_icon_comes_at_every_size(self):
        desktop = configparser.ConfigParser(interpolation=None)
        desktop.optionxform = str
        desktop.read(self.installed(f"share/applications/{APP_ID}.desktop"), encoding="utf-8")
        self.assertEqual(desktop["Desktop Entry"]["StartupWMClass"], "Tessaro")
        for size in (16, 22, 24, 32, 48, 64, 128, 256):
            icon = self.installed(f"share/icons/hicolor/{size}x{size}/apps/{APP_ID}.png")
            self.assertEqual(png_size(icon), (size, size), icon)

    def test_each_program_carries_the_gpl_and_the_changelog_of_its_version(self):
        version = self.run_installed("tessaro-cli", "--version").stdout.split()[-1]
        for package in PROGRAMS:
            with self.subTest(package):
                documents = self.prefix / "share/doc" / package
                copyright_text = self.installed(f"share/doc/{package}/copyright").read_text(encoding="utf-8")
                paragraphs = [dict(re.findall(r"^([A-Za-z-]+):[ ]?(.*)$", paragraph, re.MULTILINE))
                              for paragraph in copyright_text.split("\n\n")]
                self.assertEqual(paragraphs[0]["Format"],
                                 "https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/")
                files = [paragraph for paragraph in paragraphs if "Files" in paragraph]
                # The program is GPL-3+; the only other stanza is the Hershey font data in the fuzz corpus.
                self.assertEqual([(paragraph["Files"], paragraph["License"]) for paragraph in files],
                                 [("*", "GPL-3+"), ("fuzz/corpus/hershey_font/*", "hershey-license")])
                self.assertTrue(any(paragraph.get("License", "").startswith("GPL-3+") and "Files" not in paragraph
                                    for paragraph in paragraphs[1:]), "the GPL-3+ licence is not spelt out")
                self.assertIn("/usr/share/common-licenses/GPL-3", copyright_text)
                with gzip.open(documents / "changelog.gz", "rt", encoding="utf-8") as changelog:
                    first = changelog.readline()
                self.assertEqual(first.split()[:2], ["tessaro", f"({version})"])
        licence = (SOURCE / "LICENSE").read_text(encoding="utf-8")
        self.assertIn("GNU GENERAL PUBLIC LICENSE\n                       Version 3", licence)
        metainfo = ElementTree.parse(self.installed(f"share/metainfo/{APP_ID}.metainfo.xml")).getroot()
        self.assertEqual(metainfo.findtext("project_license"), "GPL-3.0-or-later")
        description = " ".join(" ".join(metainfo.find("description").itertext()).split())
        for words in ("STL", "sheets", "fit report"):
            self.assertIn(words, description)


if __name__ == "__main__":
    unittest.main()
