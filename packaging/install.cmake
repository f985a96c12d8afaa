# Installing the program and packaging it for Debian.
#
#   <prefix>/lib/dealwright/dealwright       the executable, in its program folder
#   <prefix>/lib/dealwright/plugins/dealwright-svg.so  the SVG renderer module
#   <prefix>/lib/dealwright/HAND-M.CUR       the hand pointer beside it
#   <prefix>/lib/dealwright/x/o.cjs          the skin beside it
#   <prefix>/bin/dealwright                  a relative symlink to the executable;
#                                            the program finds its folder through
#                                            /proc/self/exe, so the link resolves
#   <prefix>/share/applications/dealwright.desktop
#   <prefix>/share/metainfo/example.dealwright.Dealwright.metainfo.xml
#   <prefix>/share/icons/hicolor/NxN/apps/dealwright.png
#   <prefix>/share/icons/hicolor/scalable/apps/dealwright.svg
#   <prefix>/share/man/man1/dealwright.1.gz
#   <prefix>/share/locale/<language>/LC_MESSAGES/dealwright.qm
#                                            the program's translations, one
#                                            per shipped language
#   <prefix>/share/doc/dealwright/           README.md, copyright, changelog.gz
#
# The Debian package: cmake --build <build> --target package (or cpack -G DEB
# in the build folder). tests/packaging checks it with lintian.
set(DEALWRIGHT_INSTALL_PROGRAM_DIR lib/dealwright)

install(TARGETS dealwright RUNTIME DESTINATION ${DEALWRIGHT_INSTALL_PROGRAM_DIR})
# The SVG renderer module, loaded from the program folder's plugins/. In a
# folder of its own it is not taken for a system library (which would
# call for ldconfig at every install).
install(TARGETS dealwright-svg LIBRARY DESTINATION ${DEALWRIGHT_INSTALL_PROGRAM_DIR}/plugins)
# A stripped install (the package's) is stripped as Debian strips its own
# binaries: also without the compiler's .comment notes.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(file ${DEALWRIGHT_INSTALL_PROGRAM_DIR}/dealwright ${DEALWRIGHT_INSTALL_PROGRAM_DIR}/plugins/dealwright-svg.so)
      execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                              \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${file}\" RESULT_VARIABLE status)
      if(NOT status EQUAL 0)
        message(FATAL_ERROR \"objcopy could not strip \${file}\")
      endif()
    endforeach()
  endif()
")
install(FILES ${DEALWRIGHT_PROGRAM_DIR}/HAND-M.CUR DESTINATION ${DEALWRIGHT_INSTALL_PROGRAM_DIR})
install(FILES ${DEALWRIGHT_PROGRAM_DIR}/x/o.cjs DESTINATION ${DEALWRIGHT_INSTALL_PROGRAM_DIR}/x)
install(CODE "
  set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(MAKE_DIRECTORY \"\${bin}\")
  file(REMOVE \"\${bin}/dealwright\")
  message(STATUS \"Installing: \${bin}/dealwright -> ../${DEALWRIGHT_INSTALL_PROGRAM_DIR}/dealwright\")
  file(CREATE_LINK ../${DEALWRIGHT_INSTALL_PROGRAM_DIR}/dealwright \"\${bin}/dealwright\" SYMBOLIC)
")

# The translations where the software centres look for a Qt program's
# (<translation type="qt">dealwright</translation> in the metadata) and where
# the program finds them from its folder (shell/Language.h).
foreach(language IN LISTS DEALWRIGHT_LANGUAGES)
  install(FILES ${DEALWRIGHT_PROGRAM_DIR}/translations/dealwright_${language}.qm
          DESTINATION share/locale/${language}/LC_MESSAGES RENAME dealwright.qm)
endforeach()

install(FILES ${CMAKE_SOURCE_DIR}/packaging/dealwright.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/example.dealwright.Dealwright.metainfo.xml DESTINATION share/metainfo)
file(GLOB DEALWRIGHT_ICONS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/icon/dealwright-*.png)
foreach(icon IN LISTS DEALWRIGHT_ICONS)
  if(icon MATCHES "dealwright-([0-9]+)\\.png$")
    set(size ${CMAKE_MATCH_1})
    install(FILES ${icon} DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME dealwright.png)
  endif()
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/assets/icon/dealwright.svg DESTINATION share/icons/hicolor/scalable/apps)

# The manual page and the changelog go compressed, as Debian keeps them:
# gzip at its best compression, without a name or time stamp in the header,
# so that the same sources always give the same bytes.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(DEALWRIGHT_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)
set(compressed)
foreach(pair "dealwright.1|dealwright.1.gz" "changelog|changelog.gz")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 source)
  list(GET pair 1 target)
  add_custom_command(
    OUTPUT ${DEALWRIGHT_PACKAGING_OUT}/${target}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${DEALWRIGHT_PACKAGING_OUT}
    COMMAND ${GZIP_PROGRAM} -9nc ${CMAKE_SOURCE_DIR}/packaging/${source} > ${DEALWRIGHT_PACKAGING_OUT}/${target}
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${source}
    VERBATIM)
  list(APPEND compressed ${DEALWRIGHT_PACKAGING_OUT}/${target})
endforeach()
add_custom_target(packaging-files ALL DEPENDS ${compressed})
install(FILES ${DEALWRIGHT_PACKAGING_OUT}/dealwright.1.gz DESTINATION share/man/man1)
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/packaging/copyright
              ${DEALWRIGHT_PACKAGING_OUT}/changelog.gz
        DESTINATION share/doc/dealwright)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dealwright)
set(CPACK_PACKAGE_VENDOR Marrowfen)
set(CPACK_PACKAGE_CONTACT "Marrowfen <support@dealwright.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draws random playing cards and saves them as pictures")
# One line of the package's long description per line here, none longer
# than 80 characters (the tools that show descriptions do not wrap them).
# CPack puts the summary in front as the first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Dealwright draws random playing cards from a standard 52-card deck and
shows them as card faces: for game hosts who need a fair deal, teachers
who show probability with cards, and magicians.
.
Cards come one at a time, with or without putting each card back, in a
window or full screen on black for a room, or as a batch of up to 52
distinct cards saved as 71 x 96 pixel bitmap files. The command
dealwright --batch COUNT --out FOLDER does the same from scripts, without
a display, also as PNG files of any size for print and slides.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries (Qt 6 widgets, gui, core, svg, giflib, libsodium, the C++
# runtime) come from dpkg-shlibdeps; the window-system plugins (X11 and the
# native Wayland one, Debian's default session) and the fonts that stand in
# for Arial are loaded at run time and so are named here. Qt's own
# translations (its dialogs in the user's language) and the fonts of the
# Chinese, Japanese and Arabic texts are what a desktop in those languages
# already has: recommended, not required. The desktop's card decks are more
# card designs to choose from (View > Card Design, --design): suggested.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-wayland, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n, fonts-noto-cjk, fonts-noto-ui-core")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "kdegames-card-data-kf5")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.dealwright.example/")
include(CPack)
