# Installs the build into a fresh prefix and checks that it holds what a desktop needs.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} RESULT_VARIABLE rc
                OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(f bin/quorvel share/applications/quorvel.desktop
          share/icons/hicolor/scalable/apps/quorvel.svg share/quorvel/Hilfe.htm
          share/metainfo/org.quorvel.quorvel.metainfo.xml share/man/man1/quorvel.1.gz
          share/man/de/man1/quorvel.1.gz)
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
execute_process(COMMAND desktop-file-validate ${PREFIX}/share/applications/quorvel.desktop
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the desktop entry is not valid")
endif()
file(STRINGS ${PREFIX}/share/quorvel/Hilfe.htm anchors REGEX "id=\"(Funktionen|Finanz)\"")
list(LENGTH anchors count)
if(NOT count EQUAL 2)
  message(FATAL_ERROR "the help page lacks the anchors #Funktionen and #Finanz")
endif()
