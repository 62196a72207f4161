# doctest is a single header; the cross build gets a private copy of it,
# since pointing mingw at the host's /usr/include would mix the two systems.
find_file(DOCTEST_HEADER doctest/doctest.h PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(doctest_include "${CMAKE_BINARY_DIR}/doctest-include")
file(COPY "${DOCTEST_HEADER}" DESTINATION "${doctest_include}/doctest")

add_library(quinterra_doctest STATIC "${CMAKE_SOURCE_DIR}/tests/doctest_main.cpp")
target_include_directories(quinterra_doctest SYSTEM PUBLIC "${doctest_include}")

# A doctest suite, run natively or under Wine in the cross build.
function(quinterra_add_test_suite name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE quinterra_doctest)
    add_test(NAME ${name} COMMAND ${name})
    if(QUINTERRA_WINDOWS)
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine)
    endif()
endfunction()
