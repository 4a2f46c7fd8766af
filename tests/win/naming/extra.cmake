# The reader tests talk to a test HTTP server over Winsock, and read version resources from
# small programs built here with chosen resources; those sit beside the test program.
if(TARGET win_naming_tests)
  target_link_libraries(win_naming_tests PRIVATE ws2_32)
  file(GLOB naming_version_fixtures CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/fixtures/version_*.rc)
  foreach(rc ${naming_version_fixtures})
    get_filename_component(fixture ${rc} NAME_WE)
    add_executable(naming_${fixture} ${CMAKE_CURRENT_LIST_DIR}/fixtures/fixture_main.c ${rc})
    add_dependencies(win_naming_tests naming_${fixture})
  endforeach()
endif()
