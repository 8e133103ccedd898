# The code rule alone needs only Qt Core: vantor-cli knows contestants'
# folders by it, and the fuzz build, which has no widgets, links it too.
add_library(vantor_contestant_code STATIC ${CMAKE_CURRENT_LIST_DIR}/contestant_code.cpp)
target_link_libraries(vantor_contestant_code PUBLIC Qt6::Core)
