# Puts `replacement` in place of `marker` in the text held by the variable named `var`. The marker
# must be there: a file that lost it stops the build rather than quietly going without what the
# marker stood for. `file` names the text in that message.
function(jsdebug_replace_marker var marker replacement file)
  string(FIND "${${var}}" "${marker}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${file} has no '${marker}' line")
  endif()
  string(REPLACE "${marker}" "${replacement}" replaced "${${var}}")
  set(${var} "${replaced}" PARENT_SCOPE)
endfunction()
