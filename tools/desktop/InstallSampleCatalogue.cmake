# Part of `cmake --install`: makes the sample catalogue Mirelvane.mdb in
# ZENTUVIO_SAMPLE_DESTINATION under the install prefix (and DESTDIR, as packaging sets it)
# with the tools built in the tree, and records it among the installed files.
if(IS_ABSOLUTE "${ZENTUVIO_SAMPLE_DESTINATION}")
    set(folder "$ENV{DESTDIR}${ZENTUVIO_SAMPLE_DESTINATION}")
else()
    set(folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${ZENTUVIO_SAMPLE_DESTINATION}")
endif()
set(catalogue "${folder}/Mirelvane.mdb")
message(STATUS "Making the sample catalogue: ${catalogue}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env
            "ZENTUVIO_CATALOGUE_TOOL=${ZENTUVIO_CATALOGUE_TOOL}"
            "ZENTUVIO_TEMPLATES_TOOL=${ZENTUVIO_TEMPLATES_TOOL}"
            "${ZENTUVIO_SAMPLE_SCRIPT}" "${catalogue}"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "The sample catalogue could not be made (${result}).")
endif()
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${catalogue}")
