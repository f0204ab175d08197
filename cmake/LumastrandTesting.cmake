# lumastrand_add_qtest(<name> [X11] SOURCES <files...> LIBS <targets...>)
#
# One Qt Test executable per test file, registered with CTest. Every run gets a
# fresh, private home folder, so settings and work folders of one test never
# reach another one or the developer's own profile, and widgets render on the
# offscreen platform.
#
# With X11 the test needs a real X11 screen (screen grabs, keyboard and pointer
# grabs): it runs on the xcb platform of a private Xvfb display of its own
# (1280 x 1024, 24 bits), with the same fresh home folder. It is skipped where
# Xvfb is not installed, and carries the label "x11".
set(LUMASTRAND_TEST_WRAPPER ${CMAKE_CURRENT_LIST_DIR}/run-test.sh)
set(LUMASTRAND_X11_TEST_WRAPPER ${CMAKE_CURRENT_LIST_DIR}/run-x11-test.sh)

function(lumastrand_add_qtest name)
    cmake_parse_arguments(T "X11" "" "SOURCES;LIBS" ${ARGN})
    find_package(Qt5 5.15 REQUIRED COMPONENTS Test)
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt5::Test ${T_LIBS})
    target_compile_definitions(${name} PRIVATE LUMASTRAND_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")
    set(wrapper ${LUMASTRAND_TEST_WRAPPER})
    if(T_X11)
        set(wrapper ${LUMASTRAND_X11_TEST_WRAPPER})
    endif()
    add_test(NAME ${name} COMMAND sh ${wrapper} ${CMAKE_BINARY_DIR}/testhome/${name} $<TARGET_FILE:${name}>)
    if(T_X11)
        set_tests_properties(${name} PROPERTIES LABELS x11 SKIP_RETURN_CODE 77)
    endif()
endfunction()

