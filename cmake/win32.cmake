# kelvarnook.exe, the Windows stand-in host, and the Windows tests run under Wine.
add_link_options(-static -static-libgcc -static-libstdc++)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX UNICODE _UNICODE)
option(KN_WIN_TEST_SUITE "Build the Windows tests and benchmarks (the 32-bit tree has the programs only)" ON)
set(KN_WIN32_BUILD ${CMAKE_SOURCE_DIR}/build/win32 CACHE PATH "The 32-bit build tree, whose programs the Windows tests also run")

# The 32-bit program runs from Windows XP SP3 on: the headers hide what is newer, and the
# loader of XP refuses a subsystem version above its own 5.1.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    add_compile_definitions(_WIN32_WINNT=0x0501 WINVER=0x0501)
    add_link_options(-Wl,--major-subsystem-version,5,--minor-subsystem-version,1
                     -Wl,--major-os-version,5,--minor-os-version,1)
endif()

enable_language(RC)
add_compile_options(-ffunction-sections -fdata-sections)
add_link_options(-Wl,--gc-sections)

# The icon is made at build time from its XPM and the description in make-icon (the skin is
# drawn at run time, windows/skin.cpp); the manifest and the version resource take the
# project's version.
find_program(KN_CONVERT NAMES convert magick REQUIRED)
set(KN_SKIN_DIR ${CMAKE_BINARY_DIR}/skin)
configure_file(windows/resources/kelvarnook.manifest.in ${KN_SKIN_DIR}/kelvarnook.manifest @ONLY)
configure_file(windows/resources/version.h.in ${KN_SKIN_DIR}/version.h @ONLY)
set(KN_SKIN_FILES ${KN_SKIN_DIR}/kelvarnook.ico)
add_custom_command(OUTPUT ${KN_SKIN_DIR}/kelvarnook.ico
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KN_SKIN_DIR}
    COMMAND ${CMAKE_SOURCE_DIR}/windows/resources/make-icon ${KN_SKIN_DIR}/kelvarnook.ico
            ${CMAKE_SOURCE_DIR}/windows/resources/kelvarnook.xpm
    DEPENDS windows/resources/kelvarnook.xpm windows/resources/make-icon VERBATIM)
# The notification icon's pictures for an idle session and for the sign, from the same moon.
foreach(variant idle warning idle-warning)
    list(APPEND KN_SKIN_FILES ${KN_SKIN_DIR}/notify-${variant}.ico)
    add_custom_command(OUTPUT ${KN_SKIN_DIR}/notify-${variant}.ico
        COMMAND ${CMAKE_COMMAND} -E make_directory ${KN_SKIN_DIR}
        COMMAND ${CMAKE_SOURCE_DIR}/windows/resources/make-icon --variant ${variant}
                ${KN_SKIN_DIR}/notify-${variant}.ico
        DEPENDS windows/resources/make-icon VERBATIM)
endforeach()
set_source_files_properties(windows/resources/kelvarnook.rc PROPERTIES
    OBJECT_DEPENDS "${KN_SKIN_FILES};${KN_SKIN_DIR}/kelvarnook.manifest;${KN_SKIN_DIR}/version.h")
add_library(kn_resources OBJECT windows/resources/kelvarnook.rc)
target_include_directories(kn_resources PRIVATE ${KN_SKIN_DIR})

