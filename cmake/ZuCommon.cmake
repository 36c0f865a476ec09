# Shared build settings and helpers for every ZuLex target.

find_package(PkgConfig REQUIRED)

find_program(ZU_CCACHE ccache)
if(ZU_CCACHE)
    # Paths relative to the source tree, so that several checkouts share one cache.
    set(CMAKE_C_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${CMAKE_SOURCE_DIR} ${ZU_CCACHE})
    set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${CMAKE_SOURCE_DIR} ${ZU_CCACHE})
endif()

set(ZU_WARNINGS -Wall -Wextra)

if(ZU_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

if(ZU_FUZZ)
    # Every library is instrumented for coverage; only the fuzz targets link the libFuzzer driver.
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# zu_add_child_folders() — every folder below the current one that has a CMakeLists.txt: tests, benchmarks
# and fuzz targets keep one folder per library or program, each adding its own targets.
function(zu_add_child_folders)
    file(GLOB children LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*)
    foreach(child ${children})
        if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
            add_subdirectory(${child})
        endif()
    endforeach()
endfunction()

# zu_add_library(NAME DIR [LIBS ...]) — a shared library from the .cpp files of DIR, public headers in DIR/include.
function(zu_add_library name dir)
    cmake_parse_arguments(ARG "" "" "LIBS;PRIVATE_LIBS;PRIVATE_INCLUDES" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.c)
    if(NOT sources)
        # Headers only so far: dependants still see the include folder and the libraries.
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${dir}/include)
        target_link_libraries(${name} INTERFACE ${ARG_LIBS})
        return()
    endif()
    add_library(${name} SHARED ${sources})
    target_include_directories(${name} PUBLIC ${dir}/include)
    if(ARG_PRIVATE_INCLUDES)
        target_include_directories(${name} PRIVATE ${ARG_PRIVATE_INCLUDES})
    endif()
    target_compile_options(${name} PRIVATE ${ZU_WARNINGS})
    if(ARG_LIBS)
        target_link_libraries(${name} PUBLIC ${ARG_LIBS})
    endif()
    if(ARG_PRIVATE_LIBS)
        target_link_libraries(${name} PRIVATE ${ARG_PRIVATE_LIBS})
    endif()
endfunction()

# zu_add_test(NAME SOURCES ... LIBS ...) — a GoogleTest program whose cases ctest lists one by one.
function(zu_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    set_target_properties(${name} PROPERTIES BUILD_RPATH "${ZU_OUT_DIR}")
    target_compile_options(${name} PRIVATE ${ZU_WARNINGS})
    target_compile_definitions(${name} PRIVATE
        ZU_TEST_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
        ZU_TEST_OUT_DIR="${ZU_OUT_DIR}"
        ZU_TEST_BINARY_DIR="${CMAKE_BINARY_DIR}")
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
        WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
        # One variable per property: test discovery splits a property's value at every ';'.
        PROPERTIES ENVIRONMENT "SDL_VIDEODRIVER=offscreen" ENVIRONMENT_MODIFICATION "SDL_AUDIODRIVER=set:dummy")
endfunction()

# zu_add_bench(NAME SOURCES ... LIBS ...) — a Google Benchmark program, run by `make bench`.
function(zu_add_bench name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
    set_target_properties(${name} PROPERTIES BUILD_RPATH "${ZU_OUT_DIR}")
    target_compile_options(${name} PRIVATE ${ZU_WARNINGS})
    target_compile_definitions(${name} PRIVATE
        ZU_TEST_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
        ZU_TEST_OUT_DIR="${ZU_OUT_DIR}")
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark)
endfunction()

# zu_add_fuzz(NAME SOURCE LIBS ...) — a libFuzzer target. In a fuzz build it links libFuzzer; in any other
# build it links a small driver that runs the seed corpus once, so `make test` keeps every target compiling
# and every seed passing.
function(zu_add_fuzz name source)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    add_executable(${name} ${source})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
    set_target_properties(${name} PROPERTIES BUILD_RPATH "${ZU_OUT_DIR}")
    target_compile_options(${name} PRIVATE ${ZU_WARNINGS})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/fuzz)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    if(ZU_FUZZ)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    else()
        target_sources(${name} PRIVATE ${CMAKE_SOURCE_DIR}/fuzz/CorpusDriver.cpp)
        if(ZU_BUILD_TESTS AND EXISTS ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name})
            add_test(NAME fuzz_seeds.${name}
                COMMAND ${name} ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name})
        endif()
    endif()
endfunction()

if(ZU_BUILD_TESTS)
    find_package(GTest REQUIRED)
    include(GoogleTest)
endif()
if(ZU_BUILD_BENCH)
    find_package(benchmark REQUIRED)
endif()
