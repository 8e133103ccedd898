# The command line and every command's options, apart from the commands
# themselves: plain C++ over the shared option reading, so that the fuzz build,
# which has no Qt Gui, links the very library the program does.
add_library(vantor_cli_options STATIC
    ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp
    ${CMAKE_CURRENT_LIST_DIR}/measure/measure_options.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scan/scan_energies.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scan/scan_options.cpp
    ${CMAKE_CURRENT_LIST_DIR}/evidence/evidence_options.cpp
)
target_link_libraries(vantor_cli_options PUBLIC vantor_cli_common)
