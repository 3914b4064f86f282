# velmora_embed(TARGET FILE SYMBOL): compiles FILE into TARGET as the byte block SYMBOL.
function(velmora_embed target file symbol)
  set(out "${CMAKE_CURRENT_BINARY_DIR}/embedded/${symbol}.cpp")
  add_custom_command(
    OUTPUT "${out}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_CURRENT_BINARY_DIR}/embedded"
    COMMAND embed "${file}" "${out}" "${symbol}"
    DEPENDS embed "${file}"
    COMMENT "Embedding ${symbol}"
    VERBATIM)
  target_sources(${target} PRIVATE "${out}")
endfunction()
