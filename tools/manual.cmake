# The manual: one HTML file put together from the sections in data/manual/sections,
# in the order of their file names, so that every window's help is written beside
# the others and the help viewer still opens a single document.
file(GLOB qv_manual_sections CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/manual/sections/*.html)
file(GLOB qv_manual_pictures CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/manual/pictures/*.png)
set(QV_MANUAL_DIR ${PROJECT_BINARY_DIR}/share/quintavue/manual)
set(qv_manual ${QV_MANUAL_DIR}/qvmanual.html)
add_custom_command(
  OUTPUT ${qv_manual}
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}/data/manual -DOUTPUT=${qv_manual}
          -P ${PROJECT_SOURCE_DIR}/cmake/assemble_manual.cmake
  DEPENDS ${qv_manual_sections} ${qv_manual_pictures} ${PROJECT_SOURCE_DIR}/data/manual/head.html
          ${PROJECT_SOURCE_DIR}/data/manual/tail.html ${PROJECT_SOURCE_DIR}/cmake/assemble_manual.cmake
  COMMENT "Putting the manual together"
  VERBATIM)
add_custom_target(qv_manual ALL DEPENDS ${qv_manual})
install(FILES ${qv_manual} DESTINATION ${CMAKE_INSTALL_DATADIR}/quintavue/manual)
if(qv_manual_pictures)
  install(FILES ${qv_manual_pictures} DESTINATION ${CMAKE_INSTALL_DATADIR}/quintavue/manual/pictures)
endif()
