# cmake -DMAPPING=… -DAUTHORS=… -DCREDITS=… -DOUTPUT=… -P GenerateIconCredits.cmake
cmake_minimum_required(VERSION 3.25)
#
# Writes the C++ table of ui/IconCredits.h: every icon named in mapping.tsv
# (the pictures) or in CREDITS.md (also the ornaments the generator draws
# without a mapping row), with its author from game-icons-authors.tsv and the
# pictures drawn from it. An icon without a creditable author stops the build.

set(cc0_author viscious-speed)
set(icons "")

file(STRINGS ${MAPPING} rows ENCODING UTF-8)
foreach(row IN LISTS rows)
  if(row MATCHES "^#" OR row MATCHES "^kind\t")
    continue()
  endif()
  string(REPLACE "\t" ";" fields "${row}")
  list(LENGTH fields count)
  if(count LESS 4)
    continue()
  endif()
  list(GET fields 2 picture)
  list(GET fields 3 motifs)
  string(REPLACE "," ";" motifs "${motifs}")
  foreach(icon IN LISTS motifs)
    list(APPEND icons ${icon})
    list(APPEND used_${icon} ${picture})
  endforeach()
endforeach()

file(STRINGS ${CREDITS} lines ENCODING UTF-8 REGEX "^- ")
foreach(line IN LISTS lines)
  if(line MATCHES "^- [^ ]+ \\(.*\\): (.+)$")
    string(REPLACE ", " ";" listed "${CMAKE_MATCH_1}")
    list(APPEND icons ${listed})
  endif()
endforeach()
list(REMOVE_DUPLICATES icons)
list(SORT icons)
foreach(icon IN LISTS icons)
  set(wanted_${icon} TRUE)
endforeach()

file(STRINGS ${AUTHORS} rows)
foreach(row IN LISTS rows)
  if(row MATCHES "^([^\t]+)\t([^\t]+)$")
    if(DEFINED wanted_${CMAKE_MATCH_1})
      set(author_${CMAKE_MATCH_1} ${CMAKE_MATCH_2})
    endif()
  endif()
endforeach()

set(table "")
foreach(icon IN LISTS icons)
  set(author "${author_${icon}}")
  if(author STREQUAL "" OR author STREQUAL "?" OR author STREQUAL "various-artists")
    message(FATAL_ERROR "icon '${icon}' has no creditable author in ${AUTHORS}")
  endif()
  if(author STREQUAL "${cc0_author}")
    set(licence "\"CC0 1.0\", \"https://creativecommons.org/publicdomain/zero/1.0/\"")
  else()
    set(licence "\"CC BY 3.0\", \"https://creativecommons.org/licenses/by/3.0/\"")
  endif()
  set(pictures "")
  if(DEFINED used_${icon})
    list(REMOVE_DUPLICATES used_${icon})
    list(JOIN used_${icon} "、" pictures)
  endif()
  string(APPEND table "    {\"${icon}\", \"${author}\", \"${pictures}\", ${licence}},\n")
endforeach()

file(WRITE ${OUTPUT}.new
"// Written by cmake/GenerateIconCredits.cmake from the artwork tables.
#include \"ui/IconCredits.h\"

namespace {

constexpr IconCredit kCredits[] = {
${table}};

}  // namespace

std::span<const IconCredit> IconCredits()
{
    return kCredits;
}
")
configure_file(${OUTPUT}.new ${OUTPUT} COPYONLY)
file(REMOVE ${OUTPUT}.new)
