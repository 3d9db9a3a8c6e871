# CLI11 and nlohmann/json, header-only Debian packages under /usr/include (tools/setup installs
# them). A cross build must not search that folder whole, or glibc's headers would shadow
# mingw's, so every build sees the two libraries through links in a folder of their own.
set(kestrune_third_party_dir ${CMAKE_BINARY_DIR}/third-party-include)
file(MAKE_DIRECTORY ${kestrune_third_party_dir})
foreach(library CLI nlohmann)
  if(NOT EXISTS /usr/include/${library})
    message(FATAL_ERROR "/usr/include/${library} is missing: run tools/setup")
  endif()
  file(CREATE_LINK /usr/include/${library} ${kestrune_third_party_dir}/${library} SYMBOLIC)
endforeach()

add_library(kestrune_third_party INTERFACE)
target_include_directories(kestrune_third_party SYSTEM INTERFACE ${kestrune_third_party_dir})
