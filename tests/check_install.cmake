# Installs the build into a scratch prefix and checks that the program, the
# desktop entry, the metainfo, the icon, the manual page, the changelog and
# the copyright land where desktops and Debian look for them.
# -DBUILD_DIR=... -DPREFIX=... -DAPP_ID=...
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(path bin/numbering-rods
             share/applications/${APP_ID}.desktop
             share/metainfo/${APP_ID}.metainfo.xml
             share/icons/hicolor/scalable/apps/${APP_ID}.svg
             share/man/man1/numbering-rods.1.gz
             share/doc/numbering-rods/changelog.gz
             share/doc/numbering-rods/copyright)
  if(NOT EXISTS "${PREFIX}/${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
file(STRINGS "${PREFIX}/share/applications/${APP_ID}.desktop" icon REGEX "^Icon=")
if(NOT icon STREQUAL "Icon=${APP_ID}")
  message(FATAL_ERROR "the desktop entry names the icon '${icon}'")
endif()
message(STATUS "installed: program, desktop entry, metainfo, icon, manual page, changelog, copyright")
