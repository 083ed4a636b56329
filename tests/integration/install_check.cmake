# Installs the build into a scratch prefix and checks that the desktop learns of Orvane:
# the programs, the menu entry naming the clone data type, that type with its glob and
# its magic, and the icon both name.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

foreach(installed
        bin/orvane bin/orvane-cli bin/orvane-radio-sim
        share/applications/orvane.desktop
        share/mime/packages/orvane-zcf.xml
        share/icons/hicolor/scalable/apps/orvane.svg)
    if(NOT EXISTS "${PREFIX}/${installed}")
        message(FATAL_ERROR "not installed: ${installed}")
    endif()
endforeach()

file(READ "${PREFIX}/share/applications/orvane.desktop" desktop)
foreach(line "Exec=orvane %f" "Icon=orvane" "MimeType=application/x-orvane-zcf;")
    string(FIND "${desktop}" "${line}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the desktop entry lacks '${line}'")
    endif()
endforeach()

file(READ "${PREFIX}/share/mime/packages/orvane-zcf.xml" mime)
foreach(part "type=\"application/x-orvane-zcf\"" "pattern=\"*.zcf\"" "value=\"3074000\"")
    string(FIND "${mime}" "${part}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the file type lacks ${part}")
    endif()
endforeach()
