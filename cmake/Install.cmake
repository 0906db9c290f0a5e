# `cmake --install` into a prefix and the Debian package. The installed program finds its
# program folder as <prefix>/share/tq58 beside <prefix>/bin; that folder is read-only, so
# everything the programs write goes to per-user folders.
include(GNUInstallDirs)
set(TQ58_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/tq58)
set(TQ58_BIN_DIR ${CMAKE_INSTALL_BINDIR})
# On Windows the program folder is the folder of the .exe files, as a zip unpacks it.
if(WIN32)
    set(TQ58_SHARE_DIR .)
    set(TQ58_BIN_DIR .)
endif()

foreach(program IN ITEMS tq58 tq58-cli tq58-radio-sim)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${TQ58_BIN_DIR})
    endif()
endforeach()

# The program folder: global.ini, the table of MIDs, the factory default images made at build
# time, the help.
install(FILES ${CMAKE_SOURCE_DIR}/data/global.ini ${CMAKE_SOURCE_DIR}/data/mid.tsv
        DESTINATION ${TQ58_SHARE_DIR})
install(DIRECTORY ${TQ58_DEFAULT_IMAGES_DIR}/ DESTINATION ${TQ58_SHARE_DIR})
if(EXISTS ${CMAKE_SOURCE_DIR}/data/help)
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/help DESTINATION ${TQ58_SHARE_DIR})
endif()

if(WIN32)
    return()
endif()

# The desktop menu: the entry and the icon in the sizes drawn (data/icons/tq58-<size>.png).
install(FILES ${CMAKE_SOURCE_DIR}/data/tq58.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
file(GLOB iconFiles CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/icons/tq58-*.png)
foreach(iconFile IN LISTS iconFiles)
    string(REGEX REPLACE ".*/tq58-([0-9]+)\\.png$" "\\1" size ${iconFile})
    install(FILES ${iconFile} RENAME tq58.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
if(EXISTS ${CMAKE_SOURCE_DIR}/data/icons/tq58.svg)
    install(FILES ${CMAKE_SOURCE_DIR}/data/icons/tq58.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# `cpack -G DEB` in the build folder. The Qt libraries come from dpkg-shlibdeps; the window
# also needs a platform plugin, which the Qt GUI library only recommends.
set(CPACK_PACKAGE_NAME tq58)
set(CPACK_PACKAGE_VENDOR "TQ58")
set(CPACK_PACKAGE_CONTACT "TQ58 developers <tq58@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Programming software for RV7200A, RV7700A and RV7700AM marine VHF radios")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Reads a radio's memory over a serial cable, edits its channels, DSC directories and\n\
settings, writes the memory back, keeps configurations in files and prints a settings\n\
report. Includes the tq58-cli command-line tool and tq58-radio-sim, a simulated radio on a\n\
pseudo-terminal.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
