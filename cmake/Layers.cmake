# Each folder of src/ is one library, and its headers are included by their
# path from src/: "compose/tagcomposer.h", "ui/about/frmabout.h". A library
# sees its own folder and the folders of the libraries it links, no other:
# its include root, in the build tree, links to its own folder alone. So an
# include of a layer above, or of one beside that is not linked, does not
# build.
get_filename_component(QUILLORA_SRC_DIR ${CMAKE_CURRENT_LIST_DIR}/../src ABSOLUTE)

function(quillora_layer target)
    file(RELATIVE_PATH folder ${QUILLORA_SRC_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    set(root ${CMAKE_BINARY_DIR}/layers/${target})
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
    target_include_directories(${target} PUBLIC ${root})
endfunction()
