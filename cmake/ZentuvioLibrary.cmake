# zentuvio_library(NAME [DEPENDS targets...] [EXCLUDE files...])
# One static library per source folder; every .cpp below the folder belongs to it (but
# the excluded files, such as a program's main), and the folder's subfolders are include
# roots so that headers are found by their class name.
function(zentuvio_library name)
    cmake_parse_arguments(ARG "" "" "DEPENDS;EXCLUDE" ${ARGN})
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
    target_include_directories(${name} PUBLIC ${include_dirs})
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    target_precompile_headers(${name} PRIVATE <QtWidgets> <functional> <memory> <vector>)
endfunction()
