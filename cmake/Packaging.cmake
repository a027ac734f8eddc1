# What an install carries besides the two programs and the icons (src/app): the desktop entry,
# the MIME type of ".asm" files, the AppStream metadata, the manual pages and the bash
# completion; and the Debian package made of it all ("bash scripts/package.sh" runs
# "cpack -G DEB").

# Placeholders in a domain reserved for examples until the project has a home of its own;
# the AppStream id is the homepage's domain reversed, so change both together.
set(RIVET_HOMEPAGE "https://example.org/rivet-tool/" CACHE STRING "The project's homepage, with a trailing /")
set(RIVET_APPSTREAM_ID "org.example.RivetTool" CACHE STRING "The AppStream component id")
set(RIVET_PACKAGE_MAINTAINER "Rivet Tool maintainers <maintainers@users.noreply.c-seed-19d9b3c3.example>"
    CACHE STRING "The Debian package's maintainer")
option(RIVET_DEBIAN_FILES "Install the Debian package's own files (changelog, copyright, lintian overrides)" OFF)

set(RIVET_RESOURCES ${PROJECT_SOURCE_DIR}/resources)
set(RIVET_GENERATED ${PROJECT_BINARY_DIR}/packaging)

# Manual pages and the changelog: the version filled in, gzip without a time stamp.
set(RIVET_GZIPPED)
function(rivet_gzip source output)
    add_custom_command(OUTPUT ${output}
        COMMAND gzip -9 -n -c ${source} > ${output}
        DEPENDS ${source}
        COMMENT "Compressing ${output}")
    set(RIVET_GZIPPED ${RIVET_GZIPPED} ${output} PARENT_SCOPE)
endfunction()

set(RIVET_MANUAL_PAGES rivet-cli)
if(RIVET_BUILD_GUI)
    list(APPEND RIVET_MANUAL_PAGES rivet)
endif()
foreach(page ${RIVET_MANUAL_PAGES})
    configure_file(${RIVET_RESOURCES}/man/${page}.1.in ${RIVET_GENERATED}/${page}.1 @ONLY)
    rivet_gzip(${RIVET_GENERATED}/${page}.1 ${RIVET_GENERATED}/${page}.1.gz)
    install(FILES ${RIVET_GENERATED}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

install(FILES ${RIVET_RESOURCES}/bash-completion/rivet-cli
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

if(RIVET_BUILD_GUI)
    install(FILES ${RIVET_RESOURCES}/rivet-tool.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${RIVET_RESOURCES}/rivet-tool-asm.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
    configure_file(${RIVET_RESOURCES}/rivet-tool.metainfo.xml.in
        ${RIVET_GENERATED}/${RIVET_APPSTREAM_ID}.metainfo.xml @ONLY)
    install(FILES ${RIVET_GENERATED}/${RIVET_APPSTREAM_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

if(RIVET_DEBIAN_FILES)
    rivet_gzip(${RIVET_RESOURCES}/debian/changelog ${RIVET_GENERATED}/changelog.gz)
    install(FILES ${RIVET_GENERATED}/changelog.gz ${RIVET_RESOURCES}/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/rivet-tool)
    # lintian passes the package without overrides today; a tag to override goes into this
    # file, each with the reason on a comment line above it.
    if(EXISTS ${RIVET_RESOURCES}/debian/lintian-overrides)
        install(FILES ${RIVET_RESOURCES}/debian/lintian-overrides
            DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME rivet-tool)
    endif()
endif()

add_custom_target(rivet-packaging-files ALL DEPENDS ${RIVET_GZIPPED})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rivet-tool)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "machine planner for a mech-combat game")
# CPack puts the summary above it and indents the lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Rivet Tool plans a machine for a mech-combat game before you build it in the
game. Pick one part for each of the eleven slots and any of the thirteen
options; the tool corrects combinations the game forbids and shows the
machine's sixteen figures with short verdicts.

It saves and opens .asm files, writes text and HTML reports through templates
you can edit, edits the machine's colours and the computer pilot's settings,
and offers a parts-list viewer and a damage calculator. rivet-cli is the same
planner on the command line. The window's texts are Japanese.")
set(CPACK_PACKAGE_CONTACT "${RIVET_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${RIVET_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${RIVET_HOMEPAGE}")
# Not "games": that section is for games themselves, which live in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries from dpkg-shlibdeps; the window's Japanese font is looked up by name at run
# time, so it is named here. Qt's own Japanese texts (the buttons of its dialogs) are
# recommended: without them those few buttons speak English and all else works.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebianStrip.cmake)
include(CPack)
