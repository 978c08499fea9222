# The custom show editor on a show of the stock pictures, saved as a picture of the
# screen: editor_gallery OUT.png [SLIDES]. Run it under Xvfb, with QT_SCALE_FACTOR=2
# for a high-density screen.
add_executable(editor_gallery ${CMAKE_CURRENT_LIST_DIR}/editor_gallery/main.cpp)
qv_strict(editor_gallery)
target_link_libraries(editor_gallery PRIVATE qv_config_editor)
