# What a Linux installation carries besides the programs: the manual pages
# ecview(1) and ecview-cli(1), the bash completion of ecview-cli, the AppStream
# metadata, the Chinese user manual with its pictures and the JSON schemas of
# ecview-cli's --json outputs; and the tests that check them.
#
#   share/man/man1/ecview.1, share/man/man1/ecview-cli.1
#   share/bash-completion/completions/ecview-cli
#   share/metainfo/ecview.metainfo.xml
#   share/doc/ecview/manual.zh-CN.md and its pictures, share/doc/ecview/schema/*.schema.json
#
# The Windows ZIP carries none of them.
if(WIN32)
  return()
endif()
include(GNUInstallDirs)

# The AppStream id is the desktop entry's id (kDesktopFileName without
# ".desktop", src/platform/posix/xdg_file_association.h); its MIME type is
# kModuleMimeType. tests/docs/appstream_test.sh checks both against the
# desktop entry make_desktop_files writes.
set(ECVIEW_APPSTREAM_ID ecview)
set(ECVIEW_DESKTOP_FILE ecview.desktop)
set(ECVIEW_MIME_TYPE application/x-e-module)
# AppStream wants the screenshots as web addresses; the pictures are docs/*.png.
set(ECVIEW_SCREENSHOT_BASE_URL "https://example.invalid/ecview/docs" CACHE STRING
    "Web address of the folder holding docs/*.png, for the screenshots of the AppStream metadata")

set(doc_build_dir ${CMAKE_BINARY_DIR}/doc)
configure_file(${CMAKE_SOURCE_DIR}/packaging/linux/ecview.1.in ${doc_build_dir}/man/ecview.1 @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/linux/ecview-cli.1.in ${doc_build_dir}/man/ecview-cli.1 @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/linux/ecview.metainfo.xml.in
               ${doc_build_dir}/${ECVIEW_APPSTREAM_ID}.metainfo.xml @ONLY)

install(FILES ${doc_build_dir}/man/ecview-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/linux/ecview-cli.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME ecview-cli)
# The viewer's page, and the AppStream entry that launches its desktop entry,
# only with the viewer.
if(TARGET ecview)
  install(FILES ${doc_build_dir}/man/ecview.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${doc_build_dir}/${ECVIEW_APPSTREAM_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()
# The manual names its pictures by file name, so they lie beside it.
file(GLOB doc_pictures CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/*.png)
install(FILES ${CMAKE_SOURCE_DIR}/docs/manual.zh-CN.md ${doc_pictures} DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/schema/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/schema
        FILES_MATCHING PATTERN "*.schema.json")

# ---- tests: quick, no window ------------------------------------------------------
if(NOT ECVIEW_TESTS OR ECVIEW_FUZZ)
  return()
endif()
set(docs_tests ${CMAKE_SOURCE_DIR}/tests/docs)
set(viewer_program)
if(TARGET ecview)
  set(viewer_program $<TARGET_FILE:ecview>)
endif()
add_test(NAME DocsManPages
         COMMAND bash ${docs_tests}/man_pages_test.sh ${doc_build_dir}/man $<TARGET_FILE:ecview-cli> ${viewer_program})
add_test(NAME DocsBashCompletion
         COMMAND bash ${docs_tests}/completion_test.sh $<TARGET_FILE:ecview-cli>
                 ${CMAKE_SOURCE_DIR}/packaging/linux/ecview-cli.bash)
add_test(NAME DocsJsonSchemas
         COMMAND python3 ${docs_tests}/json_schema_test.py $<TARGET_FILE:ecview-cli> ${CMAKE_SOURCE_DIR}/docs/schema
                 ${CMAKE_SOURCE_DIR}/examples/sample.ec ${EC_CORPUS_DIR} $<TARGET_FILE:make_large_module>)
if(TARGET ecview AND TARGET make_desktop_files)  # the desktop entry comes from it (install.cmake)
  add_test(NAME DocsAppStream
           COMMAND bash ${docs_tests}/appstream_test.sh ${doc_build_dir}/${ECVIEW_APPSTREAM_ID}.metainfo.xml
                   ${CMAKE_BINARY_DIR}/share/${ECVIEW_DESKTOP_FILE} ${CMAKE_SOURCE_DIR}/docs ${PROJECT_VERSION})
endif()
# The layout of `cmake --install` into a temporary prefix (needs the whole build).
add_test(NAME DocsInstallLayout
         COMMAND bash ${docs_tests}/install_layout_test.sh ${CMAKE_BINARY_DIR} ${ECVIEW_APPSTREAM_ID})
set_tests_properties(DocsManPages DocsBashCompletion DocsJsonSchemas DocsInstallLayout PROPERTIES
                     LABELS docs TIMEOUT 300 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
if(TEST DocsAppStream)
  set_tests_properties(DocsAppStream PROPERTIES LABELS docs TIMEOUT 60)
endif()
