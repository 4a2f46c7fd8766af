# The Windows program and all its tests; ctest runs them through the Wine wrapper.
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)
enable_language(RC)

set(CMAKE_CROSSCOMPILING_EMULATOR ${PELMORA_SOURCE_DIR}/tools/wine-run;--prefix;${CMAKE_BINARY_DIR}/wine)
add_compile_definitions(UNICODE _UNICODE NOMINMAX STRICT _WIN32_WINNT=0x0A00 WINVER=0x0A00)
# The version resource takes its numbers from the project's version.
configure_file(${PELMORA_SOURCE_DIR}/res/version.h.in ${CMAKE_BINARY_DIR}/generated/version.h @ONLY)

set(PELMORA_WINDOWS_LIBS ole32 oleaut32 uuid shell32 shlwapi comctl32 comdlg32 user32 gdi32
                         advapi32 version wininet)
# The program itself loads these on first use: a window-less /AUTO run, whose start-up is the
# whole job, then loads only what it calls (the tests link them as usual).
include(${CMAKE_CURRENT_LIST_DIR}/delay_load.cmake)
pelmora_delay_load_libraries(PELMORA_DELAYED_LIBS ole32 oleaut32 shell32 shlwapi comctl32 comdlg32 user32 gdi32
                                                  advapi32 version wininet)

# Portable and Windows code together; the native build keeps the portable part honest.
add_library(pelmora_core STATIC ${PELMORA_PORTABLE_SOURCES} ${PELMORA_WINDOWS_SOURCES})
target_include_directories(pelmora_core PUBLIC ${PELMORA_SOURCE_DIR}/src ${PELMORA_SOURCE_DIR}/res
                                               ${CMAKE_BINARY_DIR}/generated)
pelmora_warnings(pelmora_core)

