# Clang targeting MinGW-w64, linked by lld, with Debian's mingw-w64 headers and C runtime and the C++
# library of MinGW-w64's GCC (posix threads, as the GCC build uses).
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${DOKKLE_TOOLCHAIN_PREFIX})
set(CMAKE_CXX_COMPILER_TARGET ${DOKKLE_TOOLCHAIN_PREFIX})

# Debian names GCC's folder after its version and thread model ("12-posix"), which Clang does not read as
# a version, so it finds neither libstdc++'s headers nor GCC's libraries there: name them outright.
file(GLOB dokkle_gcc_folders LIST_DIRECTORIES true /usr/lib/gcc/${DOKKLE_TOOLCHAIN_PREFIX}/*-posix)
list(SORT dokkle_gcc_folders COMPARE NATURAL ORDER DESCENDING)
list(GET dokkle_gcc_folders 0 dokkle_gcc)
if(NOT EXISTS ${dokkle_gcc}/include/c++)
    message(FATAL_ERROR "Clang for MinGW-w64 needs g++-mingw-w64-*-posix (its libstdc++ is used)")
endif()
set(dokkle_libstdcxx ${dokkle_gcc}/include/c++)
set(CMAKE_CXX_FLAGS_INIT "-nostdinc++ -isystem ${dokkle_libstdcxx} -isystem ${dokkle_libstdcxx}/${DOKKLE_TOOLCHAIN_PREFIX} -isystem ${dokkle_libstdcxx}/backward")
# libstdc++'s threads and GCC's thread-local emulation use winpthreads, which Clang does not add by itself.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wno-unused-command-line-argument -fuse-ld=lld -B${dokkle_gcc} -L${dokkle_gcc} -lpthread")
