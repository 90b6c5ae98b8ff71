# Builds the Debian package from the build tree BUILD into WORK, unpacks it into a scratch root
# and checks it as a user's machine would take it: the files a desktop needs, dependencies
# computed from the program, no lintian errors, a valid AppStream file, and the installed
# program starting once (offscreen, with a scratch home). Skips where the tools are missing.
foreach(tool cpack dpkg-deb dpkg-shlibdeps lintian appstreamcli)
  find_program(tool_${tool} ${tool})
  if(NOT tool_${tool})
    message("skipped: ${tool} is not installed (make test installs it with the other packages)")
    return()
  endif()
endforeach()

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}")
  endif()
  set(output "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK})
run("cpack" ${tool_cpack} --config ${BUILD}/CPackConfig.cmake -B ${WORK})
set(deb ${WORK}/quorvel_${VERSION}_amd64.deb)
if(NOT EXISTS ${deb})
  message(FATAL_ERROR "cpack made no ${deb}")
endif()

set(root ${WORK}/root)
run("dpkg-deb -x" ${tool_dpkg-deb} -x ${deb} ${root})
foreach(f bin/quorvel share/applications/quorvel.desktop
          share/icons/hicolor/scalable/apps/quorvel.svg share/quorvel/Hilfe.htm
          share/metainfo/org.quorvel.quorvel.metainfo.xml share/man/man1/quorvel.1.gz
          share/man/de/man1/quorvel.1.gz share/doc/quorvel/copyright
          share/doc/quorvel/changelog.gz)
  if(NOT EXISTS ${root}/usr/${f})
    message(FATAL_ERROR "not in the package: /usr/${f}")
  endif()
endforeach()

run("dpkg-deb -f" ${tool_dpkg-deb} -f ${deb} Version Depends)
if(NOT output MATCHES "Version: ${VERSION}\n" OR NOT output MATCHES "libqt6widgets6")
  message(FATAL_ERROR "version or computed dependencies missing:\n${output}")
endif()

# The licence, machine-readable in the copyright file and named in the AppStream file.
file(READ ${root}/usr/share/doc/quorvel/copyright copyright)
file(READ ${root}/usr/share/metainfo/org.quorvel.quorvel.metainfo.xml metainfo)
if(NOT copyright MATCHES "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
   OR NOT copyright MATCHES "\nLicense: GPL-3\\+\n"
   OR NOT metainfo MATCHES "<project_license>GPL-3.0-or-later</project_license>"
   OR NOT metainfo MATCHES "<screenshot type=\"default\">")
  message(FATAL_ERROR "the package does not name its licence or lacks its screenshots")
endif()

run("lintian" ${tool_lintian} --fail-on error ${deb})
message("lintian: ${output}")
run("appstreamcli validate" ${tool_appstreamcli} validate --no-net
    ${root}/usr/share/metainfo/org.quorvel.quorvel.metainfo.xml)

# The installed program shows its window once and ends without writing settings.
file(MAKE_DIRECTORY ${WORK}/home)
run("the installed program" ${CMAKE_COMMAND} -E env HOME=${WORK}/home
    XDG_CONFIG_HOME=${WORK}/home/.config QT_QPA_PLATFORM=offscreen QUORVEL_EXIT_AFTER_SHOW=1
    ${root}/usr/bin/quorvel)
if(NOT output MATCHES "main window shown")
  message(FATAL_ERROR "the installed program did not show its window:\n${output}")
endif()
