# Readers of the show data files: custom shows, random show configuration, effect selection.
qv_fuzzer(showdata_css_fuzzer SOURCE ${CMAKE_CURRENT_LIST_DIR}/showdata_css_fuzzer.cpp LIBS qv_showdata)
qv_fuzzer(showdata_rss_fuzzer SOURCE ${CMAKE_CURRENT_LIST_DIR}/showdata_rss_fuzzer.cpp LIBS qv_showdata)
qv_fuzzer(showdata_eff_fuzzer SOURCE ${CMAKE_CURRENT_LIST_DIR}/showdata_eff_fuzzer.cpp LIBS qv_showdata)

# The readers live in the library: instrument it too, or libFuzzer sees no coverage
# beyond the entry points and fuzzes blind.
if(QV_BUILD_FUZZ)
  target_compile_options(qv_showdata PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
endif()
