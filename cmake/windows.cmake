# Windows: what trellan.exe carries (icon, version information, manifest), the
# DLLs and plugins every program of the build runs with, and the install rules
# behind the portable zip and the NSIS installer. Cross-built with
# cmake/mingw-w64.cmake; tests run under Wine (scripts/windows/).

# Every program in one folder, beside the DLLs and plugins it loads.
set(TRELLAN_WINDOWS_BIN ${CMAKE_BINARY_DIR}/bin)

# The numeric version has four numbers: 2.05 is 2.5.0.0, said so here rather
# than left to the resource compiler. The texts keep "2.05".
string(REPLACE "." ";" version_parts "${PROJECT_VERSION}.0.0.0")
list(SUBLIST version_parts 0 4 version_parts)
list(TRANSFORM version_parts REPLACE "^0+([0-9])" "\\1")
list(JOIN version_parts "," TRELLAN_WINDOWS_VERSION_COMMAS)
list(JOIN version_parts "." TRELLAN_WINDOWS_VERSION)
set(TRELLAN_ICON ${PROJECT_SOURCE_DIR}/assets/icons/trellan.ico)
set(TRELLAN_MANIFEST ${CMAKE_BINARY_DIR}/windows/trellan.manifest)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/trellan.manifest.in ${TRELLAN_MANIFEST} @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/trellan.rc.in
               ${CMAKE_BINARY_DIR}/windows/trellan.rc @ONLY)
enable_language(RC)
target_sources(trellan PRIVATE ${CMAKE_BINARY_DIR}/windows/trellan.rc)
set_property(SOURCE ${CMAKE_BINARY_DIR}/windows/trellan.rc APPEND PROPERTY OBJECT_DEPENDS
             ${TRELLAN_ICON} ${TRELLAN_MANIFEST})

# What the programs load besides Windows' own DLLs: Qt, libjpeg-turbo and the
# MinGW runtime, and the Qt plugins (platform integrations and the native style).
find_file(TRELLAN_JPEG_DLL NAMES libjpeg-62.dll PATHS ${JPEG_INCLUDE_DIRS}/../bin NO_DEFAULT_PATH
          REQUIRED)
set(TRELLAN_RUNTIME_DLLS ${TRELLAN_JPEG_DLL})
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
        message(FATAL_ERROR "The MinGW runtime ${dll} was not found")
    endif()
    list(APPEND TRELLAN_RUNTIME_DLLS ${found})
endforeach()
set(TRELLAN_QT_DLLS Qt6::Core Qt6::Gui Qt6::Widgets)
set(TRELLAN_QT_PLUGINS
    platforms Qt6::QWindowsIntegrationPlugin
    platforms Qt6::QOffscreenIntegrationPlugin
    platforms Qt6::QMinimalIntegrationPlugin
    styles Qt6::QWindowsVistaStylePlugin)

if(TRELLAN_TESTS)
    find_package(Qt6 REQUIRED COMPONENTS Test)
endif()
# Copied after every build of any program; copy_if_different leaves them be.
set(copies)
set(sources ${TRELLAN_RUNTIME_DLLS})
foreach(dll IN LISTS TRELLAN_RUNTIME_DLLS)
    list(APPEND copies COMMAND ${CMAKE_COMMAND} -E copy_if_different ${dll} ${TRELLAN_WINDOWS_BIN})
endforeach()
foreach(target IN LISTS TRELLAN_QT_DLLS ITEMS Qt6::Test)
    if(TARGET ${target})
        list(APPEND sources $<TARGET_FILE:${target}>)
        list(APPEND copies COMMAND ${CMAKE_COMMAND} -E copy_if_different
             $<TARGET_FILE:${target}> ${TRELLAN_WINDOWS_BIN})
    endif()
endforeach()
set(plugins ${TRELLAN_QT_PLUGINS})
while(plugins)
    list(POP_FRONT plugins folder target)
    list(APPEND sources $<TARGET_FILE:${target}>)
    list(APPEND copies
         COMMAND ${CMAKE_COMMAND} -E make_directory ${TRELLAN_WINDOWS_BIN}/${folder}
         COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${target}>
                 ${TRELLAN_WINDOWS_BIN}/${folder})
