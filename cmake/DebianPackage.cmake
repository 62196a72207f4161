# The Debian package "quinterra": the Windows programs and their help in
# /usr/lib/quinterra, started by the launcher /usr/games/quinterra under
# Debian's Wine in a prefix of the player's own (the prefix is prepared by
# /usr/libexec/quinterra/wine-player.sh, which tools/play.sh runs too); a menu
# entry, the icon in the hicolor theme, AppStream metadata, a manual page, the
# copyright and the changelog. Installed as component "debian", under /usr.
set(linux_dir "${CMAKE_SOURCE_DIR}/packaging/linux")
set(made_dir "${CMAKE_BINARY_DIR}/packaging")
set(lib_dir lib/quinterra)
set(metainfo org.quinterra.Quinterra.metainfo.xml)

# The changelog and the metainfo's releases are written by hand, release by
# release; a version bump that forgets them stops here.
foreach(file changelog ${metainfo})
    file(READ "${linux_dir}/${file}" text)
    if(NOT text MATCHES "^quinterra \\(${PROJECT_VERSION}\\)|<release version=\"${PROJECT_VERSION}\"")
        message(FATAL_ERROR "packaging/linux/${file} has no entry for version ${PROJECT_VERSION}")
    endif()
endforeach()

# Wine reads the programs; they need not be executable themselves.
install(TARGETS quinterra pbrain-quinterra RUNTIME DESTINATION ${lib_dir} COMPONENT debian
    PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(FILES "${CMAKE_BINARY_DIR}/app/quinterra.hlp" "${CMAKE_BINARY_DIR}/app/quinterra.html"
    DESTINATION ${lib_dir} COMPONENT debian)
install(PROGRAMS "${linux_dir}/wine-player.sh" "${linux_dir}/prefix-fonts.sh" DESTINATION libexec/quinterra
    COMPONENT debian)
install(FILES "${linux_dir}/wine-prefix.sh" DESTINATION libexec/quinterra COMPONENT debian)
install(PROGRAMS "${linux_dir}/quinterra" DESTINATION games COMPONENT debian)
install(FILES "${linux_dir}/quinterra.desktop" DESTINATION share/applications COMPONENT debian)
install(FILES "${linux_dir}/${metainfo}" DESTINATION share/metainfo COMPONENT debian)
install(FILES "${linux_dir}/copyright" DESTINATION share/doc/quinterra COMPONENT debian)

# The icon at whole multiples of its 32 x 32 pixels, so that every pixel stays
# a sharp square; without time stamps, so that a rebuild gives the same bytes.
set(made_files)
foreach(size 32 64 128 256)
    set(png "${made_dir}/icons/${size}x${size}/quinterra.png")
    add_custom_command(OUTPUT "${png}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${made_dir}/icons/${size}x${size}"
        COMMAND ${IMAGEMAGICK_CONVERT} "${CMAKE_SOURCE_DIR}/resources/quinterra.xpm"
            -scale ${size}x${size} -strip "PNG32:${png}"
        DEPENDS "${CMAKE_SOURCE_DIR}/resources/quinterra.xpm"
        COMMENT "Icon at ${size} x ${size}")
    install(FILES "${png}" DESTINATION share/icons/hicolor/${size}x${size}/apps COMPONENT debian)
    list(APPEND made_files "${png}")
endforeach()

# Debian keeps the changelog and manual pages compressed as tightly as gzip can.
find_program(GZIP gzip REQUIRED)
foreach(file changelog quinterra.6)
    add_custom_command(OUTPUT "${made_dir}/${file}.gz"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${made_dir}"
        COMMAND ${GZIP} -9n -c "${linux_dir}/${file}" > "${made_dir}/${file}.gz"
        DEPENDS "${linux_dir}/${file}"
        COMMENT "Compressing ${file}")
    list(APPEND made_files "${made_dir}/${file}.gz")
endforeach()
install(FILES "${made_dir}/changelog.gz" DESTINATION share/doc/quinterra COMPONENT debian)
install(FILES "${made_dir}/quinterra.6.gz" DESTINATION share/man/man6 COMPONENT debian)
add_custom_target(quinterra_debian_files ALL DEPENDS ${made_files})

set(CPACK_DEBIAN_PACKAGE_NAME quinterra)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE amd64)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Quinterra developers <developers@quinterra.invalid>")
# Wine 8 is the one the game is tested with ("~" lets Debian's 8.0~repack in);
# wine64 runs the 64-bit programs; fonts-wine draws the caption buttons;
# fonts-dejavu-extra stands in for Tahoma in the prefix; locales holds the
# sources from which the launcher compiles a Czech locale where the system
# lacks one; yad shows the window that covers the first start (one GTK
# program, where zenity would bring a web engine along), and xdotool tells
# when the game's own window has taken its place.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "wine (>= 8.0~), wine64, fonts-wine, fonts-dejavu-extra, locales, yad, xdotool")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "five in a row (gomoku) against the computer
A game of five in a row for one person against the computer, with a Czech
user interface. The player has crosses and moves first; the computer answers
every move at once with a circle. Whoever first has five stones in an unbroken
row, column or diagonal wins. The board is 20 x 20 squares at the start and up
to 100 x 100 through the settings; games can be saved, turns taken back and
replayed.

This is the Windows build of the game, run under Wine in a Wine prefix of
each player's own, which the first start prepares.")
