"""Saving as a user relies on it: nothing replaced that may not be, nothing written
outside the folder, no failure reported as success."""
import os
import re
import shutil
import subprocess
import unittest

from cli_support import CLI, FilesTestCase, run_cli


def as_nobody(*args, cwd=None):
    """Runs tessaro-cli as the unprivileged user "nobody" when the tests run as root."""
    prefix = []
    if os.geteuid() == 0:
        prefix = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"]
    return subprocess.run([*prefix, CLI, *args], cwd=cwd, capture_output=True, timeout=120)


class SafeSaving(FilesTestCase):
    def folder_contents(self):
        """Every file under the work folder by its path there, with its bytes."""
        contents = {}
        for root, _, names in os.walk(self.work.path):
            for name in names:
                path = os.path.join(root, name)
                with open(path, "rb") as f:
                    contents[os.path.relpath(path, self.work.path)] = f.read()
        return contents

    def test_a_file_the_user_may_not_write_is_refused_and_left_as_it_was(self):
        os.chmod(self.work.path, 0o777)
        target = self.work.file("box.dxf")
        with open(target, "wb") as f:
            f.write(b"precious")
        os.chmod(target, 0o444)
        before = os.stat(target)
        result = as_nobody("facade", "-o", target)
        self.assertEqual(result.returncode, 1)
        self.assertEqual(result.stderr.decode(),
                         f'tessaro-cli: Cannot create file "{target}". Permission denied.\n')
        with open(target, "rb") as f:
            self.assertEqual(f.read(), b"precious")
        after = os.stat(target)
        self.assertEqual((after.st_ino, after.st_uid), (before.st_ino, before.st_uid))
        self.assertEqual(os.listdir(self.work.path), ["box.dxf"])

    # No output may be a file the run reads, however it is spelled: refused with exit 1,
    # nothing written, every input as it was.
    def test_an_output_that_is_one_of_the_runs_inputs_is_refused(self):
        tables = self.work.file("tables")
        os.mkdir(tables)
        self.assertEqual(run_cli("--tables", tables, "--set", "main.M=4", "--save-material", "Birch").returncode, 0)
        inputs = {"list.txt": b"cutout front,circle,30,20,12\n", "box-2.dxf": b"vent lid,slots,100,55,80,40\n"}
        for name, content in inputs.items():
            with open(self.work.file(name), "wb") as f:
                f.write(content)
        os.symlink("list.txt", self.work.file("link.dxf"))
        os.link(self.work.file("list.txt"), self.work.file("hard.dxf"))
        folder = os.path.basename(self.work.path)
        before = self.folder_contents()
        runs = [
            (["full", "--cutouts", "list.txt", "-o", "list.txt"], "list.txt"),
            (["full", "--cutouts", "list.txt", "-o", f"../{folder}/./list.txt"], f"../{folder}/./list.txt"),
            (["full", "--cutouts", "list.txt", "-o", "link.dxf"], "link.dxf"),
            (["full", "--cutouts", "list.txt", "-f", "stl", "-o", "hard.dxf"], "hard.dxf"),
            (["full", "--cutouts", "box-2.dxf", "--sheet", "300x200", "-o", "box.dxf"], "box-2.dxf"),
            (["bobbin", "--tables", "tables", "-o", "tables/TransGrid.txt"], "tables/TransGrid.txt"),
            (["spiral", "--tables", "tables", "-f", "svg", "-o", "tables/ParamZub.txt"], "tables/ParamZub.txt"),
            (["tab-slot", "--tables", "tables", "--material", "Birch", "-o", "tables/Materials.txt"],
             "tables/Materials.txt"),
        ]
        for args, output in runs:
            result = run_cli(*args, cwd=self.work.path)
            self.assertEqual(result.returncode, 1, args)
            self.assertRegex(result.stderr.decode(), f'^tessaro-cli: Cannot create file "{re.escape(output)}". '
                             r'It is "[^"]+", read by --\w+ in this run; nothing was written.\n$')
        self.assertEqual(self.folder_contents(), before)
        self.assertEqual(run_cli("full", "--cutouts", "list.txt", "-o", "box.dxf", cwd=self.work.path).returncode, 0)

    def test_standard_output_that_cannot_be_written_is_a_failure(self):
        with open("/dev/full", "wb") as full:
            result = subprocess.run([CLI, "full", "-o", "-"], stdout=full, capture_output=False,
                                    stderr=subprocess.PIPE, timeout=120)
        self.assertEqual(result.returncode, 1)
        self.assertEqual(result.stderr.decode(),
                         "tessaro-cli: Cannot write to standard output. No space left on device.\n")

    def test_every_mode_fails_when_standard_output_cannot_be_written(self):
        sheets = self.work.file("box.dxf")
        for args in (["full", "--fit"], ["--show-tables"], ["facade", "--name"], ["spiral", "-o", "-"],
                     ["full", "--sheet", "600x400", "-o", sheets]):
            with open("/dev/full", "wb") as full:
                result = subprocess.run([CLI, *args], stdout=full, stderr=subprocess.PIPE, timeout=120)
            self.assertEqual(result.returncode, 1, args)
            self.assertEqual(result.stderr.decode(),
                             "tessaro-cli: Cannot write to standard output. No space left on device.\n", args)

    def test_a_cell_that_is_no_number_is_named_by_its_key(self):
        for key in ("main.W", "spiral.N", "tabslot.T"):
            result = run_cli("full" if key.startswith("main") else key.split(".")[0].replace("tabslot", "tab-slot"),
                             "--set", f"{key}=abc", "-o", "-")
            self.assertEqual(result.returncode, 1, key)
            self.assertTrue(result.stderr.decode().startswith(f"tessaro-cli: {key}: "), result.stderr)
            self.assertIn("abc", result.stderr.decode())
            self.assertEqual(result.stdout, b"")

    def test_dev_stdout_on_a_pipe_is_written_through(self):
        result = run_cli("facade", "-f", "eps", "-o", "/dev/stdout")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertTrue(result.stdout.startswith(b"%!PS-Adobe-3.0 EPSF-3.0\r\n"))

    def test_the_proposed_name_never_leaves_the_current_folder(self):
        inner = os.path.join(self.work.path, "a", "b")
        os.makedirs(inner)
        result = run_cli("facade", "--set", "main.M=../../x", cwd=inner)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(os.listdir(inner), [".. .. xmm 200x100x110 facade.dxf"])
        self.assertEqual(os.listdir(self.work.path), ["a"])
        self.assertEqual(os.listdir(os.path.join(self.work.path, "a")), ["b"])

    def test_a_control_character_through_set_is_a_usage_error(self):
        for text in ["5\n%%EOF", "5\r", "\x1b[2J"]:
            result = run_cli("facade", "-f", "eps", "--set", "main.M=" + text, cwd=self.work.path)
            self.assertEqual(result.returncode, 2, text)
            self.assertIn(b"control character", result.stderr)
            self.assertEqual(os.listdir(self.work.path), [])

    def test_a_spiral_step_that_underflows_stops_at_once(self):
        result = run_cli("spiral", "--set", "spiral.Fi=4.9e-324", "--set", "spiral.N=0", "-o", "-")
        self.assertEqual(result.returncode, 1)
        self.assertIn(b"too small", result.stderr)
        self.assertEqual(result.stdout, b"")

    @unittest.skipUnless(shutil.which("strace"), "strace is installed by ./test")
    def test_the_file_reaches_the_disk_before_the_rename_and_the_folder_after_it(self):
        log = self.work.file("calls.log")
        target = self.work.file("box.dxf")
        # LeakSanitizer cannot run under a tracer.
        environment = dict(os.environ, ASAN_OPTIONS="detect_leaks=0")
        traced = subprocess.run(["strace", "-f", "-e", "trace=openat,fsync,rename", "-o", log,
                                 CLI, "facade", "-o", target], capture_output=True, timeout=120, env=environment)
        if traced.returncode != 0 and b"ptrace" in traced.stderr:
            self.skipTest("this machine does not allow tracing")
        self.assertEqual(traced.returncode, 0, traced.stderr)
        with open(log) as f:
            calls = [line.split(None, 1)[1] for line in f if "fsync(" in line or "rename(" in line
                     or (self.work.path in line and "openat(" in line)]
        temporary = next(c for c in calls if ".tessaro-" in c and c.startswith("openat("))
        temporary_fd = re.search(r"= (\d+)$", temporary.strip()).group(1)
        folder_fd = re.search(r"= (\d+)$", next(c for c in calls if "O_DIRECTORY" in c).strip()).group(1)
        order = [c.split("(")[0] + ("" if "rename" in c else c.split("(")[1].split(")")[0])
                 for c in calls if not c.startswith("openat(")]
        self.assertEqual(order, ["fsync" + temporary_fd, "rename", "fsync" + folder_fd])


if __name__ == "__main__":
    unittest.main()
