# The menu script is tested where it is delivered: beside the program.
if(TARGET win_shell_tests)
  set(shell_test_script ${CMAKE_BINARY_DIR}/ExecPel.htm)
  add_custom_command(OUTPUT ${shell_test_script}
    COMMAND ${CMAKE_COMMAND} -E copy ${PELMORA_SOURCE_DIR}/res/ExecPel.htm ${shell_test_script}
    DEPENDS ${PELMORA_SOURCE_DIR}/res/ExecPel.htm)
  add_custom_target(shell_test_script DEPENDS ${shell_test_script})
  add_dependencies(win_shell_tests shell_test_script)
endif()
