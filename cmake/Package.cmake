# What a distribution's package holds besides the programs: the documents in Debian's place
# for them, compressed as Debian wants them, and the Debian package itself (cpack -G DEB).

include(GNUInstallDirs)

set(NORVIKA_MAINTAINER "Norvika maintainers <maintainers@users.noreply.c-seed-f1307a49.example>"
    CACHE STRING "The package's maintainer, 'Name <address>': the project's contact")

# Debian looks for a package's documents under its own (lower-case) name.
set(NORVIKA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/norvika)
set(NORVIKA_PACKAGE_FILES ${CMAKE_BINARY_DIR}/packaging)

# `source` compressed (gzip -9n: no name, no time, the same bytes at every build) into the
# build tree under `name`.gz, installed in `destination`.
function(norvika_install_compressed source name destination)
  set(copy ${NORVIKA_PACKAGE_FILES}/${destination}/${name})
  add_custom_command(
    OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
    COMMAND gzip -9nf ${copy}
    DEPENDS ${source}
    VERBATIM)
  string(MAKE_C_IDENTIFIER "${destination}/${name}" target)
  add_custom_target(compress_${target} ALL DEPENDS ${copy}.gz)
  install(FILES ${copy}.gz DESTINATION ${destination})
endfunction()

configure_file(${CMAKE_SOURCE_DIR}/packaging/copyright.in ${NORVIKA_PACKAGE_FILES}/copyright @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog.in ${NORVIKA_PACKAGE_FILES}/changelog.in
               @ONLY)
install(FILES ${NORVIKA_PACKAGE_FILES}/copyright DESTINATION ${NORVIKA_DOC_DIR})
norvika_install_compressed(${NORVIKA_PACKAGE_FILES}/changelog.in changelog ${NORVIKA_DOC_DIR})
# The README with the documents and pictures it refers to, at the same places beside it.
norvika_install_compressed(${CMAKE_SOURCE_DIR}/README.md README.md ${NORVIKA_DOC_DIR})
foreach(document decisions.md glossary.md)
  norvika_install_compressed(${CMAKE_SOURCE_DIR}/docs/${document} ${document}
                             ${NORVIKA_DOC_DIR}/docs)
endforeach()
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/images DESTINATION ${NORVIKA_DOC_DIR}/docs)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/ DESTINATION ${NORVIKA_DOC_DIR}/examples
        PATTERN "generate.py" EXCLUDE PATTERN "__pycache__" EXCLUDE)
# What lintian says of the package and is meant so, each with its reason.
install(FILES ${CMAKE_SOURCE_DIR}/packaging/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME norvika)

# The compiler's note of itself (.comment) serves no installed program; objcopy takes it out,
# after the programs are installed (and stripped, when they are).
set(NORVIKA_PROGRAMS ${CMAKE_INSTALL_BINDIR}/norvika ${CMAKE_INSTALL_BINDIR}/norvika-offsets
                     ${CMAKE_INSTALL_BINDIR}/norvika-hydrostatics
                     ${CMAKE_INSTALL_BINDIR}/norvika-stability)
if(NORVIKA_WITH_QT)
  list(APPEND NORVIKA_PROGRAMS ${NORVIKA_HELPER_DIR}/norvika-qt)
endif()
if(CMAKE_OBJCOPY)
  foreach(program IN LISTS NORVIKA_PROGRAMS)
    install(CODE "execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${program}\" COMMAND_ERROR_IS_FATAL ANY)")
  endforeach()
endif()

# The Debian package of what `cmake --install` installs. Its dependencies are found from the
# programs' libraries (Debian's Qt 6 and OpenCASCADE packages); the fonts the PDF record is set
# in are added by hand, as nothing links them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME norvika)
set(CPACK_PACKAGE_VENDOR Norvika)
set(CPACK_PACKAGE_CONTACT "${NORVIKA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "buoyancy distribution and longitudinal strength of a ship")
set(CPACK_PACKAGE_DESCRIPTION
    "Norvika computes the buoyancy distribution, displacement and centre of\n"
    "buoyancy of a ship for one loading case a run, from a task file and a hull\n"
    "offsets file: a level waterline, a trochoidal or sine wave with its crest or\n"
    "trough amidships, a trimmed waterline, or a damaged condition with heel.\n"
    "With a weights file the strength step follows: the ship balanced in sink\n"
    "and trim, the shear force and bending moment along it, and the wave moment\n"
    "beside the classification rule's value.\n"
    "norvika-offsets, the 3D hull cutter, cuts a hull model (STEP, IGES, STL or\n"
    "OBJ) into the hull offsets file.\n"
    "The desktop program shows the check plots and graphs as the run goes; runs\n"
    "in a terminal or a script need no display.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
