# What `cmake --install` lays out and what `make package` builds.
#
# The program looks for its pages in <bindir>/../share/<id>/, so the shipped
# pages sit there and nowhere else; reports and worksheets of an installed
# copy go to the user's documents folder, so nothing writable is installed.
include(GNUInstallDirs)

set(TUTOR_SHARE_DIR "${CMAKE_INSTALL_DATADIR}/${TUTOR_APPLICATION_ID}")
set(TUTOR_PACKAGING_DIR "${PROJECT_SOURCE_DIR}/packaging")
set(TUTOR_RESOURCES_DIR "${PROJECT_SOURCE_DIR}/resources")

install(TARGETS orvi-math-tutor orvi-class-server RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")

install(DIRECTORY "${TUTOR_RESOURCES_DIR}/html" "${TUTOR_RESOURCES_DIR}/help"
    DESTINATION "${TUTOR_SHARE_DIR}")
# Pages and texts in other languages, each in languages/<code>/ as above.
if(IS_DIRECTORY "${TUTOR_RESOURCES_DIR}/languages")
    install(DIRECTORY "${TUTOR_RESOURCES_DIR}/languages" DESTINATION "${TUTOR_SHARE_DIR}")
endif()
install(FILES "${TUTOR_RESOURCES_DIR}/worksheets/worktutorial.html"
    DESTINATION "${TUTOR_SHARE_DIR}/worksheets")
install(FILES "${TUTOR_RESOURCES_DIR}/ReadMe.txt" "${TUTOR_RESOURCES_DIR}/Support.txt"
    DESTINATION "${TUTOR_SHARE_DIR}")

# The desktop entry and metainfo name the id, so they are configured.
configure_file("${TUTOR_PACKAGING_DIR}/desktop-entry.desktop.in"
    "${PROJECT_BINARY_DIR}/packaging/${TUTOR_APPLICATION_ID}.desktop" @ONLY)
configure_file("${TUTOR_PACKAGING_DIR}/metainfo.xml.in"
    "${PROJECT_BINARY_DIR}/packaging/${TUTOR_APPLICATION_ID}.metainfo.xml" @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/packaging/${TUTOR_APPLICATION_ID}.desktop"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${PROJECT_BINARY_DIR}/packaging/${TUTOR_APPLICATION_ID}.metainfo.xml"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

set(TUTOR_ICON_DIR "${CMAKE_INSTALL_DATADIR}/icons/hicolor")
install(FILES "${TUTOR_PACKAGING_DIR}/icons/orvi-math-tutor.svg"
    DESTINATION "${TUTOR_ICON_DIR}/scalable/apps"
    RENAME "${TUTOR_APPLICATION_ID}.svg")
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES "${TUTOR_PACKAGING_DIR}/icons/orvi-math-tutor-${size}.png"
        DESTINATION "${TUTOR_ICON_DIR}/${size}x${size}/apps"
        RENAME "${TUTOR_APPLICATION_ID}.png")
endforeach()

install(FILES "${TUTOR_PACKAGING_DIR}/copyright"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/orvi-math-tutor")

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvi-math-tutor)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "The Orvi Math Tutor team")
set(CPACK_PACKAGE_CONTACT "The Orvi Math Tutor team <orvi@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arithmetic tutor for pupils and teachers")
set(CPACK_PACKAGE_DESCRIPTION
    "Orvi Math Tutor helps children aged about 7 to 10 practise adding, taking
away, times and sharing at five levels, from Warm Up to Expert, with a running
score card and three number games: Missing Number, Missing Operation and Time
Trial. Teachers and parents can save a session as a progress report and build
worksheets of sums, with a matching answer sheet, to print.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ORVI_HOME_PAGE}")
# Loaded at run time, so no look-up of linked libraries can find them: the
# SQLite driver opens the pupils' progress file, the PostgreSQL driver the
# class server, and Qt's own translations speak the print and message dialogs
# in the pupil's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, libqt6sql6-sqlite, libqt6sql6-psql, qt6-translations-l10n, fonts-liberation2, fonts-comic-neue")
# The linked libraries: dpkg-shlibdeps names them with their lowest versions
# (it needs `file` as well); without it they are listed by hand.
find_program(TUTOR_DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(TUTOR_FILE_PROGRAM file)
if(TUTOR_DPKG_SHLIBDEPS AND TUTOR_FILE_PROGRAM)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
        ", libqt6core6, libqt6gui6, libqt6widgets6, libqt6printsupport6, libqt6sql6, libc6, libstdc++6")
endif()

include(CPack)
