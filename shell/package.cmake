# The Debian package, built by scripts/package with CPack. The libraries it
# needs come from dpkg-shlibdeps; the rest of what a Debian package carries
# (copyright, changelog, stripped programs) is set here.
include(GNUInstallDirs)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvik-slovnik)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tarviksko <slovnik@tarviksko.cz>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "two-way Tarvik and Czech dictionary and translator")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A dictionary between Czech and Tarvik, a constructed language, that users\n\
keep and grow themselves: Tarvik to Czech and Czech to Tarvik side by side,\n\
up to five meanings to a word. It translates texts word by word, lays out\n\
every meaning of each word to choose from, and finds Tarvik words by their\n\
Czech pronunciation and Czech words without diacritics or by their forms.\n\
.\n\
The package holds the program tarvik-slovnik with its launcher, the command\n\
line tarvik for scripts, and sample dictionaries.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TARVIK_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Czech word forms, and Qt's own dialogs in Czech.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hunspell-cs, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)

# Debian wants the copyright and a compressed changelog under /usr/share/doc.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
configure_file(${PROJECT_SOURCE_DIR}/shell/debian/changelog.in ${PROJECT_BINARY_DIR}/changelog @ONLY)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/changelog.gz
                   COMMAND gzip -9n < ${PROJECT_BINARY_DIR}/changelog > ${PROJECT_BINARY_DIR}/changelog.gz
                   DEPENDS ${PROJECT_BINARY_DIR}/changelog)
add_custom_target(package_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/shell/debian/copyright ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${doc_dir})

include(CPack)
