# SPDX-FileCopyrightText: 2026 The acronym authors
# SPDX-License-Identifier: MIT
#
# Fails when docs/ does not hold the pages that the program writes today:
#   cmake -DPROGRAM=... -DDOCS=folder -DWORK=folder -P compare_docs.cmake

foreach(page IN ITEMS "index.html;--html" "editor.html;--html-editor" "player.html;--html-player")
    list(GET page 0 name)
    list(GET page 1 option)
    execute_process(COMMAND "${PROGRAM}" ${option} "${WORK}/${name}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${PROGRAM} ${option} failed with ${status}")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/${name}" "${DOCS}/${name}"
        RESULT_VARIABLE different)
    if(different)
        message(FATAL_ERROR "docs/${name} is not the page that the program writes; "
            "cmake --build --preset default --target docs_pages writes it anew")
    endif()
endforeach()
