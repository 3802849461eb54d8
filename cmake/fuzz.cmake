# The fuzz tier: replay of the seed corpus and of kept crashes.
# The fuzzing itself is tools/fuzz.sh (clang and libFuzzer). Here the host
# compiler builds each target with a plain main under the same sanitizers, so
# every seed and every crash ever found is run again by the ordinary tests.
set(QV_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=undefined)
add_library(qvcore_san STATIC ${QV_PORTABLE} src/base/Files_posix.cpp)
target_include_directories(qvcore_san PUBLIC src)
target_compile_options(qvcore_san PUBLIC -g ${QV_SANITIZE})
target_link_options(qvcore_san PUBLIC ${QV_SANITIZE})
add_dependencies(qvcore_san portable_check)

foreach(t Settings Skin List Bmp)
  string(TOLOWER ${t} name)
  add_executable(fuzz_replay_${name} tests/fuzz/${t}Fuzz.cpp tests/fuzz/Replay.cpp)
  target_link_libraries(fuzz_replay_${name} PRIVATE qvcore_san)
  add_test(NAME fuzz.replay.${name}
           COMMAND fuzz_replay_${name} ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name}
                   ${CMAKE_SOURCE_DIR}/tests/fuzz/crashes/${name})
  set_tests_properties(fuzz.replay.${name} PROPERTIES TIMEOUT 120 ENVIRONMENT UBSAN_OPTIONS=print_stacktrace=1)
endforeach()
