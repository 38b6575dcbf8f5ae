# Installation beyond the programs, data files and pictures (installed where
# they are built): the help pages, the desktop entry, the icon and the MIME
# type of project files, in the places the freedesktop.org standards name.
# The program finds its data as <prefix>/bin/../share/tolvane.

if(EXISTS ${PROJECT_SOURCE_DIR}/help)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tolvane/help)
endif()

if(TOLVANE_BUILD_GUI)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/tolvane.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/tolvane.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/tolvane-mime.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME tolvane.xml)
endif()
