# Read by cpack once per generator: the Debian package installs its own
# component (cmake/DebianPackage.cmake) under /usr, the others the bundle's.
if(CPACK_GENERATOR STREQUAL "DEB")
    string(REPLACE ";bundle;" ";debian;" CPACK_INSTALL_CMAKE_PROJECTS "${CPACK_INSTALL_CMAKE_PROJECTS}")
endif()
