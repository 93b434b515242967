# GoogleTest for a cross build, compiled from the sources that Debian's
# libgtest-dev ships (the installed libraries are for the build machine).
set(QUILLET_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources for cross builds")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${QUILLET_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
# (the sources define GTest::gtest and GTest::gtest_main themselves)
