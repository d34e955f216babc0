# Manual pages made from the programs' own --help texts, so that the two never say different
# things. Included, it defines norvika_manual_page(); run with -P, it writes one page.
#
# A help text reads: a "Usage:" line (and the lines indented under it) for the synopsis;
# paragraphs for the description, one that begins "Exit status:" for a section of its own;
# option lines "  TERM" with the text from column 20 on (and lines indented to it) as options.

if(CMAKE_SCRIPT_MODE_FILE)
  cmake_minimum_required(VERSION 3.25)
  # -D PROGRAM=... -D NAME=... -D SUMMARY=... -D VERSION=... -D OUTPUT=...
  execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR help STREQUAL "")
    message(FATAL_ERROR "${PROGRAM} --help did not answer (${status})")
  endif()

  # Roff: a backslash is written \e, a minus \-, and a line may not begin with a dot or a quote.
  function(roff_escape text out)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    string(REGEX REPLACE "^([.'])" "\\\\&\\1" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
  endfunction()

  set(column 19)  # where the text of an option line begins
  set(sections synopsis description options exit)
  foreach(section IN LISTS sections)
    set(${section} "")
  endforeach()
  set(part "")  # the section of the paragraph being read; empty between paragraphs
  # Line by line, without making the text a list: the help holds semicolons.
  while(NOT help STREQUAL "")
    string(FIND "${help}" "\n" end)
    if(end EQUAL -1)
      set(line "${help}")
      set(help "")
    else()
      string(SUBSTRING "${help}" 0 ${end} line)
      math(EXPR next "${end} + 1")
      string(SUBSTRING "${help}" ${next} -1 help)
    endif()
    string(LENGTH "${line}" length)
    set(term "")
    if(length GREATER column AND line MATCHES "^  [^ ]")
      string(SUBSTRING "${line}" ${column} 1 first)
      math(EXPR before "${column} - 1")
      string(SUBSTRING "${line}" ${before} 1 gap)
      if(gap STREQUAL " " AND NOT first STREQUAL " ")
        math(EXPR width "${column} - 2")
        string(SUBSTRING "${line}" 2 ${width} term)
        string(STRIP "${term}" term)
        string(SUBSTRING "${line}" ${column} -1 text)
      endif()
    endif()

    if(line MATCHES "^[Uu]sage: *(.*)$")
      roff_escape("${CMAKE_MATCH_1}" text)
      string(APPEND synopsis "${text}\n")
      set(part synopsis)
    elseif(line MATCHES "^ +[^ ]" AND part STREQUAL "synopsis")
      roff_escape("${line}" text)  # indented under the program's name, as in the help
      string(APPEND synopsis "${text}\n")
    elseif(NOT term STREQUAL "")
      roff_escape("${term}" term)
      roff_escape("${text}" text)
      string(APPEND options ".TP\n.B ${term}\n${text}\n")
      set(part options)
    elseif(line MATCHES "^ +([^ ].*)$" AND part STREQUAL "options")
      roff_escape("${CMAKE_MATCH_1}" text)
      string(APPEND options "${text}\n")
    elseif(line STREQUAL "")
      set(part "")
    else()
      if(part STREQUAL "" OR part STREQUAL "synopsis" OR part STREQUAL "options")
        set(part description)
        if(line MATCHES "^Exit status: *(.*)$")
          set(part exit)
          set(line "${CMAKE_MATCH_1}")
        endif()
        if(NOT ${part} STREQUAL "")
          string(APPEND ${part} ".PP\n")
        endif()
      endif()
      roff_escape("${line}" text)
      string(APPEND ${part} "${text}\n")
    endif()
  endwhile()
  string(TOUPPER "${NAME}" title)
  roff_escape("${NAME}" name)
  roff_escape("${SUMMARY}" summary)
  set(page ".TH ${title} 1 \"\" \"${NAME} ${VERSION}\" \"User Commands\"\n")
  string(APPEND page ".SH NAME\n${name} \\- ${summary}\n.SH SYNOPSIS\n.nf\n${synopsis}.fi\n")
  if(NOT description STREQUAL "")
    string(APPEND page ".SH DESCRIPTION\n${description}")
  endif()
  if(NOT options STREQUAL "")
    string(APPEND page ".SH OPTIONS\n${options}")
  endif()
  if(NOT exit STREQUAL "")
    string(APPEND page ".SH \"EXIT STATUS\"\n${exit}")
  endif()
  file(WRITE "${OUTPUT}" "${page}")
  return()
endif()

include(GNUInstallDirs)

# The manual page of the program built by target `program`, "program \- summary" in its NAME
# section and the rest from its --help, compressed and installed in section 1.
function(norvika_manual_page program summary)
  set(page ${CMAKE_BINARY_DIR}/man/${program}.1)
  add_custom_command(
    OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -D PROGRAM=$<TARGET_FILE:${program}> -D NAME=${program}
            "-D SUMMARY=${summary}" -D VERSION=${PROJECT_VERSION} -D OUTPUT=${page}
            -P ${CMAKE_SOURCE_DIR}/cmake/ManualPages.cmake
    COMMAND gzip -9nf ${page}
    DEPENDS ${program} ${CMAKE_SOURCE_DIR}/cmake/ManualPages.cmake
    COMMENT "Manual page of ${program} from its --help"
    VERBATIM)
  add_custom_target(${program}-manual-page ALL DEPENDS ${page}.gz)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
