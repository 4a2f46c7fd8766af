# The tool buttons' test asks the accessibility interface for their names.
if(TARGET gui_chrome_tests)
  target_link_libraries(gui_chrome_tests PRIVATE oleacc)
endif()
