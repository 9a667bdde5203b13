# SPDX-FileCopyrightText: 2026 The acronym authors
# SPDX-License-Identifier: MIT
#
# Runs `acronym --screenshot FILE` and checks that FILE is a PNG of the window's size.
# cmake -DPROGRAM=... -DFILE=... -DWIDTH=... -DHEIGHT=... -P screenshot_check.cmake

file(REMOVE "${FILE}")
execute_process(COMMAND "${PROGRAM}" --screenshot "${FILE}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "acronym --screenshot exited with ${status}")
endif()
file(READ "${FILE}" header LIMIT 24 HEX)
string(SUBSTRING "${header}" 0 16 signature)
string(SUBSTRING "${header}" 32 8 width)
string(SUBSTRING "${header}" 40 8 height)
math(EXPR width "0x${width}")
math(EXPR height "0x${height}")
if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL WIDTH OR NOT height EQUAL HEIGHT)
    message(FATAL_ERROR "${FILE}: signature ${signature}, ${width} x ${height}")
endif()
