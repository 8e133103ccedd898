# The evidence command's options alone, plain C++ over the shared option
# reading, so that the fuzz build, which has no Qt Gui, links them too.
add_library(vantor_evidence_options STATIC ${CMAKE_CURRENT_LIST_DIR}/evidence_options.cpp)
target_link_libraries(vantor_evidence_options PUBLIC vantor_cli_common)
