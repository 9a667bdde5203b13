# SPDX-FileCopyrightText: 2026 The acronym authors
# SPDX-License-Identifier: MIT
#
# Fails when a message of the program has no translation:
#   cmake -DLUPDATE=... -DTS="a.ts;b.ts" -DSOURCES="x.cpp;y.cpp" -DWORK=folder -P check_translations.cmake
# lupdate reads the sources into a copy of each .ts; a message it adds, or one left unfinished,
# has no translation.

foreach(ts IN LISTS TS)
    get_filename_component(name "${ts}" NAME)
    set(copy "${WORK}/${name}")
    configure_file("${ts}" "${copy}" COPYONLY)
    execute_process(COMMAND "${LUPDATE}" -silent -no-obsolete -locations none ${SOURCES} -ts "${copy}"
        RESULT_VARIABLE status ERROR_VARIABLE errors)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}:\n${errors}")
    endif()
    file(STRINGS "${copy}" lines)
    set(untranslated "")
    set(source "")
    foreach(line IN LISTS lines)
        if(line MATCHES "<source>(.*)</source>")
            set(source "${CMAKE_MATCH_1}")
        elseif(line MATCHES "type=\"unfinished\"")
            string(APPEND untranslated "\n  ${source}")
        endif()
    endforeach()
    if(untranslated)
        message(FATAL_ERROR "${name} has no translation for:${untranslated}")
    endif()
endforeach()
