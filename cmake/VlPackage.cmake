# The Debian package: `cmake --build build --target package`, or `cpack` in the build folder.
# It holds what `cmake --install` installs, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorlane-math)
set(CPACK_PACKAGE_VENDOR "Vorlane")
set(CPACK_PACKAGE_CONTACT "Vorlane <vorlane@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Feuilles d'exercices de mathématiques pour l'école primaire")
set(CPACK_PACKAGE_DESCRIPTION
  "Opérations posées à trous, graphiques, figures, fractions, horloges, dés, monnaie, sudoku :
chaque feuille en épreuve et en corrigé. mathsheet fabrique les feuilles en PDF, SVG ou PNG
depuis une description en texte ; vorlane est l'éditeur de bureau des mêmes feuilles.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link (Qt base, SVG, print support), found by dpkg-shlibdeps,
# plus what is loaded at run time: the SVG plugin, the fonts the sheets are drawn with and
# Qt's own French translations for the editor's dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "fonts-sil-andika, fonts-liberation2, fonts-comic-neue, qt6-translations-l10n")
include(CPack)
