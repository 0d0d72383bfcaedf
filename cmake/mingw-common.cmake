# The compilers: MinGW-w64's GCC, or Clang targeting MinGW-w64 when the toolchain file asks for it.
if(DOKKLE_MINGW_CLANG)
    include(${CMAKE_CURRENT_LIST_DIR}/clang-mingw.cmake)
else()
    # The posix thread model: GoogleTest needs std::mutex.
    set(CMAKE_C_COMPILER ${DOKKLE_TOOLCHAIN_PREFIX}-gcc-posix)
    set(CMAKE_CXX_COMPILER ${DOKKLE_TOOLCHAIN_PREFIX}-g++-posix)
endif()
set(CMAKE_RC_COMPILER ${DOKKLE_TOOLCHAIN_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${DOKKLE_TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Packages (GoogleTest among them) only from the target's own tree, never the build machine's Linux ones.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Tests and helper programs run under Wine, in the project's own prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-exec)
