# Discovery of a random show's pictures beside `find` on the same tree.
qv_bench(showdata_discovery_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/showdata_discovery.cpp LIBS qv_showdata)
