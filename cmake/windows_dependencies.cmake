# The Windows build's libraries (PCRE2, GoogleTest, the header-only ones) sit
# in their own prefix, built once by scripts/mingw-deps.sh; a fresh build
# folder builds them on its first configure.
if(NOT ECVIEW_WINDOWS_DEPS)
  message(FATAL_ERROR "ECVIEW_WINDOWS_DEPS must name the prefix of the Windows libraries")
endif()
if(NOT EXISTS ${ECVIEW_WINDOWS_DEPS}/.complete)
  execute_process(COMMAND ${CMAKE_SOURCE_DIR}/scripts/mingw-deps.sh ${ECVIEW_WINDOWS_DEPS}
                  RESULT_VARIABLE deps_result)
  if(NOT deps_result EQUAL 0)
    message(FATAL_ERROR "scripts/mingw-deps.sh failed (${deps_result}); the logs are in ${ECVIEW_WINDOWS_DEPS}.work")
  endif()
endif()

# Test programs run under Wine, in a Wine prefix of this build folder.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh ${CMAKE_BINARY_DIR}/wine)
