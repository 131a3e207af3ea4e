# SPDX-FileCopyrightText: 2026 The Torvex developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DPAGE=<folder>/<page>.html -P check_help_page.cmake: every picture and link of the help
# page, as copied beside the game, leads somewhere: a file in its folder or an id of the page. The
# page shows at least one picture (the frog). A broken page is removed, so the build stops again
# until it is mended.
cmake_minimum_required(VERSION 3.25)
get_filename_component(folder "${PAGE}" DIRECTORY)
file(READ "${PAGE}" page)

# The values of every name="..." attribute of the page.
function(attribute_values name out)
  string(REGEX MATCHALL "[ \t\r\n]${name}=\"[^\"]*\"" found "${page}")
  list(TRANSFORM found REPLACE "^[ \t\r\n]${name}=\"([^\"]*)\"$" "\\1")
  set(${out} ${found} PARENT_SCOPE)
endfunction()

attribute_values(id ids)
attribute_values(src pictures)
attribute_values(href links)
set(broken)
if(NOT pictures)
  list(APPEND broken "no picture")
endif()
foreach(target IN LISTS pictures links)
  string(REGEX REPLACE "^#" "" anchor "${target}")
  if(NOT anchor STREQUAL target)
    if(NOT anchor IN_LIST ids)
      list(APPEND broken "${target} (no such id)")
    endif()
  elseif(NOT EXISTS "${folder}/${target}" OR IS_DIRECTORY "${folder}/${target}")
    list(APPEND broken "${target} (no such file)")
  endif()
endforeach()
if(broken)
  file(REMOVE "${PAGE}")
  list(JOIN broken ", " broken)
  message(FATAL_ERROR "${PAGE}: leads nowhere: ${broken}")
endif()
