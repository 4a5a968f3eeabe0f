# Installing the program and building its Debian package.
#
# The program and the files it reads from its own folder live together in lib/zeigerdiplom/;
# bin/zeigerdiplom is a link to it, and the program finds its files beside its real location.

set(ZD_APP_ID example.velmstift.Zeigerdiplom)
set(ZD_PROGRAM_DIR lib/zeigerdiplom)

install(TARGETS zeigerdiplom RUNTIME DESTINATION ${ZD_PROGRAM_DIR})
install(FILES ${ZD_BESIDE_PROGRAM} DESTINATION ${ZD_PROGRAM_DIR})
install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
    file(MAKE_DIRECTORY \"\${bin}\")
    file(CREATE_LINK ../${ZD_PROGRAM_DIR}/zeigerdiplom \"\${bin}/zeigerdiplom\" SYMBOLIC)
")

# The menu entry, its icon at the usual sizes and the software-centre description.
set(ZD_ICON_SIZES 16 22 24 32 48 64 128 256)
set(ZD_ICON_DIR ${CMAKE_CURRENT_BINARY_DIR}/icons)
set(ZD_ICON_PNGS)
foreach(size IN LISTS ZD_ICON_SIZES)
    set(png ${ZD_ICON_DIR}/${size}/${ZD_APP_ID}.png)
    add_custom_command(
        OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${ZD_ICON_DIR}/${size}
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${ZD_TOOL_RUNTIME}
                $<TARGET_FILE:zeigerdiplom-render> ${CMAKE_CURRENT_SOURCE_DIR}/assets/mouse.svg ${png} ${size} ${size}
        DEPENDS zeigerdiplom-render assets/mouse.svg
        VERBATIM)
    list(APPEND ZD_ICON_PNGS ${png})
    install(FILES ${png} DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(zeigerdiplom-icons ALL DEPENDS ${ZD_ICON_PNGS})
install(FILES assets/mouse.svg DESTINATION share/icons/hicolor/scalable/apps RENAME ${ZD_APP_ID}.svg)
install(FILES packaging/${ZD_APP_ID}.desktop DESTINATION share/applications)
install(FILES packaging/${ZD_APP_ID}.metainfo.xml DESTINATION share/metainfo)

# Debian wants the manual page and the changelog compressed, without a time stamp inside.
set(ZD_DOC_DIR ${CMAKE_CURRENT_BINARY_DIR}/doc)
add_custom_command(
    OUTPUT ${ZD_DOC_DIR}/zeigerdiplom.1.gz ${ZD_DOC_DIR}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZD_DOC_DIR}
    COMMAND sh -c "gzip -9nc '${CMAKE_CURRENT_SOURCE_DIR}/packaging/zeigerdiplom.1' > '${ZD_DOC_DIR}/zeigerdiplom.1.gz'"
    COMMAND sh -c "gzip -9nc '${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog' > '${ZD_DOC_DIR}/changelog.gz'"
    DEPENDS packaging/zeigerdiplom.1 packaging/changelog
    VERBATIM)
add_custom_target(zeigerdiplom-docs ALL DEPENDS ${ZD_DOC_DIR}/zeigerdiplom.1.gz ${ZD_DOC_DIR}/changelog.gz)
install(FILES ${ZD_DOC_DIR}/zeigerdiplom.1.gz DESTINATION share/man/man1)
install(FILES ${ZD_DOC_DIR}/changelog.gz packaging/copyright DESTINATION share/doc/zeigerdiplom)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zeigerdiplom)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Zeigerdiplom <zeigerdiplom@velmstift.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.velmstift.example/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learning program for using a computer mouse")
set(CPACK_PACKAGE_DESCRIPTION "Zeigerdiplom teaches children in their first school year to use a computer
mouse. A child types a name, reads the instructions and plays two games from
a hub with a score board: ten numbered buttons to press from 1 to 10 over five
levels, and a maze steered with the pointer. A certificate with the child's
name and points can be printed; its layout is set by the teacher behind a
password. All texts are German.")
# The Qt libraries come from the program's own links; the fonts the layouts are measured in
# and Qt's German texts are needed at run time only.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
