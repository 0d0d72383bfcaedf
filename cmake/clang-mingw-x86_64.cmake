# Cross build of the 64-bit program with Clang instead of GCC, to keep the code portable between compilers.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(DOKKLE_TOOLCHAIN_PREFIX x86_64-w64-mingw32)
set(DOKKLE_MINGW_CLANG ON)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
