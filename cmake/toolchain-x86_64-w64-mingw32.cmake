# Cross-compiling for Windows with MinGW-w64 (x86_64-w64-mingw32).
# The -posix compilers are named directly so the result does not depend on
# the update-alternatives setting of the build machine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ELIBCOPY_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER  x86_64-w64-mingw32-windres)

# Look for headers and libraries in the MinGW sysroot and in our own
# prebuilt third-party prefix (build/deps/<triplet>), never on the host.
get_filename_component(_elibcopy_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(ELIBCOPY_DEPS_PREFIX "${_elibcopy_root}/build/deps/x86_64-w64-mingw32")
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 "${ELIBCOPY_DEPS_PREFIX}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# 64-bit test programs run under Wine; the 32-bit build runs nothing here.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
