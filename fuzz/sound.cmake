# Every MIDI file that a show names goes through the playing-time reader before the
# synthesizer sees it. Its source is compiled into the fuzz targets themselves, so
# that libFuzzer's coverage instrumentation reaches it.
qv_fuzzer(midi_length SOURCE ${CMAKE_CURRENT_LIST_DIR}/sound_midi_length_fuzzer.cpp)
foreach(target midi_length_replay midi_length)
  if(TARGET ${target})
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src/components/sound/midi_length.cpp)
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src)
  endif()
endforeach()

# Synthesized tunes are read back from the per-user cache, where a file may be cut
# off, damaged or planted.
qv_fuzzer(tune_wave SOURCE ${CMAKE_CURRENT_LIST_DIR}/sound_tune_wave_fuzzer.cpp)
foreach(target tune_wave_replay tune_wave)
  if(TARGET ${target})
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src/components/sound/tune_wave.cpp)
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} PRIVATE Qt6::Core)
  endif()
endforeach()
