# montivant_check_fonts(): warns, at configure time, when the machine lacks
# Liberation Sans. MONTIVANT_FONT_QUERY (a cache variable, for tests) is the
# family that is looked for.
set(MONTIVANT_FONT_QUERY "Liberation Sans" CACHE STRING "Font family the windows are laid out for")
mark_as_advanced(MONTIVANT_FONT_QUERY)

function(montivant_check_fonts)
  set(found FALSE)
  find_program(MONTIVANT_FC_LIST fc-list)
  mark_as_advanced(MONTIVANT_FC_LIST)
  if(MONTIVANT_FC_LIST)
    execute_process(COMMAND ${MONTIVANT_FC_LIST} "${MONTIVANT_FONT_QUERY}" family
                    OUTPUT_VARIABLE families ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    string(FIND "${families}" "${MONTIVANT_FONT_QUERY}" at)
    if(NOT at EQUAL -1)
      set(found TRUE)
    endif()
  elseif(MONTIVANT_FONT_QUERY STREQUAL "Liberation Sans")
    # No fontconfig tools: look where Debian puts the font.
    find_file(MONTIVANT_LIBERATION_SANS NAMES LiberationSans-Regular.ttf
              PATHS /usr/share/fonts /usr/local/share/fonts
              PATH_SUFFIXES truetype/liberation truetype/liberation2 liberation NO_DEFAULT_PATH)
    mark_as_advanced(MONTIVANT_LIBERATION_SANS)
    if(MONTIVANT_LIBERATION_SANS)
      set(found TRUE)
    endif()
  endif()
  if(NOT found)
    message(WARNING
      "The font \"${MONTIVANT_FONT_QUERY}\" is not installed on this machine. The program's "
      "windows are laid out for its metrics (those of Arial): without it another, wider font "
      "stands in and texts are cut in every window. Install the package fonts-liberation "
      "(apt-get install fonts-liberation) on every machine the program runs on; the .deb "
      "package depends on it.")
  endif()
endfunction()
