# The Debian 12 packages the project builds and runs with; scripts/build installs each
# kind of build's share. The window's words are Qt Linguist files compiled by lrelease
# (qt6-l10n-tools, found through qt6-tools-dev); Qt's own dialogs are Russian with
# qt6-translations-l10n. hershey-fonts-data holds the fonts engraved text is drawn with.
BUILD_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev libqt6opengl6-dev qt6-l10n-tools qt6-tools-dev qt6-translations-l10n libcli11-dev libtomlplusplus-dev libjpeg-dev libnest2d-dev libpolyclipping-dev libnlopt-cxx-dev libcairo2-dev libboost-dev libcgal-dev fonts-dejavu-core fonts-dejavu-extra help2man dpkg-dev librsvg2-bin hershey-fonts-data)
# An X server of its own with Mesa's software OpenGL, for the 3D view's tests, benchmark
# and screenshot (the offscreen platform gives no OpenGL).
XVFB_PACKAGES=(xvfb xauth libgl1-mesa-dri)
# A window manager and the tools that drive the window through it, as a user would.
DESKTOP_PACKAGES=(openbox xdotool x11-utils)
# What the tests need on top: the readers of our files (LibreCAD prints DXF 2000 to PDF, which
# poppler renders) and the test libraries.
TEST_PACKAGES=(libgtest-dev libgmock-dev python3-ezdxf python3-shapely admesh ghostscript librsvg2-bin poppler-utils librecad "${XVFB_PACKAGES[@]}" "${DESKTOP_PACKAGES[@]}" strace desktop-file-utils appstream lintian)
# What the benchmarks (TESSARO_BENCH=ON) need on top.
BENCH_PACKAGES=(libbenchmark-dev "${XVFB_PACKAGES[@]}")
# What scripts/fuzz needs on top of the build: clang++ and its libFuzzer and sanitizer runtimes.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# What scripts/package needs on top of the build: CPack reads the linked libraries' packages
# with dpkg-shlibdeps (in dpkg-dev, which the build has for its hardening flags) and finds
# the programs among the files with file.
PACKAGE_PACKAGES=(dpkg-dev file)
# The one code style, checked by .ci/run and scripts/check-format.
FORMAT_PACKAGES=(clang-format)
