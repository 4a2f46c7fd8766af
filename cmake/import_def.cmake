# Writes a module-definition file listing the functions of a mingw import library, so that a
# delay-load import library can be made for the same DLL.
#   cmake -DNM=... -DIMPLIB=... -DDLL=name.dll -DDEF=out.def -P import_def.cmake
execute_process(COMMAND ${NM} ${IMPLIB} OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot list ${IMPLIB}")
endif()
# A function of the DLL is a text symbol of the library ("T name"); data exports have no such
# symbol and are never delay-loaded.
string(REGEX MATCHALL "[0-9a-fA-F]+ T [^\n]+" lines "${symbols}")
set(names "")
foreach(line ${lines})
  string(REGEX REPLACE "^[0-9a-fA-F]+ T " "" name "${line}")
  list(APPEND names ${name})
endforeach()
list(REMOVE_DUPLICATES names)
list(SORT names)
set(text "LIBRARY ${DLL}\nEXPORTS\n")
foreach(name ${names})
  string(APPEND text "  ${name}\n")
endforeach()
file(WRITE ${DEF} "${text}")
