# Installing, laid out as Debian's games policy asks: the launcher and the command-line engine in
# games/, the program with its data folders in lib/games/orvante/ (the program is built for one
# architecture, so it stays out of share/), then the desktop entry, the AppStream metainfo, the
# icons, the manual pages, the copyright and the changelog. `cmake --install build --prefix P`
# gives under P what the package puts under /usr.

# The day this version was released: the metainfo's release and the changelog's entry carry it.
set(ORVANTE_RELEASE_DATE 2026-12-06)
execute_process(COMMAND date -u -R -d "${ORVANTE_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE ORVANTE_RELEASE_DATE_RFC OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)

set(packaging ${CMAKE_CURRENT_LIST_DIR})
set(generated ${CMAKE_BINARY_DIR}/packaging)
configure_file(${packaging}/org.orvante.Orvante.metainfo.xml.in
               ${generated}/org.orvante.Orvante.metainfo.xml @ONLY)
configure_file(${packaging}/changelog.in ${generated}/changelog @ONLY)

# The changelog and the manual pages ship compressed, without a time stamp, as Debian's policy
# asks.
set(compressed)
foreach(source ${generated}/changelog ${packaging}/orvante.6 ${packaging}/orvante-engine.6)
    get_filename_component(name ${source} NAME)
    add_custom_command(OUTPUT ${generated}/${name}.gz
                       COMMAND sh -c "gzip -9n -c '${source}' > '${generated}/${name}.gz'"
                       DEPENDS ${source} VERBATIM)
    list(APPEND compressed ${generated}/${name}.gz)
endforeach()
add_custom_target(orvante-docs ALL DEPENDS ${compressed})

set(program_dir lib/games/orvante)
install(TARGETS orvante RUNTIME DESTINATION ${program_dir})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${program_dir})
install(PROGRAMS ${packaging}/orvante-launcher.sh DESTINATION games RENAME orvante)
install(TARGETS orvante-engine RUNTIME DESTINATION games)
install(FILES ${packaging}/org.orvante.Orvante.desktop DESTINATION share/applications)
install(FILES ${generated}/org.orvante.Orvante.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${packaging}/icons/ DESTINATION share/icons/hicolor)
install(FILES ${generated}/orvante.6.gz ${generated}/orvante-engine.6.gz
        DESTINATION share/man/man6)
install(FILES ${packaging}/copyright ${generated}/changelog.gz DESTINATION share/doc/orvante)

# The Debian package (`make package`): CPack's DEB generator over the rules above, with the
# shared libraries found by dpkg-shlibdeps and, by hand, what no library link shows: the
# GStreamer plug-ins that decode and play the sounds and music, the font behind "Arial" and Qt's
# own French texts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvante)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_SOURCE_DIR})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Orvante developers <maintainers@orvante.org>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://orvante.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, fonts-liberation2, qt6-translations-l10n")
# GStreamer reaches a desktop's sound server (PulseAudio or PipeWire's PulseAudio service) through
# this plug-in; without it sound goes through ALSA alone.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS gstreamer1.0-pulseaudio)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sudoku game with five levels, hints and three themes")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${packaging}/description.txt)
include(CPack)
