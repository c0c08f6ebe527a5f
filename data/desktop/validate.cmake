# Validates the application entry and the AppStream metainfo.
#
#   cmake -DDESKTOP_FILE_VALIDATE=<path or empty> -DAPPSTREAMCLI=<path or empty>
#         -DDESKTOP_FILE=<configured .desktop> -DDESKTOP_TEMPLATE=<.desktop source>
#         -DMETAINFO_FILE=<.metainfo.xml> -DWORK_DIR=<scratch folder>
#         -P validate.cmake
#
# Fails on any error or warning of desktop-file-validate and on any error of
# appstreamcli. When a validator is missing, the other still runs and the
# script then prints "KM7-SKIP: ...", which the test registration turns into
# a skipped test.

cmake_minimum_required(VERSION 3.22)
include("${CMAKE_CURRENT_LIST_DIR}/desktop_entry.cmake")

foreach(file IN ITEMS "${DESKTOP_FILE}" "${DESKTOP_TEMPLATE}" "${METAINFO_FILE}")
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "missing file: ${file}")
  endif()
endforeach()

# An install prefix full of characters that need quoting on the Exec line
# must come out exactly so: quoted, ", $ and \ escaped for the quotes, the
# backslashes escaped once more for the file, % doubled.
set(awkward_executable "/opt/My Apps/a\"b$c\\d%e/km7-config")
set(expected_exec "\"/opt/My Apps/a\\\\\"b\\\\$c\\\\\\\\d%%e/km7-config\"")
km7_exec_argument(exec "${awkward_executable}")
if(NOT exec STREQUAL expected_exec)
  message(FATAL_ERROR "Exec for ${awkward_executable}:\n  got      ${exec}\n  expected ${expected_exec}")
endif()

set(missing "")

function(validate_desktop_file file)
  execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${file}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  message("desktop-file-validate ${file}: exit ${result}\n${output}")
  # SingleMainWindow came with version 1.5 of the desktop entry format;
  # validators older than that (desktop-file-utils 0.26 in Debian 12) call it
  # an unknown key. Desktops that know it honour it, the others ignore it, so
  # that one complaint is not held against the file.
  string(REGEX REPLACE "[^\n]*key \"SingleMainWindow\" in group \"Desktop Entry\", but keys extending the format should start with \"X-\"[^\n]*\n?"
         "" remaining "${output}")
  if(NOT remaining STREQUAL output)
    message("(not counted: SingleMainWindow, unknown to this validator)")
  endif()
  if(remaining MATCHES "(error|warning):")
    message(FATAL_ERROR "desktop-file-validate found problems in ${file}")
  endif()
  if(NOT result EQUAL 0 AND remaining STREQUAL output)
    message(FATAL_ERROR "desktop-file-validate failed on ${file}")
  endif()
endfunction()

if(DESKTOP_FILE_VALIDATE)
  validate_desktop_file("${DESKTOP_FILE}")
  file(MAKE_DIRECTORY "${WORK_DIR}")
  km7_configure_desktop_entry("${DESKTOP_TEMPLATE}" "${WORK_DIR}/org.km7.Config.desktop" "${awkward_executable}")
  validate_desktop_file("${WORK_DIR}/org.km7.Config.desktop")
else()
  list(APPEND missing "desktop-file-validate (package desktop-file-utils)")
endif()

if(APPSTREAMCLI)
  execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net "${METAINFO_FILE}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  message("appstreamcli validate --no-net ${METAINFO_FILE}: exit ${result}\n${output}")
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "appstreamcli found problems in ${METAINFO_FILE}")
  endif()
else()
  list(APPEND missing "appstreamcli (package appstream)")
endif()

if(missing)
  list(JOIN missing ", " missing)
  message("KM7-SKIP: not installed: ${missing}")
endif()
