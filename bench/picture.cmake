# Decoding a large photo for a full HD screen, beside the cost of copying one frame.
qv_bench(picture_decode_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/picture_decode.cpp LIBS qv_components)