# pelmora.rc includes the dialogs' own .rc files, their id headers, the icons and the manifest.
set(PELMORA_RC ${PELMORA_SOURCE_DIR}/res/pelmora.rc)
file(GLOB PELMORA_RC_PARTS CONFIGURE_DEPENDS ${PELMORA_SOURCE_DIR}/res/*.rc ${PELMORA_SOURCE_DIR}/res/*.h
     ${PELMORA_SOURCE_DIR}/res/*.ico ${PELMORA_SOURCE_DIR}/res/*.manifest)
set_source_files_properties(${PELMORA_RC} PROPERTIES OBJECT_DEPENDS "${PELMORA_RC_PARTS}")

# The program's sections begin on page boundaries in the file as well as in memory: Wine then maps
# the file as Windows does, where it would otherwise read all of it into memory at every start
# (a /AUTO run, whose start-up is the whole job, takes a tenth less).
set(PELMORA_PROGRAM_LINK_OPTIONS -municode -mwindows -s -Wl,--file-alignment,0x1000)
add_executable(pelmora WIN32 ${PELMORA_SOURCE_DIR}/src/app/entry.cpp ${PELMORA_RC})
target_link_libraries(pelmora PRIVATE pelmora_core ${PELMORA_DELAYED_LIBS} uuid)
add_dependencies(pelmora pelmora_delay_load)
target_link_options(pelmora PRIVATE ${PELMORA_PROGRAM_LINK_OPTIONS})
pelmora_warnings(pelmora)

# Release zip: the program, the menu script, the README and the Japanese user's guide. The
# guide keeps an ASCII name: a Japanese one would make the zip depend on the builder's locale
# (cmake -E tar cannot read it under LANG=C) and on how the unpacking tool decodes names.
set(PELMORA_STAGE ${CMAKE_BINARY_DIR}/release/stage)
add_custom_target(release
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${PELMORA_STAGE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PELMORA_STAGE}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:pelmora> ${PELMORA_SOURCE_DIR}/res/ExecPel.htm
          ${PELMORA_SOURCE_DIR}/README.md ${PELMORA_SOURCE_DIR}/docs/guide-ja.html ${PELMORA_STAGE}
  COMMAND ${CMAKE_COMMAND} -E chdir ${PELMORA_STAGE}
          ${CMAKE_COMMAND} -E tar cf ${CMAKE_BINARY_DIR}/release/pelmora.zip --format=zip
          pelmora.exe ExecPel.htm README.md guide-ja.html
  DEPENDS pelmora)

# ---- tests ----
enable_testing()
pelmora_add_googletest()

file(GLOB PELMORA_TEST_SUPPORT CONFIGURE_DEPENDS
     ${PELMORA_SOURCE_DIR}/tests/support/*.cpp ${PELMORA_SOURCE_DIR}/tests/support/win/*.cpp)
add_library(pelmora_test_support STATIC ${PELMORA_TEST_SUPPORT})
target_include_directories(pelmora_test_support PUBLIC ${PELMORA_SOURCE_DIR}/tests)
target_link_libraries(pelmora_test_support PUBLIC pelmora_core gtest ws2_32 ${PELMORA_WINDOWS_LIBS})

function(pelmora_windows_test name folder)
  file(GLOB cpp CONFIGURE_DEPENDS ${folder}/*.cpp)
  add_executable(${name} ${cpp} ${PELMORA_RC})
  target_link_libraries(${name} PRIVATE pelmora_test_support gtest_main)
  pelmora_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 900)
endfunction()

pelmora_test_folders(portable_folders ${PELMORA_SOURCE_DIR}/tests/unit)
foreach(folder ${portable_folders})
  pelmora_windows_test(unit_${folder}_tests ${PELMORA_SOURCE_DIR}/tests/unit/${folder})
endforeach()
pelmora_test_folders(win_folders ${PELMORA_SOURCE_DIR}/tests/win)
foreach(folder ${win_folders})
  pelmora_windows_test(win_${folder}_tests ${PELMORA_SOURCE_DIR}/tests/win/${folder})
endforeach()
pelmora_test_folders(gui_folders ${PELMORA_SOURCE_DIR}/tests/gui)
# The programs that drive real windows share one foreground, one focus and one pointer in the
# prefix's desktop: they take turns, while the other tests run beside them.
foreach(folder ${gui_folders})
  pelmora_windows_test(gui_${folder}_tests ${PELMORA_SOURCE_DIR}/tests/gui/${folder})
  set_tests_properties(gui_${folder}_tests PROPERTIES RESOURCE_LOCK wine_desktop)
endforeach()
set_tests_properties(win_app_tests PROPERTIES RESOURCE_LOCK wine_desktop)

# The shipped program itself: its imports and size.
add_test(NAME exe_imports_and_size
         COMMAND ${PELMORA_SOURCE_DIR}/tools/check-exe $<TARGET_FILE:pelmora>)
set_tests_properties(exe_imports_and_size PROPERTIES TIMEOUT 60)

# Test folders may add fixtures of their own (executables built with chosen resources, say)
# in an extra.cmake beside their tests.
file(GLOB PELMORA_TEST_EXTRAS CONFIGURE_DEPENDS ${PELMORA_SOURCE_DIR}/tests/win/*/extra.cmake
     ${PELMORA_SOURCE_DIR}/tests/gui/*/extra.cmake)
foreach(extra ${PELMORA_TEST_EXTRAS})
  include(${extra})
endforeach()

# Benchmarks (ratios within one run): tools/bench runs them; ctest does not.
# The yardsticks and floors are linked as the program is: static, delay-loaded DLLs, stripped,
# page-aligned.
# The floors show Pelmora's own dialog and do only the platform calls of the action measured.
add_executable(bench_trivial_dialog WIN32 ${PELMORA_SOURCE_DIR}/bench/trivial_dialog.cpp)
set(PELMORA_BENCH_FLOORS bench_floor_dialog bench_floor_create bench_floor_title bench_floor_link)
foreach(floor ${PELMORA_BENCH_FLOORS})
  string(REPLACE "bench_" "" source ${floor})
  add_executable(${floor} WIN32 ${PELMORA_SOURCE_DIR}/bench/${source}.cpp ${PELMORA_RC})
  target_include_directories(${floor} PRIVATE ${PELMORA_SOURCE_DIR}/res ${CMAKE_BINARY_DIR}/generated)
endforeach()
foreach(yardstick bench_trivial_dialog ${PELMORA_BENCH_FLOORS})
  target_link_libraries(${yardstick} PRIVATE ${PELMORA_DELAYED_LIBS} uuid)
  add_dependencies(${yardstick} pelmora_delay_load)
  target_link_options(${yardstick} PRIVATE ${PELMORA_PROGRAM_LINK_OPTIONS})
  pelmora_warnings(${yardstick})
endforeach()
# The page a start with a URL fetches comes from the tests' small HTTP server.
add_executable(bench_launch_ratio ${PELMORA_SOURCE_DIR}/bench/launch_ratio.cpp
                                  ${PELMORA_SOURCE_DIR}/tests/support/win/http_test_server.cpp)
target_include_directories(bench_launch_ratio PRIVATE ${PELMORA_SOURCE_DIR}/res ${PELMORA_SOURCE_DIR}/tests)
target_link_options(bench_launch_ratio PRIVATE -municode)
target_link_libraries(bench_launch_ratio PRIVATE psapi shell32 ole32 uuid ws2_32)
pelmora_warnings(bench_launch_ratio)
# A batch of targets against single ones, on the real main window (linked as the tests are).
add_executable(bench_batch_ratio ${PELMORA_SOURCE_DIR}/bench/batch_ratio.cpp ${PELMORA_RC})
target_link_libraries(bench_batch_ratio PRIVATE pelmora_core ${PELMORA_WINDOWS_LIBS})
target_link_options(bench_batch_ratio PRIVATE -municode)
pelmora_warnings(bench_batch_ratio)

# The looks of the windows for screenshots (no test): tools/look runs it.
add_executable(pelmora_look WIN32 ${PELMORA_SOURCE_DIR}/tools/look.cpp ${PELMORA_RC})
target_link_libraries(pelmora_look PRIVATE pelmora_core ${PELMORA_WINDOWS_LIBS})
target_link_options(pelmora_look PRIVATE -municode -mwindows)
pelmora_warnings(pelmora_look)
