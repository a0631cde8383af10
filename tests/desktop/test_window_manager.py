"""The window under a real window manager (Openbox on an Xvfb screen of 1280 x 720), driven
with xdotool as a user drives it: it opens inside the small screen frame and all, the window
manager can resize and maximise it, the large view and its 3D page open inside the screen and
Esc closes them, and Ctrl+Q ends the program with the tables saved in the user's data folder."""
import os
import pathlib
import shutil
import subprocess
import tempfile
import time
import unittest

WINDOW = pathlib.Path(os.environ["TESSARO_WINDOW"])
SCREEN = (1280, 720)
WAIT = 60  # seconds: the sanitizer build starts slowly on a busy machine


def run(*command, env=None):
    return subprocess.run(command, env=env, check=True, capture_output=True, text=True, timeout=WAIT).stdout


def wait_for(what, condition):
    deadline = time.monotonic() + WAIT
    while time.monotonic() < deadline:
        found = condition()
        if found:
            return found
        time.sleep(0.1)
    raise AssertionError(f"waited {WAIT} s for {what}")


class WindowManager(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = pathlib.Path(tempfile.mkdtemp(prefix="tessaro-wm-"))
        read_end, write_end = os.pipe()
        cls.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24", "-nolisten", "tcp"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        cls.addClassCleanup(cls.stop_process, cls.server)
        os.close(write_end)
        with os.fdopen(read_end) as displays:
            display = displays.readline().strip()
        cls.env = dict(os.environ, DISPLAY=f":{display}", HOME=str(cls.scratch),
                       XDG_CONFIG_HOME=str(cls.scratch / "config"), XDG_DATA_HOME=str(cls.scratch / "data"),
                       QT_QPA_PLATFORM="xcb", LIBGL_ALWAYS_SOFTWARE="1", ASAN_OPTIONS="detect_leaks=0")
        cls.manager = subprocess.Popen(["openbox", "--sm-disable"], env=cls.env,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        cls.addClassCleanup(cls.stop_process, cls.manager)
        wait_for("Openbox", lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in run("xprop", "-root", env=cls.env))

    @staticmethod
    def stop_process(process):
        process.terminate()
        process.wait(timeout=WAIT)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.scratch, ignore_errors=True)

    def setUp(self):
        # The program copied out of its build reads and writes the tables in the data folder,
        # as when installed; it starts in an empty folder.
        self.program = self.scratch / "program"
        self.working = self.scratch / "working"
        shutil.rmtree(self.scratch / "data", ignore_errors=True)
        for folder in (self.program, self.working):
            folder.mkdir(exist_ok=True)
        shutil.copy(WINDOW, self.program / "tessaro")
        self.window_process = subprocess.Popen([str(self.program / "tessaro")], cwd=self.working, env=self.env,
                                               stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        self.addCleanup(self.stop)
        self.window = wait_for("the window", lambda: self.shown_windows()[:1])[0]
        wait_for("the window's frame", lambda: self.frame_of(self.window))

    def stop(self):
        if self.window_process.poll() is None:
            self.window_process.kill()
        self.window_process.communicate(timeout=WAIT)

    def xdotool(self, *arguments):
        return run("xdotool", *arguments, env=self.env)

    def shown_windows(self):
        try:
            return self.xdotool("search", "--onlyvisible", "--class", "tessaro").split()
        except subprocess.CalledProcessError:  # none yet
            return []

    def client_of(self, window):
        """Where the window itself lies on the screen, as (left, top, width, height)."""
        info = dict(line.strip().split(":", 1) for line in run("xwininfo", "-id", window, env=self.env).splitlines()
                    if ":" in line and not line.startswith("xwininfo"))
        return tuple(int(info[k]) for k in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

    def frame_extents(self, window):
        """The frame's widths as (left, right, top, bottom), once the manager has framed it."""
        extents = run("xprop", "-id", window, "_NET_FRAME_EXTENTS", env=self.env)
        return tuple(int(n) for n in extents.split("=")[1].split(",")) if "=" in extents else None

    def frame_of(self, window):
        """The window's outer rectangle, its frame included, as (left, top, right, bottom)."""
        extents = self.frame_extents(window)
        if extents is None:
            return None
        left, right, top, bottom = extents
        x, y, width, height = self.client_of(window)
        return (x - left, y - top, x + width + right, y + height + bottom)

    def size_of(self, window):
        return self.client_of(window)[2:]

    def assertOnScreen(self, window):
        left, top, right, bottom = wait_for("a frame", lambda: self.frame_of(window))
        self.assertTrue(left >= 0 and top >= 0 and right <= SCREEN[0] and bottom <= SCREEN[1],
                        f"frame {(left, top, right, bottom)} outside the {SCREEN} screen")

    def test_opens_inside_a_small_screen_and_the_manager_resizes_and_maximises_it(self):
        self.assertOnScreen(self.window)
        before = self.size_of(self.window)
        smaller = (before[0] - 20, before[1] - 40)
        self.xdotool("windowsize", self.window, *map(str, smaller))
        wait_for("the smaller size", lambda: self.size_of(self.window) == smaller)
        # Openbox maximises a window whose title bar is double-clicked: the middle of the
        # frame's top, above the window itself.
        left, top, right, _ = self.frame_of(self.window)
        title = ((left + right) // 2, top + self.frame_extents(self.window)[2] // 2)
        self.xdotool("mousemove", str(title[0]), str(title[1]), "click", "--repeat", "2", "--delay", "80", "1")
        maximised = wait_for("the maximised size", lambda: self.size_of(self.window)[1] > before[1]
                             and self.size_of(self.window))
        self.assertGreaterEqual(maximised[0], before[0])
        self.assertOnScreen(self.window)

    def test_the_large_view_and_its_3d_page_open_on_the_screen_and_esc_closes_them(self):
        # Ctrl+3 opens the large view on the assembly, drawn in a native OpenGL window of its own.
        for keys in ("ctrl+l", "ctrl+3"):
            with self.subTest(keys=keys):
                self.xdotool("windowactivate", "--sync", self.window)
                self.xdotool("key", "--clearmodifiers", keys)
                large = wait_for("the large view", lambda: [w for w in self.shown_windows() if w != self.window])[0]
                self.assertOnScreen(large)
                self.xdotool("windowactivate", "--sync", large)
                self.xdotool("key", "--clearmodifiers", "Escape")
                wait_for("the large view to close", lambda: self.shown_windows() == [self.window])
                self.assertIsNone(self.window_process.poll())

    def test_ctrl_q_ends_the_program_with_the_tables_saved(self):
        self.xdotool("windowactivate", "--sync", self.window)
        self.xdotool("key", "--clearmodifiers", "ctrl+q")
        said, _ = self.window_process.communicate(timeout=WAIT)
        self.assertEqual(self.window_process.returncode, 0, said)
        # The main table, found by its header line, in Windows-1251 as its file is.
        saved = [p.read_bytes().decode("cp1251") for p in (self.scratch / "data").rglob("*.txt")]
        self.assertTrue(any(text.startswith("Параметры корпуса\tЗначение\t\r\n") for text in saved), saved)
        self.assertEqual(list(self.working.iterdir()), [])


if __name__ == "__main__":
    unittest.main()
