# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
# `cpack` in the build folder packs the installed layout (packaging/CMakeLists.txt) under /usr
# into corvane_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VENDOR "The Corvane developers")
set(CPACK_PACKAGE_CONTACT "The Corvane developers <developers@corvane.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small desktop countdown timer with a tray clock")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Whatever the builder's umask, folders in the package are rwxr-xr-x.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://corvane.org)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The designs name Windows fonts, for which Liberation's faces stand in with the same metrics;
# Qt's own dialogs (files, colours) speak the user's language only with Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-translations-l10n")
# Each line is one paragraph line of the control file; CPack indents them and writes a blank
# line as " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[
Corvane keeps a list of named countdowns, each with a duration of up to 99
hours, a message and an optional WAV sound. Pick one, start, pause or stop
it, and watch the time left and a progress picture that shrinks as the time
runs out. At zero Corvane plays the sound and shows the message.

A tray icon shows the progress as a clock, the window can stay on top, and
themes change the look of the countdown display. The user interface and the
manual are in English and German; language scripts add other languages.

The package also holds corvtool, which reads and writes Corvane's files from
the command line.]=])

include(CPack)
