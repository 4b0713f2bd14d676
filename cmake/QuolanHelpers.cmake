# Warnings for every target of ours; the build stays warning-free.
function(quolan_set_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
  if(QUOLAN_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
      # GCC 12 takes some std::string sums for overlapping copies, a false
      # alarm that comes and goes with inlining, even with the source's path.
      target_compile_options(${target} PRIVATE -Wno-error=restrict)
    endif()
  endif()
endfunction()

# One test executable per source file, registered with ctest under its file name.
#   quolan_add_test(<source> LIBS <libs...> [GUI])
# GUI tests run real widgets on the offscreen platform.
function(quolan_add_test source)
  cmake_parse_arguments(ARG "GUI" "" "LIBS" ${ARGN})
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  quolan_set_warnings(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  if(ARG_GUI)
    set_tests_properties(${name} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_QPA_PLATFORMTHEME=;LC_ALL=C.UTF-8")
  endif()
endfunction()
