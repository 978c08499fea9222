# The custom show editor with a 1,000-slide show: opening, scrolling, refreshing after
# an edit, loading and saving the show file.
qv_bench(editor_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/editor_grid.cpp LIBS qv_config_editor)
