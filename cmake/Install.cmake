# The installed layout: the program with its help pages and licence in lib/loanwright (it
# finds them through its own folder), a relative link in bin, and the desktop's files in share,
# all named by the application id so the menu entry, icon and window belong together.
include(GNUInstallDirs)

# Not CMAKE_INSTALL_LIBDIR: under /usr on Debian that is the multiarch folder.
set(LW_PROGRAM_DIR lib/loanwright)
set(LW_RESOURCES ${PROJECT_SOURCE_DIR}/resources)

install(TARGETS loanwright RUNTIME DESTINATION ${LW_PROGRAM_DIR})
install(DIRECTORY ${LW_RESOURCES}/help DESTINATION ${LW_PROGRAM_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${LW_PROGRAM_DIR} RENAME License.txt)
install(CODE "file(MAKE_DIRECTORY \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR})
    file(CREATE_LINK ../${LW_PROGRAM_DIR}/loanwright
        \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/loanwright SYMBOLIC)")

# The metainfo states the screenshot's size; it is read from the picture's PNG header.
file(READ ${LW_RESOURCES}/screenshot.png lw_png_size OFFSET 16 LIMIT 8 HEX)
string(SUBSTRING ${lw_png_size} 0 8 lw_png_width)
string(SUBSTRING ${lw_png_size} 8 8 lw_png_height)
math(EXPR LW_SCREENSHOT_WIDTH 0x${lw_png_width})
math(EXPR LW_SCREENSHOT_HEIGHT 0x${lw_png_height})

configure_file(${LW_RESOURCES}/loanwright.desktop.in ${LW_APPLICATION_ID}.desktop @ONLY)
configure_file(${LW_RESOURCES}/loanwright.metainfo.xml.in ${LW_APPLICATION_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${LW_APPLICATION_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${LW_APPLICATION_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(LW_ICON_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${LW_RESOURCES}/icon/loanwright.svg
    DESTINATION ${LW_ICON_DIR}/scalable/apps RENAME ${LW_APPLICATION_ID}.svg)
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${LW_RESOURCES}/icon/loanwright-${size}.png
        DESTINATION ${LW_ICON_DIR}/${size}x${size}/apps RENAME ${LW_APPLICATION_ID}.png)
endforeach()

# What Debian asks of every program: a manual page and, in the documentation folder, the
# changelog and the copyright; harmless in any other prefix. Compressed without a time stamp
# so that two builds give the same files.
foreach(document changelog loanwright.1)
    set(compressed ${CMAKE_CURRENT_BINARY_DIR}/${document}.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND gzip -9 --no-name --stdout ${LW_RESOURCES}/${document} > ${compressed}
        DEPENDS ${LW_RESOURCES}/${document})
    list(APPEND LW_COMPRESSED_DOCUMENTS ${compressed})
endforeach()
add_custom_target(lw_documents ALL DEPENDS ${LW_COMPRESSED_DOCUMENTS})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/loanwright.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/loanwright)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/loanwright
    RENAME copyright)
