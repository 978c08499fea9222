# The effect gallery: one frame, a contact sheet of every effect, or frame timings.
add_executable(quintavue-effects
  ${CMAKE_CURRENT_LIST_DIR}/effects/main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/effects/contact_sheet.cpp
  ${CMAKE_CURRENT_LIST_DIR}/effects/frame_timing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/effects/gallery_pictures.cpp)
qv_strict(quintavue-effects)
target_link_libraries(quintavue-effects PRIVATE qv_components qv_showdata Qt6::Gui)
set_target_properties(quintavue-effects PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
