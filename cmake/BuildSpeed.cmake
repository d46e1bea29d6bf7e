# A cheaper clean build, same flags and warnings: the sources of each library and each test
# program are compiled in batches (one compiler run for several .cpp files), and each of them
# precompiles the headers that nearly all of its files include.
#
# The libraries precompile the standard library's staples, which every one of their files
# parses (some 70,000 lines before a line of our own), and those that link the toolkit its common
# headers too. Where the headers and the flags are the same, targets share one precompiled
# header instead of making their own (kv_shared_precompile). Their batches are smaller than the test programs' (an edit of a library file
# recompiles its batch neighbours) and made folder by folder, so that a file added to one family
# of chart/series or chart/tools moves only that folder's batches.
#
# The batches are written here instead of by CMake's own unity build because theirs include the
# sources by absolute path: __FILE__ (in every test assertion) and the line markers then carry
# the checkout's folder, so a second clone of the same commit could not reuse the compiler cache.
# Ours include "folder/File.cpp" relative to the source top, found through its include path.
#
# The files of a batch share one translation unit: two of them may not define the same name at
# file scope, even inside an anonymous namespace or as `static` (give the helper a name of its
# own, or move a shared one into a header), and a `using namespace` or a #define at file scope
# reaches the files after it. A file that cannot live with that opts out in its library's
# CMakeLists.txt, after kv_add_library:
#   set_source_files_properties(series/Foo.cpp PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
#
# -DKV_UNITY=OFF / -DKV_PCH=OFF compile every file on its own, without the precompiled headers:
# the way to find a file that leans on an include of another file of its batch.
option(KV_UNITY "Compile the .cpp files of each library and test program in batches" ON)
set(KV_UNITY_BATCH_SIZE 8 CACHE STRING "Largest number of a test program's .cpp files compiled together")
set(KV_LIBRARY_BATCH_SIZE 6 CACHE STRING "Largest number of a library's .cpp files compiled together")
option(KV_PCH "Precompile the common headers of the libraries and the test programs" ON)
# The debug information of the test programs, benchmarks and fuzz harnesses: line tables and
# function names (-g1), which is what a backtrace, a sanitizer's report, a profile and a debugger's
# stepping by line need. Full information (the types and local variables, -g) made up a third of
# the test programs' compile time; a developer who wants it for a debugging session sets
# -DKV_TEST_DEBUG_INFO=-g. The libraries keep -g: scripts/check-odr reads their types.
set(KV_TEST_DEBUG_INFO -g1 CACHE STRING
    "Debug information option of the test programs', benchmarks' and fuzz harnesses' own files")
# Linked by those programs (and by the test programs' shared precompiled headers, which must be
# made with the same kind of debug information): its option comes after every file's -g.
add_library(kv_test_debug_info INTERFACE)
target_compile_options(kv_test_debug_info INTERFACE ${KV_TEST_DEBUG_INFO})

# The standard library's staples, which nearly every file includes through our headers.
set(KV_STD_PCH <algorithm> <cmath> <cstdint> <functional> <map> <memory> <set> <sstream> <string>
               <vector>)
# What every test program's files include: the test framework and the staples.
set(KV_TEST_PCH <gtest/gtest.h> <gmock/gmock.h> ${KV_STD_PCH})
# What the files of the test programs that drive widgets include.
set(KV_TOOLKIT_PCH <QApplication> <QWidget> <QEvent> <QKeyEvent> <QMouseEvent> <QTimer>
                   <QImage> <QPainter> <QString>)
# What the files of the platform's drawing layer include (it links the toolkit's GUI module only).
set(KV_DRAWING_PCH <QImage> <QPainter> <QString>)