# Every program built on the Win32 layer carries the skin, so its tests see the real images.
kn_layer(kn_platform_win32 SOURCES platform/win32/*.cpp
         SEES platform/win32 ${KN_PLATFORM_INTERFACES})
target_link_libraries(kn_platform_win32 PUBLIC user32 kernel32 gdi32 shell32)
target_sources(kn_platform_win32 INTERFACE $<TARGET_OBJECTS:kn_resources>)
add_dependencies(kn_platform_win32 kn_resources)

# The program on the Win32 layer, for what stands on top of both.
add_library(kn_win32 INTERFACE)
target_include_directories(kn_win32 INTERFACE ${CMAKE_SOURCE_DIR})
target_link_libraries(kn_win32 INTERFACE kn_core kn_platform_win32)

add_executable(kelvarnook WIN32 app/win_main.cpp)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    target_sources(kelvarnook PRIVATE app/win_xp_tick_count.cpp)
endif()
target_link_libraries(kelvarnook PRIVATE kn_win32 comctl32)
target_link_options(kelvarnook PRIVATE -municode -s)

file(GLOB KN_HOST_SOURCES CONFIGURE_DEPENDS standin/win32/*.cpp)
if(KN_HOST_SOURCES)
    add_executable(kn-standin-host WIN32 ${KN_HOST_SOURCES})
    target_include_directories(kn-standin-host PRIVATE ${CMAKE_SOURCE_DIR})
    target_link_libraries(kn-standin-host PRIVATE user32 kernel32 gdi32)
    target_link_options(kn-standin-host PRIVATE -municode -s)
endif()

# kelvarnook.exe stays within 1 MiB and needs nothing but Windows itself; the 32-bit one
# imports only functions that Windows XP has.
set(KN_IMPORTS_CHECK ${CMAKE_SOURCE_DIR}/scripts/check-exe-imports)
set(KN_XP_IMPORTS ${CMAKE_SOURCE_DIR}/tests/win/xp-imports)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    add_test(NAME exe.size_and_imports
             COMMAND ${KN_IMPORTS_CHECK} $<TARGET_FILE:kelvarnook> ${KN_XP_IMPORTS})
else()
    add_test(NAME exe.size_and_imports COMMAND ${KN_IMPORTS_CHECK} $<TARGET_FILE:kelvarnook>)
endif()
set_tests_properties(exe.size_and_imports PROPERTIES ENVIRONMENT "OBJDUMP=${CMAKE_OBJDUMP}")

# The release zip, made from this tree's program and the 32-bit tree's (`make dist`).
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(KN_PROGRAM32 ${KN_WIN32_BUILD}/kelvarnook.exe)
    add_custom_target(dist
        COMMAND ${CMAKE_SOURCE_DIR}/scripts/dist ${PROJECT_VERSION} $<TARGET_FILE:kelvarnook>
                ${KN_PROGRAM32} ${CMAKE_SOURCE_DIR}/build/dist
        DEPENDS kelvarnook VERBATIM)
    add_test(NAME dist.zip_contents COMMAND ${CMAKE_SOURCE_DIR}/tests/win/check-dist
             ${PROJECT_VERSION} $<TARGET_FILE:kelvarnook> ${KN_PROGRAM32}
             ${CMAKE_BINARY_DIR}/dist-check)
endif()

if(NOT KN_WIN_TEST_SUITE)
    return()
endif()

set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# The imports checker is checked too: a stand-in objdump lists what it must refuse, and each
# case must name the fault and exit non-zero ("accepted" fails the test).
set(KN_FAKE_DIR ${CMAKE_BINARY_DIR}/imports-check)
set(KN_FAKE_system "KERNEL32.dll:Sleep USER32.dll:GetDC")
set(KN_FAKE_foreign "KERNEL32.dll:Sleep libstdc++-6.dll:_ZSt4cout")
set(KN_FAKE_newer "KERNEL32.dll:GetTickCount64")
foreach(case system foreign newer)
    file(CONFIGURE OUTPUT ${KN_FAKE_DIR}/objdump-${case} CONTENT "#!/bin/sh
for i in ${KN_FAKE_${case}}; do
    printf '\\tDLL Name: %s\\n\\t1000\\t   21  %s\\n\\n' \"\${i%%:*}\" \"\${i#*:}\"
done
" @ONLY)
    file(CHMOD ${KN_FAKE_DIR}/objdump-${case} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
endforeach()
add_test(NAME exe.imports_check_refuses_foreign_dll
         COMMAND sh -c "'${KN_IMPORTS_CHECK}' \"$0\" && echo accepted" $<TARGET_FILE:kelvarnook>)
set_tests_properties(exe.imports_check_refuses_foreign_dll PROPERTIES
    ENVIRONMENT "OBJDUMP=${KN_FAKE_DIR}/objdump-foreign" FAIL_REGULAR_EXPRESSION "accepted"
    PASS_REGULAR_EXPRESSION "imports libstdc\\+\\+-6.dll, which is not a Windows system DLL")
add_test(NAME exe.imports_check_refuses_size
         COMMAND sh -c "truncate -s 1048577 big.exe && '${KN_IMPORTS_CHECK}' big.exe && echo accepted"
         WORKING_DIRECTORY ${KN_FAKE_DIR})
set_tests_properties(exe.imports_check_refuses_size PROPERTIES
    ENVIRONMENT "OBJDUMP=${KN_FAKE_DIR}/objdump-system" FAIL_REGULAR_EXPRESSION "accepted"
    PASS_REGULAR_EXPRESSION "big.exe: larger than 1048576 bytes")
add_test(NAME exe.imports_check_refuses_function_newer_than_xp
         COMMAND sh -c "'${KN_IMPORTS_CHECK}' \"$0\" '${KN_XP_IMPORTS}' && echo accepted"
                 $<TARGET_FILE:kelvarnook>)
set_tests_properties(exe.imports_check_refuses_function_newer_than_xp PROPERTIES
    ENVIRONMENT "OBJDUMP=${KN_FAKE_DIR}/objdump-newer" FAIL_REGULAR_EXPRESSION "accepted"
    PASS_REGULAR_EXPRESSION "imports GetTickCount64 from kernel32.dll, which is not in xp-imports")
file(GLOB KN_WIN_TESTS CONFIGURE_DEPENDS tests/win/*.cpp tests/win/shared/*.cpp tests/shared/*.cpp)
if(KN_WIN_TESTS)
    add_executable(kn_wintests ${KN_WIN_TESTS})
    target_link_libraries(kn_wintests PRIVATE kn_win32 gtest gmock gtest_main)
    add_dependencies(kn_wintests kelvarnook)
    # The programs and the stories, for the tests and the kill driver alike.
    set(KN_WINTEST_DEFINITIONS KN_PROGRAM_EXE="$<TARGET_FILE:kelvarnook>"
        KN_PROGRAM32_EXE="${KN_WIN32_BUILD}/kelvarnook.exe"
        KN_HOST32_EXE="${KN_WIN32_BUILD}/kn-standin-host.exe" KN_VERSION="${PROJECT_VERSION}"
        KN_SOURCE_DIR="${CMAKE_SOURCE_DIR}" KN_HOST_EXE="$<TARGET_FILE:kn-standin-host>")
    target_compile_definitions(kn_wintests PRIVATE ${KN_WINTEST_DEFINITIONS})
    add_dependencies(kn_wintests kn-standin-host)
    add_test(NAME wine.kn_wintests COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-run
             $<TARGET_FILE:kn_wintests>)
    set_tests_properties(wine.kn_wintests PROPERTIES TIMEOUT 900
        ENVIRONMENT "KN_SKIP_LOG=${CMAKE_BINARY_DIR}/skipped-32bit.txt")
endif()

# The three windows on screen at 96, 120, 144 and 192 DPI, against the committed reference
# screenshots.
foreach(dpi 96 120 144 192)
    add_test(NAME wine.screenshots_${dpi}dpi COMMAND ${CMAKE_SOURCE_DIR}/tests/win/check-screenshots
             $<TARGET_FILE:kelvarnook> ${CMAKE_BINARY_DIR}/screenshots-${dpi} ${dpi})
    set_tests_properties(wine.screenshots_${dpi}dpi PROPERTIES TIMEOUT 300)
endforeach()

# The Windows measures of `make bench`, run under Wine beside the stand-in host.
file(GLOB KN_WIN_BENCH_SOURCES CONFIGURE_DEPENDS bench/win/*.cpp)
if(KN_WIN_BENCH_SOURCES AND TARGET kn-standin-host)
    add_executable(kn_bench_win ${KN_WIN_BENCH_SOURCES} tests/win/shared/processes.cpp)
    target_link_libraries(kn_bench_win PRIVATE kn_win32)
    target_link_options(kn_bench_win PRIVATE -municode)
    add_dependencies(kn_bench_win kelvarnook kn-standin-host)
endif()

# kelvarnook.exe killed with SIGKILL from the Linux side at random moments while it writes its
# settings file, round after round: the file must stay whole, each key with its old or a new
# value.
if(TARGET kn-standin-host)
    add_executable(kn_settings_kill tests/win/settings_kill/driver.cpp tests/win/harness.cpp
                   tests/win/shared/processes.cpp tests/shared/scratch_dir.cpp)
    target_link_libraries(kn_settings_kill PRIVATE kn_win32 gtest)
    target_compile_definitions(kn_settings_kill PRIVATE ${KN_WINTEST_DEFINITIONS})
    add_dependencies(kn_settings_kill kelvarnook kn-standin-host)
    add_test(NAME wine.settings_kill COMMAND ${CMAKE_SOURCE_DIR}/tests/win/check-settings-kill
             $<TARGET_FILE:kn_settings_kill> $<TARGET_FILE:kn-standin-host>
             $<TARGET_FILE:kelvarnook> ${CMAKE_BINARY_DIR}/settings-kill 90)
    set_tests_properties(wine.settings_kill PROPERTIES TIMEOUT 600)
    # Two writers at once, one key each, one of them killed: a third of the rounds lost keys
    # while the two shared one copy's name.
    add_test(NAME wine.settings_kill_two_writers
             COMMAND ${CMAKE_SOURCE_DIR}/tests/win/check-settings-kill
             $<TARGET_FILE:kn_settings_kill> $<TARGET_FILE:kn-standin-host>
             $<TARGET_FILE:kelvarnook> ${CMAKE_BINARY_DIR}/settings-kill-writers 90 two-writers)
    set_tests_properties(wine.settings_kill_two_writers PROPERTIES TIMEOUT 300)
endif()
