# The Debian package, built in a build folder with `cpack -G DEB` from the install rules of
# packaging/CMakeLists.txt. Its dependencies are computed from the binaries (dpkg-shlibdeps,
# from dpkg-dev). Installed under /usr, the DEB generator's prefix.
set(AEC_PACKAGE_MAINTAINER "Audio Effect Controller developers <dev@audio-effect-controller.invalid>"
    CACHE STRING "Maintainer of the Debian package: Name <address>")

set(CPACK_PACKAGE_NAME audio-effect-controller)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${AEC_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "controller for a karaoke and audio-effect processor")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The lines after the summary; a line of its own with "." is an empty line in the package.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[
A desktop program that edits a karaoke and audio-effect processor (music
input, two microphones, echoes, reverb, dynamic EQ and four outputs) over its
serial line at 115200 baud: it finds the processor on the serial ports, loads
its whole parameter set and sends every edit at once. Response chart with
draggable EQ bands, spectrum of the sound input, presets and stored modes,
Chinese and English captions.
.
A processor on a USB serial adapter appears as /dev/ttyUSB0 or /dev/ttyACM0:
to open it your user needs to be in the dialout group
(sudo adduser $USER dialout, then log in again).
.
Also installs aecctl, which checks, compares, converts and applies presets
from the command line (backups and provisioning of processors from a shell),
and processor-sim, a simulated processor on a pseudo-terminal, to try the
controller without the hardware.]=])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt picks its Wayland platform plugin from here on a Wayland desktop; without it the window
# runs through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
