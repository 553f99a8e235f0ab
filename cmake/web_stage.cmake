# The WebAssembly build's staged working directory and its launcher. The stage holds
# monsterData.txt, the desktop build's generated resources/, and under resources/fonts/ the
# font files this machine's fontconfig picks for each generic family, listed in faces.txt for
# graphics/text/face_match_files.cpp, so text is drawn from the same faces as on the desktop.
set(DA_STAGE_DIR ${PROJECT_BINARY_DIR}/stage)
set(desktop_stage ${DA_DESKTOP_BUILD}/stage)
set(fonts_dir ${DA_STAGE_DIR}/resources/fonts)

set(faces "")
set(font_files "")
# The page ships only the faces the game's text reaches (cmake/web.cmake, DA_WEB_FACES).
if(NOT DEFINED DA_WEB_FACES)
  set(DA_WEB_FACES monospace sans-serif serif)
endif()
foreach(generic ${DA_WEB_FACES})
  foreach(weight regular bold)
    execute_process(COMMAND fc-match -f "%{file}\t%{family[0]}\t%{weight}\t%{slant}\t%{spacing}" "${generic}:${weight}"
                    OUTPUT_VARIABLE match RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR match STREQUAL "")
      message(FATAL_ERROR "fc-match found no face for ${generic}:${weight}")
    endif()
    string(REPLACE "\t" ";" fields "${match}")
    list(GET fields 0 file)
    list(GET fields 1 family)
    list(GET fields 2 fc_weight)
    list(GET fields 3 fc_slant)
    list(LENGTH fields count)
    set(fc_spacing 0)
    if(count GREATER 4)
      list(GET fields 4 fc_spacing)
    endif()
    # fontconfig's demibold (180) and above count as bold; mono (100) and charcell (110) as fixed.
    set(bold 0)
    if(fc_weight GREATER_EQUAL 180)
      set(bold 1)
    endif()
    set(italic 0)
    if(NOT fc_slant EQUAL 0)
      set(italic 1)
    endif()
    set(mono 0)
    if(fc_spacing EQUAL 100 OR fc_spacing EQUAL 110)
      set(mono 1)
    endif()
    get_filename_component(name ${file} NAME)
    string(APPEND faces "${generic}\t${weight}\t${name}\t${family}\t${bold}\t${italic}\t${mono}\n")
    list(APPEND font_files ${file})
  endforeach()
endforeach()
list(REMOVE_DUPLICATES font_files)
file(WRITE ${PROJECT_BINARY_DIR}/faces.txt "${faces}")

add_custom_command(
  OUTPUT ${DA_STAGE_DIR}/.staged
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${fonts_dir}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${fonts_dir}
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/data/monsterData.txt ${DA_STAGE_DIR}/monsterData.txt
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${desktop_stage}/resources ${DA_STAGE_DIR}/resources
  COMMAND ${CMAKE_COMMAND} -E copy ${font_files} ${PROJECT_BINARY_DIR}/faces.txt ${fonts_dir}
  COMMAND ${CMAKE_COMMAND} -E touch ${DA_STAGE_DIR}/.staged
  DEPENDS ${PROJECT_SOURCE_DIR}/data/monsterData.txt ${desktop_stage}/resources/.generated ${font_files}
          ${PROJECT_BINARY_DIR}/faces.txt
  COMMENT "Staging the desktop's resources and the font files")
add_custom_target(stage ALL DEPENDS ${DA_STAGE_DIR}/.staged)

# tools/dream_sim/dream-sim runs the driver under node, so scripts call it as the desktop's.
file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/tools/dream_sim/dream-sim
     CONTENT "#!/bin/sh\n# dream-sim built to WebAssembly, run under node in the caller's working directory.\nexec node --no-experimental-fetch \"$(dirname \"$0\")/dream-sim.js\" \"$@\"\n"
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
