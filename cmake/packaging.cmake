# What a distribution installs, and the Debian package made of it (scripts/package). The
# package's name, version, maintainer and description are set here and nowhere else.
if(DORVANE_SUPPORT_EMAIL)
  set(DORVANE_PACKAGE_MAINTAINER "Vesk <${DORVANE_SUPPORT_EMAIL}>")
else()
  set(DORVANE_PACKAGE_MAINTAINER "Vesk <support@dorvane.example.org>")
endif()
set(DORVANE_PACKAGE_SUMMARY "learn everyday spoken French from a caption bar")
set(DORVANE_PACKAGE_DESCRIPTION [=[
A narrow caption bar on the top edge of the screen plays short dialogue
sentences one after another, in French and in English, while Peedy the
parrot reads the French aloud. Choose among 21 topics of 35 sentences, in
sequence or at random, the language order, how long each line shows and how
often each sentence plays.]=])

if(UNIX)
  install(FILES packaging/dorvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES packaging/org.example.dorvane.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES resources/icons/dorvane.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES resources/icons/hicolor/${size}x${size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME dorvane.png)
  endforeach()

  # Debian wants the manual and the change log compressed, without a time stamp (-n), so the
  # same sources make the same package.
  set(compressed)
  foreach(document dorvane.1 changelog)
    set(output ${CMAKE_CURRENT_BINARY_DIR}/packaging/${document}.gz)
    add_custom_command(OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/packaging
      COMMAND sh -c "gzip -9nc '${CMAKE_CURRENT_SOURCE_DIR}/packaging/${document}' > '${output}'"
      DEPENDS packaging/${document}
      VERBATIM)
    list(APPEND compressed ${output})
  endforeach()
  add_custom_target(dorvane_documents ALL DEPENDS ${compressed})
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/dorvane.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz packaging/copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dorvane)
endif()

set(CPACK_PACKAGE_NAME dorvane)
set(CPACK_PACKAGE_VENDOR Vesk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${DORVANE_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${DORVANE_PACKAGE_SUMMARY})
set(CPACK_PACKAGE_DESCRIPTION ${DORVANE_PACKAGE_DESCRIPTION})
set(CPACK_STRIP_FILES ON)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_GENERATOR DEB)
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
if(DORVANE_WEBSITE MATCHES "://")
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${DORVANE_WEBSITE}")
elseif(DORVANE_WEBSITE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://${DORVANE_WEBSITE}")
else()
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://dorvane.example.org")
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the binary links come from dpkg-shlibdeps; what it loads at run time must be
# named here: the speech plugin (libqt6texttospeech6 brings no engine) and the X11 platform
# plugin (only recommended by libqt6gui6, and without it no window opens).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-speech-speechd-plugin, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "speech-dispatcher, speech-dispatcher-espeak-ng")
# Better voices, from contrib and non-free: suggested, never bundled.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "speech-dispatcher-pico, mbrola-fr4 | mbrola-fr1")
# lintian reports no error and no warning. Its notes (-I) left: binary-has-unneeded-section
# (.comment, the compiler's name, harmless) and spelling-error-in-binary, which are French words
# of the lessons (complet, ressources, ...). A build from the default preset adds
# hardening-no-bindnow and hardening-no-fortify-functions; scripts/package's Release preset sets
# those flags.
include(CPack)
