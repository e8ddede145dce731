# Win32 build: Quillory.exe, its Win32 tests and end-to-end tests (run under Wine
# when cross-compiled) and the benchmark program.
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)
if(MINGW)
  add_link_options(-static -static-libgcc -static-libstdc++)
  # Win32 structures are customarily started as {sizeof(s)} with the rest zero.
  add_compile_options(-Wno-missing-field-initializers)
endif()

add_library(quillory_win STATIC ${win_sources})
target_link_libraries(quillory_win PUBLIC quillory_core user32 gdi32 shell32 ole32 advapi32 comctl32)

# The program folder as a user gets it: the program and its companion folders.
set(QUILLORY_PROGRAM_DIR ${CMAKE_BINARY_DIR}/Quillory)
file(MAKE_DIRECTORY ${QUILLORY_PROGRAM_DIR}/Languages ${QUILLORY_PROGRAM_DIR}/pic ${QUILLORY_PROGRAM_DIR}/patterns)
# The language files we ship, byte for byte: each is in its own code page.
file(GLOB language_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/lang/languages/*.lng)
foreach(language_file IN LISTS language_files)
  get_filename_component(language_file_name ${language_file} NAME)
  configure_file(${language_file} ${QUILLORY_PROGRAM_DIR}/Languages/${language_file_name} COPYONLY)
endforeach()

# The artwork generator runs on the build host and draws every picture the
# program carries, at each display scale; its resource script packs them in as
# "RESS" resources (the 150 % and 200 % sets under names ending "_150" and
# "_200"), and
# the program's icon (MAINICON.ico) as its first icon group.
include(ExternalProject)
set(artwork_host_dir ${CMAKE_BINARY_DIR}/artwork-host)
set(artwork_dir ${CMAKE_BINARY_DIR}/artwork)
ExternalProject_Add(artwork_host
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools/artwork
  BINARY_DIR ${artwork_host_dir}
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=c++ -DQUILLORY_ROOT=${CMAKE_SOURCE_DIR}
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${artwork_host_dir}/quillory_artwork)
# Pictures are drawn for 100 %, 150 % and 200 %; the contact sheet too.
add_custom_command(OUTPUT ${artwork_dir}/artwork.rc ${artwork_dir}/MAINICON.ico ${QUILLORY_PROGRAM_DIR}/pic/sample.qpk
                          ${CMAKE_BINARY_DIR}/contact_sheet.png ${CMAKE_BINARY_DIR}/contact_sheet_150.png ${CMAKE_BINARY_DIR}/contact_sheet_200.png
  COMMAND ${artwork_host_dir}/quillory_artwork ${artwork_dir} --contact-sheet ${CMAKE_BINARY_DIR}/contact_sheet.png
          --sample-pack ${QUILLORY_PROGRAM_DIR}/pic/sample.qpk
  DEPENDS artwork_host ${artwork_host_dir}/quillory_artwork
  COMMENT "Drawing the program's pictures")
enable_language(RC)

add_executable(Quillory WIN32 app/main_win.cpp resources/quillory.rc)
set_source_files_properties(resources/quillory.rc PROPERTIES OBJECT_DEPENDS "${artwork_dir}/artwork.rc;${artwork_dir}/MAINICON.ico;${CMAKE_SOURCE_DIR}/resources/quillory.manifest;${CMAKE_SOURCE_DIR}/resources/version.h")
target_include_directories(Quillory PRIVATE ${artwork_dir})
target_link_libraries(Quillory PRIVATE quillory_win)
if(MINGW)
  target_link_options(Quillory PRIVATE -municode)
endif()
set_target_properties(Quillory PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QUILLORY_PROGRAM_DIR})

# The hot-key hook library beside the program: its exports keep their plain
# names (the module-definition file), and it needs nothing of the program.
add_library(Chordix SHARED hook/chordix.cpp hook/chordix.def)
target_include_directories(Chordix PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(Chordix PRIVATE user32)
set_target_properties(Chordix PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${QUILLORY_PROGRAM_DIR})
add_dependencies(Quillory Chordix)

# Tests. Cross-compiled test programs run through the Wine wrapper, which keeps
# every run inside a private prefix and home folder under the build tree.
if(CMAKE_CROSSCOMPILING)
  set(wine_home ${CMAKE_BINARY_DIR}/wine)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(test_launcher ${CMAKE_BINARY_DIR}/wine-run.sh)
  set(program_dir_arg "Z:${QUILLORY_PROGRAM_DIR}")
else()
  set(test_launcher "")
  set(program_dir_arg "${QUILLORY_PROGRAM_DIR}")
endif()

set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB support_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*_win.cpp)
add_library(test_support STATIC ${support_sources})
target_link_libraries(test_support PUBLIC quillory_win gtest)
target_include_directories(test_support PUBLIC ${CMAKE_SOURCE_DIR}/tests)

file(GLOB win_test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*_test.cpp)
add_executable(win_tests ${win_test_sources})
target_link_libraries(win_tests PRIVATE test_support gtest_main)
# Tests named RussianLocale* need Wine to report the Russian system language
# and ANSI code page 1251; they run only in the second entry, which sets it.
set(russian_locale "LC_ALL=ru_RU.UTF-8;LANG=ru_RU.UTF-8")
add_test(NAME win_tests COMMAND ${test_launcher} $<TARGET_FILE:win_tests> --gtest_filter=-RussianLocale*:ResourceCompleteness*)
# Every picture of the resource table in the built program, on its own so that
# a picture not drawn yet shows as this test and hides no other.
add_test(NAME resource_completeness COMMAND ${test_launcher} $<TARGET_FILE:win_tests> --gtest_filter=ResourceCompleteness*)
set_tests_properties(resource_completeness PROPERTIES TIMEOUT 600 ENVIRONMENT "QUILLORY_PROGRAM_DIR=${program_dir_arg}")
add_test(NAME win_tests_russian COMMAND ${test_launcher} $<TARGET_FILE:win_tests> --gtest_filter=RussianLocale*)

file(GLOB e2e_test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*_test.cpp)
add_executable(e2e_tests ${e2e_test_sources})
target_link_libraries(e2e_tests PRIVATE test_support gtest_main)
add_dependencies(e2e_tests Quillory other_user)
# The user at the other computer of the two-computer tests, run in a Wine
# prefix of its own beside the test's; the tests find it beside themselves.
add_executable(other_user ${CMAKE_SOURCE_DIR}/tests/e2e/other_user/other_user_win.cpp)
target_link_libraries(other_user PRIVATE test_support)
# Each end-to-end test is an entry of its own, so that a failure names it and
# a retry repeats it alone. Each starts its own Quillory.exe; only one may run
# per prefix because the program allows a single instance.
set(program_dir_env "QUILLORY_PROGRAM_DIR=${program_dir_arg}")
foreach(source ${e2e_test_sources})
  file(STRINGS ${source} declarations REGEX "^TEST(_F)?\\([A-Za-z0-9_]+, *[A-Za-z0-9_]+\\)")
  foreach(declaration ${declarations})
    string(REGEX REPLACE "^TEST(_F)?\\(([A-Za-z0-9_]+), *([A-Za-z0-9_]+)\\).*" "\\2.\\3" case "${declaration}")
    if(case MATCHES "^RussianLocale")
      continue()
    endif()
    add_test(NAME e2e.${case} COMMAND ${test_launcher} $<TARGET_FILE:e2e_tests> --gtest_filter=${case})
    set_tests_properties(e2e.${case} PROPERTIES RUN_SERIAL ON TIMEOUT 300 ENVIRONMENT "${program_dir_env}")
  endforeach()
endforeach()
add_test(NAME e2e_tests_russian COMMAND ${test_launcher} $<TARGET_FILE:e2e_tests> --gtest_filter=RussianLocale*)
set_tests_properties(e2e_tests_russian PROPERTIES RUN_SERIAL ON TIMEOUT 600 ENVIRONMENT "${program_dir_env};${russian_locale}")
set_tests_properties(win_tests PROPERTIES TIMEOUT 600 ENVIRONMENT "${program_dir_env}")
set_tests_properties(win_tests_russian PROPERTIES RUN_SERIAL ON TIMEOUT 600 ENVIRONMENT "${program_dir_env};${russian_locale}")

# The soak test: long use of the program, run on its own by tools/soak.sh
# (it takes minutes), never by ctest.
file(GLOB soak_test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/soak/*_test.cpp)
add_executable(soak_tests ${soak_test_sources})
target_link_libraries(soak_tests PRIVATE test_support gtest_main psapi ntdll)
add_dependencies(soak_tests Quillory)

# The shortcut a sticker's menu writes, read back by a reader that is not the
# shell (Debian's lnkinfo): target, working folder and arguments.
find_program(LNKINFO lnkinfo)
if(CMAKE_CROSSCOMPILING AND LNKINFO)
  set(kept_link ${CMAKE_BINARY_DIR}/kept.lnk)
  add_test(NAME shortcut_read_by_lnkinfo
    COMMAND sh -c "rm -f '${kept_link}' && QUILLORY_KEEP_LINK='Z:${kept_link}' '${test_launcher}' '$<TARGET_FILE:e2e_tests>' --gtest_filter=Shortcut.* && '${LNKINFO}' '${kept_link}' > kept.txt && grep -q 'Local path.*Quillory.exe$' kept.txt && grep -q 'Working directory.*qtest_' kept.txt && grep -q 'Command line arguments.*: id=77$' kept.txt"
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  set_tests_properties(shortcut_read_by_lnkinfo PROPERTIES RUN_SERIAL ON TIMEOUT 300 ENVIRONMENT "${program_dir_env}")
endif()

# The floor the start-up benchmark holds Quillory against: a program that
# only shows as many ready pictures in layered windows.
add_executable(startup_floor WIN32 bench/floor/startup_floor_win.cpp)
target_link_libraries(startup_floor PRIVATE quillory_win)
if(MINGW)
  target_link_options(startup_floor PRIVATE -municode)
endif()

file(GLOB bench_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*_win.cpp)
add_executable(quillory_bench ${bench_sources})
add_dependencies(quillory_bench startup_floor)
target_link_libraries(quillory_bench PRIVATE quillory_win)
target_include_directories(quillory_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)  # the window search of the tests