# kv_unity_batches(target size [BY_FOLDER]): replaces the target's .cpp files by batches of at
# most `size` of them, in the order of the file list. BY_FOLDER: the files of each folder are
# batched apart, so that a file added to one family's folder moves only that folder's batches.
# A file with compile settings of its own (definitions, options), a file that opts out with
#   set_source_files_properties(Foo.cpp PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
# and a generated file keep their own compiler run. Call it once all sources of the target are
# given (a deferred call).
function(kv_unity_batches target size)
  if(NOT KV_UNITY)
    return()
  endif()
  set(_by_folder FALSE)
  if("BY_FOLDER" IN_LIST ARGN)
    set(_by_folder TRUE)
  endif()
  get_target_property(_sources ${target} SOURCES)
  get_target_property(_dir ${target} SOURCE_DIR)
  set(_groups)
  set(_kept)
  foreach(_s ${_sources})
    cmake_path(ABSOLUTE_PATH _s BASE_DIRECTORY ${_dir} NORMALIZE OUTPUT_VARIABLE _abs)
    set(_alone FALSE)
    if(NOT _abs MATCHES "\\.cpp$" OR _abs MATCHES "^${CMAKE_BINARY_DIR}/"
       OR NOT _abs MATCHES "^${CMAKE_SOURCE_DIR}/")
      set(_alone TRUE)
    endif()
    foreach(_p COMPILE_DEFINITIONS COMPILE_OPTIONS COMPILE_FLAGS INCLUDE_DIRECTORIES
               SKIP_UNITY_BUILD_INCLUSION)
      get_source_file_property(_v ${_s} TARGET_DIRECTORY ${target} ${_p})
      if(_v)
        set(_alone TRUE)
      endif()
    endforeach()
    if(_alone)
      list(APPEND _kept ${_abs})
    else()
      set(_group all)
      if(_by_folder)
        cmake_path(GET _abs PARENT_PATH _folder)
        file(RELATIVE_PATH _group ${_dir} ${_folder})
        string(MAKE_C_IDENTIFIER "f_${_group}" _group)
      endif()
      if(NOT _group IN_LIST _groups)
        list(APPEND _groups ${_group})
        set(_files_${_group})
      endif()
      list(APPEND _files_${_group} ${_abs})
    endif()
  endforeach()
  get_target_property(_bin ${target} BINARY_DIR)
  set(_out ${_bin}/unity/${target})
  set(_new)
  foreach(_group ${_groups})
    list(LENGTH _files_${_group} _count)
    if(_count LESS 2)
      list(APPEND _kept ${_files_${_group}})
      continue()
    endif()
    # As many batches as needed, their sizes as even as may be.
    math(EXPR _batches "(${_count} + ${size} - 1) / ${size}")
    math(EXPR _last "${_batches} - 1")
    set(_name batch)
    if(_by_folder)
      set(_name ${_group}_)
    endif()
    foreach(_b RANGE ${_last})
      math(EXPR _from "${_b} * ${_count} / ${_batches}")
      math(EXPR _to "(${_b} + 1) * ${_count} / ${_batches}")
      set(_text "// Generated by cmake/BuildSpeed.cmake: files of ${target} compiled together.\n")
      math(EXPR _to1 "${_to} - 1")
      foreach(_i RANGE ${_from} ${_to1})
        list(GET _files_${_group} ${_i} _f)
        file(RELATIVE_PATH _rel ${CMAKE_SOURCE_DIR} ${_f})
        string(APPEND _text "#include \"${_rel}\"\n")
      endforeach()
      # Written only when it changes, so that a new configure does not rebuild every batch.
      file(CONFIGURE OUTPUT ${_out}/${_name}${_b}.cpp CONTENT "${_text}")
      list(APPEND _new ${_out}/${_name}${_b}.cpp)
    endforeach()
  endforeach()
  if(NOT _new)
    return()
  endif()
  # GCC warns of a class that has a member or base from an anonymous namespace when the class
  # is defined outside the main file, as a header's would be; a batch's files are all outside it,
  # and a test fixture in an anonymous namespace under TEST_F is the normal case there. Compiled
  # alone (KV_UNITY=OFF), every file still gets the warning, and every header does in
  # kv_header_check.
  set_source_files_properties(${_new} TARGET_DIRECTORY ${target} PROPERTIES
                              COMPILE_OPTIONS -Wno-subobject-linkage)
  set_property(TARGET ${target} PROPERTY SOURCES ${_kept} ${_new})
endfunction()

# kv_precompile(target header...): the headers precompiled once for the target's files.
function(kv_precompile target)
  if(KV_PCH)
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
endfunction()

