# Programs that stand in for main windows closing at the same moment, beside the test program.
if(TARGET win_settings_tests)
  add_executable(settings_closing_window ${CMAKE_CURRENT_LIST_DIR}/fixtures/closing_window_writer.cpp)
  target_link_libraries(settings_closing_window PRIVATE pelmora_core)
  target_link_options(settings_closing_window PRIVATE -municode)
  pelmora_warnings(settings_closing_window)
  add_dependencies(win_settings_tests settings_closing_window)
endif()
