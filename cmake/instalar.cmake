# Installing Zafrelo on a Linux desktop (launcher, software-centre entry, icons) and the Debian
# package built from that install. Included from the top-level CMakeLists.txt once the targets
# exist.

include(GNUInstallDirs)

# One name for the launcher, the metainfo, the icon and the desktop's idea of the running program.
set(ZAFRELO_ID io.github.zafrelo.Zafrelo)
set(ZAFRELO_DATOS ${PROJECT_SOURCE_DIR}/data)
set(ZAFRELO_TAMANOS_ICONO 16 32 48 64 128 256)

# The window icon travels inside the program, so it shows before (or without) any install. The
# PNGs are rendered once from the SVG with scripts/iconos and committed.
set(iconos)
foreach(lado IN LISTS ZAFRELO_TAMANOS_ICONO)
  list(APPEND iconos data/icons/hicolor/${lado}x${lado}/apps/${ZAFRELO_ID}.png)
endforeach()
qt_add_resources(zafrelo_core iconos PREFIX / BASE data/icons FILES ${iconos})
target_compile_definitions(zafrelo_core PUBLIC ZAFRELO_ID="${ZAFRELO_ID}")

install(TARGETS zafrelo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(NOT UNIX OR APPLE OR EMSCRIPTEN)
  return()  # launcher, metainfo, hicolor icons and the .deb belong to Linux desktops
endif()
install(FILES ${ZAFRELO_DATOS}/${ZAFRELO_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ZAFRELO_DATOS}/${ZAFRELO_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${ZAFRELO_DATOS}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
# Debian keeps a package's licence as /usr/share/doc/<package>/copyright.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright)

# ---- Debian package: cpack -G DEB in the build folder gives zafrelo_1.00_<arch>.deb ----
# The project has no mailbox: its issue tracker is where users write, so the package names that.
set(ZAFRELO_INCIDENCIAS https://github.com/zafrelo/zafrelo/issues)
set(ZAFRELO_MANTENEDOR "Equipo de Zafrelo <${ZAFRELO_INCIDENCIAS}>"
    CACHE STRING "Maintainer named in the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zafrelo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Equipo de Zafrelo")
set(CPACK_PACKAGE_CONTACT ${ZAFRELO_MANTENEDOR})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "suma de fracciones con un modelo de área")
set(CPACK_PACKAGE_DESCRIPTION
    "Zafrelo enseña cómo se suman dos fracciones: cada fracción es un cuadrado cortado en tiras \
de colores, y al pulsar «=» cada celda coloreada vuela al área del resultado.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/zafrelo/zafrelo)
# Qt is held to the minor version built against (its symbols are versioned per minor release);
# the C and C++ runtimes to what this toolchain's binary asks for (GLIBC_2.34, GLIBCXX_3.4.29).
# The xcb platform plugin comes with libqt6gui6; fonts-liberation2 stands in for Arial.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6 (>= ${Qt6_VERSION_MAJOR}.${Qt6_VERSION_MINOR}), \
libqt6gui6 (>= ${Qt6_VERSION_MAJOR}.${Qt6_VERSION_MINOR}), \
libqt6core6 (>= ${Qt6_VERSION_MAJOR}.${Qt6_VERSION_MINOR}), \
fonts-liberation2, libc6 (>= 2.34), libstdc++6 (>= 11), libgcc-s1 (>= 3.0)")
# Native Wayland windows instead of XWayland, where the session offers it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
include(CPack)
