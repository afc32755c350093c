# find_game_font(VAR FILE_NAME FONTCONFIG_PATTERN FOLDER...)
# Sets the cache variable VAR to the path of the font file FILE_NAME: kept
# when already set, else fontconfig's match for the pattern when it is that
# very file (fc-match falls back to any font it has), else FILE_NAME found in
# one of the folders. Fails the configuration naming the missing font.
function(find_game_font var file_name pattern)
  if(${var})
    return()
  endif()
  find_program(FC_MATCH fc-match)
  if(FC_MATCH)
    execute_process(COMMAND ${FC_MATCH} -f "%{file}" "${pattern}"
      OUTPUT_VARIABLE matched RESULT_VARIABLE status ERROR_QUIET)
    get_filename_component(matched_name "${matched}" NAME)
    if(status EQUAL 0 AND matched_name STREQUAL file_name AND EXISTS "${matched}")
      set(${var} "${matched}" CACHE FILEPATH "Font file ${file_name}")
      return()
    endif()
  endif()
  find_file(${var} ${file_name} PATHS ${ARGN} NO_DEFAULT_PATH)
  if(NOT ${var})
    message(FATAL_ERROR "The font ${file_name} (${pattern}) was not found: install it "
      "(Debian: fonts-liberation, fonts-dejavu-core) or set -D${var}=/path/to/${file_name}")
  endif()
endfunction()
