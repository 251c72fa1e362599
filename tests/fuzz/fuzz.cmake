# Fuzz harnesses for the readers of the game's data files and the chalk text
# builder. With BRINDLEMOOR_FUZZ (clang) each one links libFuzzer; otherwise it
# gets a plain main that replays the committed corpus. Either way ctest runs
# every corpus through its harness once.
set(BRINDLEMOOR_FUZZ_TARGETS config level_file word_list tga text_mesh recording sound_file)
set(BRINDLEMOOR_FUZZ_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)

add_library(brindlemoor_fuzzsupport STATIC fuzz/FuzzSupport.cpp)
target_link_libraries(brindlemoor_fuzzsupport PUBLIC brindlemoor_core)
target_compile_options(brindlemoor_fuzzsupport PRIVATE -Wall -Wextra)

if(BRINDLEMOOR_FUZZ)
  # The game code is instrumented for coverage so the fuzzer can steer into it.
  target_compile_options(brindlemoor_core PRIVATE ${BRINDLEMOOR_FUZZ_SANITIZERS} -fsanitize=fuzzer-no-link)
  target_link_options(brindlemoor_core INTERFACE -fsanitize=address,undefined)
  target_compile_options(brindlemoor_fuzzsupport PRIVATE ${BRINDLEMOOR_FUZZ_SANITIZERS})
endif()

set(BRINDLEMOOR_FUZZERS)
foreach(target ${BRINDLEMOOR_FUZZ_TARGETS})
  set(name fuzz_${target})
  if(BRINDLEMOOR_FUZZ)
    add_executable(${name} fuzz/${name}.cpp)
    target_compile_options(${name} PRIVATE ${BRINDLEMOOR_FUZZ_SANITIZERS} -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  else()
    add_executable(${name} fuzz/${name}.cpp fuzz/ReplayMain.cpp)
  endif()
  target_link_libraries(${name} PRIVATE brindlemoor_fuzzsupport)
  target_compile_options(${name} PRIVATE -Wall -Wextra)
  add_test(NAME ${name}_corpus COMMAND ${name} -runs=0 ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/corpus/${target})
  set_tests_properties(${name}_corpus PROPERTIES LABELS unit)
  list(APPEND BRINDLEMOOR_FUZZERS ${name})
endforeach()
add_custom_target(brindlemoor_fuzzers DEPENDS ${BRINDLEMOOR_FUZZERS})
