# ccache, when it is installed, with its settings kept here rather than in the user's
# configuration, so that a second checkout of the same sources in another folder (a CI clone, a
# worktree) finds the objects the first one compiled:
# - base_dir is the checkout, so the paths inside it are hashed relative to the build folder;
# - -fdebug-prefix-map writes the checkout's folder relatively in the debug information, and
#   ccache then hashes that relative name instead of the build folder;
# - compiler_check is the compiler's size and time stamp, enough on one machine;
# - sloppiness: the precompiled headers are made during the build, so they and the generated
#   headers are always newer than the compile that uses them; their macro definitions are checked
#   by the compiler itself;
# - the inode cache keeps the hash of each file it has read by its inode, size and times: a
#   precompiled header is some 200 MB, and without it every file that uses one had it read and
#   hashed again, a second per compile even when the object came from the cache.
# Another launcher given to CMake wins over this one; CCACHE_DISABLE=1 in the environment turns
# the cache off for one build, -DMARVOLA_CCACHE=OFF for the build folder.
option(MARVOLA_CCACHE "Compile through ccache when it is installed" ON)
find_program(MARVOLA_CCACHE_PROGRAM ccache)

set(marvola_plain_ccache FALSE)
if(CMAKE_CXX_COMPILER_LAUNCHER MATCHES "^([^;]*/)?ccache$")
  set(marvola_plain_ccache TRUE) # e.g. from the environment: ours adds the settings
endif()
if(MARVOLA_CCACHE AND MARVOLA_CCACHE_PROGRAM
   AND (NOT CMAKE_CXX_COMPILER_LAUNCHER OR marvola_plain_ccache))
  set(CMAKE_CXX_COMPILER_LAUNCHER
    env
    "CCACHE_BASEDIR=${PROJECT_SOURCE_DIR}"
    CCACHE_COMPILERCHECK=mtime
    CCACHE_INODECACHE=true
    CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
    ${MARVOLA_CCACHE_PROGRAM})
  add_compile_options("-fdebug-prefix-map=${PROJECT_SOURCE_DIR}=.")
endif()
