# The release bundle, built by the "package" target: one ZIP holding the game,
# its help in both forms (.hlp for the help viewer, .html for a browser), the
# brain program, the README and the licence. The game needs nothing else, so
# the folder it unpacks to is ready to play. The programs go in stripped of
# their debug information.
install(TARGETS quinterra pbrain-quinterra RUNTIME DESTINATION .)
install(FILES
    "${CMAKE_BINARY_DIR}/app/quinterra.hlp"
    "${CMAKE_BINARY_DIR}/app/quinterra.html"
    "${CMAKE_SOURCE_DIR}/README.md"
    "${CMAKE_SOURCE_DIR}/LICENSE"
    DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Quinterra)
set(CPACK_PACKAGE_VENDOR "The Quinterra developers")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_FILE_NAME "quinterra-${PROJECT_VERSION}-win64")
set(CPACK_RESOURCE_FILE_LICENSE "${CMAKE_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)
include(CPack)

# Packs the bundle, unpacks it into an empty folder and starts the game there.
if(BUILD_TESTING)
    add_test(NAME bundle_starts
        COMMAND bash "${CMAKE_SOURCE_DIR}/tests/bundle/bundle-test.sh" "${CMAKE_BINARY_DIR}")
    set_tests_properties(bundle_starts PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 120)
endif()
