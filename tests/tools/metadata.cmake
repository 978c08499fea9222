# The man page and the desktop entry, checked by the tools distributions check them with.
find_program(QV_MAN_PROGRAM man)
if(QV_MAN_PROGRAM)
  add_test(NAME man_page_check
           COMMAND sh -c "out=$(MANWIDTH=80 \"$0\" --warnings -l \"$1\" 2>&1 >/dev/null); [ -z \"$out\" ] || { echo \"$out\"; exit 1; }"
                   ${QV_MAN_PROGRAM} ${PROJECT_SOURCE_DIR}/data/man/quintavue.1)
endif()
find_program(QV_DESKTOP_FILE_VALIDATE desktop-file-validate)
if(QV_DESKTOP_FILE_VALIDATE)
  add_test(NAME desktop_entry_check COMMAND ${QV_DESKTOP_FILE_VALIDATE} ${PROJECT_SOURCE_DIR}/data/quintavue.desktop)
endif()
find_program(QV_APPSTREAMCLI appstreamcli)
if(QV_APPSTREAMCLI)
  add_test(NAME appstream_metainfo_check
           COMMAND ${QV_APPSTREAMCLI} validate --no-net
                   ${PROJECT_SOURCE_DIR}/data/metainfo/io.github.quintavue.Quintavue.metainfo.xml)
endif()
add_test(NAME manual_check
         COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/manual_check.sh ${PROJECT_SOURCE_DIR}
                 ${PROJECT_BINARY_DIR}/share/quintavue/manual/qvmanual.html)
