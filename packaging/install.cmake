# Install rules: the program, its desktop entry, AppStream data, icons, manual page and docs.
include(GNUInstallDirs)

# Debian and most distributions keep games apart from other programs.
set(VELSORA_INSTALL_BINDIR games CACHE STRING "Folder of the program, relative to the install prefix")
set(VELSORA_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/velsora)

install(TARGETS velsora RUNTIME DESTINATION ${VELSORA_INSTALL_BINDIR})

if(UNIX AND NOT APPLE)
    set(linux ${PROJECT_SOURCE_DIR}/resources/linux)
    # The files that name the version get it from the project.
    configure_file(${linux}/${VELSORA_APP_ID}.metainfo.xml.in ${VELSORA_GENERATED}/${VELSORA_APP_ID}.metainfo.xml @ONLY)
    configure_file(${linux}/velsora.6.in ${VELSORA_GENERATED}/velsora.6 @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${VELSORA_GENERATED}/changelog @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in ${VELSORA_GENERATED}/copyright @ONLY)
    install(FILES ${linux}/${VELSORA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${VELSORA_GENERATED}/${VELSORA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    foreach(size 32 48 64 128 256)
        install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/velsora-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${VELSORA_APP_ID}.png)
    endforeach()

    # Debian wants the manual page and the changelog compressed at maximum, without timestamps.
    find_program(GZIP gzip REQUIRED)
    set(compressed ${CMAKE_BINARY_DIR}/compressed)
    file(MAKE_DIRECTORY ${compressed})
    add_custom_command(OUTPUT ${compressed}/velsora.6.gz ${compressed}/changelog.gz
        COMMAND ${GZIP} -9nc ${VELSORA_GENERATED}/velsora.6 > ${compressed}/velsora.6.gz
        COMMAND ${GZIP} -9nc ${VELSORA_GENERATED}/changelog > ${compressed}/changelog.gz
        DEPENDS ${VELSORA_GENERATED}/velsora.6 ${VELSORA_GENERATED}/changelog
        VERBATIM)
    add_custom_target(velsora_compressed_docs ALL DEPENDS ${compressed}/velsora.6.gz ${compressed}/changelog.gz)
    install(FILES ${compressed}/velsora.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
    install(FILES ${compressed}/changelog.gz ${VELSORA_GENERATED}/copyright
            DESTINATION ${VELSORA_INSTALL_DOCDIR})
endif()
