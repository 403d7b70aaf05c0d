# zentuvio_shared_pch(TARGET GROUP HEADERS...): the first target of a group compiles the
# precompiled header; the others reuse it, since they compile with the same flags. A header
# the compiler finds unusable is parsed instead, so reuse never changes what is built.
function(zentuvio_shared_pch target group)
    get_property(owner GLOBAL PROPERTY ${group})
    if(owner)
        target_precompile_headers(${target} REUSE_FROM ${owner})
    else()
        target_precompile_headers(${target} PRIVATE ${ARGN})
        set_property(GLOBAL PROPERTY ${group} ${target})
    endif()
endfunction()

# zentuvio_library(NAME [DEPENDS targets...] [PUBLIC_HEADERS names...] [EXCLUDE files...])
# One static library per source folder; every .cpp below the folder belongs to it (but
# the excluded files, such as a program's main). Its own sources find every header of the
# folder by its class name. Other targets find only the PUBLIC_HEADERS, the library's
# interface: they are linked into an include folder of the build tree, so that including
# any other header of the library fails to build. Linking NAME_internals finds every
# header of the folder: for the tests, benchmarks and fuzzers that reach inside.
function(zentuvio_library name)
    cmake_parse_arguments(ARG "" "" "DEPENDS;PUBLIC_HEADERS;EXCLUDE" ${ARGN})
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS
        "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
    foreach(excluded IN LISTS ARG_EXCLUDE)
        list(REMOVE_ITEM sources "${CMAKE_CURRENT_SOURCE_DIR}/${excluded}")
    endforeach()
    add_library(${name} STATIC ${sources})
    file(GLOB_RECURSE headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
    set(include_dirs "${CMAKE_CURRENT_SOURCE_DIR}")
    foreach(header IN LISTS headers)
        get_filename_component(dir "${header}" DIRECTORY)
        list(APPEND include_dirs "${dir}")
    endforeach()
    list(REMOVE_DUPLICATES include_dirs)
    target_include_directories(${name} PRIVATE ${include_dirs})
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    zentuvio_shared_pch(${name} zentuvio_library_pch <QtWidgets> <functional> <memory> <vector>)

    set(public_dir "${CMAKE_CURRENT_BINARY_DIR}/public")
    file(REMOVE_RECURSE "${public_dir}")
    file(MAKE_DIRECTORY "${public_dir}")
    foreach(public IN LISTS ARG_PUBLIC_HEADERS)
        set(found "${headers}")
        list(FILTER found INCLUDE REGEX "/${public}$")
        list(LENGTH found count)
        if(NOT count EQUAL 1)
            message(FATAL_ERROR "${name}: public header ${public} found ${count} times")
        endif()
        file(CREATE_LINK "${found}" "${public_dir}/${public}" SYMBOLIC)
    endforeach()
    target_include_directories(${name} INTERFACE "${public_dir}")

    add_library(${name}_internals INTERFACE)
    target_include_directories(${name}_internals INTERFACE ${include_dirs})
endfunction()

# zentuvio_beside_reader(TARGET): keeps a copy of the Access catalogue reader beside a
# program of the build tree, where the program looks for it first (TJetReader).
function(zentuvio_beside_reader target)
    set(copy "${CMAKE_CURRENT_BINARY_DIR}/zentuvio-jet-reader")
    add_custom_command(OUTPUT "${copy}"
        COMMAND ${CMAKE_COMMAND} -E copy "$<TARGET_FILE:zentuvio-jet-reader>" "${copy}"
        DEPENDS zentuvio-jet-reader)
    add_custom_target(${target}_reader ALL DEPENDS "${copy}")
    add_dependencies(${target} ${target}_reader)
endfunction()
