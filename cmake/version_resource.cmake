# Gives a Windows program a version resource from the project's version, under its own name and
# description. The resource is an object library of its own because windres takes none of our
# compiler flags.
function(kestrune_version_resource target description)
  get_target_property(version_name ${target} OUTPUT_NAME)
  if(NOT version_name)
    set(version_name ${target})
  endif()
  set(version_description ${description})
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}-version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/win/Version.rc.in ${rc} @ONLY)
  add_library(${target}-version OBJECT ${rc})
  target_link_libraries(${target} PRIVATE ${target}-version)
endfunction()
