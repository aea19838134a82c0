# Library `iconcredits`: the table behind ui/IconCredits.h, written at build
# time from the artwork tables, so the program names the same icons and
# authors as data/art/CREDITS.md whenever the art changes.
set(DASHU_ICON_CREDITS_INPUTS
    ${PROJECT_SOURCE_DIR}/tools/artgen/mapping.tsv
    ${PROJECT_SOURCE_DIR}/tools/artgen/game-icons-authors.tsv
    ${PROJECT_SOURCE_DIR}/data/art/CREDITS.md)
set(DASHU_ICON_CREDITS_SOURCE ${CMAKE_BINARY_DIR}/generated/IconCredits.cpp)
add_custom_command(
  OUTPUT ${DASHU_ICON_CREDITS_SOURCE}
  COMMAND ${CMAKE_COMMAND}
          -DMAPPING=${PROJECT_SOURCE_DIR}/tools/artgen/mapping.tsv
          -DAUTHORS=${PROJECT_SOURCE_DIR}/tools/artgen/game-icons-authors.tsv
          -DCREDITS=${PROJECT_SOURCE_DIR}/data/art/CREDITS.md
          -DOUTPUT=${DASHU_ICON_CREDITS_SOURCE}
          -P ${CMAKE_CURRENT_LIST_DIR}/GenerateIconCredits.cmake
  DEPENDS ${DASHU_ICON_CREDITS_INPUTS} ${CMAKE_CURRENT_LIST_DIR}/GenerateIconCredits.cmake
  COMMENT "Icon credits from the artwork tables"
  VERBATIM)
add_library(iconcredits STATIC ${DASHU_ICON_CREDITS_SOURCE})
# Plain C++: no Qt code generators.
target_include_directories(iconcredits PUBLIC ${PROJECT_SOURCE_DIR})
set_target_properties(iconcredits PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
