# Install layout of a desktop application with the id org.parabel.Parabel:
# the two programs, the print module, the desktop entry, the icon in the
# hicolor theme, the AppStream metainfo, the manual pages (English and
# Russian) and the documents.
include(GNUInstallDirs)
set(PARABEL_APP_ID org.parabel.Parabel)
set(PARABEL_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS parabel parabel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The print preview's module, which the program loads on the first print;
# not executable, as Debian wants its shared objects.
install(TARGETS parabel_print LIBRARY DESTINATION ${PARABEL_PRINT_MODULE_DIR}
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

install(FILES ${PARABEL_PACKAGING_DIR}/${PARABEL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PARABEL_PACKAGING_DIR}/${PARABEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PARABEL_PACKAGING_DIR}/icons/${PARABEL_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
    install(FILES ${PARABEL_PACKAGING_DIR}/icons/${PARABEL_APP_ID}-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${PARABEL_APP_ID}.png)
endforeach()

# Bash completion, found by bash-completion on demand by the command's name.
install(FILES ${PARABEL_PACKAGING_DIR}/completion/parabel
              ${PARABEL_PACKAGING_DIR}/completion/parabel-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# Manual pages and the Debian changelog are installed compressed, as Debian
# expects; gzip -n keeps the archives free of names and times, so a rebuild
# gives the same bytes.
set(compressed_dir ${PROJECT_BINARY_DIR}/packaging)
set(compressed_files)
function(parabel_compress source target_name)
    set(output ${compressed_dir}/${target_name})
    string(REGEX REPLACE "\\.gz$" "" uncompressed ${output})
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${uncompressed}
        COMMAND gzip -9nf ${uncompressed}
        DEPENDS ${source}
        COMMENT "Compressing ${target_name}"
        VERBATIM)
    set(compressed_files ${compressed_files} ${output} PARENT_SCOPE)
endfunction()
parabel_compress(${PARABEL_PACKAGING_DIR}/man/parabel.1 parabel.1.gz)
parabel_compress(${PARABEL_PACKAGING_DIR}/man/parabel-cli.1 parabel-cli.1.gz)
parabel_compress(${PARABEL_PACKAGING_DIR}/man/ru/parabel.1 ru/parabel.1.gz)
parabel_compress(${PARABEL_PACKAGING_DIR}/man/ru/parabel-cli.1 ru/parabel-cli.1.gz)
parabel_compress(${PARABEL_PACKAGING_DIR}/debian/changelog changelog.gz)
add_custom_target(parabel_compressed_docs ALL DEPENDS ${compressed_files})

install(FILES ${compressed_dir}/parabel.1.gz ${compressed_dir}/parabel-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The Russian translations, found by man in a Russian locale or with -L ru.
install(FILES ${compressed_dir}/ru/parabel.1.gz ${compressed_dir}/ru/parabel-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/ru/man1)
# The licence text is in copyright, as Debian keeps it; a LICENSE beside it
# would say the same twice (lintian: extra-license-file).
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/CHANGELOG.md
              ${PARABEL_PACKAGING_DIR}/debian/copyright ${compressed_dir}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/parabel)
