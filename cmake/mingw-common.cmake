# Shared by the two mingw-w64 toolchains: the caller sets PICKPATH_MINGW_TRIPLE
# and CMAKE_SYSTEM_PROCESSOR first.
set(CMAKE_SYSTEM_NAME Windows)
# The -posix compilers carry std::thread and std::mutex, which GoogleTest needs.
set(CMAKE_C_COMPILER ${PICKPATH_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PICKPATH_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${PICKPATH_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${PICKPATH_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Statically linked, so the exe runs with nothing beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
