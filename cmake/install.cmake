# The installed layout and the Debian package.
#
#   bin/abacolo                        the program
#   lib/abacolo/                       the sound output module; the movie player module with its
#                                      page and emulator
#   share/abacolo/                     read-only data: skin, movies, the tables' seed scripts
#   share/applications, icons, metainfo, doc
#
# Installed, the program finds share/abacolo and lib/abacolo beside its own bin/ folder (see
# shell/datadirectory.cpp) and keeps each user's tables in $XDG_DATA_HOME/abacolo, made from
# the seed scripts on first start (data/CMakeLists.txt installs them).

set(ABACOLO_APP_ID example.abacolo.Abacolo)
set(_packaging ${CMAKE_SOURCE_DIR}/packaging)

install(TARGETS abacolo RUNTIME DESTINATION bin)
install(FILES ${CMAKE_SOURCE_DIR}/data/skin/diamond.ssk DESTINATION share/abacolo/skin)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/numbers/ DESTINATION share/abacolo/numbers
        FILES_MATCHING PATTERN "*.swf")

# A module is loaded, never run: no execute bit.
install(TARGETS abacolo_cueoutput LIBRARY DESTINATION lib/abacolo
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
if(TARGET abacolo_flashplayer)
    install(TARGETS abacolo_flashplayer LIBRARY DESTINATION lib/abacolo
            PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    # The page and the emulator, which the build copies beside the module.
    install(DIRECTORY ${ABACOLO_DATA_DIR}/plugins/flashplayer DESTINATION lib/abacolo)
endif()

# The desktop: menu entry, icons, AppStream metadata.
install(FILES ${_packaging}/${ABACOLO_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${_packaging}/${ABACOLO_APP_ID}.metainfo.xml DESTINATION share/metainfo)
foreach(_size 16 24 32 48 64 128 256)
    install(FILES ${_packaging}/icons/${_size}x${_size}/abacolo.png
            DESTINATION share/icons/hicolor/${_size}x${_size}/apps)
endforeach()
install(FILES ${_packaging}/icons/scalable/abacolo.svg DESTINATION share/icons/hicolor/scalable/apps)

# The manual page, and Debian's documentation: the copyright file and the changelog; the
# manual page and the changelog compressed, as Debian installs them.
set(_manual ${CMAKE_BINARY_DIR}/packaging/abacolo.6.gz)
set(_changelog ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz)
foreach(_pair "abacolo.6|${_manual}" "changelog.Debian|${_changelog}")
    string(REPLACE "|" ";" _pair "${_pair}")
    list(GET _pair 0 _source)
    list(GET _pair 1 _compressed)
    add_custom_command(OUTPUT ${_compressed}
        COMMAND gzip -9 -n -c ${_packaging}/${_source} > ${_compressed}
        DEPENDS ${_packaging}/${_source}
        VERBATIM)
endforeach()
add_custom_target(abacolo_package_docs ALL DEPENDS ${_manual} ${_changelog})
install(FILES ${_manual} DESTINATION share/man/man6)
install(FILES ${_packaging}/copyright ${_changelog} DESTINATION share/doc/abacolo)

# CPack: `cpack -G DEB` in the build folder (scripts/package-check.sh does it and checks it).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME abacolo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Abacolo")
set(CPACK_PACKAGE_CONTACT "Abacolo maintainers <maintainers@abacolo.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://abacolo.example/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "number games for a parent and a pre-school child")
# CPack puts the summary first and wraps the paragraphs.
file(READ ${_packaging}/description.txt CPACK_DEBIAN_PACKAGE_DESCRIPTION)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_packaging}/description.txt)
# The libraries the program and its modules link, found by dpkg-shlibdeps (the web
# engine's brings its helper process); then what they load at run time: the tables' SQLite
# driver, the fonts and the dialogs' Chinese texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, fonts-noto-cjk, fonts-noto-color-emoji, qt6-translations-l10n")
include(CPack)
