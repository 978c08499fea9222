# The stock pictures, sounds and tunes: painted and composed by our own generator at
# build time, so the program run from the build tree finds them, and installed with it.

set(qv_sample_media_sources
  make_sample_media/byte_sink.cpp
  make_sample_media/canvas.cpp
  make_sample_media/midi_writer.cpp
  make_sample_media/modern_encoders.cpp
  make_sample_media/noise.cpp
  make_sample_media/picture_encoders.cpp
  make_sample_media/sample_catalogue.cpp
  make_sample_media/scenes/app_icon.cpp
  make_sample_media/scenes/aurora.cpp
  make_sample_media/scenes/autumn_hills.cpp
  make_sample_media/scenes/bouquet_metafile.cpp
  make_sample_media/scenes/desert_dunes.cpp
  make_sample_media/scenes/flower_meadow.cpp
  make_sample_media/scenes/moonlit_lake.cpp
  make_sample_media/scenes/mosaic.cpp
  make_sample_media/scenes/mountain_sunset.cpp
  make_sample_media/scenes/rose_window.cpp
  make_sample_media/scenes/sailboat_metafile.cpp
  make_sample_media/scenes/soft_lights.cpp
  make_sample_media/scenes/splash_prints.cpp
  make_sample_media/scenes/title_backdrop.cpp
  make_sample_media/scenes/tropical_island.cpp
  make_sample_media/scenes/tulip_fields.cpp
  make_sample_media/sounds.cpp
  make_sample_media/tga_rle_writer.cpp
  make_sample_media/tunes.cpp
  make_sample_media/wav_writer.cpp
  make_sample_media/wmf_writer.cpp
)
list(TRANSFORM qv_sample_media_sources PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
add_library(qv_sample_media STATIC ${qv_sample_media_sources})
qv_strict(qv_sample_media)
target_include_directories(qv_sample_media PUBLIC ${CMAKE_CURRENT_LIST_DIR})
# HEIC and AVIF are written through their own libraries: Debian's GraphicsMagick only
# reads them. So is a turned JPEG XL: GraphicsMagick writes no orientation.
pkg_check_modules(QvHeif REQUIRED IMPORTED_TARGET libheif)
pkg_check_modules(QvAvif REQUIRED IMPORTED_TARGET libavif)
pkg_check_modules(QvJxl REQUIRED IMPORTED_TARGET libjxl)
target_link_libraries(qv_sample_media PUBLIC Qt6::Gui PkgConfig::GraphicsMagickPP
                      PRIVATE PkgConfig::QvHeif PkgConfig::QvAvif PkgConfig::QvJxl)

add_executable(make_sample_media ${CMAKE_CURRENT_LIST_DIR}/make_sample_media/main.cpp)
qv_strict(make_sample_media)
target_link_libraries(make_sample_media PRIVATE qv_sample_media)

# Kept in step with the generator's catalogue: a name missing here is never
# installed, a name missing there makes every build regenerate.
set(qv_sample_media_names
  sunset.jpg
  meadow.jpg
  moonlake.jpg
  mosaic.gif
  lights.bmp
  dunes.dib
  glass.dib
  autumn.pcx
  island.tga
  aurora.tga
  sailboat.wmf
  bouquet.wmf
  tulips.tif
  window.png
  hills.webp
  aurora.heic
  lake.avif
  island.jxl
  chimes.wav
  dusk.wav
  welcome.wav
  waltz.mid
  evening.mid
)
set(QV_SAMPLE_MEDIA_DIR ${PROJECT_BINARY_DIR}/share/quintavue/media)
set(qv_sample_media_outputs ${qv_sample_media_names})
list(TRANSFORM qv_sample_media_outputs PREPEND ${QV_SAMPLE_MEDIA_DIR}/)
add_custom_command(
  OUTPUT ${qv_sample_media_outputs}
  COMMAND make_sample_media ${QV_SAMPLE_MEDIA_DIR}
  DEPENDS make_sample_media
  COMMENT "Painting and composing the sample media"
  VERBATIM)
set(qv_app_icon ${PROJECT_BINARY_DIR}/share/icons/hicolor/256x256/apps/quintavue.png)
add_custom_command(
  OUTPUT ${qv_app_icon}
  COMMAND make_sample_media --icon ${qv_app_icon}
  DEPENDS make_sample_media
  COMMENT "Painting the program's icon"
  VERBATIM)
# The title screen's backdrop and the splash window's picture.
set(qv_artwork_outputs ${PROJECT_BINARY_DIR}/share/quintavue/artwork/title.jpg
                       ${PROJECT_BINARY_DIR}/share/quintavue/artwork/splash.png)
add_custom_command(
  OUTPUT ${qv_artwork_outputs}
  COMMAND make_sample_media --artwork ${PROJECT_BINARY_DIR}/share/quintavue/artwork
  DEPENDS make_sample_media
  COMMENT "Painting the title screen and splash artwork"
  VERBATIM)
# The sample tunes synthesized ahead, as the package synthesizes them into the
# machine's cache folder, so that the program run from the build tree plays them from
# there. Never installed: an installation synthesizes them with its machine's soundfont.
set(qv_sample_tunes ${qv_sample_media_outputs})
list(FILTER qv_sample_tunes INCLUDE REGEX "\\.mid$")
set(qv_sample_tunes_stamp ${CMAKE_CURRENT_BINARY_DIR}/sample_tunes.stamp)
add_custom_command(
  OUTPUT ${qv_sample_tunes_stamp}
  COMMAND quintavue-prepare-tunes ${PROJECT_BINARY_DIR}/share/quintavue/tunes ${qv_sample_tunes}
  COMMAND ${CMAKE_COMMAND} -E touch ${qv_sample_tunes_stamp}
  DEPENDS quintavue-prepare-tunes ${qv_sample_tunes}
  COMMENT "Synthesizing the sample tunes ahead"
  VERBATIM)
add_custom_target(qv_sample_media_files ALL DEPENDS ${qv_sample_media_outputs} ${qv_app_icon} ${qv_artwork_outputs}
                                                    ${qv_sample_tunes_stamp})
set_target_properties(qv_sample_media_files PROPERTIES QV_MEDIA_DIR ${QV_SAMPLE_MEDIA_DIR})

# Relative destinations, so `cmake --install --prefix` moves the media along with the
# program (which looks beside its own bin/ first); with the configured prefix this
# is QV_INSTALL_DATADIR/media.
install(FILES ${qv_sample_media_outputs} DESTINATION ${CMAKE_INSTALL_DATADIR}/quintavue/media)
install(FILES ${qv_artwork_outputs} DESTINATION ${CMAKE_INSTALL_DATADIR}/quintavue/artwork)
install(FILES ${qv_app_icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
