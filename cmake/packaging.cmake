# Packages made with cpack in a build folder from what `cmake --install`
# puts in place: in the default build a Debian package (cpack -G DEB), in the
# Windows build a .zip of quillet-calc (cpack -G ZIP).
set(CPACK_PACKAGE_NAME quillet)
set(CPACK_PACKAGE_VENDOR "Quillet")
set(CPACK_PACKAGE_CONTACT "Quillet developers <developers@quillet.app>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://quillet.app/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "timecode calculator for film and video")
set(CPACK_PACKAGE_DESCRIPTION
  "Reads, converts and computes timecodes in eleven formats (drop-frame and non-drop NTSC, PAL, frame counts, real time, feet+frames) and at today's frame rates from 23.976 to 60 fps, across IN, OUT and DURATION registers. quillet-calc does the same on the command line.")
set(CPACK_STRIP_FILES ON)

# Debian: dependencies from the libraries the programs link; the web link
# opens pages through xdg-open.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME quillet-calc-${PROJECT_VERSION}-windows-x86_64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  # Every Debian package carries its copyright file.
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillet)
endif()
include(CPack)
