# SPDX-FileCopyrightText: 2026 The acronym authors
# SPDX-License-Identifier: MIT
#
# Runs acronym and checks how it ends:
#   cmake -DPROGRAM=... "-DARGUMENTS=a|b" -DSTATUS=n [-DOUTPUT=regex] [-DERROR=regex]
#         [-DSCREENSHOT=file -DWIDTH=w -DHEIGHT=h | -DPDF=file | -DNO_FILE=file] -P run_acronym.cmake
# SCREENSHOT must be a PNG of that size afterwards, PDF a PDF; NO_FILE must not exist.

string(REPLACE "|" ";" ARGUMENTS "${ARGUMENTS}")
foreach(file IN ITEMS ${SCREENSHOT} ${PDF} ${NO_FILE})
    file(REMOVE "${file}")
endforeach()
execute_process(COMMAND "${PROGRAM}" ${ARGUMENTS}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE error)
if(NOT status EQUAL STATUS)
    message(FATAL_ERROR "exit status ${status}, not ${STATUS}\n${output}${error}")
endif()
if(DEFINED OUTPUT AND NOT output MATCHES "${OUTPUT}")
    message(FATAL_ERROR "standard output does not match ${OUTPUT}:\n${output}")
endif()
if(DEFINED ERROR AND NOT error MATCHES "${ERROR}")
    message(FATAL_ERROR "standard error does not match ${ERROR}:\n${error}")
endif()
if(DEFINED NO_FILE AND EXISTS "${NO_FILE}")
    message(FATAL_ERROR "${NO_FILE} was written")
endif()
if(DEFINED SCREENSHOT)
    file(READ "${SCREENSHOT}" header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 32 8 width)
    string(SUBSTRING "${header}" 40 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL WIDTH
            OR NOT height EQUAL HEIGHT)
        message(FATAL_ERROR "${SCREENSHOT}: signature ${signature}, ${width} x ${height}")
    endif()
endif()
if(DEFINED PDF)
    file(READ "${PDF}" header LIMIT 5 HEX)
    if(NOT header STREQUAL "255044462d") # "%PDF-"
        message(FATAL_ERROR "${PDF} is no PDF")
    endif()
endif()
