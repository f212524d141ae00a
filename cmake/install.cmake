# The game installed as a Debian desktop expects it, and its .deb.
#
#   cmake --install build --prefix P    lays it out under P:
#     P/games/zor                                    the command a player runs (tools/desktop/zor.in)
#     P/libexec/zor/zor                              the game itself, run by the command
#     P/share/games/zor/                             the shipped media, read-only
#     P/share/applications/<id>.desktop              the menu entry
#     P/share/metainfo/<id>.metainfo.xml             AppStream metadata
#     P/share/icons/hicolor/<n>x<n>/apps/<id>.png    the icon, painted by tools/media
#     P/share/man/man6/zor.6.gz                      the manual page
#     P/share/doc/zor/copyright, changelog.gz
#   cpack -G DEB, in the build folder, packs the same layout under /usr.
#
# The command gives each player a folder of their own with the save beside
# links to the shipped media, and runs the game there (see tools/desktop/zor.in).

set(ZOR_VERSION 1.2)
set(ZOR_RELEASE_DATE 2026-12-11)
set(ZOR_RELEASE_DATE_RFC2822 "Fri, 11 Dec 2026 12:00:00 +0000")
# The AppStream component id, also the name of the menu entry and the icon.
set(ZOR_APP_ID pl.pracowniaszescian.zor)
set(ZOR_PACKAGE_MAINTAINER "Pracownia Sześcian <zor@pracowniaszescian.pl>" CACHE STRING
    "Maintainer of the .deb: a name and an e-mail address")
option(ZOR_SYSTEM_FONTS
       "Install arial.ttf and arialbd.ttf as links to fonts-liberation's files (a dependency) instead of copies"
       ON)

# Places under the prefix.
set(ZOR_COMMAND_DIR games)
set(ZOR_GAME_DIR libexec/zor)
set(ZOR_SHIPPED_DIR share/games/zor)
set(ZOR_DEB_PREFIX /usr)
file(RELATIVE_PATH ZOR_LAUNCHER_TO_PREFIX /prefix/${ZOR_COMMAND_DIR} /prefix)
set(ZOR_GAME_BINARY ${ZOR_GAME_DIR}/zor)
set(ZOR_SHIPPED_DIR_ABSOLUTE ${ZOR_DEB_PREFIX}/${ZOR_SHIPPED_DIR})
set(ZOR_MAINTAINER ${ZOR_PACKAGE_MAINTAINER})

# ---- Files made from templates, and the icons -------------------------------------

set(ZOR_DESKTOP_OUT ${CMAKE_BINARY_DIR}/desktop)
set(ZOR_DESKTOP_IN ${CMAKE_SOURCE_DIR}/tools/desktop)
configure_file(${ZOR_DESKTOP_IN}/zor.in ${ZOR_DESKTOP_OUT}/zor @ONLY)
configure_file(${ZOR_DESKTOP_IN}/zor.desktop.in ${ZOR_DESKTOP_OUT}/${ZOR_APP_ID}.desktop @ONLY)
configure_file(${ZOR_DESKTOP_IN}/zor.metainfo.xml.in ${ZOR_DESKTOP_OUT}/${ZOR_APP_ID}.metainfo.xml @ONLY)
configure_file(${ZOR_DESKTOP_IN}/changelog ${ZOR_DESKTOP_OUT}/changelog @ONLY)
configure_file(${ZOR_DESKTOP_IN}/zor.6 ${ZOR_DESKTOP_OUT}/zor.6 @ONLY)

# Compressed without a name or a time stamp, so the same sources give the same bytes.
foreach(plain changelog zor.6)
  add_custom_command(OUTPUT ${ZOR_DESKTOP_OUT}/${plain}.gz
    COMMAND gzip -9 -n -k -f ${ZOR_DESKTOP_OUT}/${plain}
    DEPENDS ${ZOR_DESKTOP_OUT}/${plain}
    VERBATIM)
endforeach()

set(ZOR_ICON_SIZES 32 48 64 128 256)
set(ZOR_ICONS_OUT ${CMAKE_BINARY_DIR}/icons/hicolor)
set(ZOR_ICON_FILES)
foreach(size ${ZOR_ICON_SIZES})
  list(APPEND ZOR_ICON_FILES ${ZOR_ICONS_OUT}/${size}x${size}/apps/${ZOR_APP_ID}.png)
endforeach()
add_custom_command(OUTPUT ${ZOR_ICON_FILES}
  COMMAND make_icons ${ZOR_ICONS_OUT} ${ZOR_APP_ID}
  DEPENDS make_icons
  COMMENT "Painting the desktop icon"
  VERBATIM)

add_custom_target(desktop_files ALL
  DEPENDS ${ZOR_ICON_FILES} ${ZOR_DESKTOP_OUT}/changelog.gz ${ZOR_DESKTOP_OUT}/zor.6.gz)

