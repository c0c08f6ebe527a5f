# Writes the application entry with Exec pointing at an executable. Used at
# configure time, at install time (with the prefix given to cmake --install)
# and by validate.cmake.

# Sets out to argument written as one Exec argument in a desktop file: quoted
# when it holds a character that means something on an Exec line, with ", `,
# $ and \ escaped inside the quotes; % doubled; then backslashes, newlines,
# tabs and carriage returns escaped once more as every desktop file value is.
function(km7_exec_argument out argument)
  set(text "${argument}")
  string(REPLACE "%" "%%" text "${text}")
  if(text STREQUAL "" OR text MATCHES "[ \t\n\"'\\\\><~|&;$*?#()`]")
    string(REPLACE "\\" "\\\\" text "${text}")
    string(REPLACE "\"" "\\\"" text "${text}")
    string(REPLACE "`" "\\`" text "${text}")
    string(REPLACE "$" "\\$" text "${text}")
    set(text "\"${text}\"")
  endif()
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\n" "\\n" text "${text}")
  string(REPLACE "\t" "\\t" text "${text}")
  string(REPLACE "\r" "\\r" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Configures source (with @KM7_INSTALL_EXEC@ on its Exec line) into output.
function(km7_configure_desktop_entry source output executable)
  km7_exec_argument(KM7_INSTALL_EXEC "${executable}")
  configure_file("${source}" "${output}" @ONLY)
endfunction()
