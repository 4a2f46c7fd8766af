# The menu script is tested where it is delivered: beside the program.
if(TARGET win_shell_tests)
  add_custom_command(TARGET win_shell_tests POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PELMORA_SOURCE_DIR}/res/ExecPel.htm
            $<TARGET_FILE_DIR:win_shell_tests>/ExecPel.htm)
endif()
