# The simulated platform, kelvarnook-sim, and the native tests.
find_package(Iconv REQUIRED)
find_package(GTest REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBEDIT REQUIRED IMPORTED_TARGET libedit)
find_package(CLI11 CONFIG REQUIRED)

# g++ 12 at -O2 and above warns falsely (-Wrestrict) on `"literal" + std::string`; fixed in 13.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    string(APPEND CMAKE_CXX_FLAGS_RELEASE " -Wno-restrict")
    string(APPEND CMAKE_CXX_FLAGS_RELWITHDEBINFO " -Wno-restrict")
endif()

kn_layer(kn_platform_sim SOURCES platform/sim/*.cpp SEES platform/sim ${KN_PLATFORM_INTERFACES})
target_link_libraries(kn_platform_sim PUBLIC Iconv::Iconv)

# The simulator's stand-in host and its replay and terminal front ends, with the program.
file(GLOB KN_SIM_SOURCES CONFIGURE_DEPENDS standin/sim/*.cpp app/sim/*.cpp)
add_library(kn_sim STATIC ${KN_SIM_SOURCES})
target_include_directories(kn_sim PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(kn_sim PUBLIC kn_core kn_platform_sim PkgConfig::LIBEDIT CLI11::CLI11)

add_executable(kelvarnook-sim app/sim_main.cpp)
target_link_libraries(kelvarnook-sim PRIVATE kn_sim)
# `make bench` starts it beside kelvarnook-sim: the cost of starting a C++ program here with the
# same shared libraries loaded, which the linker would otherwise drop as unused.
add_executable(kn_empty_program bench/reference/empty_program.cpp)
target_link_options(kn_empty_program PRIVATE -Wl,--no-as-needed)
target_link_libraries(kn_empty_program PRIVATE PkgConfig::LIBEDIT)

if(KN_FUZZ)
    # Coverage feedback from the program and the simulator too, not only from the targets.
    foreach(lib kn_core kn_windows kn_platform_sim kn_sim)
        target_compile_options(${lib} PRIVATE -fsanitize=fuzzer-no-link)
    endforeach()
    file(GLOB KN_FUZZERS CONFIGURE_DEPENDS fuzz/*_fuzzer.cpp)
    foreach(src ${KN_FUZZERS})
        get_filename_component(name ${src} NAME_WE)
        add_executable(${name} ${src} tests/shared/scratch_dir.cpp tests/native/sim_run.cpp
                       tests/native/session_draw.cpp tests/native/session_promises.cpp)
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
        target_link_libraries(${name} PRIVATE kn_sim -fsanitize=fuzzer)
    endforeach()
    return()
endif()

file(GLOB KN_NATIVE_TESTS CONFIGURE_DEPENDS tests/native/*.cpp tests/shared/*.cpp)
if(NOT KN_NATIVE_TESTS)
    return()
endif()
add_executable(kn_tests ${KN_NATIVE_TESTS})
target_link_libraries(kn_tests PRIVATE kn_sim GTest::gtest GTest::gmock GTest::gtest_main)
target_compile_definitions(kn_tests PRIVATE
    KN_SIM_BINARY="$<TARGET_FILE:kelvarnook-sim>" KN_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
add_dependencies(kn_tests kelvarnook-sim)
include(GoogleTest)
gtest_discover_tests(kn_tests DISCOVERY_TIMEOUT 30)

file(GLOB KN_SCRIPT_TESTS CONFIGURE_DEPENDS tests/scripts/*.script)
foreach(script ${KN_SCRIPT_TESTS})
    get_filename_component(name ${script} NAME_WE)
    add_test(NAME script.${name}
             COMMAND ${CMAKE_SOURCE_DIR}/tests/run-script-test $<TARGET_FILE:kelvarnook-sim> ${script})
endforeach()

# The interactive room through a pseudo-terminal (tmux), escape codes and all.
add_test(NAME terminal.demo
         COMMAND ${CMAKE_SOURCE_DIR}/tests/native/terminal-demo-test $<TARGET_FILE:kelvarnook-sim>)

find_package(benchmark QUIET)
if(benchmark_FOUND)
    file(GLOB KN_BENCH_SOURCES CONFIGURE_DEPENDS bench/*.cpp)
    if(KN_BENCH_SOURCES)
        add_executable(kn_bench ${KN_BENCH_SOURCES} tests/shared/scratch_dir.cpp)
        target_link_libraries(kn_bench PRIVATE kn_sim benchmark::benchmark benchmark::benchmark_main)
    endif()
endif()
