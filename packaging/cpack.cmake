# The Debian package. dpkg-shlibdeps finds the libraries the programs link;
# Depends adds what Qt loads at run time, which it cannot see: the platform
# plugins that open a window, the German texts of Qt's own dialogs, the
# SQLite driver of the practice history, and the fonts the window asks for.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sorvik1)
set(CPACK_PACKAGE_VENDOR Sorvik1)
set(CPACK_PACKAGE_CONTACT "${SORVIK1_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "trainer for roulette figures on red and black")
# CPack puts the summary first and indents the rest as Debian wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Sorvik1 is a desktop trainer for roulette figures on the two colours of a
single-zero wheel. You draw a figure of red and black marks over up to 20
consecutive spins, gaps allowed, and let the program throw random spins or
replay a casino's recorded permanence. Every spin where the figure starts is
listed and counted, and the count stands beside what chance predicts.

The command sorvik1-analyse counts figures in simulations and permanence
files without a window. The program's texts are German.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, libqt6sql6-sqlite, fonts-liberation | fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_STRIP_FILES ON)
include(CPack)
