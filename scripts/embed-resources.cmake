# Writes OUT, a C++ source holding every file of DIR as a byte array, named by its file name
# without the extension and typed by the extension (lower case): the program carries its own
# pictures and cursors and runs from any folder.
# Usage: cmake -DDIR=<resources> -DOUT=<file.cpp> -P embed-resources.cmake
file(GLOB files LIST_DIRECTORIES false "${DIR}/*")
list(SORT files)
set(arrays "")
set(table "")
set(index 0)
foreach(f ${files})
  get_filename_component(name "${f}" NAME_WE)
  get_filename_component(ext "${f}" LAST_EXT)
  string(SUBSTRING "${ext}" 1 -1 ext)
  string(TOLOWER "${ext}" ext)
  file(READ "${f}" hex HEX)
  file(SIZE "${f}" size)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND arrays "const unsigned char Data${index}[] = {${bytes}};\n")
  string(APPEND table "    {\"${name}\", \"${ext}\", Data${index}, ${size}},\n")
  math(EXPR index "${index} + 1")
endforeach()
if(index EQUAL 0)
  set(table "    {\"\", \"\", nullptr, 0},\n")
endif()
file(WRITE "${OUT}.tmp"
"// Generated from resources/ by scripts/embed-resources.cmake; do not edit.
#include \"platform/rtl/Resources.h\"

namespace {
${arrays}}  // namespace

extern const TResourceData ResourceTable[] = {
${table}};
extern const size_t ResourceCount = ${index};
")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
