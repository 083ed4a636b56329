# Builds the Debian package from the build tree into a scratch folder and checks it: its
# control fields with the dependencies computed from the programs, the files it holds, a
# valid AppStream metainfo, and the packaged orvane-cli running from the unpacked tree.

# run(<output variable> <command...>): runs the command and fails the test unless it
# ends with status 0; the output and errors go to the variable.
function(run outputVariable)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output
                    ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        list(JOIN ARGN " " command)
        message(FATAL_ERROR "${command} failed (${result}):\n${output}")
    endif()
    set(${outputVariable} "${output}" PARENT_SCOPE)
endfunction()

# expect(<text> <part...>): fails the test unless the text holds every part.
function(expect text)
    foreach(part IN LISTS ARGN)
        string(FIND "${text}" "${part}" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "expected '${part}' in:\n${text}")
        endif()
    endforeach()
endfunction()

file(REMOVE_RECURSE "${SCRATCH}")
run(ignored cpack --config "${BUILD_DIR}/CPackConfig.cmake" -B "${SCRATCH}")
run(architecture dpkg --print-architecture)
string(STRIP "${architecture}" architecture)
set(package "${SCRATCH}/orvane_${VERSION}_${architecture}.deb")
if(NOT EXISTS "${package}")
    file(GLOB made "${SCRATCH}/*.deb")
    message(FATAL_ERROR "no ${package}; made: ${made}")
endif()

run(fields dpkg-deb --field "${package}" Package Version Architecture Maintainer Depends)
expect("${fields}" "Package: orvane\n" "Version: ${VERSION}\n"
       "Architecture: ${architecture}\n" "Maintainer: Orvane developers\n"
       "libc6" "libqt6core6" "libqt6widgets6" "libqt6help6" "qt6-qpa-plugins" "libqt6svg6"
       "libqt6sql6-sqlite")

set(root "${SCRATCH}/root")
run(ignored dpkg-deb --extract "${package}" "${root}")
set(metainfo "${root}/usr/share/metainfo/org.orvane.Orvane.metainfo.xml")
foreach(packaged
        usr/bin/orvane usr/bin/orvane-cli usr/bin/orvane-radio-sim
        usr/share/orvane/orvane.qch
        usr/share/applications/orvane.desktop
        usr/share/mime/packages/orvane-zcf.xml
        usr/share/icons/hicolor/scalable/apps/orvane.svg
        usr/share/icons/hicolor/48x48/apps/orvane.png
        usr/share/metainfo/org.orvane.Orvane.metainfo.xml
        usr/share/man/man1/orvane.1.gz usr/share/man/man1/orvane-cli.1.gz)
    if(NOT EXISTS "${root}/${packaged}")
        message(FATAL_ERROR "not in the package: ${packaged}")
    endif()
endforeach()

run(ignored appstreamcli validate --no-net "${metainfo}")
file(READ "${metainfo}" metainfoText)
expect("${metainfoText}" "<release version=\"${VERSION}\" date=\""
       "<launchable type=\"desktop-id\">orvane.desktop</launchable>"
       "<mediatype>application/x-orvane-zcf</mediatype>")

# The packaged command-line tool, in a scratch home so that no settings are read.
set(home "${SCRATCH}/home")
file(MAKE_DIRECTORY "${home}")
set(cli ${CMAKE_COMMAND} -E env HOME=${home} XDG_CONFIG_HOME=${home}/.config
        "${root}/usr/bin/orvane-cli")
run(version ${cli} --version)
if(NOT version STREQUAL "orvane-cli ${VERSION}\n")
    message(FATAL_ERROR "orvane-cli --version printed '${version}'")
endif()
run(ignored ${cli} new --model HT-Lk2 -o "${home}/blank.zcf")
run(checked ${cli} check "${home}/blank.zcf")
if(NOT checked STREQUAL "${home}/blank.zcf: OK (HT-Lk2)\n")
    message(FATAL_ERROR "orvane-cli check printed '${checked}'")
endif()
