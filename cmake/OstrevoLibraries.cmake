# The libraries of Ostrevo, and the rule that keeps windows out of the core.
#
# Each area has a core library (records, files, calculations) and a windows
# library on top of it. A core library is made with ostrevo_core_library: it
# may not link ostrevo_forms, ostrevo_qtui or Qt, directly or through any
# library it links, and none of its sources may include a header of forms or
# qtui or a Qt header, directly or through the headers they include.
# ostrevo_check_core_libraries(), called once every target exists, checks
# both and stops the configuration with the path that breaks the rule.
# A library opts in with one line: ostrevo_core_library in place of
# ostrevo_library, or ostrevo_mark_core_library(<name>) after it.
#
# An area's windows library is made with ostrevo_windows_library: each of
# its sources is named frm_*, and in the folders of its sources every file
# that includes a header of forms or qtui or a Qt header is named frm_*, so
# a file's name tells whether it is window code.

# Our own targets are built with the flags in OSTREVO_WARNING_FLAGS.
function(ostrevo_warnings target)
  target_compile_options(${target} PRIVATE ${OSTREVO_WARNING_FLAGS})
endfunction()

# One static library; sources and the libraries it links are listed by the
# folder's CMakeLists.
function(ostrevo_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  ostrevo_warnings(${name})
endfunction()

# True in `out` when a library named `item` is a window library: forms,
# qtui or any part of Qt.
function(ostrevo_is_window_library item out)
  set(window FALSE)
  if(item MATCHES "^(ostrevo_forms|ostrevo_qtui)$" OR item MATCHES "^Qt[0-9]*::"
     OR item MATCHES "(^|/)(lib)?Qt[0-9]+[A-Za-z]")
    set(window TRUE)
  endif()
  set(${out} ${window} PARENT_SCOPE)
endfunction()

# A core library: as ostrevo_library, but a window library among its DEPS
# is refused at once, and the library is checked by
# ostrevo_check_core_libraries.
function(ostrevo_core_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  foreach(dep IN LISTS ARG_DEPS)
    ostrevo_is_window_library("${dep}" window)
    if(window)
      message(FATAL_ERROR "Core library ${name} may not link ${dep}: a core library sees no window. "
                          "Put the code that needs ${dep} in the area's windows library.")
    endif()
  endforeach()
  ostrevo_library(${name} ${ARGN})
  ostrevo_mark_core_library(${name})
endfunction()

# True in `out` when an #include line `line` names a header of forms or qtui
# or a Qt header, in quotes or in angle brackets alike; the name in `name`.
function(_ostrevo_window_include line out name)
  set(window FALSE)
  set(header "")
  if(line MATCHES "#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"]")
    set(header "${CMAKE_MATCH_1}")
    string(REGEX REPLACE "^(\\.\\./)+" "" bare "${header}")
    if(bare MATCHES "^(forms|qtui)/" OR bare MATCHES "^Q[A-Za-z]")
      set(window TRUE)
    endif()
  endif()
  set(${out} ${window} PARENT_SCOPE)
  set(${name} "${header}" PARENT_SCOPE)
endfunction()

# An area's windows library: as ostrevo_library, but configuring stops when
# one of its sources is not named frm_*, or when a file beside its sources
# that is not named frm_* includes a header of forms, qtui or Qt.
function(ostrevo_windows_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  set(folders "")
  foreach(source IN LISTS ARG_SOURCES)
    get_filename_component(path "${source}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    file(RELATIVE_PATH shown "${PROJECT_SOURCE_DIR}" "${path}")
    get_filename_component(file "${path}" NAME)
    if(NOT file MATCHES "^frm_")
      message(FATAL_ERROR "Windows library ${name} holds ${shown}, which is not named frm_*. "
                          "Window code is named frm_*; put the rest in the area's core library.")
    endif()
    get_filename_component(folder "${path}" DIRECTORY)
    list(APPEND folders "${folder}")
  endforeach()
  list(REMOVE_DUPLICATES folders)
  foreach(folder IN LISTS folders)
    file(GLOB files LIST_DIRECTORIES false "${folder}/*.h" "${folder}/*.cpp")
    list(SORT files)
    foreach(path IN LISTS files)
      get_filename_component(file "${path}" NAME)
      if(file MATCHES "^frm_")
        continue()
      endif()
      file(STRINGS "${path}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
      foreach(line IN LISTS lines)
        _ostrevo_window_include("${line}" window header)
        if(window)
          file(RELATIVE_PATH shown "${PROJECT_SOURCE_DIR}" "${path}")
          message(FATAL_ERROR "${shown} includes ${header} but is not named frm_*. "
                              "Name window code frm_*, or move what needs no window out of it.")
        endif()
      endforeach()
    endforeach()
  endforeach()
  ostrevo_library(${name} ${ARGN})
endfunction()

# Marks an existing library as a core library, for the check.
function(ostrevo_mark_core_library name)
  set_property(GLOBAL APPEND PROPERTY OSTREVO_CORE_LIBRARIES ${name})
endfunction()

# The items of a link list property of `target`, with $<LINK_ONLY:...>
# unwrapped and without the directory markers ::@(...).
function(_ostrevo_link_items target property out)
  get_target_property(items ${target} ${property})
  set(result "")
  if(items)
    foreach(item IN LISTS items)
      if(item MATCHES "^::@")
        continue()
      endif()
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" item "${item}")
      list(APPEND result "${item}")
    endforeach()
  endif()
  set(${out} "${result}" PARENT_SCOPE)
endfunction()

# Walks the link closure of `target`; on a window library, stops with the
# chain of libraries that leads to it. `chain` is the path so far.
function(_ostrevo_check_links core target chain)
  get_property(seen GLOBAL PROPERTY _OSTREVO_SEEN_${core})
  if(target IN_LIST seen)
    return()
  endif()
  set_property(GLOBAL APPEND PROPERTY _OSTREVO_SEEN_${core} ${target})
  set(items "")
  get_target_property(type ${target} TYPE)
  get_target_property(imported ${target} IMPORTED)
  if(NOT type STREQUAL "INTERFACE_LIBRARY" AND NOT imported)
    _ostrevo_link_items(${target} LINK_LIBRARIES direct)
    list(APPEND items ${direct})
  endif()
  _ostrevo_link_items(${target} INTERFACE_LINK_LIBRARIES interface)
  list(APPEND items ${interface})
  list(REMOVE_DUPLICATES items)
  foreach(item IN LISTS items)
    ostrevo_is_window_library("${item}" window)
    if(window)
      message(FATAL_ERROR "Core library ${core} links a window library: ${chain} -> ${item}. "
                          "A core library links no forms, qtui or Qt, not even through another library; "
                          "link the windows library instead where windows are needed.")
    endif()
    if(TARGET ${item})
      set(linked ${item})
      get_target_property(aliased ${item} ALIASED_TARGET)
      if(aliased)
        set(linked ${aliased})
      endif()
      _ostrevo_check_links(${core} ${linked} "${chain} -> ${item}")
    endif()
  endforeach()
endfunction()

# The file an #include line `line` naming `name` in `from` opens: for
# "name" next to `from`, else in one of `dirs`; for <name> in one of `dirs`.
# Empty when none exists (a system header is none of ours).
function(_ostrevo_find_header line name from dirs out)
  set(here "")
  if(line MATCHES "#[ \t]*include[ \t]*\"")
    get_filename_component(here "${from}" DIRECTORY)
  endif()
  foreach(dir IN ITEMS ${here} LISTS dirs)
    if(EXISTS "${dir}/${name}" AND NOT IS_DIRECTORY "${dir}/${name}")
      get_filename_component(found "${dir}/${name}" REALPATH)
      set(${out} "${found}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${out} "" PARENT_SCOPE)
endfunction()

# Follows the #include lines of the core library's sources through the
# headers they reach; on a header of forms, qtui or Qt, stops with the chain
# of files that leads to it.
function(_ostrevo_check_includes core)
  get_target_property(sources ${core} SOURCES)
  get_target_property(sourceDir ${core} SOURCE_DIR)
  get_target_property(dirs ${core} INCLUDE_DIRECTORIES)
  if(NOT dirs)
    set(dirs "")
  endif()
  list(FILTER dirs EXCLUDE REGEX "\\$<")
  set(queue "")
  foreach(source IN LISTS sources)
    if(source MATCHES "\\$<")
      continue()
    endif()
    get_filename_component(path "${source}" ABSOLUTE BASE_DIR "${sourceDir}")
    list(APPEND queue "${path}")
    string(MD5 key "${path}")
    set(_via_${key} "")
  endforeach()
  set(done "")
  while(queue)
    list(POP_FRONT queue file)
    if(file IN_LIST done)
      continue()
    endif()
    list(APPEND done "${file}")
    file(RELATIVE_PATH shown "${PROJECT_SOURCE_DIR}" "${file}")
    string(MD5 key "${file}")
    set(chain "${_via_${key}}${shown}")
    file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS lines)
      _ostrevo_window_include("${line}" window name)
      if(name STREQUAL "")
        continue()
      endif()
      if(NOT window)
        _ostrevo_find_header("${line}" "${name}" "${file}" "${dirs}" header)
        if(header AND NOT header IN_LIST done)
          list(APPEND queue "${header}")
          string(MD5 headerKey "${header}")
          if(NOT DEFINED _via_${headerKey})
            set(_via_${headerKey} "${chain} includes ")
          endif()
        endif()
      endif()
      if(window)
        message(FATAL_ERROR "Core library ${core} sees a window: ${chain} includes ${name}. "
                            "A core library includes no header of forms, qtui or Qt; "
                            "move the code that needs it to the area's windows library.")
      endif()
    endforeach()
  endwhile()
endfunction()

# Checks every core library; call once, after every target is made.
function(ostrevo_check_core_libraries)
  get_property(cores GLOBAL PROPERTY OSTREVO_CORE_LIBRARIES)
  foreach(core IN LISTS cores)
    _ostrevo_check_links(${core} ${core} ${core})
    _ostrevo_check_includes(${core})
  endforeach()
endfunction()
