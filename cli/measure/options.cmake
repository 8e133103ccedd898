# The measure command's options alone, plain C++ over the shared option
# reading, so that the fuzz build, which has no Qt Gui, links them too.
add_library(vantor_measure_options STATIC ${CMAKE_CURRENT_LIST_DIR}/measure_options.cpp)
target_link_libraries(vantor_measure_options PUBLIC vantor_cli_common)
