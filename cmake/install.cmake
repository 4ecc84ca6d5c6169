# Install rules and the Debian package.
#
# The program sits in a private folder, /usr/lib/trellan, because it reads its
# catalogues from the cda folder beside itself; that cda is a link to the copy
# in /usr/share/trellan, where architecture-independent files belong.
# /usr/bin/trellan is a link to the program: Qt resolves it, so "beside the
# program" stays /usr/lib/trellan.

set(TRELLAN_MAINTAINER "Calvorn <me@calvorn.example>")

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(trellan_private lib/trellan)
set(trellan_share share/trellan)
set(trellan_doc share/doc/trellan)
set(trellan_staged ${CMAKE_CURRENT_BINARY_DIR}/packaging)

install(TARGETS trellan RUNTIME DESTINATION ${trellan_private})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/cda/ DESTINATION ${trellan_share}/cda)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${trellan_share}/samples)

file(MAKE_DIRECTORY ${trellan_staged}/bin ${trellan_staged}/private)
file(CREATE_LINK ../${trellan_private}/trellan ${trellan_staged}/bin/trellan SYMBOLIC)
file(CREATE_LINK ../../${trellan_share}/cda ${trellan_staged}/private/cda SYMBOLIC)
install(FILES ${trellan_staged}/bin/trellan DESTINATION bin)
install(FILES ${trellan_staged}/private/cda DESTINATION ${trellan_private})

install(FILES ${PROJECT_SOURCE_DIR}/packaging/${TRELLAN_APP_ID}.desktop
        DESTINATION share/applications)
configure_file(${PROJECT_SOURCE_DIR}/packaging/${TRELLAN_APP_ID}.metainfo.xml.in
               ${trellan_staged}/${TRELLAN_APP_ID}.metainfo.xml @ONLY)
install(FILES ${trellan_staged}/${TRELLAN_APP_ID}.metainfo.xml DESTINATION share/metainfo)
foreach(size 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/trellan-${size}.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps
            RENAME ${TRELLAN_APP_ID}.png)
endforeach()

# Debian wants the manual page and the change log compressed, reproducibly.
find_program(TRELLAN_GZIP gzip REQUIRED)
foreach(page trellan.1 changelog)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/${page}.in ${trellan_staged}/${page} @ONLY)
    add_custom_command(OUTPUT ${trellan_staged}/${page}.gz
        COMMAND ${TRELLAN_GZIP} -9nc ${trellan_staged}/${page} > ${trellan_staged}/${page}.gz
        DEPENDS ${trellan_staged}/${page})
endforeach()
add_custom_target(trellan_compressed_docs ALL
    DEPENDS ${trellan_staged}/trellan.1.gz ${trellan_staged}/changelog.gz)
install(FILES ${trellan_staged}/trellan.1.gz DESTINATION share/man/man1)
install(FILES ${trellan_staged}/changelog.gz ${PROJECT_SOURCE_DIR}/packaging/copyright
        DESTINATION ${trellan_doc})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trellan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TRELLAN_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://calvorn.example/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "customize.xml and flash script preparation for SEMC phones
Trellan prepares customizations of Sony Ericsson (SEMC) phones for the
flashing tool setool2. It rewrites the tool's customize.xml for a chosen
phone model and flash variant, and builds flash scripts that replace sounds,
pictures and other media files, set band locks and GDFS values, and add or
delete language files. It never talks to a phone itself.")
include(CPack)
