# Installs the build into a scratch prefix and checks that the desktop learns of Orvane:
# the programs, the help file where the program looks for it, the menu entry naming the
# clone data type, that type with its glob and its magic, the icon both name, as SVG and
# as PNG images of the fixed sizes, and the manual pages.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

foreach(installed
        bin/orvane bin/orvane-cli bin/orvane-radio-sim
        share/orvane/orvane.qch
        share/applications/orvane.desktop
        share/mime/packages/orvane-zcf.xml
        share/icons/hicolor/scalable/apps/orvane.svg
        share/man/man1/orvane.1.gz share/man/man1/orvane-cli.1.gz)
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

# Each PNG size: the PNG signature, then the IHDR chunk whose width and height (bytes 16
# to 23, big-endian) are the size its folder names.
foreach(size 16 22 24 32 48 64 128 256)
    set(png "${PREFIX}/share/icons/hicolor/${size}x${size}/apps/orvane.png")
    if(NOT EXISTS "${png}")
        message(FATAL_ERROR "not installed: ${png}")
    endif()
    file(READ "${png}" head LIMIT 24 HEX)
    string(SUBSTRING "${head}" 0 32 signature)
    if(NOT signature STREQUAL "89504e470d0a1a0a0000000d49484452")
        message(FATAL_ERROR "${png} is not a PNG: ${head}")
    endif()
    string(SUBSTRING "${head}" 32 8 widthHex)
    string(SUBSTRING "${head}" 40 8 heightHex)
    math(EXPR width "0x${widthHex}")
    math(EXPR height "0x${heightHex}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
        message(FATAL_ERROR "${png} is ${width}x${height}, not ${size}x${size}")
    endif()
endforeach()
