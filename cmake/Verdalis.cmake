# Build conventions shared by every component: warnings, sanitizers, and the
# three kinds of check targets (unit tests, fuzz targets, benchmarks).

add_compile_options(-Wall -Wextra)

if(VERDALIS_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(VERDALIS_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "VERDALIS_FUZZ needs clang (CC=clang CXX=clang++)")
  endif()
  # Instrument everything for coverage; the fuzzer's main comes only with
  # the fuzz executables themselves.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

find_package(GTest REQUIRED)
include(GoogleTest)

# verdalis_add_test(NAME SOURCES ... [LIBS ...] [ENV VAR=VALUE ...])
# A GoogleTest executable whose tests are registered with CTest one by one.
# In the fuzzing configuration only fuzz targets are built.
function(verdalis_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ENV" ${ARGN})
  if(VERDALIS_FUZZ OR NOT BUILD_TESTING)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  # The environment comes through a launcher: test properties given to
  # gtest_discover_tests would split a list of variables into separate values.
  set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR
    "${CMAKE_COMMAND};-E;env;VERDALIS_SOURCE_DIR=${PROJECT_SOURCE_DIR};VERDALIS_BINARY_DIR=${CMAKE_BINARY_DIR};${ARG_ENV}")
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
    DISCOVERY_TIMEOUT 60)
endfunction()

# verdalis_add_fuzzer(NAME SOURCES ... [LIBS ...] CORPUS DIR [SECONDS N])
# A libFuzzer target (LLVMFuzzerTestOneInput). In the fuzzing configuration it
# is a real fuzzer that CTest runs for a few seconds on its seed corpus; in the
# other configurations it is linked with a plain driver that replays the seed
# corpus once, so every build checks the seeds (under the sanitizers too).
function(verdalis_add_fuzzer name)
  cmake_parse_arguments(ARG "" "CORPUS;SECONDS" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_SECONDS)
    set(ARG_SECONDS 10)
  endif()
  if(NOT BUILD_TESTING)
    return()
  endif()
  if(VERDALIS_FUZZ)
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    # New inputs go to a scratch folder so the committed seeds stay as they are.
    set(work ${CMAKE_CURRENT_BINARY_DIR}/${name}-corpus)
    file(MAKE_DIRECTORY ${work})
    add_test(NAME ${name}
      COMMAND $<TARGET_FILE:${name}> -max_total_time=${ARG_SECONDS} -timeout=10
              -rss_limit_mb=2048 -print_final_stats=1 ${work} ${ARG_CORPUS})
    set_tests_properties(${name} PROPERTIES LABELS fuzz)
  else()
    add_executable(${name}-seeds ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/fuzz_seed_driver.cpp)
    target_link_libraries(${name}-seeds PRIVATE ${ARG_LIBS})
    add_test(NAME ${name}-seeds COMMAND ${name}-seeds ${ARG_CORPUS})
  endif()
endfunction()

# verdalis_add_benchmark(NAME SOURCES ... [LIBS ...])
# A Google Benchmark executable; never part of CTest (benchmarks do not fail CI).
function(verdalis_add_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT VERDALIS_BENCH OR VERDALIS_FUZZ OR VERDALIS_SANITIZE)
    return()
  endif()
  find_package(benchmark REQUIRED)
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()

# verdalis_add_tool(NAME): puts a command-line tool for people into build/bin.
function(verdalis_add_tool name)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VERDALIS_TOOLS_DIR})
endfunction()
