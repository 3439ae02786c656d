# The texts of the Windows zip in FOLDER end every line in CR LF, and its
# README.txt names every output format of "schedule".
# Usage: cmake -DFOLDER=BUILD/packaging -P check_windows_texts.cmake
foreach(name LICENSE.txt README.txt)
  # Read as bytes, since text hides carriage returns; in ASCII no match can
  # straddle two bytes.
  file(READ ${FOLDER}/${name} hex HEX)
  string(REGEX MATCHALL "0a" feeds "${hex}")
  string(REGEX MATCHALL "0d0a" breaks "${hex}")
  list(LENGTH feeds lines)
  list(LENGTH breaks ended)
  if(lines EQUAL 0 OR NOT lines EQUAL ended)
    message(FATAL_ERROR "${name} has no lines, or lines that do not end in CR LF")
  endif()
endforeach()
file(READ ${FOLDER}/README.txt readme)
foreach(format csv json svg html)
  if(NOT readme MATCHES "--format ${format}")
    message(FATAL_ERROR "README.txt does not mention --format ${format}")
  endif()
endforeach()
