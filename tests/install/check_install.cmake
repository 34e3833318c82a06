# cmake -DBUILD_DIR=... -DPREFIX=... -P check_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${errors}")
endif()

function(expect_file path)
  if(NOT EXISTS "${PREFIX}/${path}")
    message(SEND_ERROR "not installed: ${path}")
  endif()
endfunction()

foreach(path lib/cavernia/cavernia-editor lib/cavernia/cavernia-level lib/cavernia/art
             share/applications/cavernia-editor.desktop share/mime/packages/cavernia-level.xml
             share/icons/hicolor/scalable/apps/cavernia-editor.svg
             share/icons/hicolor/scalable/mimetypes/application-x-cavernia-level.svg)
  expect_file(${path})
endforeach()
foreach(folder sound songs)
  if(IS_DIRECTORY "${BUILD_DIR}/bin/${folder}")
    expect_file(lib/cavernia/${folder})
  endif()
endforeach()

# The links in bin/ start the programs, which then look for their folders beside their real
# path: the second artwork set is found through the link.
foreach(program cavernia-editor cavernia-level)
  if(NOT IS_SYMLINK "${PREFIX}/bin/${program}")
    message(SEND_ERROR "bin/${program} is not a link")
  endif()
endforeach()
execute_process(COMMAND "${PREFIX}/bin/cavernia-level" artwork --set Night -o "${PREFIX}/night.png"
                WORKING_DIRECTORY / RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT EXISTS "${PREFIX}/night.png")
  message(SEND_ERROR "the installed cavernia-level does not find its art folder: ${output}${errors}")
endif()
execute_process(COMMAND "${PREFIX}/bin/cavernia-editor" --version RESULT_VARIABLE result OUTPUT_VARIABLE output)
if(NOT result EQUAL 0 OR NOT output MATCHES "Cavernia Level Editor 0.9")
  message(SEND_ERROR "the installed editor does not start: ${output}")
endif()

# The desktop entry starts the installed editor with the files and claims the level type.
file(READ "${PREFIX}/share/applications/cavernia-editor.desktop" entry)
string(FIND "${entry}" "Exec=\"${PREFIX}/bin/cavernia-editor\" %F" at)
if(at EQUAL -1)
  message(SEND_ERROR "the desktop entry does not start the installed editor:\n${entry}")
endif()
if(NOT entry MATCHES "MimeType=application/x-cavernia-level;")
  message(SEND_ERROR "the desktop entry does not claim .lev files")
endif()
file(READ "${PREFIX}/share/mime/packages/cavernia-level.xml" mime)
if(NOT mime MATCHES "type=\"application/x-cavernia-level\"" OR NOT mime MATCHES "<glob pattern=\"\\*\\.lev\"/>")
  message(SEND_ERROR "the MIME type does not cover *.lev:\n${mime}")
endif()
find_program(validate desktop-file-validate)
if(validate)
  execute_process(COMMAND ${validate} "${PREFIX}/share/applications/cavernia-editor.desktop"
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(SEND_ERROR "desktop-file-validate: ${output}")
  endif()
endif()
find_program(update_mime update-mime-database)
if(update_mime)
  file(STRINGS "${PREFIX}/share/mime/globs2" globs REGEX "x-cavernia-level")
  if(NOT globs MATCHES "\\*\\.lev")
    message(SEND_ERROR "the installed MIME database does not know *.lev")
  endif()
endif()
message(STATUS "installed and checked in ${PREFIX}")