# Whether a target links a library whose name matches the regular expression `lib`, directly or
# through a library. The toolkit's targets are known only in the folders that look for them:
# elsewhere a name is all there is to go by.
function(kv_links target lib result)
  set(_seen)
  set(_todo ${target})
  set(${result} FALSE PARENT_SCOPE)
  while(_todo)
    list(POP_FRONT _todo _t)
    if(_t MATCHES "^${lib}$")
      set(${result} TRUE PARENT_SCOPE)
      return()
    endif()
    if(_t IN_LIST _seen OR NOT TARGET ${_t})
      continue()
    endif()
    list(APPEND _seen ${_t})
    get_target_property(_type ${_t} TYPE)
    get_target_property(_links ${_t} INTERFACE_LINK_LIBRARIES)
    if(_links)
      list(APPEND _todo ${_links})
    endif()
    if(NOT _type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(_links ${_t} LINK_LIBRARIES)
      if(_links)
        list(APPEND _todo ${_links})
      endif()
    endif()
  endwhile()
endfunction()

# kv_shared_precompile(target name "headers" libs...): the headers precompiled once for every
# target of the group `name`, by a small object library of its own that links `libs` (what
# decides the group's compile flags and definitions), and reused by each target of the group.
# GCC refuses a precompiled header made with other code-generation flags (-fPIC, which the
# toolkit asks for) or other values of the macros it reads, and -Winvalid-pch with -Werror makes
# that an error: a group is made of targets that agree on both.
function(kv_shared_precompile target name headers)
  if(NOT KV_PCH)
    return()
  endif()
  set(_donor kv_pch_${name})
  if(NOT TARGET ${_donor})
    if("Qt6::Core" IN_LIST ARGN AND NOT TARGET Qt6::Core)
      find_package(Qt6 REQUIRED COMPONENTS Core)
    endif()
    set(_source ${CMAKE_BINARY_DIR}/pch/${name}.cpp)
    file(CONFIGURE OUTPUT ${_source}
         CONTENT "// Generated by cmake/BuildSpeed.cmake: the precompiled headers of ${name}.\n")
    add_library(${_donor} OBJECT ${_source})
    target_link_libraries(${_donor} PRIVATE ${ARGN})
    target_precompile_headers(${_donor} PRIVATE ${headers})
  endif()
  target_precompile_headers(${target} REUSE_FROM ${_donor})
endfunction()

# kv_speed_up_library(target): batches and precompiled headers for a library of ours, once its
# CMakeLists.txt has given its sources, their settings and its links. The toolkit's headers only
# where the library links the toolkit itself: elsewhere they would be parsed for nothing. The
# libraries with the standard staples alone share their precompiled header, one for those that
# link the toolkit (and so compile with -fPIC) and one for the others.
function(kv_speed_up_library target)
  cmake_language(EVAL CODE "cmake_language(DEFER CALL kv_speed_up_library_now ${target})")
endfunction()
function(kv_speed_up_library_now target)
  get_target_property(_links ${target} LINK_LIBRARIES)
  if("Qt6::Widgets" IN_LIST _links)
    kv_precompile(${target} ${KV_STD_PCH} ${KV_TOOLKIT_PCH})
  elseif("Qt6::Gui" IN_LIST _links)
    kv_precompile(${target} ${KV_STD_PCH} ${KV_DRAWING_PCH})
  else()
    kv_links(${target} "Qt6::.*" _qt)
    if(_qt)
      kv_shared_precompile(${target} library_qt "${KV_STD_PCH}" Qt6::Core)
    else()
      kv_shared_precompile(${target} library "${KV_STD_PCH}")
    endif()
  endif()
  kv_unity_batches(${target} ${KV_LIBRARY_BATCH_SIZE} BY_FOLDER)
endfunction()

# kv_speed_up_test(target): batches and precompiled headers for a test program. The test
# programs share three precompiled headers (the toolkit's widgets or not, the toolkit at all or
# not), each made once instead of once a program.
function(kv_speed_up_test target)
  # The toolkit's headers where the test program's folder looks for its widgets, as before.
  set(_toolkit FALSE)
  if(TARGET Qt6::Widgets)
    kv_links(${target} "Qt6::Widgets" _toolkit)
  endif()
  kv_links(${target} "Qt6::.*" _qt)
  target_link_libraries(${target} PRIVATE kv_test_debug_info)
  if(_toolkit)
    kv_shared_precompile(${target} test_toolkit "${KV_TEST_PCH};${KV_TOOLKIT_PCH}"
                         GTest::gtest GTest::gmock Qt6::Widgets kv_test_debug_info)
  elseif(_qt)
    kv_shared_precompile(${target} test_qt "${KV_TEST_PCH}" GTest::gtest GTest::gmock Qt6::Core
                         kv_test_debug_info)
  else()
    kv_shared_precompile(${target} test "${KV_TEST_PCH}" GTest::gtest GTest::gmock
                         kv_test_debug_info)
  endif()
  kv_unity_batches(${target} ${KV_UNITY_BATCH_SIZE})
endfunction()
