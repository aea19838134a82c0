# Checks that no include runs back up the layers of the program:
#   engine/, data/  plain C++: nothing from ui/, no Qt;
#   ui/model/       plain C++: no Qt, nothing from ui/ outside ui/model/;
#   ui/widgets/, ui/skin/  no window header (a header directly in ui/).
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

if(broken)
  list(JOIN broken "\n  " text)
  message(FATAL_ERROR "includes that run back up:\n  ${text}")
endif()
