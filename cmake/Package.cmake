# "cpack -G DEB" makes orvane_<version>_<arch>.deb from the install rules. Its library
# dependencies are worked out by dpkg-shlibdeps (package dpkg-dev).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvane)
set(CPACK_PACKAGE_VENDOR "The Orvane developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the chip catalogue of a serial EEPROM programmer")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Orvane developers <orvane@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The synopsis line comes from the summary above; this is the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Orvane edits Progr.ini, the binary chip catalogue of a serial-memory device
programmer. For each I2C or Microwire EEPROM the catalogue records how the chip
is powered, how long it is, how it is addressed and how it is wired to the
programmer's socket.
.
The editor lists, adds, edits and deletes chips and renames the chip types,
with setup forms that check every value. Saves are atomic, and a damaged file
is reported and never written over. orvane-cli lists, checks, compares, exports
and changes catalogues from scripts.")

include(CPack)
