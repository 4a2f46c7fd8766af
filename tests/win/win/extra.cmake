# A small program with a version resource of its own, beside the test program.
if(TARGET win_win_tests)
  add_executable(win_version_revision ${CMAKE_CURRENT_LIST_DIR}/fixtures/fixture_main.c
                                      ${CMAKE_CURRENT_LIST_DIR}/fixtures/version_revision.rc)
  add_dependencies(win_win_tests win_version_revision)
endif()

# A stand-in "explorer.exe" beside the test program: the program must never start it.
if(TARGET win_win_tests)
  add_executable(win_planted_explorer ${CMAKE_CURRENT_LIST_DIR}/fixtures/planted_explorer.c)
  set_target_properties(win_planted_explorer PROPERTIES OUTPUT_NAME explorer)
  add_dependencies(win_win_tests win_planted_explorer)
endif()
