# Warnings, ccache and sanitizers for every target of the project.
find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
    set(CMAKE_C_COMPILER_LAUNCHER "${CCACHE_PROGRAM}")
    set(CMAKE_CXX_COMPILER_LAUNCHER "${CCACHE_PROGRAM}")
endif()

add_compile_options(-Wall -Wextra)
# A unity build includes sources into one another; GCC then takes a test's fixture in an
# anonymous namespace for one that a header would share between sources, and warns.
if(CMAKE_UNITY_BUILD AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    add_compile_options(-Wno-subobject-linkage)
endif()

if(ZENTUVIO_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    # Line tables are all a sanitizer report needs; full debug information made the
    # sanitizer build's compiles and links markedly slower.
    add_compile_options(-g1)
    add_link_options(-fsanitize=address,undefined)
endif()

if(ZENTUVIO_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
