# The check that every header compiles on its own: one generated source a header, which includes
# only it, in object libraries linked by nothing.
#
# Most of the time went to parsing the same few base headers again for each header. A header that
# at least `share` others open with (among the run of #include lines, comments and
# `#pragma once` that opens a file), directly or through a header they open with, is therefore
# precompiled once, alone, with the check's flags: making it is its own check. Those headers are
# checked on top of it. That finds what compiling them alone finds: alone, the base is read whole
# before the header's own lines too, its includes are guarded, and a header of the opening run
# that leans on something it does not include itself fails its own check. A header that opens
# with no shared base is compiled alone, as before.

# kv_header_closure(header edges out): the headers of ours that `header` brings in through the
# include lists _<edges>_<header>, itself included.
function(kv_header_closure header edges out)
  get_property(_known GLOBAL PROPERTY KV_HEADER_${edges}_${header} SET)
  if(NOT _known)
    set(_closure ${header})
    foreach(_included ${_${edges}_${header}})
      kv_header_closure(${_included} ${edges} _sub)
      list(APPEND _closure ${_sub})
    endforeach()
    list(REMOVE_DUPLICATES _closure)
    set_property(GLOBAL PROPERTY KV_HEADER_${edges}_${header} "${_closure}")
  endif()
  get_property(_closure GLOBAL PROPERTY KV_HEADER_${edges}_${header})
  set(${out} "${_closure}" PARENT_SCOPE)
endfunction()

# kv_header_source(header out): the generated source that includes only `header`.
function(kv_header_source header out)
  string(MAKE_C_IDENTIFIER ${header} _name)
  set(_source ${CMAKE_CURRENT_BINARY_DIR}/alone/${_name}.cpp)
  file(CONFIGURE OUTPUT ${_source} CONTENT "#include \"${header}\"\n")
  set(${out} ${_source} PARENT_SCOPE)
endfunction()

# kv_header_check_library(name sources [base]): one object library of the check, compiled without
# optimisation or debug information (whether a header compiles is settled by the parse; both
# would only cost time), on top of the precompiled `base` where one is given.
function(kv_header_check_library name sources)
  add_library(${name} OBJECT ${sources})
  target_compile_options(${name} PRIVATE -O0 -g0)
  if(ARGC GREATER 2)
    # Quoted as written in the sources, found through the include path: the precompiled header's
    # own source then names no folder of this checkout, and a second clone finds it in the cache.
    target_precompile_headers(${name} PRIVATE "\"${ARGV2}\"")
  endif()
endfunction()

# kv_add_header_check(name share headers...): the check of `headers` (paths from the source top):
# the target `name` builds all of it, in object libraries for the headers compiled alone and for
# each base's followers.
# `share`: how many headers must take a base before it is made. Without precompiled headers
# (-DKV_PCH=OFF) every header is compiled alone.
function(kv_add_header_check name share)
  set(_headers ${ARGN})
  if(NOT KV_PCH)
    set(_sources)
    foreach(header ${_headers})
      kv_header_source(${header} _source)
      list(APPEND _sources ${_source})
    endforeach()
    kv_header_check_library(${name} "${_sources}")
    return()
  endif()

  # What each header includes of ours: all of it (for the weight of a base) and its opening run.
  foreach(header ${_headers})
    # A header's includes decide the check's grouping: an edit of them configures anew.
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${header})
    file(READ ${CMAKE_SOURCE_DIR}/${header} _text)
    # Into a list of lines: the characters that CMake's lists give a meaning to are set aside first.
    string(REGEX REPLACE "[][;\\\\]" " " _text "${_text}")
    string(REPLACE "\n" ";" _lines "${_text}")
    set(_all_${header})
    set(_opening_${header})
    set(_opening TRUE)
    foreach(_line IN LISTS _lines)
      if(_line MATCHES "^#include \"([^\"]+)\"")
        set(_included ${CMAKE_MATCH_1})
        if(_included IN_LIST _headers)
          list(APPEND _all_${header} ${_included})
          if(_opening)
            list(APPEND _opening_${header} ${_included})
          endif()
        endif()
      elseif(_line MATCHES "^[ \t]*(//.*)?$" OR _line MATCHES "^#pragma once[ \t]*$"
             OR _line MATCHES "^#include <[^>]+>[ \t]*$")
        # still the opening run
      else()
        set(_opening FALSE)
      endif()
    endforeach()
  endforeach()

  # The bases a header may be checked on: those it opens with, and theirs in turn. Each header
  # takes the heaviest of those that enough headers may take (the one that brings in most headers
  # of ours); a base that fewer than `share` headers take is dropped, until every base left is
  # taken enough. Making a base costs about three plain checks of it and some 60 MB of disk;
  # measured on the whole check of the tree, fewer and heavier bases paid best (`share` 4: 368
  # CPU-s, 6: 314, 9: 292, 13: 298, 20: 312; every header alone: 738).
  set(_bases)
  foreach(header ${_headers})
    kv_header_closure(${header} opening _reach)
    list(REMOVE_ITEM _reach ${header})
    set(_reach_${header} ${_reach})
    foreach(_included ${_reach})
      if(NOT _included IN_LIST _bases)
        list(APPEND _bases ${_included})
        set(_users_${_included} 0)
      endif()
      math(EXPR _users_${_included} "${_users_${_included}} + 1")
    endforeach()
  endforeach()
  set(_candidates)
  foreach(base ${_bases})
    if(_users_${base} GREATER_EQUAL share)
      list(APPEND _candidates ${base})
      kv_header_closure(${base} all _closure)
      list(LENGTH _closure _weight_${base})
    endif()
  endforeach()
  set(_changed TRUE)
  while(_changed)
    set(_changed FALSE)
    foreach(base ${_candidates})
      set(_taken_${base} 0)
    endforeach()
    foreach(header ${_headers})
      set(_choice_${header})
      set(_best 0)
      foreach(_included ${_reach_${header}})
        if(_included IN_LIST _candidates AND _weight_${_included} GREATER _best)
          set(_choice_${header} ${_included})
          set(_best ${_weight_${_included}})
        endif()
      endforeach()
      # A base itself is checked by being made, not on top of another base.
      if(_choice_${header} AND NOT header IN_LIST _candidates)
        math(EXPR _taken_${_choice_${header}} "${_taken_${_choice_${header}}} + 1")
      endif()
    endforeach()
    foreach(base ${_candidates})
      if(_taken_${base} LESS share)
        list(REMOVE_ITEM _candidates ${base})
        set(_changed TRUE)
      endif()
    endforeach()
  endwhile()

  # One object library for the headers compiled alone, and one for each base's followers.
  set(_alone)
  foreach(base ${_candidates})
    set(_followers_${base})
  endforeach()
  foreach(header ${_headers})
    if(header IN_LIST _candidates)
      continue()  # checked by being precompiled alone
    endif()
    kv_header_source(${header} _source)
    if(_choice_${header})
      list(APPEND _followers_${_choice_${header}} ${_source})
    else()
      list(APPEND _alone ${_source})
    endif()
  endforeach()
  # The check is one target to build: `name` stands for its libraries.
  add_custom_target(${name})
  if(_alone)
    kv_header_check_library(${name}_alone "${_alone}")
    add_dependencies(${name} ${name}_alone)
  endif()
  foreach(base ${_candidates})
    string(MAKE_C_IDENTIFIER ${base} _name)
    kv_header_check_library(${name}_on_${_name} "${_followers_${base}}" ${base})
    add_dependencies(${name} ${name}_on_${_name})
  endforeach()
endfunction()
