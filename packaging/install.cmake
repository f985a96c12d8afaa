# Installing the program and packaging it for Debian.
#
#   <prefix>/lib/dealwright/dealwright       the executable, in its program folder
#   <prefix>/lib/dealwright/HAND-M.CUR       the hand pointer beside it
#   <prefix>/lib/dealwright/x/o.cjs          the skin beside it
#   <prefix>/bin/dealwright                  a relative symlink to the executable;
#                                            the program finds its folder through
#                                            /proc/self/exe, so the link resolves
#   <prefix>/share/applications/dealwright.desktop
#   <prefix>/share/icons/hicolor/NxN/apps/dealwright.png
#
# The Debian package: cmake --build <build> --target package (or cpack -G DEB
# in the build folder).
set(DEALWRIGHT_INSTALL_PROGRAM_DIR lib/dealwright)

install(TARGETS dealwright RUNTIME DESTINATION ${DEALWRIGHT_INSTALL_PROGRAM_DIR})
install(FILES ${DEALWRIGHT_PROGRAM_DIR}/HAND-M.CUR DESTINATION ${DEALWRIGHT_INSTALL_PROGRAM_DIR})
install(FILES ${DEALWRIGHT_PROGRAM_DIR}/x/o.cjs DESTINATION ${DEALWRIGHT_INSTALL_PROGRAM_DIR}/x)
install(CODE "
  set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(MAKE_DIRECTORY \"\${bin}\")
  file(REMOVE \"\${bin}/dealwright\")
  message(STATUS \"Installing: \${bin}/dealwright -> ../${DEALWRIGHT_INSTALL_PROGRAM_DIR}/dealwright\")
  file(CREATE_LINK ../${DEALWRIGHT_INSTALL_PROGRAM_DIR}/dealwright \"\${bin}/dealwright\" SYMBOLIC)
")

install(FILES ${CMAKE_SOURCE_DIR}/packaging/dealwright.desktop DESTINATION share/applications)
file(GLOB DEALWRIGHT_ICONS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/icon/dealwright-*.png)
foreach(icon IN LISTS DEALWRIGHT_ICONS)
  if(icon MATCHES "dealwright-([0-9]+)\\.png$")
    set(size ${CMAKE_MATCH_1})
    install(FILES ${icon} DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME dealwright.png)
  endif()
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION share/doc/dealwright OPTIONAL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dealwright)
set(CPACK_PACKAGE_VENDOR Marrowfen)
set(CPACK_PACKAGE_CONTACT "Marrowfen <support@dealwright.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draws random playing cards and saves them as pictures")
set(CPACK_PACKAGE_DESCRIPTION "Dealwright draws random playing cards from a standard 52-card deck and \
shows them as card faces: card by card, with or without putting each card back, \
in a window or on a black full screen, or as a batch of up to 52 distinct cards. \
Cards are saved as 71 x 96 pixel bitmap files, and the command \
dealwright --batch COUNT --out FOLDER does the same from scripts, without a display, \
also as PNG files of any size for print and slides.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries (Qt 6 widgets, gui, core, svg, giflib, libsodium, the C++
# runtime) come from dpkg-shlibdeps; the window-system plugins (X11 and the
# native Wayland one, Debian's default session) and the fonts that stand in
# for Arial are loaded at run time and so are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-wayland, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.dealwright.example/")
include(CPack)
