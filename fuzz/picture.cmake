# The picture decoder: every picture file a show names goes through it. Its sources are
# compiled into the libFuzzer target itself, so that the coverage instrumentation
# reaches them; the decoding libraries are used as installed.
qv_fuzzer(picture_decoder SOURCE ${CMAKE_CURRENT_LIST_DIR}/picture_decoder_fuzzer.cpp)
# The replay only runs the corpus, uninstrumented: the program's own library serves it.
target_link_libraries(picture_decoder_replay PRIVATE qv_components)
if(TARGET picture_decoder)
  find_package(TIFF REQUIRED)
  foreach(source bitmap_header declared_size decode_limits exif_orientation magick_picture_reader magick_setup picture
                 picture_decoder picture_format qt_picture_reader tiff_layout tiff_messages wmf_header
                 media_boxes modern_headers heif_picture_reader)
    target_sources(picture_decoder PRIVATE ${PROJECT_SOURCE_DIR}/src/components/picture/${source}.cpp)
  endforeach()
  # Files are opened by the bytes of their names.
  target_sources(picture_decoder PRIVATE ${PROJECT_SOURCE_DIR}/src/components/platform/file_names.cpp)
  target_include_directories(picture_decoder PRIVATE ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(picture_decoder PRIVATE Qt6::Gui PkgConfig::GraphicsMagickPP TIFF::TIFF PkgConfig::QvLibheif)
endif()
