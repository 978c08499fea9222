# Frame composition of every transition effect at 1920x1080 and 3840x2160, beside a
# plain memcpy of the same frame, and the block erase played whole, redrawn at every
# refresh or only where and when it changes: transitions_bench [--benchmark_filter=...]
qv_bench(transitions_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/transitions_frames.cpp
  LIBS qv_components qv_showdata)
