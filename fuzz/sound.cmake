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
