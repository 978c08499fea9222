# Synthesizes MIDI tunes ahead into a folder the program reads after each user's own
# tune cache. The package runs it over the sample tunes when it is installed (see
# debian/postinst); media.cmake runs it for the build tree.
add_executable(quintavue-prepare-tunes ${CMAKE_CURRENT_LIST_DIR}/prepare_tunes/main.cpp)
qv_strict(quintavue-prepare-tunes)
target_link_libraries(quintavue-prepare-tunes PRIVATE qv_components)
set_target_properties(quintavue-prepare-tunes PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
install(TARGETS quintavue-prepare-tunes RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/quintavue)
