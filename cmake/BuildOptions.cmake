# Language level and warnings shared by every target of ours.
add_library(lw_build_options INTERFACE)
target_compile_features(lw_build_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(lw_build_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wold-style-cast -Wcast-qual)

# On in every preset; packagers building with another compiler may turn it off.
option(LW_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)
if(LW_WARNINGS_AS_ERRORS)
    target_compile_options(lw_build_options INTERFACE -Werror)
endif()
target_compile_definitions(lw_build_options INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_KEYWORDS QT_USE_QSTRINGBUILDER)
target_include_directories(lw_build_options INTERFACE ${PROJECT_SOURCE_DIR}/src)

# Sanitizer build: address and undefined behaviour, no recovery so a finding fails the test.
option(LW_SANITIZE "Build with AddressSanitizer and UBSan" OFF)
if(LW_SANITIZE)
    target_compile_options(lw_build_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(lw_build_options INTERFACE -fsanitize=address,undefined)
endif()

# Fuzz build: coverage for libFuzzer in every library, with address and undefined checks.
if(LW_FUZZ)
    target_compile_options(lw_build_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    target_link_options(lw_build_options INTERFACE -fsanitize=address,undefined)
endif()
