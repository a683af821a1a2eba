# The Debian package: `cmake --build --preset default --target package` writes
# build/marvola_<version>_<arch>.deb from the program already built, with its manual page.
# Only the program and its desktop files are installed; tests and tools stay in the build tree.

include(GNUInstallDirs)

# The manual page is made from the program's own --help and --version, so it never falls behind
# the options.
find_program(MARVOLA_HELP2MAN help2man)
find_program(MARVOLA_GZIP gzip)
if(MARVOLA_HELP2MAN AND MARVOLA_GZIP)
  set(marvola_man_dir ${PROJECT_BINARY_DIR}/packaging)
  add_custom_command(
    OUTPUT ${marvola_man_dir}/marvola.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${marvola_man_dir}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
      ${MARVOLA_HELP2MAN} --no-info --section=1
        "--name=results of metallic silhouette shooting matches"
        --output=${marvola_man_dir}/marvola.1
        $<TARGET_FILE:marvola>
    # -n leaves the time stamp out, so the same program gives the same package.
    COMMAND ${MARVOLA_GZIP} -9 -n -f ${marvola_man_dir}/marvola.1
    DEPENDS marvola
    COMMENT "Writing the manual page marvola.1 from marvola --help"
    VERBATIM)
  add_custom_target(marvola_manpage ALL DEPENDS ${marvola_man_dir}/marvola.1.gz)
  install(FILES ${marvola_man_dir}/marvola.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  # ./run.sh does not install help2man; ./test.sh, which builds and checks the package, does.
  message(STATUS "help2man is not installed: the package will have no manual page")
endif()

# The changelog and the copyright file that every Debian package carries. The changelog's first
# entry is this version, or the package would tell another story than its control file.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog.in marvola_changelog_top LIMIT_COUNT 1)
if(NOT marvola_changelog_top MATCHES "^marvola \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog.in: the first entry is not version ${PROJECT_VERSION}")
endif()
set(marvola_doc_dir ${PROJECT_BINARY_DIR}/packaging/doc)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${marvola_doc_dir}/changelog @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${marvola_doc_dir}/copyright @ONLY)
find_program(MARVOLA_GZIP gzip REQUIRED)
add_custom_command(
  OUTPUT ${marvola_doc_dir}/changelog.gz
  COMMAND ${MARVOLA_GZIP} -9 -n -k -f ${marvola_doc_dir}/changelog
  DEPENDS ${marvola_doc_dir}/changelog
  VERBATIM)
add_custom_target(marvola_changelog ALL DEPENDS ${marvola_doc_dir}/changelog.gz)
install(FILES ${marvola_doc_dir}/changelog.gz ${marvola_doc_dir}/copyright
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/marvola)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME marvola)
set(CPACK_PACKAGE_VENDOR "Marvola developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Marvola developers <${MARVOLA_SUPPORT_ADDRESS}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "results program for metallic silhouette shooting matches")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME marvola)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The summary above is the first line of the Description field, this text the lines under it.
set(CPACK_PACKAGE_DESCRIPTION
  "Marvola registers the competitors of a metallic silhouette match, takes
their hits on the four targets, ranks every discipline by class, builds
the aggregates and team standings, and prints, exports and uploads the
results. A batch mode writes the CSV files, PDF and HTML lists without a
display.")
# The libraries come from the binary itself; the results upload needs the MySQL driver plugin,
# the entry log the SQLite one,
# and the printed lists need the Liberation fonts, which no library link shows.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-mysql, libqt6sql6-sqlite, fonts-liberation")
# Qt's own texts (file dialogs, message box buttons) in the official's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# No source package: the source tree is the git repository.
set(CPACK_SOURCE_GENERATOR "")

include(CPack)
