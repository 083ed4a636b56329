# orvane_expose_headers(<target>): lets <target>, and whatever links it, include the
# headers of the current source folder as "<folder>/file.h", and nothing else of the tree.
#
# The target gets an include root of its own in the build tree whose only entry is a
# symbolic link named after the folder, pointing to it. The root is the target's public
# include directory, so a header is reachable only along the link graph: an include of a
# library the target does not link (a layer above it, or beside it) fails to compile.
function(orvane_expose_headers target)
    get_filename_component(folder "${CMAKE_CURRENT_SOURCE_DIR}" NAME)
    set(root "${PROJECT_BINARY_DIR}/include/${target}")
    file(MAKE_DIRECTORY "${root}")
    file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}" "${root}/${folder}" SYMBOLIC)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE "${root}")
    else()
        target_include_directories(${target} PUBLIC "${root}")
    endif()
endfunction()
