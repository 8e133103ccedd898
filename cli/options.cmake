# The command line over every command's options, apart from the commands
# themselves, so that the fuzz build, which has no Qt Gui, links the very
# libraries the program does.
include(${CMAKE_CURRENT_LIST_DIR}/measure/options.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/scan/options.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/evidence/options.cmake)
add_library(vantor_cli_options STATIC ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp)
target_link_libraries(vantor_cli_options PUBLIC vantor_measure_options vantor_scan_options vantor_evidence_options)
