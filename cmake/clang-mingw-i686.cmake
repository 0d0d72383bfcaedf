# Cross build of the 32-bit program with Clang instead of GCC, to keep the code portable between compilers.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(DOKKLE_TOOLCHAIN_PREFIX i686-w64-mingw32)
set(DOKKLE_MINGW_CLANG ON)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
