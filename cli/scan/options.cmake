# The scan command's options and the energies they name, plain C++ over the
# shared option reading, so that the fuzz build, which has no Qt Gui, links
# them too.
add_library(vantor_scan_options STATIC ${CMAKE_CURRENT_LIST_DIR}/scan_energies.cpp
                                       ${CMAKE_CURRENT_LIST_DIR}/scan_options.cpp)
target_link_libraries(vantor_scan_options PUBLIC vantor_cli_common)
