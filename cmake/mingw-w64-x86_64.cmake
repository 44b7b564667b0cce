# Cross-compiling for 64-bit Windows with MinGW-w64 (Debian's
# g++-mingw-w64-x86-64-posix: the posix thread model, which std::thread and
# std::jthread need). Libraries built for Windows live in one prefix, given as
# ECVIEW_WINDOWS_DEPS (scripts/mingw-deps.sh fills it); nothing of the build
# machine's own /usr is searched.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw}-windres)
set(CMAKE_AR ${mingw}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${mingw}-ranlib CACHE FILEPATH "")

# Try-compiles run with a fresh cache: pass the prefix on to them.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ECVIEW_WINDOWS_DEPS)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw})
if(ECVIEW_WINDOWS_DEPS)
  list(PREPEND CMAKE_FIND_ROOT_PATH ${ECVIEW_WINDOWS_DEPS})
  # pkg-config must see only the Windows prefix, never the build machine's .pc files.
  set(ENV{PKG_CONFIG_LIBDIR} ${ECVIEW_WINDOWS_DEPS}/lib/pkgconfig)
  set(ENV{PKG_CONFIG_PATH} "")
  set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One .exe with nothing beside it: the C++ runtime, winpthread and libgcc are
# linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
