# Compiler settings shared by every target of the project.
add_library(vl_warnings INTERFACE)
target_compile_options(vl_warnings INTERFACE -Wall -Wextra)
# GCC 12 reports false -Wrestrict overlaps inside std::string concatenation at -O2 and above
# (GCC bug 105329); the warning stays on for other compilers.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(vl_warnings INTERFACE -Wno-restrict)
endif()
if(VL_WERROR)
  target_compile_options(vl_warnings INTERFACE -Werror)
endif()
if(VL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
if(VL_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# vl_layer(NAME DIR... ) builds one static library from the sources of the given folders
# (not their forms/ sub-folders), so each layer is one library.
function(vl_layer name)
  set(sources)
  foreach(dir IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dir}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PRIVATE vl_warnings)
endfunction()
