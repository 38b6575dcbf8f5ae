# A Debian package from the install rules: `cpack -G DEB` in a Release build
# directory configured with -DCMAKE_INSTALL_PREFIX=/usr (see README).
# The library dependencies come from dpkg-shlibdeps; the Qt platform plugins
# are loaded at run time, so dpkg-shlibdeps cannot see them.

set(TOLVANE_PACKAGE_MAINTAINER "Tolvane maintainers <maintainers@tolvane.invalid>"
  CACHE STRING "Maintainer line of the Debian package")

set(CPACK_PACKAGE_NAME tolvane)
set(CPACK_PACKAGE_VENDOR "Tolvane project")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pressure drop calculator for pipelines")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Tolvane computes the pressure drop of a pipeline element by element:"
  "46 element kinds (straight pipes, entrances, changes of section, bends,"
  "tees and branches, bellows, valves, check valves, orifices and nozzles),"
  "for liquids and gases, with the property data of water, air, saturated"
  "steam and other fluids, and tools for the economic pipe diameter, the"
  "plant characteristic curve, pump head and NPSH."
  "The batch tool tolvane-cli runs calculations from JSON descriptions.")
set(CPACK_PACKAGE_CONTACT ${TOLVANE_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TOLVANE_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libxlsxwriter4 writes the XLSX exports (dpkg-shlibdeps names it as well).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libxlsxwriter4")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")

set(CPACK_GENERATOR DEB)
include(CPack)
