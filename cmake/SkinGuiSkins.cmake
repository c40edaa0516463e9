# Packed skins in the Windows build: SkinBuilder packs a skin folder into a
# .skn file while the project builds, and programs embed the default skin.

# skingui_pack_skin(FOLDER OUTPUT)
#   A build rule that packs the skin folder FOLDER (skin.ini and the pictures
#   it names) into OUTPUT. The rule belongs to the calling folder: a target
#   there that lists OUTPUT among its sources or DEPENDS gets it built. In the
#   cross build SkinBuilder runs through the cross-compiling emulator; under
#   Wine it uses the build's own Wine prefix, the one the scripts set up, and
#   makes it first where it does not exist yet.
function(skingui_pack_skin folder output)
  file(GLOB inputs CONFIGURE_DEPENDS ${folder}/*)
  set(run $<TARGET_FILE:SkinBuilder>)
  set(prefix_ready "")
  if(CMAKE_CROSSCOMPILING_EMULATOR)
    list(GET CMAKE_CROSSCOMPILING_EMULATOR 0 emulator)
    get_filename_component(emulator_name ${emulator} NAME)
    if(emulator_name STREQUAL "wine")
      set(wine_env WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix WINEARCH=win32 WINEDEBUG=-all
                   WINEDLLOVERRIDES=mscoree,mshtml=)
      # Two first runs of Wine on a prefix that does not exist yet race while
      # making it, and one fails: a parallel build packing two skins in a
      # fresh build folder would fail now and then. One target makes the
      # prefix before any packing starts.
      if(NOT TARGET skingui_wine_prefix)
        add_custom_target(skingui_wine_prefix
          COMMAND ${CMAKE_COMMAND} -E env ${wine_env}
                  ${CMAKE_COMMAND} -DPREFIX=${CMAKE_BINARY_DIR}/wineprefix
                  -P ${SkinGui_SOURCE_DIR}/cmake/SkinGuiWinePrefix.cmake
          VERBATIM)
      endif()
      set(prefix_ready skingui_wine_prefix)
      set(run ${CMAKE_COMMAND} -E env ${wine_env} ${CMAKE_CROSSCOMPILING_EMULATOR} ${run})
    else()
      set(run ${CMAKE_CROSSCOMPILING_EMULATOR} ${run})
    endif()
  endif()
  get_filename_component(output_dir ${output} DIRECTORY)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${output_dir}
    COMMAND ${run} ${folder}/skin.ini ${output}
    DEPENDS SkinBuilder ${prefix_ready} ${inputs}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    COMMENT "Packing ${folder} into ${output}"
    VERBATIM)
endfunction()

# skingui_embed_default_skin(TARGET)
#   Links the packed skins/Default into the program TARGET as the RCDATA
#   resource SKINGUI_DEFAULT_SKIN, which LoadBuiltInSkin (skin/SkinBuiltIn.h)
#   reads. The linker drops resources of static libraries, so each program
#   that wants the built-in skin calls this itself. The skin's path comes
#   from the library's own project, so a program with a project() of its own
#   that adds the library as a subdirectory finds it too.
function(skingui_embed_default_skin target)
  set(dir ${CMAKE_BINARY_DIR}/skins)
  set(skn ${dir}/Default.skn)
  set(rc ${dir}/DefaultSkin.rc)
  get_property(defined GLOBAL PROPERTY SKINGUI_DEFAULT_SKIN_DEFINED)
  if(NOT defined)
    set_property(GLOBAL PROPERTY SKINGUI_DEFAULT_SKIN_DEFINED TRUE)
    skingui_pack_skin(${SkinGui_SOURCE_DIR}/skins/Default ${skn})
    add_custom_target(skingui_default_skin DEPENDS ${skn})
    # Written only when its text changes: a file rewritten at every configure
    # is newer than the resource built from it, which then builds again, and
    # the program relinks, on every run of a script that configures first.
    file(WRITE ${rc}.new "SKINGUI_DEFAULT_SKIN RCDATA \"${skn}\"\n")
    configure_file(${rc}.new ${rc} COPYONLY)
  endif()
  target_sources(${target} PRIVATE ${rc})
  # The resource compiler does not see that the .rc reads the .skn file.
  get_target_property(target_dir ${target} SOURCE_DIR)
  set_source_files_properties(${rc} DIRECTORY ${target_dir} PROPERTIES OBJECT_DEPENDS ${skn})
  add_dependencies(${target} skingui_default_skin)
endfunction()
