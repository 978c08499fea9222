# The caption under a random show's pictures, one frame of each text effect the show
# draws from: caption_bench [--benchmark_filter=...]
qv_bench(caption_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/caption_frames.cpp LIBS qv_engine)
