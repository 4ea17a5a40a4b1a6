# Shared build rules: warnings, the GBK execution character set and the per-folder libraries.

set(ZARNIX_WARNINGS -Wall -Wextra)
# Text inside the program is GBK bytes: string literals are compiled to GBK.
set(ZARNIX_CHARSET -finput-charset=UTF-8 -fexec-charset=GBK)

if(ZARNIX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# zarnix_core_options(target): options every core target (src, cli, tests) shares.
function(zarnix_core_options target)
  target_compile_options(${target} PRIVATE ${ZARNIX_WARNINGS} ${ZARNIX_CHARSET})
endfunction()

# zarnix_library(name DEPS lib...): one static library from the folder's sources.
# A folder without sources yet is an interface library, so dependants link either way.
function(zarnix_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;PUBLIC_LIBS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  # A subfolder with a CMakeLists.txt of its own is a library of its own.
  file(GLOB_RECURSE own_lists CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt)
  foreach(own_list IN LISTS own_lists)
    get_filename_component(own_dir ${own_list} DIRECTORY)
    foreach(source IN LISTS sources)
      string(FIND "${source}" "${own_dir}/" at)
      if(at EQUAL 0)
        list(REMOVE_ITEM sources ${source})
      endif()
    endforeach()
  endforeach()
  set(target zarnix_${name})
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    zarnix_core_options(${target})
    set(scope PUBLIC)
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    set(scope INTERFACE)
  endif()
  foreach(dep IN LISTS ARG_DEPS)
    target_link_libraries(${target} ${scope} zarnix_${dep})
  endforeach()
  if(ARG_PUBLIC_LIBS)
    target_link_libraries(${target} ${scope} ${ARG_PUBLIC_LIBS})
  endif()
endfunction()
