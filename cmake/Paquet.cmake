# `cpack -G DEB` in a build folder makes pensoir_<version>_<arch>.deb from the install rules. Its
# dependencies on shared libraries are found by dpkg-shlibdeps; what the program only loads at run time
# is recommended by name.
set(CPACK_PACKAGE_NAME pensoir)
set(CPACK_PACKAGE_VENDOR "Pensoir")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sticky-note memos with alarms, kept in the tray")
set(CPACK_PACKAGE_DESCRIPTION
    "Pensoir keeps memos as sticky-note windows: each has an icon, a title, a text, its own colour\n\
and font, and options (open at start, keep above, password, alarm). Its tray menu creates and lists\n\
memos and starts the user's programs. The interface is in French.")
set(CPACK_PACKAGE_CONTACT "Pensoir developers")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The alarm's sound comes from the freedesktop sound theme; Qt's own dialogs speak French with the
# translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "sound-theme-freedesktop, qt6-translations-l10n")
include(CPack)
