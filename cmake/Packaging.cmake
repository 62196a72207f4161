# The release, built by the "package" target in three forms from this one build:
#   quinterra-VERSION-win64.zip  the bundle: unpack anywhere and play;
#   quinterra-VERSION-win64.exe  the Windows installer (NSIS);
#   quinterra_VERSION_amd64.deb  the Debian package, the same programs under Wine.
# The zip and the installer hold one folder: the game, the brain program, the
# help in both forms (.hlp for the help viewer, .html for a browser), the README
# and the licence; the game needs nothing else. The Debian package lays the
# same programs out as a Debian system expects (cmake/DebianPackage.cmake). The
# programs go in stripped of their debug information.
install(TARGETS quinterra pbrain-quinterra RUNTIME DESTINATION . COMPONENT bundle)
install(FILES
    "${CMAKE_BINARY_DIR}/app/quinterra.hlp"
    "${CMAKE_BINARY_DIR}/app/quinterra.html"
    "${CMAKE_SOURCE_DIR}/README.md"
    "${CMAKE_SOURCE_DIR}/LICENSE"
    DESTINATION . COMPONENT bundle)
include(cmake/DebianPackage.cmake)

set(CPACK_GENERATOR ZIP NSIS DEB)
set(CPACK_PACKAGE_NAME Quinterra)
set(CPACK_PACKAGE_VENDOR "The Quinterra developers")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_FILE_NAME "quinterra-${PROJECT_VERSION}-win64")
set(CPACK_RESOURCE_FILE_LICENSE "${CMAKE_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)
# Each form installs only its own component: the bundle's flat folder, or the
# Debian layout, chosen per generator by CPackPerGenerator.cmake.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Quinterra;bundle;/")
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_SOURCE_DIR}/cmake/CPackPerGenerator.cmake")

# The installer's script is our own (packaging/windows/NSIS.template.in).
set(CPACK_MODULE_PATH "${CMAKE_SOURCE_DIR}/packaging/windows")
set(CPACK_NSIS_PACKAGE_NAME Quinterra)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Quinterra)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Quinterra)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON "${CMAKE_BINARY_DIR}/resources/quinterra.ico")
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
include(CPack)

if(BUILD_TESTING)
    # Packs the bundle, unpacks it into an empty folder and starts the game there.
    add_test(NAME bundle_starts
        COMMAND bash "${CMAKE_SOURCE_DIR}/tests/bundle/bundle-test.sh" "${CMAKE_BINARY_DIR}")
    # Installs silently into a temporary folder, starts the game, uninstalls.
    add_test(NAME installer_round_trip
        COMMAND bash "${CMAKE_SOURCE_DIR}/tests/bundle/installer-test.sh" "${CMAKE_BINARY_DIR}")
    # Checks and validates the package, and plays its launcher in a temporary home.
    add_test(NAME debian_package
        COMMAND bash "${CMAKE_SOURCE_DIR}/tests/bundle/debian-test.sh" "${CMAKE_BINARY_DIR}")
    set_tests_properties(bundle_starts installer_round_trip debian_package
        PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 120)
    # The package test prepares a prefix twice (a first start and one after an
    # upgrade of Wine), each about 20 s alone and three times that on a busy
    # machine.
    set_tests_properties(debian_package PROPERTIES TIMEOUT 300)
endif()
