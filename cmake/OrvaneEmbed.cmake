# orvane_embed_text(<target> <input file> <symbol>): compiles the bytes of <input file>
# into <target> as orvane::embedded::<symbol> and <symbol>Size, rebuilt when it changes.
function(orvane_embed_text target input symbol)
    set(output "${CMAKE_CURRENT_BINARY_DIR}/embedded_${symbol}.cpp")
    add_custom_command(
        OUTPUT "${output}"
        COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DSYMBOL=${symbol}
                -P ${PROJECT_SOURCE_DIR}/cmake/EmbedText.cmake
        DEPENDS "${input}" ${PROJECT_SOURCE_DIR}/cmake/EmbedText.cmake
        COMMENT "Embedding ${input}"
        VERBATIM)
    target_sources(${target} PRIVATE "${output}")
endfunction()
