# Installation (program, desktop entry, AppStream metainfo, icon, all under
# one id) and the Debian package.
include(GNUInstallDirs)

install(TARGETS numbering-rods RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Both translated from the .po files (po/CMakeLists.txt).
install(FILES ${RODS_DESKTOP_ENTRY} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${RODS_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/${RODS_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The manual page and the changelog are installed compressed, without a time
# stamp in the gzip header, so that two builds give the same package.
find_program(GZIP gzip REQUIRED)
set(compressed)
foreach(source docs/numbering-rods.1 data/changelog)
  get_filename_component(name ${source} NAME)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${name}.gz
                     COMMAND ${GZIP} -9 -n -c ${PROJECT_SOURCE_DIR}/${source} > ${CMAKE_BINARY_DIR}/${name}.gz
                     DEPENDS ${PROJECT_SOURCE_DIR}/${source} VERBATIM)
  list(APPEND compressed ${CMAKE_BINARY_DIR}/${name}.gz)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${compressed})
install(FILES ${CMAKE_BINARY_DIR}/numbering-rods.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz data/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME numbering-rods)
set(CPACK_PACKAGE_VENDOR "Numbering Rods developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Long multiplication with numbering rods")
# One sentence per line: Debian wants the lines under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "Build the multiplicator rod by rod, add the index rod, type the multiplicand
and read the product off the rods. The Working window shows how every product
is read off the rods, step by step, and lets a learner do the reading and
find their own mistakes.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Numbering Rods developers <numbering-rods@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries come from the binary's own links; the platform plugins and
# the font the layout is drawn in are loaded at run time, so name them. The Wayland platform is recommended, so that machines with X11
# alone still install the package.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# DejaVu Sans draws the Arabic the program speaks (Liberation has no Arabic
# letters); Qt's own catalogue gives its dialogs' buttons in the language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
include(CPack)