endwhile()
set(stamp ${CMAKE_BINARY_DIR}/windows/runtime.stamp)
add_custom_command(OUTPUT ${stamp} ${copies} COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
                   DEPENDS ${sources} COMMENT "Copying the DLLs and Qt plugins beside the programs"
                   VERBATIM)
add_custom_target(trellan_windows_runtime ALL DEPENDS ${stamp})
add_dependencies(trellan trellan_windows_runtime)

# ---- Install rules: the portable zip and the installer hold the same files.
# trellan.exe with its DLLs and plugins at the top, the catalogues it reads
# beside itself in cda\, the samples, and the licences. The zip is unpacked
# into the setool2 folder, whose own cda\ already holds the model catalogues:
# only the catalogues the program reads beside itself go into cda\.
install(TARGETS trellan RUNTIME DESTINATION .)
set(shipped)
install(FILES ${TRELLAN_RUNTIME_DLLS} DESTINATION .)
foreach(dll IN LISTS TRELLAN_RUNTIME_DLLS)
    get_filename_component(name ${dll} NAME)
    list(APPEND shipped ${name})
endforeach()
foreach(target IN LISTS TRELLAN_QT_DLLS)
    install(FILES $<TARGET_FILE:${target}> DESTINATION .)
    list(APPEND shipped $<TARGET_FILE_NAME:${target}>)
endforeach()
set(plugins ${TRELLAN_QT_PLUGINS})
while(plugins)
    list(POP_FRONT plugins folder target)
    # The minimal and offscreen platforms are for tests and headless runs only.
    if(NOT target MATCHES "Minimal|Offscreen")
        install(FILES $<TARGET_FILE:${target}> DESTINATION ${folder})
        list(APPEND shipped ${folder}/$<TARGET_FILE_NAME:${target}>)
    endif()
endwhile()
# The DLLs come with their debugging sections (libstdc++ alone is 23 MB of them).
foreach(dll IN LISTS shipped)
    install(CODE "execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded
                  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${dll}\" COMMAND_ERROR_IS_FATAL ANY)")
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/data/cda/sound.cdt ${PROJECT_SOURCE_DIR}/data/cda/clipart.cdt
              ${PROJECT_SOURCE_DIR}/data/cda/frames.cdt ${PROJECT_SOURCE_DIR}/data/cda/funlayer.cdt
              ${PROJECT_SOURCE_DIR}/data/cda/bandlock.cdt
        DESTINATION cda)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION samples)
# Named after the program: unpacked into setool2's folder, a plain README.txt
# or LICENSE.txt could overwrite setool2's own.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME Trellan-LICENSE.txt)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/Trellan-README.txt.in
               ${CMAKE_BINARY_DIR}/windows/Trellan-README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/licenses.txt
               ${CMAKE_BINARY_DIR}/windows/licenses.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/windows/Trellan-README.txt DESTINATION .)
# Qt's licence (LGPL-3.0, which adds to the GPL-3.0), and those of the
# libraries compiled into its DLLs, as Debian's packages of them state them.
get_filename_component(qt_prefix ${Qt6_DIR}/../../.. ABSOLUTE)
install(FILES ${qt_prefix}/LICENSES/LGPL-3.0-only.txt ${qt_prefix}/LICENSES/GPL-3.0-only.txt
        DESTINATION licenses/qt)
foreach(library zlib1g libpng16-16 libfreetype6 libharfbuzz0b libpcre2-16-0
                libdouble-conversion3 libmd4c0)
    install(FILES /usr/share/doc/${library}/copyright DESTINATION licenses/qt
            RENAME ${library}.txt)
endforeach()
get_filename_component(jpeg_prefix ${JPEG_INCLUDE_DIRS}/.. ABSOLUTE)
install(DIRECTORY ${jpeg_prefix}/share/licenses/ DESTINATION licenses/libjpeg-turbo)
install(FILES ${CMAKE_BINARY_DIR}/windows/licenses.txt DESTINATION licenses)

include(${PROJECT_SOURCE_DIR}/packaging/windows/cpack.cmake)
