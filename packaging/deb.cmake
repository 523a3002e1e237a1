# The .deb, made by CPack from what `cmake --install` puts under the prefix,
# with a manual page, what a software centre lists, and the documents Debian
# asks of every package.
include(GNUInstallDirs)
# Whoever publishes the package puts a real address here.
set(KVIRLO_MAINTAINER "The Kvirlo developers <kvirlo@localhost>" CACHE STRING
    "The .deb's maintainer: name <address>")
set(docs ${CMAKE_CURRENT_BINARY_DIR}/docs)
configure_file(${CMAKE_CURRENT_LIST_DIR}/kvirlo.1.in ${docs}/kvirlo.1 @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${docs}/changelog @ONLY)
# Compressed without a time stamp, so the same sources make the same package.
foreach(doc kvirlo.1 changelog)
  add_custom_command(OUTPUT ${docs}/${doc}.gz
    COMMAND gzip -9nf -k ${doc}
    DEPENDS ${docs}/${doc} WORKING_DIRECTORY ${docs})
  list(APPEND compressed ${docs}/${doc}.gz)
endforeach()
add_custom_target(kvirlo_docs ALL DEPENDS ${compressed})
install(FILES ${docs}/kvirlo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${docs}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kvirlo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME kvirlo)

set(KVIRLO_APP_ID org.example.kvirlo)
configure_file(${CMAKE_CURRENT_LIST_DIR}/${KVIRLO_APP_ID}.metainfo.xml.in
               ${docs}/${KVIRLO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${docs}/${KVIRLO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arch
                OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT arch)
  set(arch amd64)
endif()
set(deb kvirlo_${PROJECT_VERSION}_${arch}.deb)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kvirlo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Kvirlo developers")
set(CPACK_PACKAGE_CONTACT ${KVIRLO_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/cpack)
set(CPACK_STRIP_FILES ON)
set(CPACK_KVIRLO_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/deb_strip.cmake)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME ${deb})
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${arch})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KVIRLO_HOMEPAGE})
# The libraries' packages are the building system's own (dpkg-shlibdeps), so
# a package built on Debian 13 names Debian 13's.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries: the plugins that play the alarm.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
# The program runs without these: Qt's own dialogs then have English buttons,
# and a Wayland desktop without XWayland has nothing to show the windows on.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small desktop reminder with a Russian interface")
set(CPACK_PACKAGE_DESCRIPTION "Type a text, an hour and a minute, and Kvirlo hides and waits, showing a tiny
countdown or an icon in the notification area. At the set minute an alert
opens on top of every window with the text and an alarm that repeats until
it is closed. It can also start a TV-tuner program on a chosen channel.
A reminder that waits survives a crash or a power cut.")
include(CPack)

add_custom_target(deb
  # The .deb's own members take their modes from the umask.
  COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${KVIRLO_SOURCE_DATE_EPOCH}
          sh -c "umask 022 && exec \"$0\" \"$@\"" ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KVIRLO_PACKAGE_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy ${CPACK_PACKAGE_DIRECTORY}/${deb} ${KVIRLO_PACKAGE_DIR}/
  DEPENDS kvirlo kvirlo-sound kvirlo_docs
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  VERBATIM
  COMMENT "Making ${deb}")

# The .deb made, then read and started as a user's system meets it.
if(KVIRLO_TESTS)
  add_test(NAME deb_made COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target deb)
  set_tests_properties(deb_made PROPERTIES FIXTURES_SETUP deb RUN_SERIAL TRUE)
  add_test(NAME deb_package
           COMMAND bash ${PROJECT_SOURCE_DIR}/tests/packages/deb_test.sh ${KVIRLO_PACKAGE_DIR}/${deb}
                   ${PROJECT_VERSION} ${KVIRLO_HOMEPAGE})
  set_tests_properties(deb_package PROPERTIES FIXTURES_REQUIRED deb SKIP_RETURN_CODE 77
                       RUN_SERIAL TRUE TIMEOUT 120)
endif()
