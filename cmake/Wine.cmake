# Windows tests run under Wine, in a prefix and on an Xvfb display of this
# build tree's own: the fixture test "wine_up" starts both, "wine_down" stops them.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_SOURCE_DIR}/tools/wine-run.sh;${CMAKE_BINARY_DIR}")

add_test(NAME wine_up COMMAND "${CMAKE_SOURCE_DIR}/tools/wine-fixture.sh" start "${CMAKE_BINARY_DIR}")
add_test(NAME wine_down COMMAND "${CMAKE_SOURCE_DIR}/tools/wine-fixture.sh" stop "${CMAKE_BINARY_DIR}")
set_tests_properties(wine_up PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
set_tests_properties(wine_down PROPERTIES FIXTURES_CLEANUP wine)
