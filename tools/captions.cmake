# Contact sheet of the caption effects: quintavue-captions [sheet.png] [caption text]
add_executable(quintavue-captions ${CMAKE_CURRENT_LIST_DIR}/captions/main.cpp)
qv_strict(quintavue-captions)
target_link_libraries(quintavue-captions PRIVATE qv_components Qt6::Gui)
set_target_properties(quintavue-captions PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
