# Checks that no include runs back up the layers of the program:
#   engine/, data/  plain C++: nothing from ui/, no Qt;
#   ui/model/       plain C++: no Qt, nothing from ui/ outside ui/model/;
#   ui/widgets/, ui/skin/  no header directly in ui/ (the windows' level);
#   ui/session/     no window header;
#   ui/, app/       a window's header only in that window's own unit and in
#                   ui/Windows.cpp, which creates and connects the windows
#                   (and the icon credits, the About dialog's own dialog,
#                   in the About unit).
# Run as: cmake -DSOURCE_DIR=<tree> -P IncludeRules.cmake
# Fails, naming every offending line, when a rule is broken.
cmake_minimum_required(VERSION 3.25)
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

set(broken "")
# Appends "file: include" for each #include line of the files in `folder`
# that matches `pattern`.
function(forbid folder pattern why)
  file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(file IN LISTS files)
    file(STRINGS ${SOURCE_DIR}/${file} lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS lines)
      if(line MATCHES "${pattern}")
        string(STRIP "${line}" line)
        list(APPEND broken "${file}: ${line} (${why})")
      endif()
    endforeach()
  endforeach()
  set(broken "${broken}" PARENT_SCOPE)
endfunction()

set(qt "[<\"]Q[A-Za-z]*[>/\"]")
set(window "\"ui/[A-Za-z0-9_]+\\.h\"")
forbid(engine "\"ui/" "the engine uses no window code")
forbid(engine "${qt}" "the engine is plain C++")
forbid(data "\"ui/" "the data uses no window code")
forbid(data "${qt}" "the data is plain C++")
forbid(ui/model "${qt}" "window models are plain C++")
forbid(ui/model "\"ui/(widgets|skin)/|${window}" "window models use no controls")
forbid(ui/widgets "${window}" "controls use no window")
forbid(ui/skin "${window}" "the skin uses no window")

set(windows Unit1 Unit2 Unit3 petmodify petdiy About RecordWindow PlannerWindow RollWindow StableWindow CreditsWindow)
list(JOIN windows "|" any_window)
forbid(ui/session "\"ui/(${any_window})\\.h\"" "the session knows no window")
file(GLOB_RECURSE program RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/ui/*.h ${SOURCE_DIR}/ui/*.cpp
     ${SOURCE_DIR}/app/*.h ${SOURCE_DIR}/app/*.cpp)
foreach(file IN LISTS program)
  file(STRINGS ${SOURCE_DIR}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"ui/(${any_window})\\.h\"")
  foreach(line IN LISTS lines)
    string(REGEX MATCH "ui/([A-Za-z0-9_]+)\\.h" found "${line}")
    set(owner ${CMAKE_MATCH_1})
    if(file STREQUAL "ui/${owner}.cpp" OR file STREQUAL "ui/Windows.cpp"
       OR (owner STREQUAL "CreditsWindow" AND file STREQUAL "ui/About.cpp"))
      continue()
    endif()
    string(STRIP "${line}" line)
    list(APPEND broken "${file}: ${line} (a window's header is for its own unit and ui/Windows.cpp)")
  endforeach()
endforeach()

if(broken)
  list(JOIN broken "\n  " text)
  message(FATAL_ERROR "includes that run back up:\n  ${text}")
endif()
