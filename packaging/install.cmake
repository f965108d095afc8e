# Installing: the program with its data folders in lib/orvante, launchers in bin, the desktop
# entry, the AppStream metainfo, the icons and the manual page of the command-line engine.
install(TARGETS orvante RUNTIME DESTINATION lib/orvante)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION lib/orvante)
install(PROGRAMS ${CMAKE_CURRENT_LIST_DIR}/orvante-launcher.sh DESTINATION bin RENAME orvante)
install(TARGETS orvante-engine RUNTIME DESTINATION bin)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/org.orvante.Orvante.desktop
        DESTINATION share/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/org.orvante.Orvante.metainfo.xml
        DESTINATION share/metainfo)
install(DIRECTORY ${CMAKE_CURRENT_LIST_DIR}/icons/ DESTINATION share/icons/hicolor)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/orvante-engine.6 DESTINATION share/man/man6)
