# kovu3_add_gtest(NAME SOURCES... [LIBS lib...])
# One test program per class or file format; every TEST becomes its own CTest test.
function(kovu3_add_gtest name)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
    # Test programs stay out of bin/, the program folder of a build.
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_link_libraries(${name} PRIVATE kovu3core kovu3testsupport GTest::gtest_main ${ARG_LIBS})
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                         PROPERTIES ENVIRONMENT "KOVU3_BIN_DIR=${CMAKE_BINARY_DIR}/bin")
endfunction()

# kovu3_add_qttest(NAME SOURCES... [LIBS lib...])
# A Qt Test program run without a display.
function(kovu3_add_qttest name)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
    set_target_properties(${name} PROPERTIES AUTOMOC ON RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_link_libraries(${name} PRIVATE kovu3core kovu3testsupport Qt6::Test ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT
                         "QT_QPA_PLATFORM=offscreen;KOVU3_BIN_DIR=${CMAKE_BINARY_DIR}/bin")
endfunction()
