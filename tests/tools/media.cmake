# The sample-media writers, and the generated folder as the program itself reads it.
qv_test(sample_media_writers_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/media/midi_writer_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/media/byte_formats_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/media/magick_environment.cpp
  LIBS qv_sample_media)

qv_test(sample_media_content_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/media/sounds_and_scenes_test.cpp
  LIBS qv_sample_media)

qv_test(sample_media_folder_test QT_APP
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/media/sample_folder_test.cpp
  LIBS qv_components qv_sample_media)
add_dependencies(sample_media_folder_test qv_sample_media_files)
target_compile_definitions(sample_media_folder_test PRIVATE
  QV_SAMPLE_MEDIA_DIR="$<TARGET_PROPERTY:qv_sample_media_files,QV_MEDIA_DIR>")
