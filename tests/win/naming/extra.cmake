# The reader tests talk to a test HTTP server over Winsock, and read version resources from
# small executables built here with chosen resources; they sit beside the test program.
if(TARGET win_naming_tests)
  target_link_libraries(win_naming_tests PRIVATE ws2_32)
endif()
