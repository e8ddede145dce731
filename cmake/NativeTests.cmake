# Native build: the portable core, its unit tests and the host tools.
option(QUILLORY_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" ON)
if(QUILLORY_SANITIZE)
  set(sanitize_flags -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(quillory_core PUBLIC ${sanitize_flags})
  target_link_options(quillory_core PUBLIC ${sanitize_flags})
endif()

find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB unit_test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*_test.cpp)
add_executable(unit_tests ${unit_test_sources})
target_link_libraries(unit_tests PRIVATE quillory_core GTest::gtest_main)
target_include_directories(unit_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60)

# Benchmarks of the core (Google Benchmark); stb's resizer runs beside ours
# as the yardstick. Their figures come from the optimised build; the test
# build compiles them too, so that a change of the core never leaves them
# behind.
find_package(benchmark QUIET)
if(benchmark_FOUND AND EXISTS /usr/include/stb/stb_image_resize.h)
  file(GLOB native_bench_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
  list(FILTER native_bench_sources EXCLUDE REGEX "_win\\.cpp$")
  add_executable(core_bench ${native_bench_sources})
  target_include_directories(core_bench PRIVATE /usr/include/stb)
  target_link_libraries(core_bench PRIVATE quillory_core artwork_drawing benchmark::benchmark)
endif()

# The artwork generator must give the same bytes every time it runs.
add_subdirectory(${CMAKE_SOURCE_DIR}/tools/artwork ${CMAKE_BINARY_DIR}/artwork-tool)
add_test(NAME artwork_is_deterministic
  COMMAND sh -c "rm -rf a b && mkdir a b && $<TARGET_FILE:quillory_artwork> a --sample-pack a/sample.qpk && $<TARGET_FILE:quillory_artwork> b --sample-pack b/sample.qpk && cmp a/sample.qpk b/sample.qpk && for f in a/*.z a/*.ico; do [ -e \"$f\" ] || continue; cmp \"$f\" \"b/\${f#a/}\" || exit 1; done"
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR})

# The style sheet: every style rendered from the generated artwork.
add_executable(quillory_style_sheet ${CMAKE_SOURCE_DIR}/tools/style_sheet/style_sheet.cpp)
target_link_libraries(quillory_style_sheet PRIVATE artwork_drawing quillory_core)
