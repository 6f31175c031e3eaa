# The Debian package (`make package`): what the install rules place, under /usr.
# Its changelog names the version the package is: a new version starts with a new entry.
file(STRINGS packaging/changelog changelogTop LIMIT_COUNT 1)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS packaging/changelog)
if(NOT changelogTop MATCHES "^velmora \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog starts with '${changelogTop}': add an entry for ${PROJECT_VERSION}")
endif()
set(VELMORA_PACKAGE_MAINTAINER "Velmora developers <velmora@example.org>"
    CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT ${VELMORA_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "drive through the night by the light of your headlights")
set(CPACK_PACKAGE_DESCRIPTION "A night drive, seen from the driver's seat: no light but what the
headlights, the street lamps, the flames and the moon throw on the road.
Eighteen levels lead from the opening roads to a crossroads, and from there
along the routes to the flames.")
# velmora_<version>_<arch>.deb, the architecture from dpkg.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps reads the libraries the game links and names the packages that hold them.
# For SDL it names libsdl1.2debian, which the old SDL 1.2 satisfies as well; the window's
# scaling is sdl12-compat's own, so the package asks for sdl12-compat by name too.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl1.2-compat-shim (>= 1.2.60)")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# xz on every core: the pictures and sounds are most of a minute on one.
set(CPACK_THREADS 0)
include(CPack)
