# The package description's wrap: filled to the width, paragraphs kept, a word
# that begins with a dot never first on a line. With -DREFUSED=ON: a paragraph
# that begins with a dot stops the configuration.
include(${SOURCE_DIR}/cmake/deb_description.cmake)
if(REFUSED)
  tilesmith_wrap_description(_out "fine\n\n.hidden" 20)
  return()
endif()
set(_cases
  "one two three four five six|one two three four\nfive six"
  "first  paragraph\n  \nsecond|first paragraph\n\nsecond"
  "aaaa bbbb cccc dddd .eee|aaaa bbbb cccc\ndddd .eee"
  "levels (.phd, .tub, .tr2) too|levels\n(.phd, .tub, .tr2)\ntoo")
foreach(_case IN LISTS _cases)
  string(REPLACE "|" ";" _case "${_case}")
  list(GET _case 0 _in)
  list(GET _case 1 _want)
  tilesmith_wrap_description(_out "${_in}" 20)
  if(NOT _out STREQUAL _want)
    message(SEND_ERROR "\"${_in}\" wrapped as\n${_out}\nnot\n${_want}")
  endif()
endforeach()
