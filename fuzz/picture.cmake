# The picture decoder: every picture file a show names goes through it. Its sources are
# compiled into the fuzz targets themselves, so that libFuzzer's coverage
# instrumentation reaches them; the decoding libraries are used as installed.
qv_fuzzer(picture_decoder SOURCE ${CMAKE_CURRENT_LIST_DIR}/picture_decoder_fuzzer.cpp)
find_package(TIFF REQUIRED)
foreach(target picture_decoder_replay picture_decoder)
  if(TARGET ${target})
    foreach(source bitmap_header declared_size decode_limits magick_picture_reader magick_setup picture
                   picture_decoder picture_format qt_picture_reader tiff_layout tiff_messages wmf_header
                   media_boxes modern_headers heif_picture_reader)
      target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src/components/picture/${source}.cpp)
    endforeach()
    # Files are opened by the bytes of their names.
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src/components/platform/file_names.cpp)
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} PRIVATE Qt6::Gui PkgConfig::GraphicsMagickPP TIFF::TIFF PkgConfig::QvLibheif)
  endif()
endforeach()
