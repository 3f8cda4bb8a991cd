# SPDX-FileCopyrightText: 2026 The Gauntry developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fuzz targets for the parsers and number texts (fuzz/).
#
# Every build replays each target's corpus through the target's entry point
# with a plain main(), as a ctest test: no libFuzzer needed. Configured with
# -DGAUNTRY_FUZZ=ON and clang++ (make fuzz does this in build-fuzz), the same
# entry points are also linked with libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer as fuzz_<target>.
option(GAUNTRY_FUZZ "Build libFuzzer targets (needs clang++)" OFF)

set(FUZZ_DIR ${CMAKE_SOURCE_DIR}/fuzz)
set(FUZZ_TARGETS langfile numbers)
# Extra seed folders a target's corpus replay also reads.
set(FUZZ_SEEDS_langfile ${CMAKE_SOURCE_DIR}/data/lang)

foreach(target ${FUZZ_TARGETS})
  add_executable(replay_${target} ${FUZZ_DIR}/replay_main.cpp ${FUZZ_DIR}/fuzz_${target}.cpp)
  target_link_libraries(replay_${target} PRIVATE suitecore)
  add_test(NAME fuzz_corpus_${target}
           COMMAND replay_${target} ${FUZZ_DIR}/corpus/${target} ${FUZZ_SEEDS_${target}})
endforeach()

if(GAUNTRY_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "GAUNTRY_FUZZ needs clang++ (libFuzzer): configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  set(FUZZ_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  # A coverage-instrumented copy of the core; the fuzzers link libFuzzer's main.
  add_library(fuzzcore STATIC ${CORE_SOURCES})
  target_include_directories(fuzzcore PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(fuzzcore PUBLIC Qt6::Core)
  target_compile_options(fuzzcore PUBLIC -fsanitize=fuzzer-no-link ${FUZZ_SANITIZERS})
  foreach(target ${FUZZ_TARGETS})
    add_executable(fuzz_${target} ${FUZZ_DIR}/fuzz_${target}.cpp)
    target_link_libraries(fuzz_${target} PRIVATE fuzzcore)
    target_link_options(fuzz_${target} PRIVATE -fsanitize=fuzzer ${FUZZ_SANITIZERS})
  endforeach()
endif()
