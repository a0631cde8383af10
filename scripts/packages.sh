# The Debian 12 packages the project builds and runs with; scripts/build installs each
# kind of build's share.
BUILD_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev libqt6opengl6-dev libcli11-dev libjpeg-dev libnest2d-dev libpolyclipping-dev libnlopt-cxx-dev libboost-dev libcgal-dev fonts-dejavu-core fonts-dejavu-extra help2man)
# What the tests need on top: the readers of our files and the test libraries.
TEST_PACKAGES=(libgtest-dev libgmock-dev python3-ezdxf python3-shapely admesh ghostscript librsvg2-bin xvfb xauth libgl1-mesa-dri strace desktop-file-utils appstream)
# What the benchmarks (TESSARO_BENCH=ON) need on top; the 3D view's runs under Xvfb with Mesa.
BENCH_PACKAGES=(libbenchmark-dev xvfb xauth libgl1-mesa-dri)
# What scripts/fuzz needs on top of the build: clang++ and its libFuzzer and sanitizer runtimes.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# What scripts/package needs on top of the build: CPack reads the linked libraries' packages
# with dpkg-shlibdeps and finds the programs among the files with file.
PACKAGE_PACKAGES=(dpkg-dev file)
