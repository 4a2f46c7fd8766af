# Delay-load import libraries: a DLL named here is loaded on the first call into it, not when the
# program starts. The window-less /AUTO run then loads none of the DLLs it never calls.
find_program(PELMORA_NM NAMES ${CMAKE_NM} x86_64-w64-mingw32-nm REQUIRED)
find_program(PELMORA_DLLTOOL NAMES ${CMAKE_DLLTOOL} x86_64-w64-mingw32-dlltool REQUIRED)

# Sets <out_var> to the delay-load libraries of the named DLLs (without ".dll") and to the
# delay-load helper they need.
function(pelmora_delay_load_libraries out_var)
  set(libraries "")
  foreach(dll ${ARGN})
    find_library(PELMORA_IMPLIB_${dll} NAMES lib${dll}.a REQUIRED)
    set(def ${CMAKE_BINARY_DIR}/delay_load/${dll}.def)
    set(library ${CMAKE_BINARY_DIR}/delay_load/lib${dll}_delay.a)
    add_custom_command(OUTPUT ${library}
      COMMAND ${CMAKE_COMMAND} -DNM=${PELMORA_NM} -DIMPLIB=${PELMORA_IMPLIB_${dll}} -DDLL=${dll}.dll -DDEF=${def}
              -P ${PELMORA_SOURCE_DIR}/cmake/import_def.cmake
      COMMAND ${PELMORA_DLLTOOL} --input-def ${def} --output-delaylib ${library} --dllname ${dll}.dll
      DEPENDS ${PELMORA_IMPLIB_${dll}} ${PELMORA_SOURCE_DIR}/cmake/import_def.cmake
      COMMENT "Delay-load library for ${dll}.dll" VERBATIM)
    list(APPEND libraries ${library})
  endforeach()
  add_custom_target(pelmora_delay_load DEPENDS ${libraries})
  set(${out_var} ${libraries} delayimp PARENT_SCOPE)
endfunction()
