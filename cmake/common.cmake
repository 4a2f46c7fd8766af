# Pieces shared by the three builds.

# Warnings are errors: a warning left standing hides the next one.
function(pelmora_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter -Werror)
endfunction()

# GoogleTest from Debian's sources, built with whichever toolchain this build uses.
function(pelmora_add_googletest)
  if(NOT TARGET gtest)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  endif()
endfunction()

# One test executable per folder of tests: <root>/<layer>/*.cpp.
function(pelmora_test_folders out_var root)
  file(GLOB entries LIST_DIRECTORIES true CONFIGURE_DEPENDS ${root}/*)
  set(result "")
  foreach(entry ${entries})
    if(IS_DIRECTORY ${entry})
      get_filename_component(name ${entry} NAME)
      file(GLOB cpp CONFIGURE_DEPENDS ${entry}/*.cpp)
      if(cpp)
        list(APPEND result ${name})
      endif()
    endif()
  endforeach()
  list(SORT result)
  set(${out_var} ${result} PARENT_SCOPE)
endfunction()
