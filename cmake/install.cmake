# What `cmake --install` lays out, and the package CPack makes of it.
#
# Linux: bin/ecview, bin/ecview-cli, the desktop entry, the MIME type of
# modules and the icon the desktop entry names, in the usual FHS places; CPack
# makes a .deb of them.
# Windows: ecview-cli.exe (linked statically: no DLL beside it) and a short
# Chinese and English read-me, side by side; CPack makes a ZIP of them.
include(GNUInstallDirs)

if(WIN32)
  set(program_dir .)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/windows/README.txt DESTINATION .)
else()
  set(program_dir ${CMAKE_INSTALL_BINDIR})
endif()
install(TARGETS ecview-cli RUNTIME DESTINATION ${program_dir})
if(TARGET ecview)
  install(TARGETS ecview RUNTIME DESTINATION ${program_dir})
endif()

if(NOT WIN32 AND TARGET make_desktop_files)
  set(desktop_files_dir ${CMAKE_BINARY_DIR}/share)
  add_custom_command(
    OUTPUT ${desktop_files_dir}/ecview.desktop ${desktop_files_dir}/ecview-e-module.xml
    COMMAND make_desktop_files ${desktop_files_dir}
    DEPENDS make_desktop_files
    COMMENT "Writing the desktop entry and the MIME type")
  add_custom_target(desktop_files ALL
    DEPENDS ${desktop_files_dir}/ecview.desktop ${desktop_files_dir}/ecview-e-module.xml)
  install(FILES ${desktop_files_dir}/ecview.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${desktop_files_dir}/ecview-e-module.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/ecview.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

set(CPACK_PACKAGE_NAME ecview)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_VENDOR "ecview")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Viewer for modules (.ec files) of the E programming language")
set(CPACK_PACKAGE_CONTACT "ecview developers <ecview@localhost>")
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME ecview-cli-${PROJECT_VERSION}-windows-x64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION devel)
  # Qt, PCRE2 and the C++ runtime, as the programs link them.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # Qt loads its image readers as plugins, which no linker records: the
  # pictures of a module's resources (tga, tiff, webp, icns, ...) need them
  # listed by hand. shlibdeps adds its findings to this list.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-image-formats-plugins")
endif()
include(CPack)
