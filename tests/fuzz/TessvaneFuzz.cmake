# tessvane_add_fuzz_target(NAME SOURCE LIBS...)
#
# Every reader of untrusted bytes has one fuzz entry point (LLVMFuzzerTestOneInput
# in SOURCE). It is built twice:
#  - always, linked with replay_main.cpp into NAME_replay, which CTest runs over
#    the saved inputs in tests/fuzz/inputs/NAME (the corpus and every input that
#    ever found a fault), so a fault found once stays fixed;
#  - with TESSVANE_FUZZ=ON (clang), as the libFuzzer program NAME_fuzzer that
#    scripts/fuzz.sh runs.
function(tessvane_add_fuzz_target name source)
  set(libs ${ARGN})
  add_executable(${name}_replay ${source} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/replay_main.cpp)
  target_link_libraries(${name}_replay PRIVATE ${libs})
  add_test(NAME fuzz_replay_${name}
           COMMAND ${name}_replay ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/inputs/${name})
  if(TESSVANE_FUZZ)
    add_executable(${name}_fuzzer ${source})
    target_compile_options(${name}_fuzzer PRIVATE -fsanitize=fuzzer)
    target_link_options(${name}_fuzzer PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name}_fuzzer PRIVATE ${libs})
  endif()
endfunction()