# ---- Install rules ------------------------------------------------------------------

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(PROGRAMS ${ZOR_DESKTOP_OUT}/zor DESTINATION ${ZOR_COMMAND_DIR})
install(TARGETS zor RUNTIME DESTINATION ${ZOR_GAME_DIR})
# Debian's hardening: the whole table of library calls read-only once loaded.
target_link_options(zor PRIVATE -Wl,-z,relro,-z,now)

# The media the generator makes (tools/media/generator.cpp), from media/ in
# the source tree, where every build puts them. Not the player's files of a
# developer's own games (data.txt, miniaturki.png), nor the manifest.
set(ZOR_MEDIA_FILES)
foreach(set b p w)
  foreach(n RANGE 1 12)
    list(APPEND ZOR_MEDIA_FILES ${set}${n}.jpg)
  endforeach()
endforeach()
list(APPEND ZOR_MEDIA_FILES t2.jpg ele.png s1.wav s3.wav s5.wav teksty.txt)
list(TRANSFORM ZOR_MEDIA_FILES PREPEND ${CMAKE_SOURCE_DIR}/media/)
install(FILES ${ZOR_MEDIA_FILES} DESTINATION ${ZOR_SHIPPED_DIR})

set(ZOR_SYSTEM_FONT_DIR /usr/share/fonts/truetype/liberation)
if(ZOR_SYSTEM_FONTS)
  # Links to the system's Liberation Sans: relative within /usr, as Debian
  # wants, absolute from any other prefix.
  install(CODE "
    set(zor_fonts arial.ttf LiberationSans-Regular.ttf arialbd.ttf LiberationSans-Bold.ttf)
    set(zor_dir \"\${CMAKE_INSTALL_PREFIX}/${ZOR_SHIPPED_DIR}\")
    while(zor_fonts)
      list(POP_FRONT zor_fonts zor_name zor_font)
      set(zor_target \"${ZOR_SYSTEM_FONT_DIR}/\${zor_font}\")
      if(CMAKE_INSTALL_PREFIX MATCHES \"^/usr(/|$)\")
        file(RELATIVE_PATH zor_target \"\${zor_dir}\" \"\${zor_target}\")
      endif()
      set(zor_link \"\$ENV{DESTDIR}\${zor_dir}/\${zor_name}\")
      message(STATUS \"Linking: \${zor_link} -> \${zor_target}\")
      file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${zor_dir}\")
      file(REMOVE \"\${zor_link}\")
      file(CREATE_LINK \"\${zor_target}\" \"\${zor_link}\" SYMBOLIC)
      list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${zor_link}\")
    endwhile()
  ")
else()
  install(FILES ${CMAKE_SOURCE_DIR}/media/arial.ttf ${CMAKE_SOURCE_DIR}/media/arialbd.ttf
                ${CMAKE_SOURCE_DIR}/media/LICENSE-fonts.txt
          DESTINATION ${ZOR_SHIPPED_DIR})
endif()

install(FILES ${ZOR_DESKTOP_OUT}/${ZOR_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${ZOR_DESKTOP_OUT}/${ZOR_APP_ID}.metainfo.xml DESTINATION share/metainfo)
foreach(size ${ZOR_ICON_SIZES})
  install(FILES ${ZOR_ICONS_OUT}/${size}x${size}/apps/${ZOR_APP_ID}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${ZOR_DESKTOP_OUT}/zor.6.gz DESTINATION share/man/man6)
install(FILES ${ZOR_DESKTOP_IN}/copyright ${ZOR_DESKTOP_OUT}/changelog.gz DESTINATION share/doc/zor)

# ---- The .deb -----------------------------------------------------------------------

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zor)
set(CPACK_PACKAGE_VERSION ${ZOR_VERSION})
set(CPACK_PACKAGE_VENDOR "Pracownia Sześcian")
set(CPACK_PACKAGE_CONTACT ${ZOR_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX ${ZOR_DEB_PREFIX})
# (The DEB generator installs with the prefix /usr into a staging folder
# given as DESTDIR: the font links above come out relative.)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ZOR_PACKAGE_MAINTAINER})
# The libraries come from the binary (dpkg-shlibdeps); the fonts, when linked,
# are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(ZOR_SYSTEM_FONTS)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "picture-cube puzzle with a Polish interface")
# The synopsis is the summary above; this is the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Twelve cubes stand on a board of four by three; every cube carries, on its
six faces, its own piece of six pictures. Roll the cubes with mouse swipes
until their front faces show one picture whole and upright.

Six pictures make a level and three levels a game: bold illustrated scenes,
landscapes and fractals. A game left in the middle is saved for each player
and can be continued. The window can be of any size.")
include(CPack)
