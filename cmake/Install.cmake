# What "cmake --install" puts in place: the two programs, the desktop entry, icons,
# AppStream metainfo, the catalogue's file type, manual pages, shell completion and the
# documentation with the starter catalogue. Debian's package is made from the same rules.

include(GNUInstallDirs)
# The documentation folder is named after the package, in lower case as Debian has it,
# unless one is given; GNUInstallDirs would name it after the project, and Qt's package
# files may have loaded it already.
if("$CACHE{CMAKE_INSTALL_DOCDIR}" STREQUAL "")
  set(CMAKE_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/orvane)
endif()

set(ORVANE_APP_ID io.github.orvane.Orvane)
set(linux_dir ${PROJECT_SOURCE_DIR}/packaging/linux)

foreach(program orvane orvane-cli)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

install(FILES ${linux_dir}/${ORVANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${linux_dir}/${ORVANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${linux_dir}/${ORVANE_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${ORVANE_APP_ID}.xml)

foreach(size 16 24 32 48 64 128 256)
  install(FILES ${linux_dir}/icons/${size}x${size}/${ORVANE_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${linux_dir}/icons/${ORVANE_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

install(FILES ${linux_dir}/orvane-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME orvane-cli)
install(FILES ${linux_dir}/_orvane-cli DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions)

# Manual pages and the change log go in compressed, as Debian wants them; man reads
# them so everywhere. -n keeps the time stamp out, so that builds are reproducible.
set(gzipped)
foreach(source orvane.1 orvane-cli.1 changelog)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/packaging/${source}.gz)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/packaging
    COMMAND gzip -9n -c ${linux_dir}/${source} > ${out}
    DEPENDS ${linux_dir}/${source} VERBATIM)
  list(APPEND gzipped ${out})
endforeach()
add_custom_target(orvane_packaging_files ALL DEPENDS ${gzipped})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/orvane.1.gz ${CMAKE_CURRENT_BINARY_DIR}/packaging/orvane-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

install(FILES ${linux_dir}/copyright ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/examples/Progr.ini DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
