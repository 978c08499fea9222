# Decoding a large photo for a full HD screen, beside the cost of copying one frame.
qv_bench(picture_decode_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/picture_decode.cpp LIBS qv_components)
# Whole transitions through the widget: frames painted and the longest gap between them.
qv_bench(picture_transition_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/picture_transition.cpp LIBS qv_components)
