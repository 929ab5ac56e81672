# kelvarnook.exe, the Windows stand-in host, and the Windows tests run under Wine.
add_link_options(-static -static-libgcc -static-libstdc++)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX UNICODE _UNICODE)

file(GLOB KN_WIN32_SOURCES CONFIGURE_DEPENDS platform/win32/*.cpp platform/null/*.cpp)
add_library(kn_win32 STATIC ${KN_WIN32_SOURCES})
target_link_libraries(kn_win32 PUBLIC kn_program user32 kernel32 gdi32 comctl32)

file(GLOB KN_RESOURCES CONFIGURE_DEPENDS windows/resources/*.rc)
add_executable(kelvarnook WIN32 app/win_main.cpp ${KN_RESOURCES})
target_link_libraries(kelvarnook PRIVATE kn_win32)

file(GLOB KN_HOST_SOURCES CONFIGURE_DEPENDS host/win32/*.cpp)
if(KN_HOST_SOURCES)
    add_executable(kn-standin-host WIN32 ${KN_HOST_SOURCES})
    target_link_libraries(kn-standin-host PRIVATE user32 kernel32 gdi32)
endif()

set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
file(GLOB KN_WIN_TESTS CONFIGURE_DEPENDS tests/win/*.cpp tests/shared/*.cpp)
if(KN_WIN_TESTS)
    add_executable(kn_wintests ${KN_WIN_TESTS})
    target_link_libraries(kn_wintests PRIVATE kn_win32 gtest gmock gtest_main)
    add_dependencies(kn_wintests kelvarnook)
    if(TARGET kn-standin-host)
        add_dependencies(kn_wintests kn-standin-host)
    endif()
    add_test(NAME wine.kn_wintests COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-run
             $<TARGET_FILE:kn_wintests>)
    set_tests_properties(wine.kn_wintests PROPERTIES TIMEOUT 900)
endif()
