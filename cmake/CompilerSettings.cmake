# Warnings, ccache and sanitizers for every target of the project.
find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
    set(CMAKE_C_COMPILER_LAUNCHER "${CCACHE_PROGRAM}")
    set(CMAKE_CXX_COMPILER_LAUNCHER "${CCACHE_PROGRAM}")
endif()

add_compile_options(-Wall -Wextra)

if(ZENTUVIO_SANITIZE)
    # The sanitizer build is the one the test command and CI make: a warning fails it.
    add_compile_options(-Werror)
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
