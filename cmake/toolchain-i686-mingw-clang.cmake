# Cross build for 32-bit Windows with clang, on the mingw-w64 headers, C++
# library and linker of the Debian g++-mingw-w64-i686 packages.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
set(MINGW_GCC_DIR /usr/lib/gcc/${TOOLCHAIN_PREFIX}/12-posix CACHE PATH "mingw-w64 g++ library folder")

set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${TOOLCHAIN_PREFIX})
set(CMAKE_CXX_COMPILER_TARGET ${TOOLCHAIN_PREFIX})
set(CMAKE_RC_COMPILER ${TOOLCHAIN_PREFIX}-windres)

# clang does not find the C++ headers and libraries of a g++ whose folder is
# named "12-posix".
set(CMAKE_CXX_FLAGS_INIT "-Wno-unused-command-line-argument -nostdinc++ -isystem ${MINGW_GCC_DIR}/include/c++ -isystem ${MINGW_GCC_DIR}/include/c++/${TOOLCHAIN_PREFIX}")
# g++'s own crtbegin.o registers the DWARF unwind tables that exceptions need
# (-B finds it before the mingw-w64 one). libgcc_eh of the posix thread model
# needs winpthreads, which the clang driver names before it on the link line:
# link all of winpthreads in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-B${MINGW_GCC_DIR} -L${MINGW_GCC_DIR} -Wl,--whole-archive -lpthread -Wl,--no-whole-archive")

set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# CTest runs the test programs through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
