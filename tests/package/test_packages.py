"""The two Debian packages scripts/package makes from the release build, read as dpkg and
lintian read them: what each holds, what it depends on, and how its programs are built."""
import os
import pathlib
import re
import subprocess
import tempfile
import unittest

SOURCE = pathlib.Path(__file__).resolve().parents[2]
VERSION = re.search(r"project\(Tessaro VERSION ([\d.]+)",
                    (SOURCE / "CMakeLists.txt").read_text(encoding="utf-8")).group(1)


def field(deb, name):
    return subprocess.run(["dpkg-deb", "--field", str(deb), name], check=True, capture_output=True,
                          text=True).stdout.strip()


def relations(deb, name):
    """The package names of a relation field, without versions."""
    return [re.split(r"[ (]", alternative.strip())[0]
            for relation in field(deb, name).split(",") if relation.strip()
            for alternative in relation.split("|")]


class Packages(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        printed = subprocess.run([str(SOURCE / "scripts/package")], check=True, capture_output=True, text=True,
                                 timeout=3000).stdout.split()
        cls.debs = {field(deb, "Package"): pathlib.Path(deb) for deb in printed}
        cls.scratch = tempfile.TemporaryDirectory()
        cls.unpacked = {}
        for name, deb in cls.debs.items():
            folder = pathlib.Path(cls.scratch.name) / name
            subprocess.run(["dpkg-deb", "--extract", str(deb), str(folder)], check=True)
            cls.unpacked[name] = folder

    @classmethod
    def tearDownClass(cls):
        cls.scratch.cleanup()

    def files(self, package):
        folder = self.unpacked[package]
        return sorted(str(path.relative_to(folder)) for path in folder.rglob("*") if not path.is_dir())

    def test_there_are_two_packages_of_the_projects_version(self):
        self.assertEqual(sorted(self.debs), ["tessaro", "tessaro-cli"])
        for deb in self.debs.values():
            self.assertEqual(field(deb, "Version"), VERSION)
            self.assertEqual(deb.name, f"{field(deb, 'Package')}_{VERSION}_amd64.deb")

    def test_the_command_line_package_holds_the_program_and_needs_no_qt(self):
        self.assertEqual(self.files("tessaro-cli"), [
            "usr/bin/tessaro-cli",
            "usr/share/doc/tessaro-cli/changelog.gz",
            "usr/share/doc/tessaro-cli/copyright",
            "usr/share/man/man1/tessaro-cli.1.gz",
        ])
        depends = relations(self.debs["tessaro-cli"], "Depends")
        self.assertIn("libc6", depends)
        # Shared libraries only, and the fonts engraved text is drawn with; fontconfig finds
        # the face of the PDF's caption for cairo, and is no part of a window system.
        self.assertIn("hershey-fonts-data", depends)
        for package in depends:
            if package != "hershey-fonts-data":
                self.assertTrue(package.startswith("lib"), package)
                self.assertNotRegex(package, r"qt|x11|xcb|gl|wayland|tessaro")
                self.assertTrue("font" not in package or package == "libfontconfig1", package)
        self.assertEqual(field(self.debs["tessaro-cli"], "Recommends"), "")

    def test_the_window_package_needs_the_command_line_its_fonts_and_recommends_wayland(self):
        files = self.files("tessaro")
        self.assertIn("usr/bin/tessaro", files)
        self.assertNotIn("usr/bin/tessaro-cli", files)
        self.assertIn("usr/share/man/man1/tessaro.1.gz", files)
        self.assertIn("usr/share/applications/app.tessaro.Tessaro.desktop", files)
        self.assertIn("usr/share/icons/hicolor/256x256/apps/app.tessaro.Tessaro.png", files)
        self.assertIn("usr/share/doc/tessaro/copyright", files)
        self.assertTrue(set(files).isdisjoint(self.files("tessaro-cli")))
        deb = self.debs["tessaro"]
        self.assertIn(f"tessaro-cli (= {VERSION})", field(deb, "Depends"))
        depends = relations(deb, "Depends")
        # The X11 platform plugin is in Qt's GUI library; the package of the other plugins has neither.
        self.assertIn("libqt6gui6", depends)
        self.assertNotIn("qt6-qpa-plugins", depends)
        self.assertIn("fonts-dejavu-core", depends)
        # The Russian window's file and message dialogs are Qt's own, in Qt's translation.
        self.assertIn("qt6-translations-l10n", depends)
        self.assertEqual(relations(deb, "Recommends"), ["qt6-wayland"])

    def test_the_descriptions_name_what_the_programs_make(self):
        for deb in self.debs.values():
            description = " ".join(field(deb, "Description").split())
            for words in ("DXF", "STL", "sheets", "fit report"):
                self.assertIn(words, description, deb.name)

    def test_the_programs_are_built_with_debians_hardening(self):
        for package, program in (("tessaro-cli", "tessaro-cli"), ("tessaro", "tessaro")):
            with self.subTest(program):
                binary = str(self.unpacked[package] / "usr/bin" / program)
                headers = subprocess.run(["readelf", "--wide", "--file-header", "--program-headers", "--dynamic",
                                          binary], check=True, capture_output=True, text=True).stdout
                self.assertRegex(headers, r"Type:\s+DYN")  # position independent
                self.assertIn("GNU_RELRO", headers)
                self.assertRegex(headers, r"\(FLAGS\)\s+BIND_NOW|\(FLAGS_1\)\s+Flags: NOW")
                symbols = subprocess.run(["readelf", "--wide", "--dyn-syms", binary], check=True,
                                         capture_output=True, text=True).stdout
                self.assertIn("__stack_chk_fail", symbols)
                self.assertRegex(symbols, r"__\w+_chk\b(?<!__stack_chk)")  # a fortified libc call

    def test_lintian_finds_no_error_and_no_warning(self):
        for deb in self.debs.values():
            with self.subTest(deb.name):
                result = subprocess.run(["lintian", "--tag-display-limit", "0", str(deb)], capture_output=True,
                                        text=True, timeout=600)
                findings = [line for line in result.stdout.splitlines() if re.match(r"[EW]: ", line)]
                self.assertEqual(findings, [])
                self.assertEqual(result.returncode, 0, result.stdout + result.stderr)


if __name__ == "__main__":
    unittest.main()
