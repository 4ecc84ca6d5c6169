# The portable zip and the NSIS installer (Debian's nsis), both from the install
# rules in cmake/windows.cmake: scripts/windows/package.sh runs cpack.
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Trellan)
set(CPACK_PACKAGE_VENDOR Calvorn)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "customize.xml and flash scripts for setool2")
set(CPACK_PACKAGE_FILE_NAME trellan-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Trellan)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Trellan)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

# The zip is unpacked where the program is to run, setool2's folder: no folder
# of its own around the files.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)

# Per machine, into Program Files\Trellan; an earlier install is removed first,
# silently under /S, so an upgrade lands in place.
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# A 64-bit installer, like the program: Debian's nsis has the amd64 stubs, and a
# 32-bit one would need 32-bit Wine to be tried here.
set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS "XTarget\\\\ amd64-unicode")
set(CPACK_NSIS_PACKAGE_NAME Trellan)
set(CPACK_NSIS_DISPLAY_NAME Trellan)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MUI_ICON ${TRELLAN_ICON})
set(CPACK_NSIS_MUI_UNIICON ${TRELLAN_ICON})
set(CPACK_NSIS_INSTALLED_ICON_NAME trellan.exe)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_URL_INFO_ABOUT https://calvorn.example/)
set(CPACK_NSIS_CONTACT "Calvorn <me@calvorn.example>")
set(CPACK_NSIS_MUI_FINISHPAGE_RUN "")
# The menu entry asks for the data folder first and remembers it, like the
# Linux one; the program then opens on that folder.
set(CPACK_NSIS_CREATE_ICONS_EXTRA
    "CreateShortCut '$SMPROGRAMS\\\\$STARTMENU_FOLDER\\\\Trellan.lnk' '$INSTDIR\\\\trellan.exe' '--choose-folder' '$INSTDIR\\\\trellan.exe' 0")
set(CPACK_NSIS_DELETE_ICONS_EXTRA "Delete '$SMPROGRAMS\\\\$START_MENU\\\\Trellan.lnk'")
include(CPack)
